#include "tests/e2e/driver.h"

#include <cstdio>
#include <utility>

#include "tests/win32/support/files.h"
#include "tests/win32/support/pump.h"

namespace lornel::e2e {
namespace {

std::wstring g_builtExe, g_builtLibrary, g_builtEditor, g_exampleFile, g_unpackedRelease;
constexpr int kFirstControlId = 1000;   // the backend's control ids: 1000 + table id
constexpr int kMessageTextId = 0xFFFF;  // the static text of a message box dialog
constexpr int kMessageIconId = 0x0440;

struct Search {
  DWORD pid;
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK FindTitled(HWND hwnd, LPARAM data) {
  auto* s = reinterpret_cast<Search*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s->pid || !IsWindowVisible(hwnd)) return TRUE;
  wchar_t title[256] = {};
  GetWindowTextW(hwnd, title, 256);
  if (s->title == title) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

struct Boxes {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK FindBoxes(HWND hwnd, LPARAM data) {
  auto* s = reinterpret_cast<Boxes*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[32] = {};
  GetClassNameW(hwnd, cls, 32);
  if (pid == s->pid && IsWindowVisible(hwnd) && std::wstring(cls) == L"#32770")
    s->found.push_back(hwnd);
  return TRUE;
}

struct ById {
  int id;
  HWND found = nullptr;
};

BOOL CALLBACK FindById(HWND hwnd, LPARAM data) {
  auto* s = reinterpret_cast<ById*>(data);
  if (GetDlgCtrlID(hwnd) == s->id) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

const std::wstring& BuiltExe() { return g_builtExe; }
void SetBuiltExe(const std::wstring& path) { g_builtExe = path; }
const std::wstring& BuiltLibrary() { return g_builtLibrary; }
void SetBuiltLibrary(const std::wstring& path) { g_builtLibrary = path; }
const std::wstring& BuiltEditor() { return g_builtEditor; }
void SetBuiltEditor(const std::wstring& path) { g_builtEditor = path; }
const std::wstring& ExampleFile() { return g_exampleFile; }
void SetExampleFile(const std::wstring& path) { g_exampleFile = path; }
const std::wstring& UnpackedRelease() { return g_unpackedRelease; }
void SetUnpackedRelease(const std::wstring& dir) { g_unpackedRelease = dir; }

std::wstring Wide(const std::string& gbk) {
  if (gbk.empty()) return {};
  const int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), out.data(), n);
  return out;
}

std::string Gbk(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

std::wstring Join(const std::wstring& dir, const std::wstring& name) { return dir + L"\\" + name; }

std::wstring FreshDirectory(const std::wstring& tag) {
  static int counter = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring base = std::wstring(temp) + L"lornel-e2e";
  CreateDirectoryW(base.c_str(), nullptr);
  for (;;) {
    std::wstring dir = base + L"\\" + tag + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                       std::to_wstring(++counter);
    if (CreateDirectoryW(dir.c_str(), nullptr)) return dir;
  }
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> ReadBytes(const std::wstring& path) { return test::ReadFileBytes(path); }

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  test::WriteFileBytes(path, bytes);
}

namespace {

// A program unpacked from the release runs where it lies, never copied onto itself.
void CopyUnlessSame(const std::wstring& from, const std::wstring& to) {
  if (lstrcmpiW(from.c_str(), to.c_str()) != 0) CopyFileW(from.c_str(), to.c_str(), FALSE);
}

}  // namespace

Program Program::Start(const std::wstring& dir, const std::wstring& exeName,
                       const std::wstring& workingDir) {
  const std::wstring exe = Join(dir, exeName);
  CopyUnlessSame(BuiltExe(), exe);
  Program p;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  std::wstring command = L"\"" + exe + L"\"";
  const std::wstring cwd = workingDir.empty() ? dir : workingDir;
  CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, cwd.c_str(), &si,
                 &p.pi_);
  return p;
}

Program Program::StartCopyOf(const std::wstring& built, const std::wstring& dir,
                             const std::wstring& exeName) {
  const std::wstring exe = Join(dir, exeName);
  CopyUnlessSame(built, exe);
  Program p;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  std::wstring command = L"\"" + exe + L"\"";
  CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si,
                 &p.pi_);
  return p;
}

Program::Program(Program&& other) noexcept : pi_(std::exchange(other.pi_, {})) {}
Program& Program::operator=(Program&& other) noexcept {
  std::swap(pi_, other.pi_);
  return *this;
}

Program::~Program() {
  if (!pi_.hProcess) return;
  if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) Kill();
  CloseHandle(pi_.hProcess);
  CloseHandle(pi_.hThread);
}

HWND Program::WaitForWindow(const std::wstring& title, int timeoutMs) {
  Search s{pi_.dwProcessId, title};
  WaitUntil(
      [&] {
        s.found = nullptr;
        EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&s));
        return s.found != nullptr;
      },
      timeoutMs);
  return s.found;
}

HWND Program::Control(HWND top, int id) {
  ById s{kFirstControlId + id};
  if (top) EnumChildWindows(top, FindById, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::vector<HWND> Program::MessageBoxes() {
  Boxes s{pi_.dwProcessId};
  EnumWindows(FindBoxes, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::optional<MessageBoxInfo> Program::WaitForMessageBox(int timeoutMs) {
  std::vector<HWND> boxes;
  if (!WaitUntil([&] { return !(boxes = MessageBoxes()).empty(); }, timeoutMs)) return std::nullopt;
  MessageBoxInfo info;
  info.hwnd = boxes.front();
  info.title = Text(info.hwnd);
  info.text = Text(GetDlgItem(info.hwnd, kMessageTextId));
  info.hasOk = GetDlgItem(info.hwnd, IDOK) != nullptr;
  info.hasYes = GetDlgItem(info.hwnd, IDYES) != nullptr;
  info.hasNo = GetDlgItem(info.hwnd, IDNO) != nullptr;
  HWND icon = GetDlgItem(info.hwnd, kMessageIconId);
  info.hasIcon = icon && IsWindowVisible(icon);
  return info;
}

void Program::Answer(const MessageBoxInfo& box, int button) {
  PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box.hwnd, button)));
  WaitUntil([&] { return !IsWindow(box.hwnd) || !IsWindowVisible(box.hwnd); }, 3000);
}

std::optional<DWORD> Program::WaitForExit(int timeoutMs) {
  if (!pi_.hProcess) return std::nullopt;
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
  while (WaitForSingleObject(pi_.hProcess, 20) == WAIT_TIMEOUT) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return std::nullopt;
    Pause(0);
  }
  DWORD code = 0;
  GetExitCodeProcess(pi_.hProcess, &code);
  return code;
}

void Program::Kill() {
  if (!pi_.hProcess) return;
  TerminateProcess(pi_.hProcess, 99);
  WaitForSingleObject(pi_.hProcess, 5000);
}

std::string Text(HWND hwnd) {
  if (!hwnd) return {};
  const LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT got =
      SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got));
  return Gbk(text);
}

bool Visible(HWND hwnd) { return hwnd && IsWindowVisible(hwnd); }
bool Enabled(HWND hwnd) { return hwnd && IsWindowEnabled(hwnd); }

RECT RectInParent(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Pause(int milliseconds) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  Sleep(static_cast<DWORD>(milliseconds));
}

void ClickAt(POINT p) { test::ClickAtScreen(p); }

void Click(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

HWND OpenMenu() {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(found); });
  return found && IsWindowVisible(found) ? found : nullptr;
}

void RightClickAt(POINT p) {
  const int w = GetSystemMetrics(SM_CXSCREEN) - 1, h = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT in[3] = {};
  for (INPUT& i : in) {
    i.type = INPUT_MOUSE;
    i.mi.dx = MulDiv(p.x, 65535, w);
    i.mi.dy = MulDiv(p.y, 65535, h);
  }
  in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_ABSOLUTE;
  in[2].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_RIGHTUP | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in[0], sizeof(INPUT));
  Pause(30);
  SendInput(2, &in[1], sizeof(INPUT));
  Pause(60);
}

void PressKey(WORD vk) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = vk;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
  Pause(60);
}

bool CaptureScreen(const std::wstring& bmpPath) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO bmi{};
  bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD stride = (static_cast<DWORD>(w) * 3 + 3) & ~3u, size = stride * static_cast<DWORD>(h);
  BITMAPFILEHEADER file{
      0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
      sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&bmi.bmiHeader), sizeof(BITMAPINFOHEADER));
  bytes.append(static_cast<const char*>(bits), size);
  WriteBytes(bmpPath, bytes);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return true;
}

}  // namespace lornel::e2e
