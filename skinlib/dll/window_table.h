// The library's table of subclassed windows: window -> (procedure it had,
// reference data). Open addressing with linear probing, at most half full,
// removal by shifting later entries back (no tombstones). Portable and
// lock-free itself; the caller locks. Memory comes from the caller's functions.
#pragma once

#include <cstddef>
#include <cstdint>

namespace skinh {

struct WindowEntry {
  std::uintptr_t window;  // 0: a free slot
  void* original;
  std::uintptr_t ref;
};

class WindowTable {
 public:
  using Allocate = void* (*)(std::size_t bytes);  // zeroed memory, or null
  using Release = void (*)(void* block);

  constexpr WindowTable(Allocate allocate, Release release)
      : allocate_(allocate), release_(release) {}
  // Left empty, not dangling: a late message at process exit finds nothing.
  ~WindowTable() {
    if (slots_) release_(slots_);
    slots_ = nullptr;
    capacity_ = used_ = 0;
  }
  WindowTable(const WindowTable&) = delete;
  WindowTable& operator=(const WindowTable&) = delete;

  std::size_t size() const { return used_; }
  std::size_t capacity() const { return capacity_; }

  // Fibonacci hashing: the top bits of the product, spread for handles that count up.
  static std::size_t Home(std::uintptr_t window, std::size_t capacity) {
    unsigned bits = 0;
    while ((std::size_t{1} << bits) < capacity) ++bits;
    const auto product =
        static_cast<std::uint32_t>(static_cast<std::uint32_t>(window) * 0x9E3779B1u);
    return bits ? product >> (32 - bits) : 0;
  }

  WindowEntry* Find(std::uintptr_t window) {
    if (!capacity_ || !window) return nullptr;
    for (std::size_t i = Home(window, capacity_);; i = (i + 1) & (capacity_ - 1)) {
      if (slots_[i].window == window) return &slots_[i];
      if (!slots_[i].window) return nullptr;
    }
  }

  // Adds the window or replaces its entry; false when memory ran out.
  bool Put(std::uintptr_t window, void* original, std::uintptr_t ref) {
    if (WindowEntry* e = Find(window)) {
      *e = {window, original, ref};
      return true;
    }
    if (!window || !Reserve()) return false;
    std::size_t i = Home(window, capacity_);
    while (slots_[i].window && slots_[i].window != window) i = (i + 1) & (capacity_ - 1);
    if (!slots_[i].window) ++used_;
    slots_[i] = {window, original, ref};
    return true;
  }

  void Erase(std::uintptr_t window) {
    WindowEntry* e = Find(window);
    if (!e) return;
    const std::size_t mask = capacity_ - 1;
    std::size_t hole = static_cast<std::size_t>(e - slots_);
    for (std::size_t i = (hole + 1) & mask; slots_[i].window; i = (i + 1) & mask) {
      const std::size_t home = Home(slots_[i].window, capacity_);
      // An entry whose home lies after the hole, up to where it sits, must stay.
      const bool stays = hole <= i ? (hole < home && home <= i) : (hole < home || home <= i);
      if (stays) continue;
      slots_[hole] = slots_[i];
      hole = i;
    }
    slots_[hole] = {};
    --used_;
  }

 private:
  bool Reserve() {
    if ((used_ + 1) * 2 <= capacity_) return true;
    const std::size_t capacity = capacity_ ? capacity_ * 2 : 256;
    auto* slots = static_cast<WindowEntry*>(allocate_(sizeof(WindowEntry) * capacity));
    if (!slots) return false;
    for (std::size_t i = 0; i < capacity; ++i) slots[i] = {};
    for (std::size_t i = 0; i < capacity_; ++i) {
      if (!slots_[i].window) continue;
      std::size_t j = Home(slots_[i].window, capacity);
      while (slots[j].window) j = (j + 1) & (capacity - 1);
      slots[j] = slots_[i];
    }
    if (slots_) release_(slots_);
    slots_ = slots;
    capacity_ = capacity;
    return true;
  }

  Allocate allocate_;
  Release release_;
  WindowEntry* slots_ = nullptr;
  std::size_t capacity_ = 0;  // a power of two, or 0 before the first window
  std::size_t used_ = 0;
};

}  // namespace skinh
