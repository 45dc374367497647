// An answer of 200 characters with three readings or more each, typed in pinyin:
// judging it must stay far below a millisecond (docs/performance.md).
#include <benchmark/benchmark.h>

#include <string>

#include "config/gbk.h"
#include "judging/judge.h"
#include "judging/pinyin.h"

namespace {

struct LongAnswer {
  std::string expected, typed;
};

// GB2312's hanzi with three readings or more, in code order and round again
// (there are a few dozen), until there are 200.
LongAnswer MakeLongAnswer() {
  LongAnswer answer;
  int count = 0;
  for (int before = -1; count < 200 && count != before;) {  // until a round adds none
    before = count;
    for (std::uint16_t code = 0xB0A1; code <= 0xF7FE && count < 200; ++code) {
      const auto readings = lornel::judging::ReadingsOf(code);
      if (readings.size() < 3) continue;
      lornel::config::gbk::AppendCode(answer.expected, code);
      // The last reading, so every alternative stays under way as long as it can.
      answer.typed += lornel::judging::Syllable(readings.back());
      ++count;
    }
  }
  return answer;
}

void BM_PinyinLongAnswer(benchmark::State& state) {
  const LongAnswer answer = MakeLongAnswer();
  std::string typed = answer.typed;
  if (state.range(0) == 0) typed.back() = '#';  // refused at the very end
  const lornel::judging::Rules rules{.pinyin = true, .lenient = true};
  for (auto _ : state) {
    benchmark::DoNotOptimize(lornel::judging::Accepts(typed, answer.expected, rules));
  }
  state.SetLabel(std::to_string(answer.expected.size() / 2) + " characters, " +
                 std::to_string(typed.size()) + " letters");
}
BENCHMARK(BM_PinyinLongAnswer)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
