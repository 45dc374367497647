// skin_sheet.exe N OUT.bmp: the real main window, built from its table as
// lornel.exe builds it, with the start cover gone as after the start button
// and skin N (1 to 33) of those the program carries, saved as a 24-bit BMP.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/main_events.h"
#include "app/shell.h"
#include "common/skins.h"
#include "platform/win32/host.h"
#include "quiz/main_ids.h"
#include "ui/win32/form.h"

namespace {

using namespace lornel;

// The program's own creation handler applies its skin while the window is
// still hidden; here the skin is the one asked for. The timers keep their
// handlers, so the window behaves as the program's does while it waits.
class SheetEvents : public ui::EventSink {
 public:
  SheetEvents(int skin, app::Shell& shell) : skin_(skin), shell_(shell) {}
  void OnCreated() override { app::ApplySkin(shell_, skin_); }
  void OnDestroyed() override {}
  void OnControlEvent(const ui::ControlEvent& event) override { app::Dispatch(shell_, event); }

 private:
  int skin_;
  app::Shell& shell_;
};

// The form holds the events, the events the shell.
struct SheetWindow {
  SheetWindow(platform::Host& host, const app::ProgramPaths& paths, int skin)
      : form(quiz::MainTable(), events),
        shell{host, paths, Context{MainForm(form), host}, {}, {}},
        events(skin, shell) {}
  win32::Win32Form form;
  app::Shell shell;
  SheetEvents events;
};

void RunMessagesFor(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  while (static_cast<int>(end - GetTickCount()) > 0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
}

// What the screen shows of the window, frame included, as the skin drew it.
bool SaveWindow(HWND hwnd, const std::wstring& path) {
  RECT r;
  GetWindowRect(hwnd, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const bool copied = BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY) != FALSE;
  GdiFlush();
  const DWORD size = ((static_cast<DWORD>(w) * 3 + 3) & ~3u) * static_cast<DWORD>(h);
  BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info + size),
                        0, 0, sizeof(BITMAPFILEHEADER) + sizeof info};
  bool written = false;
  HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (copied && f != INVALID_HANDLE_VALUE) {
    DWORD put = 0;
    written = WriteFile(f, &file, sizeof file, &put, nullptr) &&
              WriteFile(f, &info, sizeof info, &put, nullptr) &&
              WriteFile(f, bits, size, &put, nullptr) && put == size;
  }
  if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return written;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const int skin = argc == 3 ? _wtoi(argv[1]) : 0;
  if (skin < 1 || skin > 33) return 2;
  const std::wstring out = argv[2];

  win32::Win32Host host;
  const app::ProgramPaths paths = app::StartProcess(host);
  SheetWindow window(host, paths, skin);
  win32::Win32Form& form = window.form;
  app::Shell& shell = window.shell;
  // No button may show its hot look.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  if (!form.Create()) return 3;
  shell.ctx.main.Hide(quiz::MainId::StartCover);
  SetForegroundWindow(form.hwnd());
  RunMessagesFor(1200);
  RedrawWindow(form.hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RunMessagesFor(300);
  return SaveWindow(form.hwnd(), out) ? 0 : 4;
}
