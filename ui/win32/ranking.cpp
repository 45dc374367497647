// The ranking over the whole client area (and the whole screen in full
// screen): a child window above every control, painted from the pure layout
// of ui/ranking_board.h, with real buttons that screen readers and the
// keyboard reach. Timers go on beneath it; message boxes stay in front.
#include <map>
#include <utility>

#include "platform/win32/text.h"
#include "ui/win32/classes.h"
#include "ui/win32/form.h"
#include "ui/win32/guard.h"

namespace lornel::win32 {
namespace {

// Posted by a button's click, so that the command (which may close the
// ranking) runs in the ranking's own procedure, not inside the button's.
constexpr UINT kButtonPressed = WM_APP + 31;
constexpr int kFirstButtonId = 100;

RECT ClientOf(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return client;
}

// The scene on dc: the background over the whole area, then each shape.
void DrawScene(HDC dc, const ui::RankingScene& scene, const RECT& area) {
  const OwnedBrush background(CreateSolidBrush(scene.background));
  FillRect(dc, &area, background.get());
  std::map<int, OwnedFont> fonts;
  SetBkMode(dc, TRANSPARENT);
  for (const ui::RankingShape& shape : scene.shapes) {
    RECT r{shape.rect.left, shape.rect.top, shape.rect.right(), shape.rect.bottom()};
    if (shape.text.empty()) {
      const OwnedBrush fill(CreateSolidBrush(shape.colour));
      FillRect(dc, &r, fill.get());
      continue;
    }
    OwnedFont& font = fonts[shape.fontHeight];
    if (!font)
      font.Reset(CreateFontW(-shape.fontHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                             GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L""));
    const Selection selected(dc, font.get());
    SetTextColor(dc, shape.colour);
    const std::wstring text = Wide(shape.text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

}  // namespace

void Win32Form::ShowRanking(const ui::RankingBoard& board) {
  if (destroyed_ || !hwnd_) return;
  const bool opening = !ranking_.window;
  if (opening) {
    const RECT client = ClientOf(hwnd_);
    ranking_.window = CreateWindowExW(
        0, kRankingClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, client.right,
        client.bottom, hwnd_, nullptr, GetModuleHandleW(nullptr), this);
    if (!ranking_.window) return;
    ranking_.focusBefore = GetFocus();
  }
  if (ranking_.buttons.size() != board.buttons.size()) {
    for (HWND button : ranking_.buttons) DestroyWindow(button);
    ranking_.buttons.clear();
    for (std::size_t i = 0; i < board.buttons.size(); ++i)
      ranking_.buttons.push_back(CreateWindowExW(
          0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
          ranking_.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstButtonId + i)),
          GetModuleHandleW(nullptr), nullptr));
  }
  for (std::size_t i = 0; i < board.buttons.size(); ++i)
    if (i >= ranking_.board.buttons.size() ||
        ranking_.board.buttons[i].caption != board.buttons[i].caption || opening)
      SetWindowTextW(ranking_.buttons[i], Wide(board.buttons[i].caption).c_str());
  ranking_.board = board;
  PlaceRanking();
  if (opening) {
    SetWindowPos(ranking_.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    // Keys go to the ranking now, not to the answer box beneath it.
    if (!ranking_.buttons.empty()) SetFocus(ranking_.buttons.front());
  }
  InvalidateRect(ranking_.window, nullptr, FALSE);
}

void Win32Form::CloseRanking() {
  if (!ranking_.window) return;
  HWND window = std::exchange(ranking_.window, nullptr);
  HWND focus = std::exchange(ranking_.focusBefore, nullptr);
  ranking_.buttons.clear();
  ranking_.board = {};
  DestroyWindow(window);
  if (focus && IsWindow(focus) && IsWindowVisible(focus) && IsWindowEnabled(focus)) SetFocus(focus);
}

void Win32Form::OnRankingDestroyed(HWND window) {
  if (window != ranking_.window) return;
  ranking_ = {};
}

void Win32Form::PlaceRanking() {
  if (!ranking_.window) return;
  const RECT client = ClientOf(hwnd_);
  SetWindowPos(ranking_.window, HWND_TOP, 0, 0, client.right, client.bottom, SWP_NOACTIVATE);
  const ui::RankingScene scene =
      ui::LayOutRanking(ranking_.board, {client.right - client.left, client.bottom - client.top});
  const HFONT font = fonts_.Get({"", scene.buttonFontHeight}, ui::Scale());
  for (std::size_t i = 0; i < ranking_.buttons.size() && i < scene.buttons.size(); ++i) {
    const ui::Rect& r = scene.buttons[i];
    SendMessageW(ranking_.buttons[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    MoveWindow(ranking_.buttons[i], r.left, r.top, r.width, r.height, TRUE);
  }
  InvalidateRect(ranking_.window, nullptr, FALSE);
}

void Win32Form::PaintRanking(HDC dc, const RECT& client) {
  const int width = client.right - client.left, height = client.bottom - client.top;
  // Drawn off screen first: a projector shows no flicker of the background.
  OwnedMemoryDc memory(CreateCompatibleDC(dc));
  OwnedBitmap bitmap(CreateCompatibleBitmap(dc, width, height));
  if (!memory || !bitmap) {
    DrawScene(dc, ui::LayOutRanking(ranking_.board, {width, height}), client);
    return;
  }
  {
    const Selection selected(memory.get(), bitmap.get());
    DrawScene(memory.get(), ui::LayOutRanking(ranking_.board, {width, height}), client);
    BitBlt(dc, 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
  }
}

ui::Pixels Win32Form::RankingPicture() const {
  if (!ranking_.window) return {};
  const RECT client = ClientOf(ranking_.window);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, as ui::Pixels has its rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  OwnedMemoryDc memory(CreateCompatibleDC(nullptr));
  if (!bitmap || !memory || !bits) return {};
  {
    const Selection selected(memory.get(), bitmap.get());
    DrawScene(memory.get(), ui::LayOutRanking(ranking_.board, {width, height}), client);
    GdiFlush();
  }
  ui::Pixels picture{width, height, {}};
  const auto* words = static_cast<const std::uint32_t*>(bits);
  picture.argb.assign(words, words + std::size_t(width) * height);
  for (std::uint32_t& pixel : picture.argb) pixel |= 0xFF000000u;  // GDI leaves alpha 0
  return picture;
}

void Win32Form::OnRankingButton(int index) {
  if (index < 0 || index >= static_cast<int>(ranking_.board.buttons.size())) return;
  RaiseCommand(ranking_.board.buttons[static_cast<std::size_t>(index)].command, std::nullopt,
               static_cast<DWORD>(GetMessageTime()));
}

HWND Win32Form::TabScope() const { return ranking_.window ? ranking_.window : hwnd_; }

LRESULT CALLBACK RankingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&]() -> LRESULT {
    if (message == WM_NCCREATE)
      SetWindowLongPtrW(
          hwnd, GWLP_USERDATA,
          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
      case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        form->PaintRanking(dc, ClientOf(hwnd));
        EndPaint(hwnd, &ps);
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;
      case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam)
          PostMessageW(hwnd, kButtonPressed, LOWORD(wParam) - kFirstButtonId, 0);
        return 0;
      case kButtonPressed:
        form->OnRankingButton(static_cast<int>(wParam));
        return 0;
      case WM_NCDESTROY:
        form->OnRankingDestroyed(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
      default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  });
}

}  // namespace lornel::win32
