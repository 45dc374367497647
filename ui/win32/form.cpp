#include "ui/win32/form.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/text.h"
#include "resources/embedded.h"
#include "ui/paint_geometry.h"
#include "ui/win32/classes.h"
#include "ui/win32/dpi.h"
#include "ui/win32/jpeg.h"
#include "ui/win32/keys.h"

namespace lornel::win32 {
namespace {

constexpr int kMoveLimit = 32627;
constexpr int kCoordinateLimit = 32767;  // what a window position can hold
constexpr int kProgressLimit = 32767;
constexpr UINT_PTR kTimerEvent = 1;

int ClampProgress(int v) { return std::clamp(v, 0, kProgressLimit); }

DWORD EdgeExStyle(ui::Edge edge) {
  switch (edge) {
    case ui::Edge::Sunken:
      return WS_EX_CLIENTEDGE;
    case ui::Edge::Raised:
      return WS_EX_DLGMODALFRAME;
    case ui::Edge::ThinSunken:
      return WS_EX_STATICEDGE;
    case ui::Edge::Framed:
      return WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
    default:
      return 0;
  }
}

HFONT StockFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HFONT MakeFont(const ui::Font& font, ui::Scale scale) {
  if (!font.present()) {
    if (scale.IsOne()) return StockFont();
    // The stock font is made for the system DPI; ours is the window's scale.
    LOGFONTW stock{};
    GetObjectW(StockFont(), sizeof(stock), &stock);
    HDC screen = GetDC(nullptr);
    const int systemDpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : ui::kTableDpi;
    if (screen) ReleaseDC(nullptr, screen);
    stock.lfHeight = scale.Of(MulDiv(stock.lfHeight, ui::kTableDpi, ui::SaneDpi(systemDpi)));
    HFONT scaled = CreateFontIndirectW(&stock);
    return scaled ? scaled : StockFont();
  }
  // A negative height asks the font mapper for this character (em) height.
  return CreateFontW(-scale.Of(font.height), 0, 0, 0, FW_BOLD, FALSE, font.underline, FALSE,
                     GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, Wide(font.face).c_str());
}

void DeleteFont(HFONT font) {
  if (font && font != StockFont()) DeleteObject(font);
}

const wchar_t* ClassOf(ui::Kind kind) {
  switch (kind) {
    case ui::Kind::Button:
    case ui::Kind::RadioBox:
    case ui::Kind::GroupBox:
      return L"BUTTON";
    case ui::Kind::EditBox:
      return L"EDIT";
    case ui::Kind::ProcessBar:
      return PROGRESS_CLASSW;
    case ui::Kind::Label:
      return kLabelClass;
    case ui::Kind::TransLabel:
      return kTransLabelClass;
    case ui::Kind::PicBox:
      return kPictureClass;
    case ui::Kind::Timer:
      return kTimerClass;
  }
  return kLabelClass;
}

DWORD KindStyle(const ui::Row& row) {
  switch (row.kind) {
    case ui::Kind::Button:
      return BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;
    case ui::Kind::RadioBox:
      return BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER;
    case ui::Kind::GroupBox:
      return BS_GROUPBOX | WS_CLIPCHILDREN |
             (row.hAlign == ui::HAlign::Centre ? BS_CENTER : BS_LEFT);
    case ui::Kind::EditBox:
      if (row.multiLine) return ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
      return ES_LEFT | ES_AUTOHSCROLL;
    case ui::Kind::Label:
      return row.edge == ui::Edge::Single ? WS_BORDER : 0;
    default:
      return 0;
  }
}

resources::Bytes PictureBytes(ui::Picture picture) {
  switch (picture) {
    case ui::Picture::AnswerCover:
      return resources::Get(resources::Blob::AnswerCover);
    case ui::Picture::NoticeBubbles:
      return resources::Get(resources::Blob::NoticeBubbles);
    case ui::Picture::NoticeInfo:
      return resources::Get(resources::Blob::NoticeInfo);
    case ui::Picture::None:
      break;
  }
  return {};
}

FatalHandler g_fatal = nullptr;

BOOL CALLBACK CollectEnabled(HWND w, LPARAM list) {
  if (IsWindowEnabled(w)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
  return TRUE;
}

struct Sweep {
  HWND label;
  RECT screen;
};

BOOL CALLBACK RedrawBeneath(HWND child, LPARAM data) {
  auto* s = reinterpret_cast<Sweep*>(data);
  RECT r, overlap;
  if (child != s->label && IsWindowVisible(child) && GetWindowRect(child, &r) &&
      IntersectRect(&overlap, &r, &s->screen)) {
    MapWindowPoints(nullptr, child, reinterpret_cast<POINT*>(&overlap), 2);
    RedrawWindow(child, &overlap, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  return TRUE;
}

}  // namespace

void SetFatalHandler(FatalHandler handler) { g_fatal = handler; }

void ReportFatal(const char* reason) {
  if (g_fatal) g_fatal(reason);
  ::ExitProcess(static_cast<UINT>(-1));
}

Win32Form::Win32Form(const ui::Table& table, ui::EventSink& sink) : table_(table), sink_(sink) {
  controls_.resize(table.rows.size());
  for (const ui::Row& row : table.rows) {
    Control& c = controls_[row.id];
    c.form = this;
    c.row = &row;
    c.textColour = row.textColour;
    c.rangeMin = ClampProgress(row.rangeMin);
    c.rangeMax = ClampProgress(row.rangeMax);
    c.position = ClampProgress(row.position);
    c.left = row.rect.left;
  }
}

Win32Form::~Win32Form() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  for (Control& c : controls_) {
    DeleteFont(c.font);
    DeleteFont(c.tableFont);
    if (c.picture) DeleteObject(c.picture);
  }
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
  // Step 1: the window, hidden, at the stored position; fitted and centred right after.
  hwnd_ = CreateWindowExW(exStyle, kWindowClass, Wide(spec.caption).c_str(), style, spec.storedLeft,
                          spec.storedTop, spec.outerWidth, spec.outerHeight, owner_, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) return false;
  if (!spec.titleBar) ApplyNoticeFrame();
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
  if (spec.icon) {
    // One image at its natural 256 x 256 serves as both the large and the small icon.
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                               MAKEINTRESOURCEW(resources::kIconResource),
                                               IMAGE_ICON, 0, 0, 0));
    if (icon) {
      SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
      SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
  }
  // Steps 2 and 3: every control hidden, as a child of its parent. A window
  // missing any of them would run half-built: that is a failed creation.
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
  // Step 4: earlier rows above later siblings.
  StackInTableOrder();
  // Step 5: visible controls shown without activation.
  for (Control& c : controls_)
    if (c.hwnd && c.row->visible && c.row->kind != ui::Kind::Timer) ::ShowWindow(c.hwnd, SW_SHOWNA);
  // Step 6: creation complete, while the window is still hidden.
  sink_.OnCreated();
  // Step 7.
  if (!destroyed_ && IsWindow(hwnd_)) {
    ::ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
  }
  return true;
}

ui::Display Win32Form::DisplayAt(HMONITOR monitor, int dpi) const {
  return DisplayOf(monitor, GetWindowLongW(hwnd_, GWL_STYLE), GetWindowLongW(hwnd_, GWL_EXSTYLE),
                   dpi);
}

ui::Size Win32Form::FitTo(const ui::Display& display) {
  scale_ = ui::LayoutScale(display, tableClient_);
  return ui::OuterSize(display, tableClient_, scale_);
}

void Win32Form::ApplyNoticeFrame() {
  // CreateWindow gives an overlapped window a caption; the card has exactly a dialog frame.
  LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
  style &= ~static_cast<LONG_PTR>(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                                  WS_MAXIMIZEBOX);
  style |= WS_DLGFRAME;
  SetWindowLongPtrW(hwnd_, GWL_STYLE, style);
  const ui::WindowSpec& spec = table_.window;
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, spec.outerWidth, spec.outerHeight,
               SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Win32Form::ApplyRegion(ui::Size outer) {
  if (!table_.window.roundedRegion) return;
  const int d = ui::CornerDiameter(outer.width, outer.height);
  SetWindowRgn(hwnd_, CreateRoundRectRgn(0, 0, outer.width, outer.height, d, d), TRUE);
}

RECT Win32Form::PlaceOf(const Control& c) const {
  ui::Rect table = c.row->rect;
  table.left = c.left;
  const ui::Rect r = scale_.Of(table);
  const auto limit = [](int v) { return std::clamp(v, -kCoordinateLimit, kCoordinateLimit); };
  return {limit(r.left), limit(r.top), limit(r.right()), limit(r.bottom())};
}

void Win32Form::ApplyFont(Control& c) {
  HFONT old = c.font;
  c.font = MakeFont(c.row->font, scale_);
  DeleteFont(c.tableFont);
  c.tableFont = nullptr;
  if (!scale_.IsOne() && (c.row->kind == ui::Kind::Label || c.row->kind == ui::Kind::TransLabel))
    c.tableFont = MakeFont(c.row->font, ui::Scale());
  SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), old != nullptr);
  if (old != c.font) DeleteFont(old);
}

void Win32Form::OnDpiChanged(int dpi, const RECT& suggested) {
  const ui::Size outer =
      FitTo(DisplayAt(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), dpi));
  for (Control& c : controls_) {
    if (!c.hwnd) continue;
    const RECT r = PlaceOf(c);
    SetWindowPos(c.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (c.row->kind != ui::Kind::Timer) ApplyFont(c);
  }
  // Where the window had to be made smaller than DPI / 96 to fit, our size wins.
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, outer.width, outer.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyRegion(outer);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND Win32Form::CreateControl(Control& c) {
  const ui::Row& row = *c.row;
  HWND parent = row.parent == ui::kWindowParent ? hwnd_ : controls_[row.parent].hwnd;
  if (!parent) return nullptr;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | KindStyle(row);
  if (!row.enabled) style |= WS_DISABLED;
  if (row.tabStop) style |= WS_TABSTOP;
  DWORD exStyle = EdgeExStyle(row.edge);
  if (row.kind == ui::Kind::TransLabel) exStyle |= WS_EX_TRANSPARENT;
  // Tab moves into panels.
  if (row.kind == ui::Kind::GroupBox) exStyle |= WS_EX_CONTROLPARENT;
  if (row.kind == ui::Kind::ProcessBar) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
  }
  const std::wstring caption = row.kind == ui::Kind::Timer ? L"" : Wide(row.caption);
  const RECT place = PlaceOf(c);
  c.hwnd = CreateWindowExW(exStyle, ClassOf(row.kind), caption.c_str(), style, place.left,
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
      if (IsOnScreenKey(row)) SubclassOnScreenKey(c);
      break;
    case ui::Kind::RadioBox:
      SendMessageW(c.hwnd, BM_SETCHECK, row.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ui::Kind::ProcessBar:
      SendMessageW(c.hwnd, PBM_SETRANGE32, std::min(c.rangeMin, c.rangeMax),
                   std::max(c.rangeMin, c.rangeMax));
      SendMessageW(c.hwnd, PBM_SETPOS, c.position, 0);
      break;
    case ui::Kind::PicBox:
      c.picture = DecodeJpeg(PictureBytes(row.picture), &c.pictureWidth, &c.pictureHeight);
      break;
    default:
      break;
  }
  return c.hwnd;
}

void Win32Form::StackInTableOrder() {
  std::vector<HWND> lastOfParent(controls_.size() + 1, nullptr);
  for (const Control& c : controls_) {
    if (!c.hwnd) continue;
    HWND& previous = lastOfParent[static_cast<std::size_t>(c.row->parent + 1)];
    SetWindowPos(c.hwnd, previous ? previous : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    previous = c.hwnd;
  }
}

bool Win32Form::RunModal(HWND owner) {
  owner_ = owner;
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&disabled));
  for (HWND w : disabled) EnableWindow(w, FALSE);
  const bool created = Create();
  MSG msg;
  BOOL got = 1;
  while (created && !destroyed_ && (got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  for (HWND w : disabled)
    if (IsWindow(w)) EnableWindow(w, TRUE);
  // GetMessage took the quit off the queue; the outer loop must still see it.
  if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
  return created;
}

// --- operations -----------------------------------------------------------------

void Win32Form::SetVisible(int id, bool visible) {
  HWND hwnd = controls_[id].hwnd;
  // A hidden window keeps the keyboard focus, and a hidden button still clicks
  // on Space ("确定" after its panel went): the focus goes to the window itself.
  if (!visible) {
    HWND focus = GetFocus();
    if (focus && (focus == hwnd || IsChild(hwnd, focus))) SetFocus(hwnd_);
  }
  ::ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32Form::IsVisible(int id) const { return IsWindowVisible(controls_[id].hwnd) != FALSE; }
void Win32Form::SetEnabled(int id, bool enabled) {
  HWND hwnd = controls_[id].hwnd;
  // Disabling a disabled window still sends it WM_CANCELMODE, through the skin's
  // subclass chain; the lock timers would do that a thousand times a second.
  if ((IsWindowEnabled(hwnd) != FALSE) == enabled) return;
  EnableWindow(hwnd, enabled);
}
bool Win32Form::IsEnabled(int id) const { return IsWindowEnabled(controls_[id].hwnd) != FALSE; }

void Win32Form::SetText(int id, const std::string& text) {
  Control& c = controls_[id];
  // Setting the caption it already has is no change: nothing to repaint.
  if (Text(id) == text) return;
  SetWindowTextW(c.hwnd, Wide(text).c_str());
  if (c.row->kind == ui::Kind::TransLabel) {
    RepaintTransparent(c);
  } else if (c.row->kind == ui::Kind::Label) {
    InvalidateRect(c.hwnd, nullptr, FALSE);
  }
}

std::string Win32Form::Text(int id) const {
  HWND hwnd = controls_[id].hwnd;
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return Gbk(text);
}

void Win32Form::SetTextColour(int id, ui::Colour colour) {
  Control& c = controls_[id];
  if (c.textColour == colour) return;
  c.textColour = colour;
  if (c.row->kind == ui::Kind::TransLabel) {
    RepaintTransparent(c);
  } else {
    InvalidateRect(c.hwnd, nullptr, FALSE);
  }
}

// Clears every trace of the old caption: the top-level window and every
// child beneath the label repaint that area before the label draws again.
void Win32Form::RepaintTransparent(const Control& c) {
  HWND top = GetAncestor(c.hwnd, GA_ROOT);
  RECT area;
  GetWindowRect(c.hwnd, &area);
  MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(top, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Sweep sweep{c.hwnd, {}};
  GetWindowRect(c.hwnd, &sweep.screen);
  EnumChildWindows(top, RedrawBeneath, reinterpret_cast<LPARAM>(&sweep));
  InvalidateRect(c.hwnd, nullptr, FALSE);
}

void Win32Form::SetInterval(int id, int milliseconds) {
  Control& c = controls_[id];
  if (milliseconds == c.interval) return;  // a running timer keeps its next tick
  if (c.interval > 0) KillTimer(c.hwnd, kTimerEvent);
  c.interval = milliseconds;
  if (milliseconds > 0) SetTimer(c.hwnd, kTimerEvent, static_cast<UINT>(milliseconds), nullptr);
}

int Win32Form::Interval(int id) const { return controls_[id].interval; }

// The bar keeps showing what it was last sent; a new range only pulls it inside.
void Win32Form::SetRangeMin(int id, int value) {
  Control& c = controls_[id];
  c.rangeMin = ClampProgress(value);
  SendMessageW(c.hwnd, PBM_SETRANGE32, std::min(c.rangeMin, c.rangeMax),
               std::max(c.rangeMin, c.rangeMax));
}

void Win32Form::SetRangeMax(int id, int value) {
  Control& c = controls_[id];
  c.rangeMax = ClampProgress(value);
  SendMessageW(c.hwnd, PBM_SETRANGE32, std::min(c.rangeMin, c.rangeMax),
               std::max(c.rangeMin, c.rangeMax));
}

void Win32Form::SetPosition(int id, int value) {
  Control& c = controls_[id];
  c.position = ClampProgress(value);
  const int low = std::min(c.rangeMin, c.rangeMax), high = std::max(c.rangeMin, c.rangeMax);
  SendMessageW(c.hwnd, PBM_SETPOS, std::clamp(c.position, low, high), 0);
}

int Win32Form::Position(int id) const { return controls_[id].position; }

bool Win32Form::IsChecked(int id) const {
  return SendMessageW(controls_[id].hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Form::SetLeft(int id, int left) {
  Control& c = controls_[id];
  c.left = std::clamp(left, -kMoveLimit, kMoveLimit);
  const RECT r = PlaceOf(c);
  SetWindowPos(c.hwnd, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// In table units: exactly what was set, so that the shake's steps still match.
int Win32Form::Left(int id) const {
  const Control& c = controls_[id];
  RECT r;
  GetWindowRect(c.hwnd, &r);
  MapWindowPoints(nullptr, GetParent(c.hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r.left == PlaceOf(c).left ? c.left : scale_.Back(r.left);
}

void Win32Form::Focus(int id) { SetFocus(controls_[id].hwnd); }
void Win32Form::ShowWindow() { ::ShowWindow(hwnd_, SW_SHOWNORMAL); }
void Win32Form::HideWindow() { ::ShowWindow(hwnd_, SW_HIDE); }
void Win32Form::RequestClose() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

// --- events -------------------------------------------------------------------

void Win32Form::Raise(const Control& control, ui::Event event) {
  const ui::Binding& binding = control.row->binding;
  if (binding.event == event && binding.slot != ui::Slot::None) sink_.OnControlEvent(binding);
}

void Win32Form::OnDestroy() {
  for (Control& c : controls_)
    if (c.interval > 0 && c.hwnd) KillTimer(c.hwnd, kTimerEvent);
  sink_.OnDestroyed();
  destroyed_ = true;
}

void Win32Form::OnCommand(HWND child, int code) {
  Control* c = ControlOf(child);
  if (c && c->form == this && c->row->kind == ui::Kind::EditBox) {
    OnEditNotification(*c, code);
    return;
  }
  if (!c || c->form != this || code != BN_CLICKED) return;
  if (c->row->kind == ui::Kind::RadioBox) {
    // One set per parent, whatever WS_GROUP marks say.
    for (const Control& other : controls_)
      if (other.row->kind == ui::Kind::RadioBox && other.row->parent == c->row->parent &&
          other.hwnd != child)
        SendMessageW(other.hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
    return;
  }
  if (c->row->kind == ui::Kind::Button) Raise(*c, ui::Event::Click);
}

LRESULT Win32Form::OnControlColour(HDC dc, HWND child) {
  const Control* c = ControlOf(child);
  const unsigned background = c ? c->row->background : ui::kDefaultColour;
  SetTextColor(dc, c ? c->textColour : GetSysColor(COLOR_BTNTEXT));
  SetBkColor(dc, BackgroundColour(background));
  return reinterpret_cast<LRESULT>(BackgroundBrush(background));
}

bool Win32Form::OnSetCursor(HWND child) {
  const Control* c = ControlOf(child);
  if (!c || c->row->cursor != ui::Cursor::Hand) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  return true;
}

}  // namespace lornel::win32
