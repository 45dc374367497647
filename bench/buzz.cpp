// bench_buzz.exe: is buzz-in fair on a busy machine? In process on the real
// main window and handlers: a buzz is opened, then another thread presses two
// groups' keys (real keyboard input, SendInput) a set gap apart while the UI
// thread is stalled and every core spins, so that both keys wait in the queue
// and are handled back to back. The earlier key must win every time, and the
// gap the information bar shows must be the true one, not the gap between the
// handlings. Between tries the win is undone and the question left and opened
// again. Needs wtda.ini beside the exe (bench/buzz.sh writes it).
// The keys are stamped two ways (Stamp, below), each tried --tries times per gap.
//   bench_buzz.exe [--tries=100] [--gaps=20,5] [--stall=60]
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "bench/main_window.h"
#include "bench/measure.h"
#include "platform/win32/host.h"
#include "ui/win32/message_pump.h"

namespace lornel::bench {
namespace {

using quiz::MainId;

[[noreturn]] void Die(const char* why) {
  std::printf("FAILED buzz: %s\n", why);
  std::fflush(stdout);
  ExitProcess(1);
}

void SpinUntil(double ms) {
  while (NowMs() < ms) {
  }
}

INPUT Key(WORD vk, bool up, DWORD time) {
  INPUT key{};
  key.type = INPUT_KEYBOARD;
  key.ki.wVk = vk;
  key.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  key.ki.time = time;  // 0: the system stamps it as it queues it
  return key;
}

void PressKey(WORD vk) {
  INPUT keys[2] = {Key(vk, false, 0), Key(vk, true, 0)};
  SendInput(2, keys, sizeof(INPUT));
}

// How the two keys' moments are told. System: pressed one by one a gap apart
// as this thread's scheduling allows, each stamped by the system as it
// queues it, as a keyboard's key is. Keyboard: both at once, with the times
// a buzzer box would have given them, exactly a gap apart.
enum class Stamp { System, Keyboard };

// The keyboard of the two groups on a thread of its own: presses `first`,
// then `second` gap ms later, and tells how far apart they really went.
class Presser {
 public:
  Presser() : thread_([this] { Run(); }) {}
  ~Presser() {
    quit_ = true;
    SetEvent(go_);
    thread_.join();
    CloseHandle(go_);
    CloseHandle(done_);
  }
  void Press(WORD first, WORD second, double gapMs, Stamp stamp) {
    first_ = first, second_ = second, gap_ = gapMs, stamp_ = stamp;
    SetEvent(go_);
  }
  // The true gap, once both keys are in; and how uncertain it is.
  double Wait() {
    WaitForSingleObject(done_, INFINITE);
    return trueGap_;
  }
  double slack() const { return slack_; }

 private:
  void Run() {
    for (;;) {
      WaitForSingleObject(go_, INFINITE);
      if (quit_) return;
      if (stamp_ == Stamp::Keyboard) {
        const DWORD t = GetTickCount(), gap = static_cast<DWORD>(gap_);
        INPUT keys[4] = {Key(first_, false, t), Key(first_, true, t), Key(second_, false, t + gap),
                         Key(second_, true, t + gap)};
        SendInput(4, keys, sizeof(INPUT));
        trueGap_ = gap, slack_ = 0;
      } else {
        // A key's moment lies inside its SendInput call, where the system
        // stamps it: its middle, give or take half the call.
        const double a1 = NowMs();
        PressKey(first_);
        const double b1 = NowMs();
        // A thread woken from a sleep gets a core back sooner than one that spun.
        if (gap_ > 2) Sleep(static_cast<DWORD>(gap_ - 2));
        SpinUntil(a1 + gap_);
        const double a2 = NowMs();
        PressKey(second_);
        const double b2 = NowMs();
        trueGap_ = (a2 + b2) / 2 - (a1 + b1) / 2;
        slack_ = (b1 - a1 + b2 - a2) / 2;
      }
      SetEvent(done_);
    }
  }
  HANDLE go_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  HANDLE done_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  std::atomic<bool> quit_{false};
  WORD first_ = 0, second_ = 0;
  double gap_ = 0, trueGap_ = 0, slack_ = 0;
  Stamp stamp_ = Stamp::System;
  std::thread thread_;
};

// Every core spins at normal priority while they run (during each race;
// between them the program is set up again at a usable speed).
class Burners {
 public:
  Burners() {
    const unsigned n = std::max(2u, std::thread::hardware_concurrency());
    for (unsigned i = 0; i < n; ++i)
      threads_.emplace_back([this] {
        volatile unsigned long long x = 0;
        while (!stop_) {
          WaitForSingleObject(running_, INFINITE);
          for (int i = 0; i < 100000; ++i) x = x + 1;
        }
      });
  }
  ~Burners() {
    stop_ = true;
    SetEvent(running_);
    for (std::thread& t : threads_) t.join();
    CloseHandle(running_);
  }
  void Run(bool on) { on ? SetEvent(running_) : ResetEvent(running_); }

 private:
  HANDLE running_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<bool> stop_{false};
  std::vector<std::thread> threads_;
};

// "+0.12 s" of the information bar, in ms; -1 when there is none.
double ShownGapMs(const std::wstring& info) {
  const std::size_t plus = info.find(L" +");
  return plus == std::wstring::npos ? -1 : std::wcstod(info.c_str() + plus + 2, nullptr) * 1000;
}

struct Result {
  int tries = 0, earlierWon = 0;
  std::vector<double> trueGap, shownError, exactError, slack, beyondSlack;
  void Add(bool won, double gap, double shown, double exact, double uncertain) {
    ++tries;
    earlierWon += won;
    trueGap.push_back(gap);
    shownError.push_back(shown < 0 ? 1e9 : std::abs(shown - gap));
    exactError.push_back(std::abs(exact - gap));
    slack.push_back(uncertain);
    // What the true gap's own uncertainty cannot account for.
    beyondSlack.push_back(std::max(0.0, shownError.back() - uncertain));
  }
  void Print(const char* stamp, int gap) const {
    const auto max = [](const std::vector<double>& v) {
      return *std::max_element(v.begin(), v.end());
    };
    const auto min = [](const std::vector<double>& v) {
      return *std::min_element(v.begin(), v.end());
    };
    std::printf(
        "buzz-fairness stamp=%s gap=%d tries=%d earlier_won=%d true_gap_min=%.2f "
        "true_gap_median=%.2f true_gap_max=%.2f shown_error_max=%.2f exact_error_max=%.2f "
        "slack_max=%.2f shown_error_beyond_slack_max=%.2f unit=ms\n",
        stamp, gap, tries, earlierWon, min(trueGap), Median(trueGap), max(trueGap), max(shownError),
        max(exactError), max(slack), max(beyondSlack));
    std::fflush(stdout);
  }
};

int Run(int tries, const std::vector<int>& gaps, int stallMs) {
  win32::Win32Host host;
  win32::SetFatalHandler([](const char* reason) { Die(reason); });
  const app::ProgramPaths paths = app::StartProcess(host);
  if (!host.PathExists(paths.directory + "\\wtda.ini")) Die("no wtda.ini beside bench_buzz.exe");
  MainWindow window(host, paths);
  Start(window, Die);
  win32::Win32Form& form = window.form;
  const quiz::Round& game = window.shell.ctx.round;
  const auto of = [&](MainId id) { return form.ControlWindow(static_cast<int>(id)); };
  const auto click = [&](MainId id) { SendMessageW(of(id), BM_CLICK, 0, 0); };
  // A real click on the information bar (which does nothing) gives the window
  // the keyboard, as a teacher's first click does.
  RECT info;
  GetWindowRect(of(MainId::InfoText), &info);
  test::ClickAtScreen({(info.left + info.right) / 2, (info.top + info.bottom) / 2});
  Pump(300);

  // Wakes the pump while it waits for the keys.
  SetTimer(nullptr, 0, 20, nullptr);
  Presser presser;
  Burners burners;
  for (int gap : gaps)
    for (Stamp stamp : {Stamp::Keyboard, Stamp::System}) {
      Result result;
      for (int attempt = 0; attempt < tries; ++attempt) {
        // Question 1 opened and its buzz started, as the teacher does.
        click(MainId::QuestionButton1);
        click(MainId::StartBuzzButton);
        Pump(5);
        if (game.buzz.stage != quiz::Buzz::Stage::Open) Die("the buzz did not open");
        const bool oneFirst = attempt % 2 == 0;
        burners.Run(true);
        presser.Press(oneFirst ? '1' : '2', oneFirst ? '2' : '1', gap, stamp);
        // Busy, and not reading its queue: both keys wait there.
        SpinUntil(NowMs() + stallMs);
        const double trueGap = presser.Wait();
        // The program's own pump, which takes the window's keys before the focus.
        const double deadline = NowMs() + 3000;
        win32::PumpMessages([&] { return game.buzz.order.size() == 2 || NowMs() > deadline; });
        burners.Run(false);
        if (game.buzz.order.size() != 2) Die("the two keys did not both count");
        const double exact =
            static_cast<std::int32_t>(game.buzz.order[1].time - game.buzz.order[0].time);
        result.Add(game.group == (oneFirst ? 1 : 2), trueGap,
                   ShownGapMs(WindowText(of(MainId::InfoText))), exact, presser.slack());
        // The win undone (back to the buzz), the question left for the board.
        app::Dispatch(window.shell, {{ui::Event::Command, quiz::MainSlot::Undo, 0}, -1});
        SendMessageW(of(MainId::BuzzCancelLink), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageW(of(MainId::BuzzCancelLink), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        Pump(5);
        if (game.open != 0 || !Enabled(of(MainId::QuestionButton1)))
          Die("the board did not come back");
      }
      result.Print(stamp == Stamp::Keyboard ? "keyboard" : "system", gap);
    }
  DestroyWindow(form.hwnd());
  return 0;
}

}  // namespace
}  // namespace lornel::bench

int wmain(int argc, wchar_t** argv) {
  int tries = 100, stall = 60;
  std::vector<int> gaps = {20, 5};
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg.rfind(L"--tries=", 0) == 0) tries = std::max(1, _wtoi(arg.c_str() + 8));
    if (arg.rfind(L"--stall=", 0) == 0) stall = std::max(0, _wtoi(arg.c_str() + 8));
    if (arg.rfind(L"--gaps=", 0) == 0) {
      gaps.clear();
      for (std::size_t at = 7; at < arg.size();) {
        gaps.push_back(std::max(0, _wtoi(arg.c_str() + at)));
        const std::size_t comma = arg.find(L',', at);
        at = comma == std::wstring::npos ? arg.size() : comma + 1;
      }
    }
  }
  return lornel::bench::Run(tries, gaps, stall);
}
