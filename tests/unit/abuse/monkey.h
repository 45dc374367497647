// A monkey for the whole program in memory: seeded random clicks, key
// presses, typed answers, time and message-box answers, with the rules of the
// quiz checked after every step and whenever time passes inside a message
// box, and a shrinker that cuts a failing run down to the actions that matter.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/support/fake_form.h"

namespace lornel::abuse {

enum class Act : std::uint8_t {
  ClickAt,       // a: x, b: y in the client area
  ClickControl,  // a: table id (at its centre; whatever is on top takes it)
  Key,           // a: virtual key, to the focused control
  Ime,           // a: what an input method commits into the answer box
  Wait,          // a: milliseconds
  Close,         // the teacher closes the window; the program is started again
};

// seed drives what happens inside this action's message boxes (how long each
// stays open, which button answers it), so that removing other actions
// leaves this one's behaviour as it was.
struct Action {
  Act act = Act::Wait;
  int a = 0, b = 0;
  std::uint32_t seed = 0;
};

// One line, UTF-8: "click 按钮3", "wait 1 ms", "ime expected answer".
std::string Describe(const Action& action);
std::string Describe(const std::vector<Action>& actions);

// A wtda.ini that stays as it is for the whole run, and what its points text
// means in tenths of a point: the monkey's own reading, not the program's.
struct Scenario {
  std::string name;
  std::string config;
  int pointsTenths = 0;
};
const std::vector<Scenario>& Scenarios();

std::vector<Action> GenerateActions(std::uint32_t seed, std::size_t count);

enum class Rule : std::uint8_t {
  None,
  PanelWithEnabledButton,  // a question button enabled while a question panel shows
  TwoPanels,
  Unlocked,                  // a lock timer stopped
  LockedButtonStaysEnabled,  // enabled for a whole lock period
  LockWithoutEnding,         // a question locked that was never answered, timed out or left
  EndingWithoutLock,         // a question answered, timed out or left that did not lock
  GuardLeftButtonEnabled,    // "显示答案" or "继续选题" enabled for a whole guard period
  ScoreWithoutCorrect,       // a score written other than right after "回答正确！"
  TwoMessageBoxes,
  ConfigChanged,  // wtda.ini not byte for byte as it was, or another file written
  UnexpectedEnd,  // the program ended other than by the repair exit
  Planted,        // a rule given by a test
};
const char* RuleName(Rule rule);

struct Finding {
  Rule rule = Rule::None;
  std::size_t step = 0;      // index of the action during which it showed
  std::size_t runStart = 0;  // index of the first action of that run of the program
  std::string detail;        // UTF-8
  explicit operator bool() const { return rule != Rule::None; }
};

struct Stats {
  std::size_t actions = 0;
  std::int64_t virtualMs = 0;
  int starts = 0;
  std::map<std::string, int> messages;  // by text (GBK)
  std::map<int, int> handlers;          // by quiz::MainSlot
  int locks = 0, awards = 0;
  int keptOverlaps = 0;  // "回答超时！！" over "答案这么空合适嘛？"
};

struct RunOptions {
  // A test's own rule; a non-empty result is a Planted finding.
  std::function<std::string(const fake::FakeForm& main)> plantedRule;
  // Receives one line per action and per message box (for a report).
  std::vector<std::string>* transcript = nullptr;
};

struct Outcome {
  Finding finding;
  Stats stats;
};

// Plays the actions from a fresh start; stops at the first finding.
Outcome Play(const Scenario& scenario, const std::vector<Action>& actions,
             const RunOptions& options = {});

// Delta debugging: removes chunks of actions, then single ones, as long as
// the run still ends in a finding of the same rule; stops after the budget.
std::vector<Action> Shrink(const Scenario& scenario, std::vector<Action> failing, Rule rule,
                           const RunOptions& options, int budgetSeconds);

// A GBK text as UTF-8, for reports.
std::string Utf8(const std::string& gbk);
// Wall-clock seconds (<chrono> does not build with the GBK execution charset).
double WallSeconds();

// What a failure prints: scenario, seed, finding, the shortest list found and
// the transcript of playing it.
std::string Report(const Scenario& scenario, std::uint32_t seed, const Finding& finding,
                   const std::vector<Action>& shortest, const RunOptions& options);

}  // namespace lornel::abuse
