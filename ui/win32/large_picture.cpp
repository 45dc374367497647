// A question's picture enlarged over the whole client area: a child window
// above every control, so timers and the countdown go on beneath and message
// boxes (top-level windows of their own) stay in front of it.
#include <utility>

#include "ui/question_picture.h"
#include "ui/win32/classes.h"
#include "ui/win32/form.h"
#include "ui/win32/guard.h"
#include "ui/win32/paint.h"

namespace lornel::win32 {
namespace {

// Dark, as a projector's surround: the picture stands out and nothing glares.
constexpr COLORREF kLargeBackground = RGB(0x10, 0x10, 0x10);

}  // namespace

ui::Size Win32Form::PictureSize(int id) const {
  const LabelPicture* picture = controls_[static_cast<std::size_t>(id)].labelPicture.get();
  if (!picture) return {};
  return {picture->source.width, picture->source.height};
}

void Win32Form::ShowPictureLarge(int id) {
  if (destroyed_ || !hwnd_ || PictureSize(id).width <= 0) return;
  ClosePictureLarge();
  RECT client;
  GetClientRect(hwnd_, &client);
  largeId_ = id;
  largePicture_ =
      CreateWindowExW(0, kLargePictureClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, client.right,
                      client.bottom, hwnd_, nullptr, GetModuleHandleW(nullptr), this);
  if (!largePicture_) {
    largeId_ = -1;
    return;
  }
  SetWindowPos(largePicture_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void Win32Form::ClosePictureLarge() {
  if (!largePicture_) return;
  HWND window = std::exchange(largePicture_, nullptr);
  largeId_ = -1;
  DestroyWindow(window);
}

void Win32Form::OnLargePictureDestroyed(HWND window) {
  if (window != largePicture_) return;
  largePicture_ = nullptr;
  largeId_ = -1;
}

void Win32Form::PlaceLargePicture() {
  if (!largePicture_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  SetWindowPos(largePicture_, HWND_TOP, 0, 0, client.right, client.bottom, SWP_NOACTIVATE);
}

void Win32Form::PaintLargePicture(HDC dc, const RECT& client) {
  const OwnedBrush background(CreateSolidBrush(kLargeBackground));
  FillRect(dc, &client, background.get());
  if (largeId_ < 0) return;
  LabelPicture* picture = controls_[static_cast<std::size_t>(largeId_)].labelPicture.get();
  if (!picture || picture->source.empty()) return;
  const ui::Rect box{0, 0, client.right - client.left, client.bottom - client.top};
  DrawPicture(picture->source, picture->large, dc,
              ui::FitPicture(box, {picture->source.width, picture->source.height}, scale_),
              kLargeBackground);
}

LRESULT CALLBACK LargePictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
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
        RECT client;
        GetClientRect(hwnd, &client);
        form->PaintLargePicture(dc, client);
        EndPaint(hwnd, &ps);
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;
      case WM_LBUTTONDOWN:  // its own click closes it; the controls beneath never see it
        form->ClosePictureLarge();
        return 0;
      case WM_NCDESTROY:
        form->OnLargePictureDestroyed(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
      default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  });
}

}  // namespace lornel::win32
