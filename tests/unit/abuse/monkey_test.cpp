// The monkey on the whole program in memory. The test command plays 200,000
// actions spread over the scenarios (40,000 under the sanitizers);
// LORNEL_MONKEY_ACTIONS=5000000 plays millions, LORNEL_MONKEY_SEED picks other runs.
#include "tests/unit/abuse/monkey.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "quiz/main_ids.h"
#include "quiz/tables.h"
#include "ui/kinds.h"

namespace lornel::abuse {
namespace {

long long EnvNumber(const char* name, long long fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::atoll(value) : fallback;
}

// Under the sanitizers every step costs about twenty times as much.
#if defined(__SANITIZE_ADDRESS__)
constexpr long long kDefaultActions = 40000;
#else
constexpr long long kDefaultActions = 200000;
#endif

std::size_t ActionsPerScenario() {
  const long long total = EnvNumber("LORNEL_MONKEY_ACTIONS", kDefaultActions);
  return static_cast<std::size_t>(std::max<long long>(total, 1)) / Scenarios().size() + 1;
}

std::uint32_t BaseSeed() { return static_cast<std::uint32_t>(EnvNumber("LORNEL_MONKEY_SEED", 1)); }

// What a scenario must lead to, so that a monkey stuck on the cover fails too.
struct Reach {
  std::vector<std::string> messages;
  std::vector<quiz::MainSlot> handlers;
};

Reach ReachOf(const std::string& scenario) {
  using enum quiz::MainSlot;
  const std::vector<quiz::MainSlot> board = {OpenQuestion,    CancelQuestion, CheckAnswer,
                                             ShakeTick,       ConfirmGroup,   ChangeGroup,
                                             SimulateKeyPress};
  std::vector<quiz::MainSlot> timed = board;
  timed.insert(timed.end(), {CountdownTick});
  if (scenario == "empty countdown") return {{"请在配置中填入倒计时时间！"}, {ConfirmGroup}};
  if (scenario == "no points line") return {{"加分配置错误"}, {ConfigCheckOnStart}};
  if (scenario == "no countdown") {
    std::vector<quiz::MainSlot> all = board;
    all.insert(all.end(), {RevealAnswer, NextQuestion});
    return {{"回答正确！", "确定显示答案吗？", "答案这么空合适嘛？", "请选题！"}, all};
  }
  // A second or less to answer: the monkey is seldom that quick.
  if (scenario == "words for numbers, long titles" || scenario == "countdown 00, minus one")
    return {{"回答超时！！"}, timed};
  return {{"回答正确！", "回答超时！！", "答案这么空合适嘛？", "请选题！"}, timed};
}

class Monkey : public testing::TestWithParam<std::size_t> {};

TEST_P(Monkey, KeepsEveryRuleOfTheQuiz) {
  const Scenario& scenario = Scenarios()[GetParam()];
  const std::uint32_t seed = BaseSeed() + static_cast<std::uint32_t>(GetParam());
  const std::vector<Action> actions = GenerateActions(seed, ActionsPerScenario());
  const double started = WallSeconds();
  const Outcome outcome = Play(scenario, actions);
  const double seconds = WallSeconds() - started;
  std::printf(
      "[ monkey   ] %-32s seed %u: %zu actions, %.0f s of program time, %d starts, "
      "%d locks, %d scores written, %d kept overlaps, %.2f s\n",
      scenario.name.c_str(), seed, outcome.stats.actions,
      static_cast<double>(outcome.stats.virtualMs) / 1000.0, outcome.stats.starts,
      outcome.stats.locks, outcome.stats.awards, outcome.stats.keptOverlaps, seconds);
  if (outcome.finding) {
    const int budget = static_cast<int>(EnvNumber("LORNEL_MONKEY_SHRINK_SECONDS", 60));
    const std::vector<Action> shortest =
        Shrink(scenario, actions, outcome.finding.rule, {}, budget);
    FAIL() << Report(scenario, seed, outcome.finding, shortest, {});
  }
  if (ActionsPerScenario() < 20000) return;  // too short a run to reach everything
  const Reach reach = ReachOf(scenario.name);
  for (const std::string& message : reach.messages)
    EXPECT_GT(outcome.stats.messages.count(message), 0u) << "never reached: " << Utf8(message);
  for (quiz::MainSlot slot : reach.handlers)
    EXPECT_GT(outcome.stats.handlers.count(static_cast<int>(slot)), 0u)
        << "handler never ran: " << static_cast<int>(slot);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Monkey, testing::Range<std::size_t>(0, Scenarios().size()),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                           std::string name;
                           for (char c : Scenarios()[info.param].name)
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

// Question n locked, as the board shows it: its button off while no question is open.
RunOptions PlantLock(int n) {
  RunOptions options;
  options.plantedRule = [n](const fake::FakeForm& main) {
    for (const quiz::Question& q : quiz::kQuestions)
      if (main.IsVisible(static_cast<int>(q.panel))) return std::string();
    return main.IsEnabled(static_cast<int>(quiz::kQuestions[n - 1].button))
               ? std::string()
               : "question " + std::to_string(n) + " locked";
  };
  return options;
}

// The report of a failure is only as good as its shrinking: a rule planted by
// the test, whose shortest cause is known, must come back that short.
TEST(MonkeyShrinker, CutsARunDownToTheActionsThatCause) {
  const Scenario& scenario = Scenarios()[0];
  const RunOptions options = PlantLock(3);
  std::vector<Action> actions = GenerateActions(7, 20000);
  const Outcome outcome = Play(scenario, actions, options);
  ASSERT_EQ(outcome.finding.rule, Rule::Planted);
  const std::vector<Action> shortest = Shrink(scenario, actions, Rule::Planted, options, 60);
  // Start, question 3, "确定", then either the answer and "确认答案", or
  // "显示答案" and "继续选题".
  EXPECT_LE(shortest.size(), 8u) << Describe(shortest);
  EXPECT_EQ(Play(scenario, shortest, options).finding.rule, Rule::Planted);
  const std::string report = Report(scenario, 7, outcome.finding, shortest, options);
  EXPECT_NE(report.find("seed 7"), std::string::npos);
  // The report is UTF-8, for a terminal; the program's texts are GBK.
  EXPECT_NE(report.find(reinterpret_cast<const char*>(u8"click 按钮3\n")), std::string::npos)
      << report;
  EXPECT_NE(report.find("   box \""), std::string::npos) << report;
  EXPECT_NE(report.find("opens"), std::string::npos) << report;
}

// A finding millions of actions in must not take millions of actions per try.
TEST(MonkeyShrinker, StartsFromTheRunOfTheProgramThatFailed) {
  const Scenario& scenario = Scenarios()[0];
  const RunOptions options = PlantLock(14);
  const std::vector<Action> actions = GenerateActions(5, 200000);
  const Outcome outcome = Play(scenario, actions, options);
  ASSERT_EQ(outcome.finding.rule, Rule::Planted);
  ASSERT_GT(outcome.finding.runStart, 0u) << "the finding should come after a restart";
  const std::vector<Action> shortest = Shrink(scenario, actions, Rule::Planted, options, 60);
  EXPECT_LE(shortest.size(), 8u) << Describe(shortest);
}

TEST(MonkeyShrinker, KeepsTheRuleThatFailedNotAnother) {
  const Scenario& scenario = Scenarios()[0];
  RunOptions options;
  options.plantedRule = [](const fake::FakeForm& main) {
    return main.IsVisible(static_cast<int>(quiz::MainId::StartCover)) ? std::string()
                                                                      : std::string("cover gone");
  };
  std::vector<Action> actions = GenerateActions(3, 500);
  ASSERT_EQ(Play(scenario, actions, options).finding.rule, Rule::Planted);
  const std::vector<Action> shortest = Shrink(scenario, actions, Rule::Planted, options, 30);
  ASSERT_EQ(shortest.size(), 1u) << Describe(shortest);
  // Whatever the click, it is one the start cover took.
  EXPECT_NE(shortest[0].act, Act::Wait);
}

TEST(MonkeyActions, AreTheSameForTheSameSeed) {
  const auto a = GenerateActions(11, 1000), b = GenerateActions(11, 1000),
             c = GenerateActions(12, 1000);
  EXPECT_EQ(Describe(a), Describe(b));
  EXPECT_NE(Describe(a), Describe(c));
}

}  // namespace
}  // namespace lornel::abuse
