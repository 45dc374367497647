// Window procedures: each only dispatches to the form or to a paint function.
#include <windowsx.h>

#include "skinlib/layout_scale_message.h"
#include "ui/win32/classes.h"
#include "ui/win32/form.h"
#include "ui/win32/guard.h"
#include "ui/win32/paint.h"

namespace lornel::win32 {
namespace {

int g_liveWindows = 0;  // top-level windows of the program; the loop ends with the last

// Windows 8.1 on; the SDK for Windows 7 has no name for it.
constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED
// Windows 10 1703 on: asked before WM_DPICHANGED for the size at the new DPI.
// Unanswered, Windows scales the size linearly and suggests that, our
// WM_DPICHANGED makes it smaller again, and a drag across monitors can flip.
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE

void Register(const wchar_t* name, WNDPROC proc, UINT style, HCURSOR cursor) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = cursor;
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

template <class PaintFn>
LRESULT PaintWith(HWND hwnd, const Control& c, PaintFn paint) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  // Wine sends WM_PAINT to windows that lie wholly under their siblings too
  // (the start cover hides 70 of them); with nothing visible there is nothing to draw.
  RECT visible;
  if (GetClipBox(dc, &visible) != NULLREGION) {
    RECT client;
    GetClientRect(hwnd, &client);
    paint(c, dc, client);
  }
  EndPaint(hwnd, &ps);
  return 0;
}

}  // namespace

UINT LayoutScaleMessage() {
  static const UINT message = RegisterWindowMessageW(kLayoutScaleMessage);
  return message;
}

void RegisterClassesOnce() {
  static bool done = false;
  if (done) return;
  done = true;
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  Register(kWindowClass, TopLevelProc, 0, arrow);
  // Labels are redrawn whole on a size change and accept double-clicks.
  Register(kLabelClass, OwnKindProc, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, arrow);
  Register(kTransLabelClass, OwnKindProc, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, arrow);
  Register(kPictureClass, OwnKindProc, CS_HREDRAW | CS_VREDRAW, arrow);
  Register(kTimerClass, OwnKindProc, 0, arrow);
  Register(kLargePictureClass, LargePictureProc, CS_HREDRAW | CS_VREDRAW, arrow);
  Register(kRankingClass, RankingProc, 0, arrow);
}

LRESULT CALLBACK TopLevelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&]() -> LRESULT {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      ++g_liveWindows;
    }
    Win32Form* form = Win32Form::FormOf(hwnd);
    // The skin library asks how large to draw its corners and borders here.
    if (message == LayoutScaleMessage()) return form ? form->scale().permille() : 0;
    if (form && form->Translate(Arrives::PassedUp, reinterpret_cast<HWND>(wParam), message, lParam))
      return 0;
    switch (message) {
      case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 BackgroundBrush(form ? form->table().window.background : ui::kDefaultColour));
        return 1;
      }
      case WM_CLOSE:  // the sink may keep the window open (unsaved changes)
        if (form && !form->OnCloseQuery()) return 0;
        break;
      case WM_ACTIVATE:
        if (form && LOWORD(wParam) != WA_INACTIVE) form->OnActivated();
        break;
      case WM_QUERYENDSESSION:
        return form ? form->OnEndSessionQuery() : TRUE;
      case WM_ENDSESSION:
        if (form) form->OnEndSession(wParam != FALSE);
        return 0;
      case WM_COMMAND:
        if (form && lParam) form->OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
      case WM_DRAWITEM:  // passed up by the panels
        if (form && lParam && form->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
          return TRUE;
        break;
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORBTN:
        if (form)
          return form->OnControlColour(reinterpret_cast<HDC>(wParam),
                                       reinterpret_cast<HWND>(lParam));
        break;
      case WM_SETCURSOR:
        if (form && form->OnSetCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
        break;
      case WM_HELP:  // F1 does nothing
        return TRUE;
      case WM_SYSCOMMAND:
        if (form && form->OnSysCommand(wParam)) return 0;
        break;
      case WM_SIZE:
        if (form) {
          form->PlaceLargePicture();
          form->PlaceRanking();
        }
        break;
      case WM_DISPLAYCHANGE:
        if (form) form->OnDisplayChange();
        break;
      case kDpiChanged:
        if (form && lParam) form->OnDpiChanged(HIWORD(wParam), *reinterpret_cast<RECT*>(lParam));
        return 0;
      case kGetDpiScaledSize:
        if (!form || !lParam) break;
        *reinterpret_cast<SIZE*>(lParam) = form->ScaledSizeAt(static_cast<int>(wParam));
        return TRUE;
      case WM_DESTROY:
        if (form) form->OnDestroy();
        return 0;
      case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (--g_liveWindows == 0) PostQuitMessage(0);
        break;
      default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  });
}

LRESULT CALLBACK OwnKindProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&]() -> LRESULT {
    Control* c = Win32Form::ControlOf(hwnd);
    if (!c) return DefWindowProcW(hwnd, message, wParam, lParam);
    // The class takes double-clicks, so a fast second press on a label (its
    // picture again, right after Esc closed it) arrives as one: a press still.
    if (message == WM_LBUTTONDBLCLK && c->row->kind == ui::Kind::Label) message = WM_LBUTTONDOWN;
    if (message == WM_TIMER && c->row->kind == ui::Kind::Timer) c->form->OnTimer(*c);
    if (c->form->Translate(Arrives::AtControl, hwnd, message, lParam) ||
        c->form->Translate(Arrives::PassedUp, hwnd, message, lParam))
      return 0;
    switch (message) {
      case WM_PAINT:
        switch (c->row->kind) {
          case ui::Kind::Label:
            return PaintWith(hwnd, *c, PaintLabel);
          case ui::Kind::TransLabel:
            return PaintWith(hwnd, *c, PaintTransLabel);
          case ui::Kind::PicBox:
            return PaintWith(hwnd, *c, PaintPicture);
          default:
            break;
        }
        break;
      case WM_ERASEBKGND:  // each kind paints its whole client area (or nothing) itself
        return 1;
      case WM_SETCURSOR:
        if (c->form->OnSetCursor(hwnd)) return TRUE;
        break;
      case WM_SETFONT:
        c->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(c->font);
      default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  });
}

// Group boxes serve as panels: what their children report goes on to the
// top-level window, they fill their inside, and they are opaque to the mouse
// (a stock group box lets clicks fall through to whatever lies beneath).
LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&]() -> LRESULT {
    Control* c = Win32Form::ControlOf(hwnd);
    WNDPROC base = c ? c->baseProc : DefWindowProcW;
    if (c && c->form->Translate(Arrives::PassedUp, reinterpret_cast<HWND>(wParam), message, lParam))
      return 0;
    switch (message) {
      case WM_COMMAND:
      case WM_NOTIFY:
      case WM_DRAWITEM:
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORBTN:
        return SendMessageW(GetAncestor(hwnd, GA_ROOT), message, wParam, lParam);
      case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 BackgroundBrush(c ? c->row->background : ui::kDefaultColour));
        return 1;
      }
      case WM_NCHITTEST:
        return HTCLIENT;
      default:
        break;
    }
    return CallWindowProcW(base, hwnd, message, wParam, lParam);
  });
}

}  // namespace lornel::win32
