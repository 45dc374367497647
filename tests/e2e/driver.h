// Drives a running lornel.exe from outside, as a user (and a screen reader)
// would: windows found by title and class, texts read with WM_GETTEXT, real
// mouse clicks, message boxes read and answered.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/notice_ids.h"
#include "quiz/main_ids.h"

namespace lornel::e2e {

// Where the freshly built lornel.exe is (set from the command line).
const std::wstring& BuiltExe();
void SetBuiltExe(const std::wstring& path);
// The skin library the build embedded into it.
const std::wstring& BuiltLibrary();
void SetBuiltLibrary(const std::wstring& path);
// The question editor built beside it, and the example question file.
const std::wstring& BuiltEditor();
void SetBuiltEditor(const std::wstring& path);
const std::wstring& ExampleFile();
void SetExampleFile(const std::wstring& path);
// The folder the release zip was unpacked into (empty unless a release is tested).
const std::wstring& UnpackedRelease();
void SetUnpackedRelease(const std::wstring& dir);

// A new empty directory for one test, under the temporary directory.
std::wstring FreshDirectory(const std::wstring& tag);
std::wstring Join(const std::wstring& dir, const std::wstring& name);
bool FileExists(const std::wstring& path);
std::optional<std::string> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
std::wstring Wide(const std::string& gbk);
std::string Gbk(const std::wstring& wide);

struct MessageBoxInfo {
  HWND hwnd = nullptr;
  std::string title, text;  // GBK
  bool hasOk = false, hasYes = false, hasNo = false;
  bool hasIcon = false;
};

class Program {
 public:
  // Copies the built exe into dir under exeName and starts it there.
  static Program Start(const std::wstring& dir, const std::wstring& exeName = L"lornel.exe",
                       const std::wstring& workingDir = L"");
  // Copies another built program (the editor) into dir under exeName and starts it there.
  static Program StartCopyOf(const std::wstring& built, const std::wstring& dir,
                             const std::wstring& exeName);
  Program() = default;
  Program(Program&&) noexcept;
  Program& operator=(Program&&) noexcept;
  ~Program();

  DWORD pid() const { return pi_.dwProcessId; }
  HANDLE process() const { return pi_.hProcess; }

  // The visible top-level window of this process with the given title.
  HWND WaitForWindow(const std::wstring& title, int timeoutMs = 15000);
  // Until the program waits for input with nothing queued (or the timeout passes).
  void WaitForInputIdle(int timeoutMs = 15000) {
    if (pi_.hProcess) ::WaitForInputIdle(pi_.hProcess, static_cast<DWORD>(timeoutMs));
  }
  // Found as soon as it shows; its first show hides what the start cover covers
  // for a moment, so the program is given the time to finish its start first.
  HWND MainWindow(int timeoutMs = 15000) {
    HWND window = WaitForWindow(L"Lornel V1.1.15.823", timeoutMs);
    if (window) WaitForInputIdle(timeoutMs);
    return window;
  }
  // The control with the table id below a top-level window.
  static HWND Control(HWND top, int id);
  HWND Main(quiz::MainId id) { return Control(MainWindow(), static_cast<int>(id)); }

  std::optional<MessageBoxInfo> WaitForMessageBox(int timeoutMs = 10000);
  std::vector<HWND> MessageBoxes();
  // Presses IDOK, IDYES or IDNO of the box.
  static void Answer(const MessageBoxInfo& box, int button);

  // Exit code, or nullopt when the process is still running after the timeout.
  std::optional<DWORD> WaitForExit(int timeoutMs);
  void Kill();

 private:
  PROCESS_INFORMATION pi_{};
};

std::string Text(HWND hwnd);
bool Visible(HWND hwnd);
bool Enabled(HWND hwnd);
RECT RectInParent(HWND hwnd);
// Real mouse input at the centre of the window's rectangle (whatever is on top takes it).
void Click(HWND hwnd);
void ClickAt(POINT screen);
// Real keyboard input of one virtual key.
void PressKey(WORD vk);
// Runs this thread's messages and sleeps.
void Pause(int milliseconds);
// Waits until pred() holds or the timeout passes; returns pred().
template <class Pred>
bool WaitUntil(Pred pred, int timeoutMs = 5000) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
  while (!pred()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return pred();
    Pause(20);
  }
  return true;
}

// The whole screen saved as a 24-bit BMP (for the documentation screenshots).
bool CaptureScreen(const std::wstring& bmpPath);

}  // namespace lornel::e2e
