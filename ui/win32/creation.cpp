// Building a form's windows from its table: the top-level window, a child per
// row in table order, their stacking, and showing them.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/win32/text.h"
#include "resources/embedded.h"
#include "ui/control_rules.h"
#include "ui/win32/classes.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form.h"
#include "ui/win32/jpeg.h"
#include "ui/win32/keys.h"
#include "ui/win32/row_styles.h"

namespace lornel::win32 {
namespace {

void SetIcon(HWND hwnd) {
  // One image at its natural 256 x 256 serves as both the large and the small
  // icon. Shared: loaded once per process and never destroyed, so the editor's
  // preview windows do not each leave an icon behind.
  HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                             MAKEINTRESOURCEW(resources::kIconResource), IMAGE_ICON,
                                             0, 0, LR_SHARED));
  if (!icon) return;
  SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

Win32Form::Win32Form(const ui::Table& table)
    : table_(table), commandStates_(ui::InitialStates(table.commands)) {
  controls_.resize(table.rows.size());
  for (const ui::Row& row : table.rows) {
    Control& c = controls_[row.id];
    c.form = this;
    c.row = &row;
    c.textColour = row.textColour;
    c.rangeMin = ui::rules::ClampProgress(row.rangeMin);
    c.rangeMax = ui::rules::ClampProgress(row.rangeMax);
    c.position = ui::rules::ClampProgress(row.position);
    c.left = row.rect.left;
  }
}

// The windows go before the fonts and pictures they use (members die after this body).
Win32Form::~Win32Form() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

// From the window's own fields only: under Wine a window property lives in the
// server, and this runs for every message of every control (1 ms timers too).
Control* Win32Form::ControlOf(HWND hwnd) {
  if (!hwnd) return nullptr;
  HWND root = hwnd;
  while (GetWindowLongPtrW(root, GWL_STYLE) & WS_CHILD)
    if (!(root = GetParent(root))) return nullptr;
  if (root == hwnd ||
      reinterpret_cast<WNDPROC>(GetClassLongPtrW(root, GCLP_WNDPROC)) != TopLevelProc)
    return nullptr;
  Win32Form* form = FormOf(root);
  if (!form) return nullptr;
  const LONG_PTR index = GetWindowLongPtrW(hwnd, GWLP_ID) - kFirstControlId;
  if (index < 0 || index >= static_cast<LONG_PTR>(form->controls_.size())) return nullptr;
  Control& c = form->controls_[static_cast<std::size_t>(index)];
  return c.hwnd == hwnd ? &c : nullptr;
}

Win32Form* Win32Form::FormOf(HWND hwnd) {
  return reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool Win32Form::Create() {
  RegisterClassesOnce();
  const ui::WindowSpec& spec = table_.window;
  DWORD style = WS_CLIPCHILDREN;
  if (spec.titleBar) {
    style |= WS_CAPTION | WS_SYSMENU | (spec.minimizeBox ? WS_MINIMIZEBOX : 0);
  } else {
    style |= WS_DLGFRAME;
  }
  const DWORD exStyle = spec.topmost ? WS_EX_TOPMOST : 0;
  // Hidden at the stored position, then fitted to the screen and centred: the
  // handlers of creation-complete still see a hidden window.
  hwnd_ = CreateWindowExW(exStyle, kWindowClass, Wide(spec.caption).c_str(), style, spec.storedLeft,
                          spec.storedTop, spec.outerWidth, spec.outerHeight, owner_, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  if (!spec.titleBar) ApplyDialogFrame();
  // The tables' outer size holds a frame drawn at 96 DPI; the rest is theirs.
  const ui::Size frame96 =
      FrameAt(GetWindowLongW(hwnd_, GWL_STYLE), GetWindowLongW(hwnd_, GWL_EXSTYLE), ui::kTableDpi);
  tableClient_ = {spec.outerWidth - frame96.width, spec.outerHeight - frame96.height};
  // Centred on the primary screen, where the window starts.
  HMONITOR primary = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  const ui::Display display = DisplayAt(primary, DpiOfMonitor(primary));
  const ui::Size outer = FitTo(display);
  const ui::Point at = ui::StartPosition(ScreenSize(primary), display.workArea, outer, scale_);
  SetWindowPos(hwnd_, nullptr, at.x, at.y, outer.width, outer.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyRegion(outer);
  if (spec.icon) SetIcon(hwnd_);
  AddSystemMenuItems();
  // A window missing any of its controls would run half-built: that is a failed creation.
  // Windows links a new child window at the bottom of its siblings (a dialog's
  // creation order is its z-order), so rows created in table order already lie
  // above their later siblings, as the tables are drawn: no restacking.
  for (Control& c : controls_) {
    if (!CreateControl(c)) {
      DestroyWindow(hwnd_);
      hwnd_ = nullptr;
      // The last window going posts WM_QUIT, which would end the failure's report box.
      MSG quit;
      PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
      return false;
    }
  }
  for (Control& c : controls_)
    if (c.hwnd && c.row->visible && c.row->kind != ui::Kind::Timer) ::ShowWindow(c.hwnd, SW_SHOWNA);
  sink_->OnCreated();
  // The handler may have closed the window already.
  if (!destroyed_ && IsWindow(hwnd_)) {
    // Wine erases and paints every visible child on the window's first show,
    // a dozen wineserver requests each, even children their siblings wholly
    // clip away (the start cover hides 74 windows). Those are held back and
    // shown after it with SWP_NOREDRAW: no update region for what has nothing
    // on screen; uncovering them later invalidates them as always. Neither
    // step sends WM_SHOWWINDOW; the main window has no activation handler to
    // see them hidden in between.
    const std::vector<HWND> covered = WhollyCoveredChildren();
    constexpr UINT kQuiet = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    for (HWND child : covered) SetWindowPos(child, nullptr, 0, 0, 0, 0, kQuiet | SWP_HIDEWINDOW);
    ::ShowWindow(hwnd_, SW_SHOWNORMAL);
    for (HWND child : covered) SetWindowPos(child, nullptr, 0, 0, 0, 0, kQuiet | SWP_SHOWWINDOW);
    UpdateWindow(hwnd_);
  }
  return true;
}

// The window's visible children that lie wholly inside an earlier (so higher)
// visible, opaque sibling, which their WS_CLIPSIBLINGS clips them to nothing
// under; Wine clips no window by a WS_EX_TRANSPARENT sibling.
std::vector<HWND> Win32Form::WhollyCoveredChildren() const {
  std::vector<HWND> covered;
  std::vector<RECT> above;
  HWND focus = GetFocus();
  for (const Control& c : controls_) {
    if (c.row->parent != ui::kWindowParent || c.row->kind == ui::Kind::Timer) continue;
    const LONG style = GetWindowLongW(c.hwnd, GWL_STYLE);
    if (!(style & WS_VISIBLE)) continue;
    const RECT r = PlaceOf(c);
    const bool under = std::any_of(above.begin(), above.end(), [&r](const RECT& a) {
      return a.left <= r.left && a.top <= r.top && r.right <= a.right && r.bottom <= a.bottom;
    });
    // Hiding the window with the focus would move the focus.
    if (under && (style & WS_CLIPSIBLINGS) &&
        !(focus && (focus == c.hwnd || IsChild(c.hwnd, focus))))
      covered.push_back(c.hwnd);
    else if (!under && !(GetWindowLongW(c.hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT))
      above.push_back(r);
  }
  return covered;
}

HWND Win32Form::CreateControl(Control& c) {
  const ui::Row& row = *c.row;
  HWND parent = row.parent == ui::kWindowParent ? hwnd_ : controls_[row.parent].hwnd;
  if (!parent) return nullptr;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | KindStyle(row);
  if (!row.enabled) style |= WS_DISABLED;
  if (row.tabStop) style |= WS_TABSTOP;
  if (row.kind == ui::Kind::ProcessBar) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
  }
  const std::wstring caption = row.kind == ui::Kind::Timer ? L"" : Wide(row.caption);
  const RECT place = PlaceOf(c);
  c.hwnd = CreateWindowExW(KindExStyle(row), ClassOf(row.kind), caption.c_str(), style, place.left,
                           place.top, place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + row.id)),
                           GetModuleHandleW(nullptr), &c);
  if (!c.hwnd) return nullptr;
  if (row.kind == ui::Kind::Timer) {
    if (row.interval > 0) SetInterval(row.id, row.interval);
    return c.hwnd;
  }
  ApplyFont(c);
  switch (row.kind) {
    case ui::Kind::GroupBox:
      c.baseProc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(c.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PanelProc)));
      break;
    case ui::Kind::Button:
    case ui::Kind::OptionButton:
      if (IsOnScreenKey(row)) SubclassOnScreenKey(c);
      break;
    case ui::Kind::RadioBox:
    case ui::Kind::CheckBox:
      SendMessageW(c.hwnd, BM_SETCHECK, row.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ui::Kind::ProcessBar:
      SetProgressRange(c);
      SendMessageW(c.hwnd, PBM_SETPOS, c.position, 0);
      break;
    case ui::Kind::PicBox:
      c.picture.Reset(DecodeJpeg(resources::Get(row.picture), &c.pictureWidth, &c.pictureHeight));
      break;
    default:
      break;
  }
  return c.hwnd;
}

}  // namespace lornel::win32
