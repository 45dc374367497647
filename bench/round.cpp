#include "bench/round.h"

#include "quiz/tables.h"

namespace lornel::bench {
namespace {

using quiz::MainId;

constexpr int kStepTimeoutMs = 10000;
constexpr int kMessageTextId = 0xFFFF;  // the static text of a message box dialog
constexpr wchar_t kCorrect[] = L"回答正确！";

HWND Of(HWND top, MainId id) { return Control(top, static_cast<int>(id)); }

// A click as the button's own BM_CLICK gives it: pressed, released, BN_CLICKED
// to its panel; posted, so the driver never waits inside the program's handler.
void Press(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool Step(bool done, const std::wstring& what, std::wstring* why) {
  if (!done && why) *why = what;
  return done;
}

}  // namespace

bool PlayAllQuestions(Child& child, HWND top, const std::vector<std::wstring>& answers,
                      std::wstring* why) {
  HWND cover = Of(top, MainId::StartCover);
  Press(Of(top, MainId::StartButton));
  if (!Step(WaitUntil([&] { return !Visible(cover); }, kStepTimeoutMs), L"start button", why))
    return false;
  HWND groups = Of(top, MainId::GroupPanel);
  HWND answerBox = Of(top, MainId::AnswerBox);
  for (const quiz::Question& q : quiz::kQuestions) {
    const std::wstring n = std::to_wstring(q.n);
    HWND button = Of(top, q.button), panel = Of(top, q.panel);
    Press(button);
    if (!Step(WaitUntil([&] { return Visible(groups) && Visible(panel); }, kStepTimeoutMs),
              L"open question " + n, why))
      return false;
    Press(Of(top, MainId::ConfirmGroupButton));
    if (!Step(WaitUntil([&] { return !Visible(groups); }, kStepTimeoutMs), L"confirm group " + n,
              why))
      return false;
    // Typed as if on the physical keyboard: the answer box receives the text.
    const std::wstring& answer = answers.at(static_cast<std::size_t>(q.n - 1));
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(answerBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.c_str()),
                        SMTO_ABORTIFHUNG, kStepTimeoutMs, &ignored);
    Press(Of(top, MainId::CheckButton));
    HWND box = nullptr;
    if (!Step(WaitUntil(
                  [&] {
                    const auto boxes = child.MessageBoxes();
                    box = boxes.empty() ? nullptr : boxes.front();
                    return box != nullptr;
                  },
                  kStepTimeoutMs),
              L"message after answer " + n, why))
      return false;
    if (!Step(WindowText(GetDlgItem(box, kMessageTextId)) == kCorrect,
              L"\"回答正确！\" for question " + n, why))
      return false;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    if (!Step(WaitUntil([&] { return !IsWindow(box) && !Visible(panel) && !Enabled(button); },
                        kStepTimeoutMs),
              L"lock of question " + n, why))
      return false;
  }
  // The board stays disabled tick after tick: every lock timer runs.
  Pump(300);
  for (const quiz::Question& q : quiz::kQuestions)
    if (!Step(!Enabled(Of(top, q.button)), L"question " + std::to_wstring(q.n) + L" still locked",
              why))
      return false;
  return Step(
      !Enabled(Of(top, MainId::NextQuestionButton)) && !Enabled(Of(top, MainId::RevealButton)),
      L"reveal guard", why);
}

}  // namespace lornel::bench
