#include "tests/e2e/screen.h"

#include "tests/e2e/driver.h"

namespace lornel::e2e {

Pixels Grab(const RECT& r) {
  Pixels out;
  out.width = r.right - r.left;
  out.height = r.bottom - r.top;
  if (out.width <= 0 || out.height <= 0) return {};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO bmi{};
  // A negative height puts the top row first.
  bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), out.width, -out.height, 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, out.width, out.height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* bgrx = static_cast<const unsigned char*>(bits);
  out.colours.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
  for (std::size_t i = 0; i < out.colours.size(); ++i)
    out.colours[i] = RGB(bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return out;
}

Pixels GrabWindow(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return Grab(r);
}

HWND HitAt(HWND top, POINT p) {
  ClientToScreen(top, &p);
  return WindowFromPoint(p);
}

POINT CentreInTop(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ScreenToClient(GetAncestor(control, GA_ROOT), &p);
  return p;
}

bool Within(HWND panel, HWND hit) { return hit && (hit == panel || IsChild(panel, hit)); }

void SettlePaint(HWND top) {
  RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(top, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored);
  Pause(150);
  RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void ParkPointer() {
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dx = move.mi.dy = 65535;
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &move, sizeof(INPUT));
  Pause(200);
}

namespace {

BOOL CALLBACK PostLeave(HWND child, LPARAM) {
  wchar_t cls[16] = {};
  GetClassNameW(child, cls, 16);
  if (lstrcmpiW(cls, L"Button") == 0) PostMessageW(child, WM_MOUSELEAVE, 0, 0);
  return TRUE;
}

}  // namespace

void DropStaleHotLooks(HWND top) {
  EnumChildWindows(top, PostLeave, 0);
  SettlePaint(top);
}

std::wstring ShotFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"LORNEL_SCREENSHOTS", folder, MAX_PATH)) return {};
  std::wstring path = folder;
  if (!path.empty() && path[0] == L'/') {
    for (wchar_t& ch : path) ch = ch == L'/' ? L'\\' : ch;
    path = L"Z:" + path;
  }
  return path;
}

void ShootWindow(HWND hwnd, const std::wstring& name, int margin) {
  const std::wstring folder = ShotFolder();
  if (folder.empty() || !hwnd) return;
  RECT r{};
  GetWindowRect(hwnd, &r);
  InflateRect(&r, margin, margin);
  const Pixels px = Grab(r);
  const DWORD stride = (static_cast<DWORD>(px.width) * 3 + 3) & ~3u;
  const DWORD size = stride * static_cast<DWORD>(px.height);
  BITMAPFILEHEADER file{
      0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
      sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), px.width, px.height, 1, 24, BI_RGB};
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  std::string row(stride, '\0');
  for (int y = px.height - 1; y >= 0; --y) {  // a BMP stores the bottom row first
    for (int x = 0; x < px.width; ++x) {
      const COLORREF c = px.At(x, y);
      row[3 * x] = static_cast<char>(GetBValue(c));
      row[3 * x + 1] = static_cast<char>(GetGValue(c));
      row[3 * x + 2] = static_cast<char>(GetRValue(c));
    }
    bytes += row;
  }
  WriteBytes(Join(folder, name + L".bmp"), bytes);
}

}  // namespace lornel::e2e
