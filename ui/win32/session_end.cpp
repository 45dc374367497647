// Log-off and shutdown: the sink may hold them up (unsaved questions), and
// Windows then shows why beside the program.
#include "platform/win32/text.h"
#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

// Vista and later: looked up when asked, so that the editor imports nothing
// that Windows 7's user32 would lack and starts wherever it did before.
template <class Fn>
Fn User32Function(const char* name) {
  return reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

void StopBlockingShutdown(HWND hwnd) {
  if (auto destroy = User32Function<BOOL(WINAPI*)(HWND)>("ShutdownBlockReasonDestroy"))
    destroy(hwnd);
}

}  // namespace

bool Win32Form::OnEndSessionQuery() {
  const bool ending = destroyed_ || sink_->OnEndSessionQuery();
  if (!ending && !blockingShutdown_) {
    // What Windows shows beside the program while it holds up the log-off.
    if (auto create = User32Function<BOOL(WINAPI*)(HWND, LPCWSTR)>("ShutdownBlockReasonCreate"))
      blockingShutdown_ =
          create(hwnd_, Wide("有未保存的题目，请先保存或放弃修改。").c_str()) != FALSE;
  } else if (ending && blockingShutdown_) {
    StopBlockingShutdown(hwnd_);
    blockingShutdown_ = false;
  }
  return ending;
}

void Win32Form::OnEndSession(bool ending) {
  if (blockingShutdown_) StopBlockingShutdown(hwnd_);
  blockingShutdown_ = false;
  if (!destroyed_) sink_->OnEndSession(ending);
}

}  // namespace lornel::win32
