// The controls of one window, addressed by their table id. Handlers speak only
// to this interface (and to Host); backends: ui/win32 and the in-memory one.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "ui/commands.h"
#include "ui/display_scale.h"
#include "ui/kinds.h"
#include "ui/option_paint.h"
#include "ui/picture_pixels.h"
#include "ui/ranking_board.h"

namespace lornel::ui {

class Form {
 public:
  virtual ~Form() = default;

  // Visible on screen: the control and every group box and window above it shown.
  virtual void SetVisible(int id, bool visible) = 0;
  virtual bool IsVisible(int id) const = 0;
  // Enabled state of the control itself.
  virtual void SetEnabled(int id, bool enabled) = 0;
  virtual bool IsEnabled(int id) const = 0;
  // Caption of a Label or TransLabel, text of the EditBox (GBK).
  virtual void SetText(int id, const std::string& text) = 0;
  virtual std::string Text(int id) const = 0;
  virtual void SetTextColour(int id, Colour colour) = 0;
  // Timer: equal interval changes nothing; another one restarts; <= 0 stops,
  // and a running timer keeps how far its next tick still was.
  virtual void SetInterval(int id, int milliseconds) = 0;
  virtual int Interval(int id) const = 0;
  // Timer: a stopped one starts again with its first tick as far away as it
  // was kept at its last stop (a whole interval if it never ran), then every
  // interval: a pause costs no time. Otherwise the same as SetInterval.
  virtual void ResumeInterval(int id, int milliseconds) = 0;
  // Progress bar: values clamped to 0..32767; reading gives the stored position.
  virtual void SetRangeMin(int id, int value) = 0;
  virtual void SetRangeMax(int id, int value) = 0;
  virtual int RangeMax(int id) const = 0;
  virtual void SetPosition(int id, int value) = 0;
  virtual int Position(int id) const = 0;
  virtual bool IsChecked(int id) const = 0;
  // A CheckBox, or a RadioBox alone (the rest of its set as they were); reports no event.
  virtual void SetChecked(int id, bool checked) = 0;
  // Left coordinate in the parent, clamped to +-32627; top and size kept.
  virtual void SetLeft(int id, int left) = 0;
  virtual int Left(int id) const = 0;
  virtual void Focus(int id) = 0;

  // Text of a control as UTF-16: what GBK cannot hold (an emoji) stays itself.
  virtual std::u16string UnicodeText(int id) const = 0;
  virtual void SetUnicodeText(int id, std::u16string_view text) = 0;
  // The EditBox that last had the keyboard focus (a button click takes it
  // afterwards), or -1.
  virtual int LastFocusedEditBox() const = 0;
  // How a Label would lay out text as its caption: the lines it needs with
  // its font, width and word wrap, and the whole lines its height shows.
  struct TextFit {
    int linesNeeded = 0, linesShown = 0;
    bool fits() const { return linesNeeded <= linesShown; }
  };
  // An OptionButton: at its smallest font, in the part beside its mark.
  virtual TextFit MeasureCaption(int id, std::u16string_view text) const = 0;

  // An OptionButton's look: chosen, right or wrong (ui/option_paint.h).
  virtual void SetOptionLook(int id, OptionLook look) = 0;
  virtual OptionLook OptionLookOf(int id) const = 0;
  // An EditBox that takes no typing; the program still sets its text.
  virtual void SetReadOnly(int id, bool readOnly) = 0;
  virtual bool IsReadOnly(int id) const = 0;

  // A Label's picture, read from the file at path (GBK) now and drawn beside
  // its caption (ui/question_picture.h); "" takes it away. A file that cannot
  // be shown gives false, and the label then shows note in grey instead.
  virtual bool SetPicture(int /*id*/, const std::string& /*path*/, const std::string& /*note*/) {
    return false;
  }
  // The size of the label's shown picture in its own pixels; {} without one.
  virtual Size PictureSize(int /*id*/) const { return {}; }
  // The label's picture as large as the window's client area allows, over
  // every control, until its own click, ClosePictureLarge or the label's
  // picture going; timers run on beneath and message boxes stay in front.
  // Nothing for a label without a shown picture.
  virtual void ShowPictureLarge(int /*id*/) {}
  virtual void ClosePictureLarge() {}
  virtual bool IsPictureLarge() const { return false; }

  // The ranking (ui/ranking_board.h) over the whole client area, above every
  // control and an enlarged picture, following full screen, until
  // CloseRanking; a changed board shows at once. Its buttons raise their
  // commands, and keys go to it, not to the controls beneath.
  virtual void ShowRanking(const RankingBoard& /*board*/) {}
  virtual void CloseRanking() {}
  // The ranking shown, as a picture of the client area without its buttons;
  // empty while none is shown.
  virtual Pixels RankingPicture() const { return {}; }

  // --- the window -------------------------------------------------------------
  virtual void ShowWindow() = 0;
  virtual void HideWindow() = 0;
  // Queued: the window closes after the running handler has returned.
  virtual void RequestClose() = 0;
  virtual void SetWindowCaption(const std::string& caption) = 0;  // GBK
  // The standard Open dialog for an INI file, owned by this window, starting
  // at path; nullopt when cancelled, "" for a path that GBK cannot hold.
  virtual std::optional<std::string> AskOpenPath(const std::string& path) = 0;
  // The same for a picture (JPEG, PNG, BMP, GIF), starting in folder.
  virtual std::optional<std::string> AskOpenPicture(const std::string& folder) = 0;
  // The window as the owner of a message box (ShowMessage); 0: none.
  virtual std::uintptr_t OwnerHandle() const { return 0; }
  // The window over its whole monitor, frame and caption gone, the controls
  // at the largest scale that fits; off puts back exactly what was.
  virtual void SetFullScreen(bool /*on*/) {}
  virtual bool IsFullScreen() const { return false; }

  // --- the command table (ui/commands.h) ------------------------------------------
  virtual void SetCommandState(int command, const CommandState& state) = 0;
  virtual const CommandState& CommandStateOf(int command) const = 0;
  // Popup menu `menu` at the mouse, owned by the window: its rows in table
  // order as their states say. The chosen command is raised with arg in its
  // binding; its id, or -1 when none was (the window may have gone meanwhile).
  virtual int PopupMenu(int menu, int arg) = 0;

  // Where the character at GBK byte offset index of a one-line caption is
  // drawn, in the control's table units (index = size: where the text ends);
  // the score bar's menu finds its group by it.
  virtual int CaptionCharacterLeft(int id, std::size_t index) const = 0;
};

// Typed facade so that handlers name controls by their window's id enum (MainId, EditorId ...).
template <class Id>
class Controls {
 public:
  explicit Controls(Form& form) : form_(form) {}
  Form& form() const { return form_; }

  void Show(Id c) const { form_.SetVisible(int(c), true); }
  void Hide(Id c) const { form_.SetVisible(int(c), false); }
  bool IsVisible(Id c) const { return form_.IsVisible(int(c)); }
  void Enable(Id c) const { form_.SetEnabled(int(c), true); }
  void Disable(Id c) const { form_.SetEnabled(int(c), false); }
  bool IsEnabled(Id c) const { return form_.IsEnabled(int(c)); }
  void SetText(Id c, const std::string& t) const { form_.SetText(int(c), t); }
  std::string Text(Id c) const { return form_.Text(int(c)); }
  void SetTextColour(Id c, Colour colour) const { form_.SetTextColour(int(c), colour); }
  void SetInterval(Id c, int ms) const { form_.SetInterval(int(c), ms); }
  int Interval(Id c) const { return form_.Interval(int(c)); }
  void ResumeInterval(Id c, int ms) const { form_.ResumeInterval(int(c), ms); }
  void SetRangeMax(Id c, int v) const { form_.SetRangeMax(int(c), v); }
  int RangeMax(Id c) const { return form_.RangeMax(int(c)); }
  void SetPosition(Id c, int v) const { form_.SetPosition(int(c), v); }
  int Position(Id c) const { return form_.Position(int(c)); }
  bool IsChecked(Id c) const { return form_.IsChecked(int(c)); }
  void SetChecked(Id c, bool checked) const { form_.SetChecked(int(c), checked); }
  void SetLeft(Id c, int left) const { form_.SetLeft(int(c), left); }
  bool SetPicture(Id c, const std::string& path, const std::string& note) const {
    return form_.SetPicture(int(c), path, note);
  }
  int Left(Id c) const { return form_.Left(int(c)); }
  void SetOptionLook(Id c, OptionLook look) const { form_.SetOptionLook(int(c), look); }
  void SetReadOnly(Id c, bool readOnly) const { form_.SetReadOnly(int(c), readOnly); }
  void Focus(Id c) const { form_.Focus(int(c)); }
  void ShowWindow() const { form_.ShowWindow(); }
  void HideWindow() const { form_.HideWindow(); }
  void RequestClose() const { form_.RequestClose(); }
  // Commands and menus by the window's own enums (MainCommand, MainMenu ...).
  template <class Command>
  requires std::is_enum_v<Command>
  void SetCommandState(Command c, const CommandState& state) const {
    form_.SetCommandState(static_cast<int>(c), state);
  }
  template <class Menu>
  requires std::is_enum_v<Menu>
  int PopupMenu(Menu menu, int arg = 0) const {
    return form_.PopupMenu(static_cast<int>(menu), arg);
  }

 private:
  Form& form_;
};

// One control event: the binding it answers, the control, and where it
// happened in the control's own table units (a click, a context menu). A
// command raised is one too, with control -1 and its own id. time: when the
// input behind it happened, in the system's milliseconds (a key message's
// own time, not when the program got to it; it wraps after 49.7 days).
struct ControlEvent {
  Binding binding;
  int control = -1;
  int x = 0, y = 0;
  int command = -1;
  std::uint32_t time = 0;
};

// The event that command raises at time, with arg in place of its binding's
// own when given; nullopt when it cannot be raised now (no such command, or greyed).
// Both backends raise their commands by it.
std::optional<ControlEvent> CommandEvent(std::span<const Command> commands,
                                         std::span<const CommandState> states, int command,
                                         std::optional<int> arg, std::uint32_t time);

// What a backend reports: every control event by one call, and the window's
// own events. A form is given its sink after it is built (SetSink).
class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void OnControlEvent(const ControlEvent& event) = 0;
  virtual void OnCreated() {}
  virtual void OnDestroyed() {}
  // The user asks to close the window; false keeps it open.
  virtual bool OnCloseQuery() { return true; }
  // The window became the active one (also when a box of ours closes over it).
  virtual void OnActivated() {}
  // Log-off or shutdown asks (false keeps the session), then says whether it ends.
  virtual bool OnEndSessionQuery() { return true; }
  virtual void OnEndSession(bool /*ending*/) {}
};

// Until a form has its sink, events go nowhere.
inline EventSink& NoEvents() {
  static struct : EventSink {
    void OnControlEvent(const ControlEvent&) override {}
  } none;
  return none;
}

}  // namespace lornel::ui
