// The skin library's table of subclassed windows, against a reference map:
// random keys collide, so removal must keep every probe run whole.
#include "skinlib/dll/window_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <random>
#include <vector>

namespace skinh {
namespace {

void* Zeroed(std::size_t bytes) { return std::calloc(1, bytes); }
void Free(void* block) { std::free(block); }

int g_allocations = 0;
bool g_refuse = false;
void* Counted(std::size_t bytes) {
  if (g_refuse) return nullptr;
  ++g_allocations;
  return std::calloc(1, bytes);
}

TEST(WindowTable, FindsWhatWasPutAndForgetsWhatWasErased) {
  WindowTable t(Zeroed, Free);
  EXPECT_EQ(t.Find(0x10020), nullptr);
  int a = 0, b = 0;
  ASSERT_TRUE(t.Put(0x10020, &a, 1));
  ASSERT_TRUE(t.Put(0x10022, &b, 2));
  ASSERT_NE(t.Find(0x10020), nullptr);
  EXPECT_EQ(t.Find(0x10020)->original, &a);
  EXPECT_EQ(t.Find(0x10022)->ref, 2u);
  ASSERT_TRUE(t.Put(0x10020, &b, 5));  // replaces, does not add
  EXPECT_EQ(t.size(), 2u);
  EXPECT_EQ(t.Find(0x10020)->original, &b);
  t.Erase(0x10020);
  t.Erase(0x10020);
  EXPECT_EQ(t.Find(0x10020), nullptr);
  EXPECT_EQ(t.size(), 1u);
  EXPECT_FALSE(t.Put(0, &a, 0)) << "0 marks a free slot";
}

TEST(WindowTable, KeysOfOneHomeStayReachableWhateverIsErased) {
  // Keys that all hash to the same slot form one long run, wrapping the end.
  WindowTable t(Zeroed, Free);
  ASSERT_TRUE(t.Put(1, nullptr, 0));  // the first put sizes the table
  const std::size_t cap = t.capacity();
  const std::size_t home = cap - 2;
  std::vector<std::uintptr_t> same;
  for (std::uintptr_t k = 2; same.size() < 20; ++k)
    if (WindowTable::Home(k, cap) == home) same.push_back(k);
  t.Erase(1);
  for (std::uintptr_t k : same) ASSERT_TRUE(t.Put(k, nullptr, k));
  ASSERT_EQ(t.capacity(), cap);
  for (std::size_t gone = 0; gone < same.size(); gone += 3) {
    t.Erase(same[gone]);
    for (std::size_t i = 0; i < same.size(); ++i) {
      const bool erased = i % 3 == 0 && i <= gone;
      ASSERT_EQ(t.Find(same[i]) != nullptr, !erased) << "key " << i << " after erasing " << gone;
      if (!erased) {
        EXPECT_EQ(t.Find(same[i])->ref, same[i]);
      }
    }
  }
}

TEST(WindowTable, AnEntryAtItsHomeJustPastTheEndStaysThere) {
  WindowTable t(Zeroed, Free);
  ASSERT_TRUE(t.Put(1, nullptr, 0));
  const std::size_t cap = t.capacity();
  t.Erase(1);
  std::uintptr_t last = 0, first = 0;  // homes cap - 1 and 0
  for (std::uintptr_t k = 2; !last || !first; ++k) {
    if (!last && WindowTable::Home(k, cap) == cap - 1) last = k;
    if (!first && WindowTable::Home(k, cap) == 0) first = k;
  }
  ASSERT_TRUE(t.Put(last, nullptr, 1));
  ASSERT_TRUE(t.Put(first, nullptr, 2));
  t.Erase(last);  // the run wraps: the hole lies before the end, the entry after it
  ASSERT_NE(t.Find(first), nullptr);
  EXPECT_EQ(t.Find(first)->ref, 2u);
}

TEST(WindowTable, MatchesAReferenceMapOverRandomPutsAndErases) {
  WindowTable t(Zeroed, Free);
  std::map<std::uintptr_t, std::uintptr_t> model;
  std::mt19937 rng(7);
  std::uniform_int_distribution<std::uintptr_t> key(1, 3000);  // dense enough to collide
  for (int step = 0; step < 200000; ++step) {
    const std::uintptr_t k = key(rng);
    if (rng() % 3) {
      const std::uintptr_t ref = rng();
      ASSERT_TRUE(t.Put(k, nullptr, ref));
      model[k] = ref;
    } else {
      t.Erase(k);
      model.erase(k);
    }
    ASSERT_EQ(t.size(), model.size());
    ASSERT_LE(t.size() * 2, t.capacity());
    if (step % 1000 == 0)
      for (std::uintptr_t probe = 1; probe <= 3000; ++probe) {
        const auto it = model.find(probe);
        const WindowEntry* e = t.Find(probe);
        ASSERT_EQ(e != nullptr, it != model.end()) << "key " << probe << " at step " << step;
        if (e) {
          ASSERT_EQ(e->ref, it->second);
        }
      }
  }
}

TEST(WindowTable, GrowsByDoublingAndKeepsItsEntriesWhenMemoryRunsOut) {
  g_allocations = 0;
  g_refuse = false;
  {
    WindowTable t(Counted, Free);
    for (std::uintptr_t k = 1; k <= 128; ++k) ASSERT_TRUE(t.Put(k, nullptr, k));
    EXPECT_EQ(t.capacity(), 256u);
    EXPECT_EQ(g_allocations, 1);
    g_refuse = true;
    EXPECT_FALSE(t.Put(129, nullptr, 129)) << "would pass half full";
    EXPECT_TRUE(t.Put(7, nullptr, 70)) << "replacing needs no room";
    EXPECT_EQ(t.Find(7)->ref, 70u);
    g_refuse = false;
    ASSERT_TRUE(t.Put(129, nullptr, 129));
    EXPECT_EQ(t.capacity(), 512u);
    for (std::uintptr_t k = 1; k <= 129; ++k) ASSERT_NE(t.Find(k), nullptr) << k;
  }
  g_refuse = false;
}

TEST(WindowTable, FibonacciHomesSpreadCountingHandles) {
  // Wine hands out window handles two apart; they must not pile onto few slots.
  std::vector<int> hits(256, 0);
  for (std::uintptr_t h = 0x10020; h < 0x10020 + 2 * 128; h += 2) ++hits[WindowTable::Home(h, 256)];
  int worst = 0;
  for (int n : hits) worst = n > worst ? n : worst;
  EXPECT_LE(worst, 2);
}

}  // namespace
}  // namespace skinh
