// In-memory Form built from a control table: visibility through the parent
// chain, enabling, captions, colours, progress numbers, radio sets, moves,
// focus and timers on the virtual clock, with the rules of the Win32 backend.
// It also plays the user: clicks by hit test in z-order, key presses.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/clock.h"
#include "ui/form.h"
#include "ui/table.h"

namespace lornel::fake {

class FakeForm : public ui::Form {
 public:
  FakeForm(const ui::Table& table, Clock& clock);
  FakeForm(const ui::Table& table, Clock& clock, ui::EventSink& sink) : FakeForm(table, clock) {
    SetSink(sink);
  }
  void SetSink(ui::EventSink& sink) { sink_ = &sink; }
  ~FakeForm() override;
  FakeForm(const FakeForm&) = delete;
  FakeForm& operator=(const FakeForm&) = delete;

  // Creation as the window does it: hidden, creation-complete, then shown
  // unless the handler closed or hid it.
  void Create();

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
  std::u16string UnicodeText(int id) const override;
  void SetUnicodeText(int id, std::u16string_view text) override;
  void SetWindowCaption(const std::string& caption) override { caption_ = caption; }
  int LastFocusedEditBox() const override { return lastFocusedEdit_; }
  // Lines broken by character: an ASCII character is half as wide as the
  // font is high, any other as wide; a line is as high as the font.
  TextFit MeasureCaption(int id, std::u16string_view text) const override;
  void SetOptionLook(int id, ui::OptionLook look) override { state_[id].look = look; }
  ui::OptionLook OptionLookOf(int id) const override { return state_[id].look; }
  void SetReadOnly(int id, bool readOnly) override { state_[id].readOnly = readOnly; }
  bool IsReadOnly(int id) const override { return state_[id].readOnly; }
  std::optional<std::string> AskOpenPath(const std::string& path) override {
    return openDialog ? openDialog(path) : std::nullopt;
  }
  // Recorded, never decoded: a path in unreadablePictures fails.
  bool SetPicture(int id, const std::string& path, const std::string& note) override;
  struct ShownPicture {
    std::string path, note;  // "" and "": none
  };
  std::vector<ShownPicture> pictures;  // per control
  std::vector<std::string> unreadablePictures;
  ui::Size pictureSize{400, 300};  // of every readable picture
  ui::Size PictureSize(int id) const override;
  // The label whose picture is shown enlarged, or -1.
  int largePicture = -1;
  void ShowPictureLarge(int id) override;
  void ClosePictureLarge() override { largePicture = -1; }
  bool IsPictureLarge() const override { return largePicture >= 0; }
  // The ranking shown over every control: clicks reach none of them and keys
  // only the commands; its picture is its filled shapes at `client` size.
  std::optional<ui::RankingBoard> ranking;
  ui::Size client{1187, 734};
  void ShowRanking(const ui::RankingBoard& board) override {
    if (!destroyed_) ranking = board;
  }
  void CloseRanking() override { ranking.reset(); }
  ui::Pixels RankingPicture() const override;
  // A click on the ranking's button with this caption; false when none shows.
  bool ClickRankingButton(const std::string& caption);
  void SetFullScreen(bool on) override { fullScreen_ = on && !destroyed_; }
  bool IsFullScreen() const override { return fullScreen_; }
  std::optional<std::string> AskOpenPicture(const std::string& folder) override {
    return pictureDialog ? pictureDialog(folder) : std::nullopt;
  }
  // What the Open dialogs answer (nullopt: cancelled).
  std::function<std::optional<std::string>(const std::string&path)> openDialog, pictureDialog;
  // By the same metric as MeasureCaption, placed by the label's alignment.
  int CaptionCharacterLeft(int id, std::size_t index) const override;
  void SetCommandState(int command, const ui::CommandState& state) override {
    commandStates_[static_cast<std::size_t>(command)] = state;
  }
  const ui::CommandState& CommandStateOf(int command) const override {
    return commandStates_[static_cast<std::size_t>(command)];
  }
  // Answered by menuAnswer with a command (none: -1); only a line offered
  // enabled can be chosen.
  int PopupMenu(int menu, int arg) override;
  std::function<int(const std::vector<ui::MenuLine>& lines)> menuAnswer;
  std::vector<std::vector<ui::MenuLine>> menus;  // every popup menu shown, in order
  // The window's lines of its system menu, and the user's choice of one.
  std::vector<ui::MenuLine> SystemMenu() const;
  void ChooseFromSystemMenu(int command);
  // Any token will do: the window has no handle.
  std::uintptr_t OwnerHandle() const override { return reinterpret_cast<std::uintptr_t>(this); }
  // The user closes the window (its close box): the sink may refuse.
  void UserClose();
  // The window comes to the front (a click on it, Alt+Tab).
  void Activate() {
    if (!destroyed_) sink_->OnActivated();
  }
  // Log-off or shutdown: the query and, unless refused, the end; true when it ends.
  bool EndSession();

  // --- the user ---------------------------------------------------------------
  // The topmost control under a point of the client area, or -1 (the window).
  int HitTest(int x, int y) const;
  // A left click at a client point; returns the control that took it (-1 none).
  int ClickAt(int x, int y);
  // A click at the centre of the control; true when that control took it.
  bool Click(int id);
  // A right-click at a client point: the control under it, or the first of its
  // panels, bound to ContextMenu hears of it (as WM_CONTEXTMENU goes up to the
  // parents). Returns the control hit (-1 none).
  int RightClickAt(int x, int y);
  // Any kind of event of a control, at (x, y) in its own table units, to the
  // sink when the control is bound to it: how this backend delivers every kind.
  void Deliver(int id, ui::Event event, int x = 0, int y = 0);
  // Keyboard input: an enabled command's key raises it, wherever the focus
  // is; other keys go to the focused control, as a US layout without an IME
  // (a key with Ctrl or Alt held does nothing there). time: the key message's
  // own (the clock's now when not given).
  void PressKey(ui::Key key, std::optional<std::uint32_t> time = std::nullopt);
  void PressKey(int virtualKey) { PressKey(ui::Key{virtualKey}); }
  // A character typed as itself (VK_PACKET): into the focused edit box.
  void TypeCharacter(char16_t character);
  bool capsLock = false;
  // While false the window takes no input; so does it while *modalBoxes > 0
  // (a task-modal message box disables the thread's windows).
  bool inputEnabled = true;
  const int* modalBoxes = nullptr;

  // --- inspection ---------------------------------------------------------------
  bool OwnVisible(int id) const { return state_[id].visible; }
  int RangeMin(int id) const { return state_[id].rangeMin; }
  int RangeMax(int id) const override { return state_[id].rangeMax; }
  int ShownPosition(int id) const { return state_[id].shown; }
  ui::Colour TextColour(int id) const { return state_[id].textColour; }
  ui::Rect RectOf(int id) const { return state_[id].rect; }
  ui::Rect ClientRectOf(int id) const;  // in window client coordinates
  int focused() const { return focused_; }
  bool windowVisible() const { return windowVisible_; }
  bool closeRequested() const { return closeRequested_; }
  const std::string& caption() const { return caption_; }
  bool destroyed() const { return destroyed_; }
  const ui::Table& table() const { return table_; }
  int TickCount(int id) const { return state_[id].ticks; }

 private:
  struct State {
    bool visible, enabled, checked;
    ui::Rect rect;
    std::string text;
    ui::Colour textColour;
    std::u16string unicode;  // the same text in UTF-16, where GBK cannot hold all of it
    int interval = 0, timer = 0, ticks = 0;
    int rest = -1;  // how far its next tick was when it last stopped running; -1: never
    int rangeMin = 0, rangeMax = 0, position = 0, shown = 0;
    ui::OptionLook look;
    bool readOnly = false;
  };
  void TextSet(int id, const std::string& gbk, std::u16string unicode);
  void TakeFocus(int id);
  void Destroy();
  void StartTimer(int id, int first = -1);
  bool RaiseCommand(int command, std::optional<int> arg,
                    std::optional<std::uint32_t> time = std::nullopt);
  std::uint32_t Now() const { return static_cast<std::uint32_t>(clock_.now()); }
  void UpdateShown(int id);
  bool Contains(int id, int x, int y) const;

  const ui::Table& table_;
  Clock& clock_;
  ui::EventSink* sink_ = &ui::NoEvents();
  std::vector<State> state_;
  int focused_ = -1;
  int lastFocusedEdit_ = -1;
  std::string caption_;
  std::vector<ui::CommandState> commandStates_;
  bool fullScreen_ = false;
  bool windowVisible_ = false;
  bool closeRequested_ = false;
  bool destroyed_ = false;
};

}  // namespace lornel::fake
