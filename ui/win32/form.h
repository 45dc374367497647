// The real backend of a Form: one top-level window and a child window per
// row of its control table, created in the table's order.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/owned.h"
#include "ui/display_scale.h"
#include "ui/form.h"
#include "ui/table.h"
#include "ui/win32/fatal.h"
#include "ui/win32/fonts.h"
#include "ui/win32/label_picture.h"
#include "ui/win32/message_pump.h"
#include "ui/win32/translations.h"

namespace lornel::win32 {

class Win32Form;

// Per control: its row, its window and the state Win32 does not keep for us.
struct Control {
  Win32Form* form = nullptr;
  const ui::Row* row = nullptr;
  HWND hwnd = nullptr;
  HFONT font = nullptr;       // the form's FontCache owns it
  HFONT tableFont = nullptr;  // our own kinds when scaled: the font at table size (cached too)
  int left = 0;               // in table units: where handlers last put it
  ui::Colour textColour = 0;
  int interval = 0;        // timers: 0 or less = stopped
  ULONGLONG nextTick = 0;  // timers: when the next tick is due
  int rest = -1;           // timers: how far the next tick was at the last stop; -1: never ran
  bool resuming = false;   // timers: the first tick after a resume, then the interval again
  int rangeMin = 0, rangeMax = 0, position = 0;  // progress bar, clamped 0..32767
  OwnedBitmap picture;                           // decoded JPEG of a picture box
  int pictureWidth = 0, pictureHeight = 0;
  std::unique_ptr<LabelPicture> labelPicture;  // a question label's, while it is open
  ui::OptionLook optionLook;                   // an option button's
  WNDPROC baseProc = nullptr;                  // standard controls: the procedure we subclassed
};

class Win32Form : public ui::Form {
 public:
  explicit Win32Form(const ui::Table& table);
  Win32Form(const ui::Table& table, ui::EventSink& sink) : Win32Form(table) { SetSink(sink); }
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  // Builds the window hidden, its controls, their stacking, shows the visible
  // ones, raises creation-complete and then shows the window (activated).
  // False when the window or any of its controls could not be created.
  bool Create();
  // Create() and then a nested message loop until this window is destroyed;
  // the thread's other windows are disabled meanwhile. An owner keeps the
  // window above it (and out of the taskbar).
  bool RunModal(HWND owner = nullptr);

  // Where the controls' and the window's events go; before Create().
  void SetSink(ui::EventSink& sink) { sink_ = &sink; }
  HWND hwnd() const { return hwnd_; }
  HWND ControlWindow(int id) const { return controls_[id].hwnd; }
  const ui::Table& table() const { return table_; }
  bool destroyed() const { return destroyed_; }
  // Table units times this are screen pixels; handlers never see it.
  ui::Scale scale() const { return scale_; }

  // --- ui::Form -------------------------------------------------------------
  void SetVisible(int id, bool visible) override;
  bool IsVisible(int id) const override;
  void SetEnabled(int id, bool enabled) override;
  bool IsEnabled(int id) const override;
  void SetText(int id, const std::string& text) override;
  std::string Text(int id) const override;
  void SetTextColour(int id, ui::Colour colour) override;
  void SetInterval(int id, int milliseconds) override;
  int Interval(int id) const override;
  void ResumeInterval(int id, int milliseconds) override;
  void SetRangeMin(int id, int value) override;
  void SetRangeMax(int id, int value) override;
  int RangeMax(int id) const override { return controls_[id].rangeMax; }
  void SetPosition(int id, int value) override;
  int Position(int id) const override;
  bool IsChecked(int id) const override;
  void SetChecked(int id, bool checked) override;
  void SetLeft(int id, int left) override;
  int Left(int id) const override;
  void Focus(int id) override;
  void ShowWindow() override;
  void HideWindow() override;
  void RequestClose() override;
  // texts.cpp, measure.cpp, modal.cpp
  std::u16string UnicodeText(int id) const override;
  void SetUnicodeText(int id, std::u16string_view text) override;
  void SetWindowCaption(const std::string& caption) override;
  int LastFocusedEditBox() const override { return lastFocusedEdit_; }
  TextFit MeasureCaption(int id, std::u16string_view text) const override;
  // paint_option.cpp, operations.cpp
  void SetOptionLook(int id, ui::OptionLook look) override;
  ui::OptionLook OptionLookOf(int id) const override { return controls_[id].optionLook; }
  void SetReadOnly(int id, bool readOnly) override;
  bool IsReadOnly(int id) const override;
  std::optional<std::string> AskOpenPath(const std::string& path) override;
  std::optional<std::string> AskOpenPicture(const std::string& folder) override;
  std::uintptr_t OwnerHandle() const override { return reinterpret_cast<std::uintptr_t>(hwnd_); }
  int CaptionCharacterLeft(int id, std::size_t index) const override;
  // commands.cpp
  void SetCommandState(int command, const ui::CommandState& state) override;
  const ui::CommandState& CommandStateOf(int command) const override {
    return commandStates_[static_cast<std::size_t>(command)];
  }
  int PopupMenu(int menu, int arg) override;
  // label_pictures.cpp
  bool SetPicture(int id, const std::string& path, const std::string& note) override;
  // large_picture.cpp
  ui::Size PictureSize(int id) const override;
  void ShowPictureLarge(int id) override;
  void ClosePictureLarge() override;
  bool IsPictureLarge() const override { return largePicture_ != nullptr; }
  // ranking.cpp
  void ShowRanking(const ui::RankingBoard& board) override;
  void CloseRanking() override;
  ui::Pixels RankingPicture() const override;
  // fullscreen.cpp
  void SetFullScreen(bool on) override;
  bool IsFullScreen() const override { return windowed_.has_value(); }

  // --- used by the window procedures ------------------------------------------
  // The control's binding for the event, if any, to the sink (events.cpp).
  void Raise(const Control& control, ui::Event event, POINT at = {});
  // A message (or notification code) that reached us as its translation says,
  // from the control target, raised as its event. True when it was taken:
  // at a control or as a notification whenever it translates, passed up only
  // when a control or panel bound to it took it (events.cpp).
  bool Translate(Arrives arrives, HWND target, UINT code, LPARAM lParam);
  // A key pressed anywhere in the window at time (its message's), with the
  // modifiers held now: true when it raised an enabled command of that key
  // (commands.cpp).
  bool OnCommandKey(WPARAM key, DWORD time);
  // True when the system command was ours: a command's item, or Move while
  // full screen (commands.cpp).
  bool OnSysCommand(WPARAM command);
  void OnEditNotification(const Control& control, int code);
  // WM_DRAWITEM of an owner-drawn child: an option button (paint_option.cpp).
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  // A font of this window's scale, from its cache.
  HFONT FontAt(const ui::Font& font) const { return fonts_.Get(font, scale_); }
  bool OnCloseQuery() { return sink_->OnCloseQuery(); }
  void OnActivated() {
    if (!destroyed_) sink_->OnActivated();
  }
  // WM_QUERYENDSESSION and WM_ENDSESSION (session_end.cpp).
  bool OnEndSessionQuery();
  void OnEndSession(bool ending);
  void OnDestroy();
  // WM_TIMER of a timer control, before its tick is raised (timers.cpp).
  void OnTimer(Control& control);
  void KillTimers();
  LRESULT OnControlColour(HDC dc, HWND child);
  bool OnSetCursor(HWND child);
  void OnCommand(HWND child, int code);
  // Moved to another monitor or the scaling changed: the same controls, laid out anew.
  void OnDpiChanged(int dpi, const RECT& suggested);
  // WM_GETDPISCALEDSIZE: our outer size at that DPI on the window's monitor,
  // so that the rectangle Windows then suggests is already ours.
  SIZE ScaledSizeAt(int dpi) const;
  void OnDisplayChange();
  // The enlarged picture follows the client area's size; its window paints it.
  void PlaceLargePicture();
  void PaintLargePicture(HDC dc, const RECT& client);
  void OnLargePictureDestroyed(HWND window);
  // The ranking's window follows the client area too; it paints the ranking
  // and passes its buttons' clicks on as their commands.
  void PlaceRanking();
  void PaintRanking(HDC dc, const RECT& client);
  void OnRankingButton(int index);
  void OnRankingDestroyed(HWND window);
  // Where Tab moves the focus: the ranking's buttons while it is up.
  HWND TabScope() const;
  static Control* ControlOf(HWND hwnd);
  static Win32Form* FormOf(HWND hwnd);

 private:
  HWND CreateControl(Control& control);
  std::vector<HWND> WhollyCoveredChildren() const;
  // A window without a title bar has exactly a dialog frame (WindowSpec::titleBar).
  void ApplyDialogFrame();
  ui::Display DisplayAt(HMONITOR monitor, int dpi) const;
  // The scale that fits the display, and the window's outer size there.
  ui::Scale ScaleFor(const ui::Display& display) const;
  ui::Size OuterSizeAt(const ui::Display& display, ui::Scale scale) const;
  // Takes the scale that fits the display; gives the window's outer size there.
  ui::Size FitTo(const ui::Display& display);
  void ApplyRegion(ui::Size outer);
  ui::Point OriginOf(const Control& control) const;
  RECT PlaceOf(const Control& control) const;
  // Every control to its place at the current scale and origin, with its font;
  // the caller redraws. Full screen keeps the fonts of both scales for switching back.
  void LayOutControls(bool keepFonts);
  // The command table's system-menu items after Windows' own and a separator.
  void AddSystemMenuItems();
  // Raised when it may be now; arg, when given, in place of its binding's.
  bool RaiseCommand(int command, std::optional<int> arg, DWORD time);
  void FitMonitor(int dpi);
  void ApplyFont(Control& control);
  void SetCaption(Control& control, const std::wstring& text);
  void SetProgressRange(const Control& control);
  void RepaintTransparent(const Control& control);

  const ui::Table& table_;
  ui::EventSink* sink_ = &ui::NoEvents();
  std::vector<Control> controls_;
  int lastFocusedEdit_ = -1;
  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
  bool destroyed_ = false;
  bool blockingShutdown_ = false;  // a shutdown block reason is registered
  ui::Scale scale_;
  ui::Point origin_;  // where the layout starts in the client area (full screen centres it)
  struct Windowed {   // what full screen goes back to
    RECT rect;
    LONG_PTR style, exStyle;
    ui::Scale scale;
    int dpi;
  };
  std::optional<Windowed> windowed_;             // set while full screen
  std::vector<ui::CommandState> commandStates_;  // per row of the command table
  HWND largePicture_ = nullptr;                  // the enlarged picture's window, of label largeId_
  int largeId_ = -1;
  struct Ranking {  // the ranking's window while it is up
    HWND window = nullptr;
    std::vector<HWND> buttons;  // its children, in the board's order
    ui::RankingBoard board;
    HWND focusBefore = nullptr;  // given the focus back when it goes
  } ranking_;
  ui::Size tableClient_;     // the client area the tables were laid out in
  mutable FontCache fonts_;  // every font of the controls, at the current scale, made on first use
};

}  // namespace lornel::win32
