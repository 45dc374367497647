#include "tests/unit/abuse/monkey.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <random>
#include <set>

#include "app/main_events.h"
#include "app/shell.h"
#include "config/config.h"
#include "config/gbk.h"
#include "quiz/main_ids.h"
#include "quiz/round/groups.h"
#include "quiz/tables.h"
#include "tests/support/clock.h"
#include "tests/support/fake_host.h"
#include "tests/support/quiz_text/quiz_text.h"
#include "ui/message.h"

namespace lornel::abuse {
namespace {

using quiz::MainId;

constexpr const char* kDirectory = "C:\\lornel";
// A 1 ms timer ticks every 10 ms (fake::Clock::kMinimumPeriod): a button that
// a lock or the guard keeps disabled may be enabled for less than that.
constexpr std::int64_t kOnePeriod = fake::Clock::kMinimumPeriod;
constexpr int kClientWidth = 1200, kClientHeight = 760;

// A score as "%.13g" prints it, for scores of whole tenths well below 10^12.
std::string TenthsText(long long tenths) {
  const long long whole = std::llabs(tenths) / 10, tenth = std::llabs(tenths) % 10;
  std::string text = (tenths < 0 ? "-" : "") + std::to_string(whole);
  if (tenth) text += "." + std::to_string(tenth);
  return text;
}

std::string NameOf(int id) {
  if (id < 0 || id >= quiz::MainTable().size()) return "#" + std::to_string(id);
  return reinterpret_cast<const char*>(quiz::MainTable()[id].name);
}

int Id(MainId id) { return static_cast<int>(id); }

bool IsScoreLabel(int id) {
  for (const quiz::Group& g : quiz::kGroups)
    if (Id(g.score) == id) return true;
  return false;
}

// A FakeForm that tells the monkey about the changes its rules are about, at
// the moment they happen (inside handlers and message boxes).
class WatchedForm : public fake::FakeForm {
 public:
  using FakeForm::FakeForm;
  std::function<void(int id, bool enabled)> onEnabled;
  std::function<void(int id, const std::string& before, const std::string& after)> onText;
  std::function<void(int id, int before, int after)> onInterval;

  void SetEnabled(int id, bool enabled) override {
    const bool before = IsEnabled(id);
    FakeForm::SetEnabled(id, enabled);
    if (onEnabled && before != enabled) onEnabled(id, enabled);
  }
  void SetText(int id, const std::string& text) override {
    const std::string before = Text(id);
    FakeForm::SetText(id, text);
    if (onText) onText(id, before, text);
  }
  void SetInterval(int id, int milliseconds) override {
    const int before = Interval(id);
    FakeForm::SetInterval(id, milliseconds);
    if (onInterval && before != Interval(id)) onInterval(id, before, Interval(id));
  }
};

class MonkeyRun;

// One run of the program: its main window, the handlers and the shell.
struct Process : ui::EventSink {
  explicit Process(MonkeyRun& monkey);
  void OnControlEvent(const ui::ControlEvent& event) override;
  void OnCreated() override { events.OnCreated(); }
  void OnDestroyed() override { events.OnDestroyed(); }

  MonkeyRun& monkey;
  WatchedForm main;
  app::Shell shell;
  app::MainEvents events{shell};
};

class MonkeyRun {
 public:
  MonkeyRun(const Scenario& scenario, const RunOptions& options)
      : scenario_(scenario), options_(options) {
    host.moduleFileName = fake::kProgramPath;
    host.currentDirectory = "C:\\elsewhere";
    host.directories.insert(kDirectory);
    host.loadablePaths.insert(fake::kLibraryPath);
    host.files[fake::kConfigPath] = scenario.config;
    host.onKey = [this](int vk, bool release) {
      // keybd_event: the key reaches the focused control after the handler returns.
      if (!release)
        clock.Post([this, vk] {
          if (process_) process_->main.PressKey(vk);
        });
    };
    host.answerer = [this](const fake::ShownMessage& m) { return Answer(m); };
  }

  Outcome PlayAll(const std::vector<Action>& actions) {
    try {
      StartProgram();
      for (step_ = 0; step_ < actions.size() && !finding_; ++step_) {
        Perform(actions[step_]);
        ++stats_.actions;
        if (finding_) break;
        if (process_->main.destroyed()) {
          ProgramEnded();
          runStart_ = step_ + 1;
          if (!finding_) StartProgram();
        }
        if (!finding_) Check();
      }
    } catch (const fake::ProcessExit& exit) {
      Violate(Rule::UnexpectedEnd, "the process ended with code " + std::to_string(exit.code));
    }
    stats_.virtualMs = clock.now();
    return {finding_, stats_};
  }

  // --- what the process reports ------------------------------------------
  void BeforeEvent(const ui::Binding& binding) {
    ++stats_.handlers[binding.slot.value];
    dispatching_.push_back(OpenQuestion());
    // "继续选题" locks the question whose panel still shows, in the handler itself.
    if (binding.slot == quiz::MainSlot::NextQuestion) MarkEnding();
    if (binding.slot == quiz::MainSlot::ResumeLesson) resuming_ = true;
  }
  void AfterEvent(const ui::Binding&) {
    if (resuming_) AdoptResumedLesson();
    TrackRound();
    const int n = dispatching_.back();
    // Only the handler that ended the question finishes its ending, not a tick inside its box.
    if (n && ended_.count(n) && ended_[n] == Pending()) ended_[n] = clock.now();
    dispatching_.pop_back();
  }

  fake::Clock clock;
  fake::FakeHost host;

 private:
  WatchedForm& main() { return process_->main; }

  void Violate(Rule rule, const std::string& detail) {
    if (finding_) return;
    finding_ = {rule, step_, runStart_, detail};
  }

  void Log(const std::string& line) {
    if (options_.transcript) options_.transcript->push_back(line);
  }

  // The innermost running handler ends the question it found open.
  std::int64_t Pending() const { return -1 - static_cast<std::int64_t>(dispatching_.size()); }
  void MarkEnding() {
    if (!dispatching_.empty() && dispatching_.back()) ended_[dispatching_.back()] = Pending();
  }

  int OpenQuestion() {
    for (const quiz::Question& q : quiz::kQuestions)
      if (main().IsVisible(Id(q.panel))) return q.n;
    return 0;
  }

  // --- start and end of a run of the program -------------------------------
  void StartProgram() {
    if (!host.openHandles.empty())
      Violate(Rule::UnexpectedEnd, "the last run left its single-instance mutex open");
    if (process_) clock.RunPosted();
    process_.reset();
    process_ = std::make_unique<Process>(*this);
    locked_.fill(false);
    guarded_ = false;
    scoreTenths_.fill(0);
    ended_.clear();
    enabledSince_.clear();
    lastClosed_.clear();
    closedAt_ = -1;
    ++stats_.starts;
    WatchedForm& form = main();
    form.modalBoxes = &host.openMessageBoxes;
    form.onEnabled = [this](int id, bool enabled) {
      if (enabled) {
        enabledSince_[id] = clock.now();
      } else {
        enabledSince_.erase(id);
      }
    };
    form.onText = [this](int id, const std::string& before, const std::string& after) {
      if (IsScoreLabel(id)) ScoreWritten(id, before, after);
    };
    process_->shell.openNoticeModally = [this] {
      Violate(Rule::UnexpectedEnd, "a new start took itself for a second copy");
    };
    process_->shell.program = app::StartProcess(host);
    form.Create();
    Log("-- program started");
  }

  // The only way out besides the teacher's close: the repair exit.
  void ProgramEnded() {
    if (closedByTeacher_) {
      closedByTeacher_ = false;
      return;
    }
    const fake::ShownMessage* last = host.messages.empty() ? nullptr : &host.messages.back();
    const bool repair = last && last->title == "不能为空" && !host.shellOpened.empty() &&
                        host.shellOpened.back() == fake::kConfigPath;
    std::string emptied;
    if (last && last->text == "加分配置错误")
      emptied = Setting(config::kPointsSection, config::kPointsKey);
    if (last && last->text == "请在配置中填入倒计时时间！")
      emptied = Setting(config::kCountdownSection, config::kCountdownKey);
    if (!repair || !emptied.empty())
      Violate(Rule::UnexpectedEnd, "the window closed after '" +
                                       (last ? Utf8(last->text) : std::string("no message")) + "'");
    Log("-- program ended by the repair exit");
  }

  std::string Setting(const char* section, const char* key) {
    return config::ReadConfigValue(host, fake::kConfigPath, section, key);
  }

  // --- the rules, at the moment of a change ------------------------------
  // A button counts as left enabled by a lock or by the guard only from the
  // moment that timer runs: it may well have been enabled before.
  void Restart(int button) {
    const auto since = enabledSince_.find(button);
    if (since != enabledSince_.end()) since->second = clock.now();
  }

  // "接着上次的比赛" brings back what earlier runs ended and scored.
  void AdoptResumedLesson() {
    resuming_ = false;
    const quiz::Round& round = process_->shell.ctx.round;
    for (const quiz::Question& q : quiz::kQuestions)
      if (round.locked[q.n - 1] && !locked_[q.n - 1]) {
        locked_[q.n - 1] = true;
        ended_[q.n] = clock.now();
      }
    for (int g = 0; g < quiz::kGroupCount; ++g)
      scoreTenths_[g] = std::llround(round.scores[g].value() * 10);
  }

  // Locks and the reveal guard as the Round has them, followed after every event.
  void TrackRound() {
    if (!process_) return;
    const quiz::Round& round = process_->shell.ctx.round;
    if (round.revealGuard && !guarded_) {
      guarded_ = true;
      Restart(Id(MainId::NextQuestionButton));
      Restart(Id(MainId::RevealButton));
    }
    for (const quiz::Question& q : quiz::kQuestions) {
      const std::size_t i = static_cast<std::size_t>(q.n - 1);
      if (locked_[i] && !round.locked[i])
        Violate(Rule::Unlocked, "question " + std::to_string(q.n) + " unlocked");
      if (locked_[i] || !round.locked[i]) continue;
      Restart(Id(q.button));
      ++stats_.locks;
      locked_[i] = true;
      if (!ended_.count(q.n))
        Violate(Rule::LockWithoutEnding, "question " + std::to_string(q.n) +
                                             " locked, but it was not answered, timed out or left");
    }
  }

  void ScoreWritten(int id, const std::string& before, const std::string& after) {
    if (resuming_) return;
    ++stats_.awards;
    const std::string what = NameOf(id) + " " + Utf8(before) + " -> " + Utf8(after);
    if (host.openMessageBoxes > 0 || lastClosed_ != "回答正确！" || closedAt_ != clock.now() ||
        awardedSinceCorrect_) {
      Violate(Rule::ScoreWithoutCorrect, what + " other than right after \"回答正确！\"");
      return;
    }
    awardedSinceCorrect_ = true;
    const std::string current = main().Text(Id(MainId::AnsweringGroup));
    const quiz::Group* group = nullptr;
    for (const quiz::Group& g : quiz::kGroups)
      if (Id(g.score) == id) group = &g;
    // Sums of halves are exact in doubles, so the model's tenths and the
    // program's "%.13g" agree to the digit.
    long long& score = scoreTenths_[static_cast<std::size_t>(group->g - 1)];
    score += scenario_.pointsTenths;
    const std::string expected = TenthsText(score);
    if (current != quiz::round::GroupNumeral(group->g) || after != expected)
      Violate(Rule::ScoreWithoutCorrect,
              what + ", expected the current group's score to become " + expected);
  }

  // --- the rules, checked after every step ---------------------------------
  void Check() {
    const auto file = host.files.find(fake::kConfigPath);
    if (file == host.files.end() || file->second != scenario_.config)
      Violate(Rule::ConfigChanged, "wtda.ini differs from the teacher's file");
    if (std::count(host.writes.begin(), host.writes.end(), std::string(fake::kConfigPath)) > 0)
      Violate(Rule::ConfigChanged, "wtda.ini was written");
    // Beside the program only the library; the lesson lives under local app data.
    const auto elsewhere = [this](const std::string& path) {
      return path.rfind(host.localAppData + "\\", 0) == 0;
    };
    const auto files = std::count_if(host.files.begin(), host.files.end(),
                                     [&](const auto& file) { return !elsewhere(file.first); });
    const auto writes = std::count_if(host.writes.begin(), host.writes.end(),
                                      [&](const std::string& path) { return !elsewhere(path); });
    if (files != 2 || writes != 1)
      Violate(Rule::ConfigChanged, "a file other than the library was written");
    if (!process_ || main().destroyed()) return;
    WatchedForm& form = main();
    TrackRound();
    const std::int64_t now = clock.now();
    int panels = 0, enabled = 0;
    for (const quiz::Question& q : quiz::kQuestions) {
      panels += form.IsVisible(Id(q.panel));
      enabled += form.IsEnabled(Id(q.button));
      const bool lockedNow = locked_[q.n - 1];
      const auto since = enabledSince_.find(Id(q.button));
      if (lockedNow && since != enabledSince_.end() && now - since->second >= kOnePeriod)
        Violate(Rule::LockedButtonStaysEnabled, "locked question " + std::to_string(q.n) +
                                                    " enabled since " +
                                                    std::to_string(now - since->second) + " ms");
      const auto end = ended_.find(q.n);
      if (end != ended_.end() && end->second >= 0 && now - end->second >= 2 * kOnePeriod &&
          !lockedNow)
        Violate(Rule::EndingWithoutLock, "question " + std::to_string(q.n) + " ended " +
                                             std::to_string(now - end->second) +
                                             " ms ago and is not locked");
    }
    if (panels > 1) Violate(Rule::TwoPanels, std::to_string(panels) + " question panels show");
    if (panels > 0 && enabled > 0)
      Violate(Rule::PanelWithEnabledButton, std::to_string(enabled) +
                                                " question buttons enabled while question " +
                                                std::to_string(OpenQuestion()) + " shows");
    if (guarded_) {
      for (MainId guarded : {MainId::NextQuestionButton, MainId::RevealButton}) {
        const auto since = enabledSince_.find(Id(guarded));
        if (since != enabledSince_.end() && now - since->second >= kOnePeriod)
          Violate(Rule::GuardLeftButtonEnabled, NameOf(Id(guarded)) + " enabled for " +
                                                    std::to_string(now - since->second) +
                                                    " ms while the guard runs");
      }
    }
    if (options_.plantedRule) {
      const std::string planted = options_.plantedRule(form);
      if (!planted.empty()) Violate(Rule::Planted, planted);
    }
  }

  // --- message boxes ---------------------------------------------------------
  // A copy: a box opened inside this one adds to the host's list of messages,
  // which moves the element the host handed in.
  platform::MessageResult Answer(const fake::ShownMessage shown) {
    const fake::ShownMessage& m = shown;
    const std::string text = Utf8(m.text);
    ++stats_.messages[m.text];
    // The one overlap the program keeps: the countdown runs on under the
    // empty-answer hint, and its time-out shows over it.
    const bool keptOverlap = host.openMessageBoxes == 2 && m.text == "回答超时！！" &&
                             openBoxes_.back() == "答案这么空合适嘛？";
    if (keptOverlap) ++stats_.keptOverlaps;
    if (host.openMessageBoxes > 1 && !keptOverlap)
      Violate(Rule::TwoMessageBoxes,
              "\"" + text + "\" opened over \"" + Utf8(openBoxes_.back()) + "\"");
    Log("   box \"" + text + "\" opens");
    if (m.text == "回答正确！" || m.text == "回答超时！！") MarkEnding();
    openBoxes_.push_back(m.text);
    Check();
    // How long the box stays open, in slices of time with the rules checked in between.
    const int kind = Pick(0, 99);
    std::vector<int> slices;
    if (kind < 40) {
    } else if (kind < 60) {
      slices.assign(static_cast<std::size_t>(Pick(1, 25)), 1);
    } else if (kind < 85) {
      slices.push_back(Pick(2, 200));
    } else if (kind < 97) {
      slices.push_back(Pick(200, 3000));
    } else {
      slices.push_back(Pick(3000, 15000));
    }
    int held = 0;
    for (int slice : slices) {
      clock.Advance(slice);
      held += slice;
      Check();
    }
    openBoxes_.pop_back();
    lastClosed_ = m.text;
    closedAt_ = clock.now();
    awardedSinceCorrect_ = false;
    platform::MessageResult result = platform::MessageResult::Ok;
    if ((m.flags & 0xF) == ui::kMbYesNo)
      result = Pick(0, 1) ? platform::MessageResult::Yes : platform::MessageResult::No;
    Log("   box \"" + text + "\" closes after " + std::to_string(held) + " ms, answered " +
        (result == platform::MessageResult::Yes  ? "Yes"
         : result == platform::MessageResult::No ? "No"
                                                 : "OK"));
    return result;
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(inner_); }

  // --- the user ----------------------------------------------------------------
  void Perform(const Action& action) {
    inner_.seed(action.seed);
    Log(Describe(action));
    WatchedForm& form = main();
    switch (action.act) {
      case Act::ClickAt:
        form.ClickAt(action.a, action.b);
        break;
      case Act::ClickControl:
        form.Click(action.a);
        break;
      case Act::Key:
        form.PressKey(action.a);
        break;
      case Act::Ime: {
        // An input method commits into the box only once the box has the focus.
        if (!form.Click(Id(MainId::AnswerBox))) break;
        const std::string expected = form.Text(Id(MainId::CorrectAnswer));
        std::string text;
        switch (action.a) {
          case 0:
            text = expected;
            break;
          case 1:
            text = expected;
            for (std::size_t i = 0; i < text.size(); ++i) {
              const auto byte = static_cast<unsigned char>(text[i]);
              if (byte >= 0x80)
                ++i;
              else if (byte >= 'a' && byte <= 'z')
                text[i] = static_cast<char>(byte - 0x20);
            }
            break;
          case 2:
            text = expected + " ";
            break;
          case 3:
            text = "";
            break;
          case 4:
            text = "wrong";
            break;
          case 5:
            text = expected.substr(0, expected.empty() ? 0 : expected.size() - 1);
            break;
          default:
            text = "北京";
            break;
        }
        form.SetText(Id(MainId::AnswerBox), text);
        break;
      }
      case Act::Wait:
        clock.Advance(action.a);
        break;
      case Act::Close:
        if (host.openMessageBoxes == 0 && !form.destroyed()) {
          closedByTeacher_ = true;
          form.RequestClose();
          clock.RunPosted();
        }
        break;
    }
  }

  const Scenario& scenario_;
  const RunOptions& options_;
  std::unique_ptr<Process> process_;
  std::size_t step_ = 0, runStart_ = 0;
  Finding finding_;
  Stats stats_;
  std::mt19937 inner_;
  // The questions each running handler found open, innermost last.
  std::vector<int> dispatching_;
  // Questions that ended and must lock: when the ending handler returned (or
  // Pending() of that handler while it still runs).
  std::map<int, std::int64_t> ended_;
  std::array<bool, quiz::kQuestionCount> locked_{};
  bool guarded_ = false;
  std::array<long long, quiz::kGroupCount> scoreTenths_{};  // since this run's start
  std::map<int, std::int64_t> enabledSince_;
  std::vector<std::string> openBoxes_;
  std::string lastClosed_;
  std::int64_t closedAt_ = -1;
  bool awardedSinceCorrect_ = false;
  bool resuming_ = false;
  bool closedByTeacher_ = false;

  friend struct Process;
};

Process::Process(MonkeyRun& m)
    : monkey(m),
      main(quiz::MainTable(), m.clock, *this),
      shell{m.host, {}, Context{MainForm(main), m.host}, {}, {}} {}

void Process::OnControlEvent(const ui::ControlEvent& event) {
  monkey.BeforeEvent(event.binding);
  events.OnControlEvent(event);
  monkey.AfterEvent(event.binding);
}

// --- what the monkey does ---------------------------------------------------

std::vector<int> KeyButtons() {
  std::vector<int> keys;
  for (const ui::Row& row : quiz::MainTable().rows)
    if (row.onScreenKey) keys.push_back(row.id);
  return keys;
}

int PickControl(std::mt19937& rng) {
  static const std::vector<int> keys = KeyButtons();
  static const std::vector<MainId> busy = {
      MainId::StartButton,        MainId::ConfirmGroupButton, MainId::ConfirmGroupButton,
      MainId::CancelQuestionLink, MainId::ChangeGroupButton,  MainId::CheckButton,
      MainId::CheckButton,        MainId::CheckButton,        MainId::NextQuestionButton,
      MainId::NextQuestionButton, MainId::RevealButton,       MainId::RevealButton,
      MainId::GroupRadio1,        MainId::GroupRadio2,        MainId::GroupRadio3,
      MainId::GroupRadio4,        MainId::GroupRadio5,        MainId::GroupRadio6,
      MainId::AnswerBox};
  const int r = static_cast<int>(rng() % 100);
  if (r < 30) return Id(quiz::kQuestions[rng() % quiz::kQuestionCount].button);
  if (r < 55) return keys[rng() % keys.size()];
  if (r < 95) return Id(busy[rng() % busy.size()]);
  for (;;) {
    const int id = static_cast<int>(rng() % static_cast<unsigned>(quiz::MainTable().size()));
    if (quiz::MainTable()[id].kind != ui::Kind::Timer) return id;
  }
}

int PickKey(std::mt19937& rng) {
  static const int named[] = {0x08, 0x09, 0x0D, 0x1B, 0x20, 0xBC, 0xBE, 0x25, 0x27, 0x2E, 0x70};
  const int r = static_cast<int>(rng() % 100);
  if (r < 45) return 'A' + static_cast<int>(rng() % 26);
  if (r < 60) return '0' + static_cast<int>(rng() % 10);
  if (r < 90) return named[rng() % std::size(named)];
  return static_cast<int>(rng() % 256);
}

int PickWait(std::mt19937& rng) {
  const int r = static_cast<int>(rng() % 100);
  auto between = [&](int low, int high) {
    return low + static_cast<int>(rng() % unsigned(high - low + 1));
  };
  if (r < 30) return 1;
  if (r < 50) return between(2, 20);
  if (r < 70) return between(21, 200);
  if (r < 90) return between(201, 1500);
  if (r < 99) return between(1501, 6000);
  return between(10000, 60000);
}

// Titles titlePrefix1 .. titlePrefix14.
std::string QuizIni(std::optional<std::string> countdown, std::optional<std::string> points,
                    const test::QuizFile::PerQuestion& answers,
                    const std::string& titlePrefix = "问题") {
  test::QuizFile file{.answers = answers, .countdown = countdown, .points = points};
  for (int n = 1; n <= quiz::kQuestionCount; ++n)
    file.titles[n - 1] = titlePrefix + std::to_string(n);
  return file.Bytes();
}

}  // namespace

std::string Utf8(const std::string& gbk) {
  return config::gbk::EncodeUtf8(config::gbk::ToUnits(gbk));
}

double WallSeconds() {
  std::timespec now{};
  std::timespec_get(&now, TIME_UTC);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

std::string Describe(const Action& action) {
  switch (action.act) {
    case Act::ClickAt:
      return "click at (" + std::to_string(action.a) + "," + std::to_string(action.b) + ")";
    case Act::ClickControl:
      return "click " + NameOf(action.a);
    case Act::Key: {
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%02X", action.a);
      return std::string("key ") + hex;
    }
    case Act::Ime: {
      static const char* const kinds[] = {"the expected answer",
                                          "the expected answer in capitals",
                                          "the expected answer and a space",
                                          "nothing",
                                          "\"wrong\"",
                                          "the expected answer but its last byte",
                                          "\"北京\""};
      return std::string("ime ") + kinds[std::clamp(action.a, 0, 6)];
    }
    case Act::Wait:
      return "wait " + std::to_string(action.a) + " ms";
    case Act::Close:
      return "close the window";
  }
  return "?";
}

std::string Describe(const std::vector<Action>& actions) {
  std::string out;
  for (std::size_t i = 0; i < actions.size(); ++i)
    out += "  " + std::to_string(i + 1) + ". " + Describe(actions[i]) + "\n";
  return out;
}

const std::vector<Scenario>& Scenarios() {
  static const std::vector<Scenario> scenarios = [] {
    std::array<std::string, quiz::kQuestionCount> numbered, mixed, letters;
    for (int n = 1; n <= quiz::kQuestionCount; ++n) {
      numbered[n - 1] = "answer" + std::to_string(n);
      letters[n - 1] = std::string(1, static_cast<char>('a' + n - 1));
    }
    mixed = {"Hello",
             "北京",
             "\x81\x41",
             "",
             " spaced ",
             "MiXeD",
             "12",
             "a,b.",
             "ＡＢ",
             "x",
             std::string(300, 'q'),
             "",
             "hello world",
             "Z"};
    std::string longTitle(12000, 'T');
    return std::vector<Scenario>{
        {"no countdown", QuizIni("0", "1", numbered), 10},
        {"one-second countdown", QuizIni("1", "2", letters), 20},
        {"two seconds, half points", QuizIni("2", "0.5", mixed), 5},
        {"countdown 00, minus one", QuizIni("00", "-1", letters), -10},
        {"full-width countdown and points", QuizIni("３", "１.５", mixed), 15},
        {"empty countdown", QuizIni("", "1", letters), 10},
        {"no points line", QuizIni("0", std::nullopt, letters), 0},
        {"words for numbers, long titles", QuizIni("soon", "many", numbered, longTitle), 0},
    };
  }();
  return scenarios;
}

std::vector<Action> GenerateActions(std::uint32_t seed, std::size_t count) {
  std::mt19937 rng(seed);
  std::vector<Action> actions(count);
  for (Action& a : actions) {
    a.seed = static_cast<std::uint32_t>(rng());
    const int r = static_cast<int>(rng() % 1000);
    if (r < 400) {
      a.act = Act::ClickControl;
      a.a = PickControl(rng);
    } else if (r < 520) {
      a.act = Act::ClickAt;
      a.a = static_cast<int>(rng() % kClientWidth);
      a.b = static_cast<int>(rng() % kClientHeight);
    } else if (r < 630) {
      a.act = Act::Key;
      a.a = PickKey(rng);
    } else if (r < 700) {
      a.act = Act::Ime;
      a.a = static_cast<int>(rng() % 7);
    } else if (r < 997) {
      a.act = Act::Wait;
      a.a = PickWait(rng);
    } else {
      a.act = Act::Close;
    }
  }
  return actions;
}

const char* RuleName(Rule rule) {
  switch (rule) {
    case Rule::None:
      return "none";
    case Rule::PanelWithEnabledButton:
      return "a question button enabled while a question panel shows";
    case Rule::TwoPanels:
      return "two question panels at once";
    case Rule::Unlocked:
      return "a locked question unlocked";
    case Rule::LockedButtonStaysEnabled:
      return "a locked question's button stays enabled";
    case Rule::LockWithoutEnding:
      return "a question locked that did not end";
    case Rule::EndingWithoutLock:
      return "a question that ended did not lock";
    case Rule::GuardLeftButtonEnabled:
      return "the reveal guard left a button enabled";
    case Rule::ScoreWithoutCorrect:
      return "a score changed other than right after \"回答正确！\"";
    case Rule::TwoMessageBoxes:
      return "two message boxes at once";
    case Rule::ConfigChanged:
      return "wtda.ini changed";
    case Rule::UnexpectedEnd:
      return "the program ended unexpectedly";
    case Rule::Planted:
      return "the test's own rule";
  }
  return "?";
}

Outcome Play(const Scenario& scenario, const std::vector<Action>& actions,
             const RunOptions& options) {
  MonkeyRun monkey(scenario, options);
  return monkey.PlayAll(actions);
}

std::vector<Action> Shrink(const Scenario& scenario, std::vector<Action> failing, Rule rule,
                           const RunOptions& options, int budgetSeconds) {
  const double deadline = WallSeconds() + budgetSeconds;
  RunOptions quiet = options;
  quiet.transcript = nullptr;
  auto stillFails = [&](const std::vector<Action>& candidate, std::size_t* step) {
    const Outcome outcome = Play(scenario, candidate, quiet);
    if (outcome.finding.rule != rule) return false;
    *step = outcome.finding.step;
    return true;
  };
  std::size_t step = 0;
  const Outcome first = Play(scenario, failing, quiet);
  if (first.finding.rule != rule) return failing;
  failing.resize(first.finding.step + 1);  // nothing after the failing action matters
  // Each run of the program starts from the same file: the actions before the
  // failing run's start seldom matter, and cutting them first saves long replays.
  if (first.finding.runStart > 0) {
    std::vector<Action> run(failing.begin() + static_cast<long>(first.finding.runStart),
                            failing.end());
    if (stillFails(run, &step)) {
      run.resize(step + 1);
      failing = std::move(run);
    }
  }
  std::size_t chunks = 2;
  while (failing.size() >= 2 && WallSeconds() < deadline) {
    const std::size_t size = (failing.size() + chunks - 1) / chunks;
    bool removed = false;
    for (std::size_t start = 0; start < failing.size(); start += size) {
      if (WallSeconds() >= deadline) break;
      std::vector<Action> candidate(failing.begin(), failing.begin() + static_cast<long>(start));
      candidate.insert(candidate.end(),
                       failing.begin() + static_cast<long>(std::min(failing.size(), start + size)),
                       failing.end());
      if (!candidate.empty() && stillFails(candidate, &step)) {
        candidate.resize(step + 1);
        failing = std::move(candidate);
        chunks = std::max<std::size_t>(chunks - 1, 2);
        removed = true;
        break;
      }
    }
    if (removed) continue;
    if (size == 1) break;  // no single action can go
    chunks = std::min(failing.size(), chunks * 2);
  }
  return failing;
}

std::string Report(const Scenario& scenario, std::uint32_t seed, const Finding& finding,
                   const std::vector<Action>& shortest, const RunOptions& options) {
  std::vector<std::string> transcript;
  RunOptions logged = options;
  logged.transcript = &transcript;
  const Outcome replay = Play(scenario, shortest, logged);
  std::string out = "monkey finding in scenario \"" + scenario.name + "\", seed " +
                    std::to_string(seed) + ", at action " + std::to_string(finding.step + 1) +
                    ":\n  " + RuleName(finding.rule) + ": " + finding.detail + "\n" +
                    "shortest list found (" + std::to_string(shortest.size()) + " actions), " +
                    "which ends in: " + replay.finding.detail + "\n" + Describe(shortest) +
                    "transcript:\n";
  for (const std::string& line : transcript) out += "  " + line + "\n";
  return out;
}

}  // namespace lornel::abuse
