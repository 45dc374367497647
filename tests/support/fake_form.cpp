#include "tests/support/fake_form.h"

#include <algorithm>

#include "config/gbk.h"
#include "ui/control_rules.h"

namespace lornel::fake {
namespace {

using ui::rules::ClampProgress;

constexpr int kVkBack = 0x08, kVkTab = 0x09, kVkReturn = 0x0D, kVkSpace = 0x20;
constexpr int kVkOemComma = 0xBC, kVkOemPeriod = 0xBE;

// Removes the last character of a GBK text (one or two bytes).
void EraseLastCharacter(std::string& text) {
  std::size_t i = 0, last = 0;
  while (i < text.size()) {
    last = i;
    i += (static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size()) ? 2 : 1;
  }
  if (!text.empty()) text.erase(last);
}

}  // namespace

FakeForm::FakeForm(const ui::Table& table, Clock& clock)
    : table_(table), clock_(clock), commandStates_(ui::InitialStates(table.commands)) {
  state_.reserve(table.rows.size());
  for (const ui::Row& row : table.rows) {
    State s{row.visible,
            row.enabled,
            row.checked,
            row.rect,
            row.caption,
            row.textColour,
            config::gbk::ToUnits(row.caption)};
    s.rangeMin = ClampProgress(row.rangeMin);
    s.rangeMax = ClampProgress(row.rangeMax);
    s.position = ClampProgress(row.position);
    state_.push_back(std::move(s));
    if (row.kind == ui::Kind::ProcessBar) UpdateShown(row.id);
  }
  for (const ui::Row& row : table.rows)
    if (row.kind == ui::Kind::Timer && row.interval > 0) {
      state_[row.id].interval = row.interval;
      StartTimer(row.id);
    }
}

FakeForm::~FakeForm() {
  for (State& s : state_)
    if (s.timer) clock_.Stop(s.timer);
}

void FakeForm::Create() {
  sink_->OnCreated();
  if (!destroyed_) windowVisible_ = true;
  clock_.RunPosted();
}

void FakeForm::SetVisible(int id, bool visible) {
  // As the Win32 backend does: hiding a control takes the keyboard focus off it
  // and off what lies inside it, so that Space cannot click a hidden button.
  if (!visible)
    for (int c = focused_; c >= 0; c = table_[c].parent)
      if (c == id) {
        focused_ = -1;
        break;
      }
  state_[id].visible = visible;
}

bool FakeForm::IsVisible(int id) const {
  if (!windowVisible_ || destroyed_) return false;
  for (int c = id; c != ui::kWindowParent; c = table_[c].parent)
    if (!state_[c].visible) return false;
  return true;
}

void FakeForm::SetEnabled(int id, bool enabled) { state_[id].enabled = enabled; }
bool FakeForm::IsEnabled(int id) const { return state_[id].enabled; }
void FakeForm::SetText(int id, const std::string& text) {
  TextSet(id, text, config::gbk::ToUnits(text));
}

void FakeForm::SetUnicodeText(int id, std::u16string_view text) {
  // As WideCharToMultiByte: best fits, '?' for each unit without a character.
  std::string gbk;
  for (const char16_t unit : text) config::gbk::AppendCode(gbk, config::gbk::UnitToCode(unit));
  TextSet(id, gbk, std::u16string(text));
}

std::u16string FakeForm::UnicodeText(int id) const { return state_[id].unicode; }

// As an edit control does: a change of its text, by the program or the user, is reported.
void FakeForm::TextSet(int id, const std::string& gbk, std::u16string unicode) {
  State& s = state_[id];
  if (s.unicode == unicode && s.text == gbk) return;
  s.text = gbk;
  s.unicode = std::move(unicode);
  if (ui::rules::TextSetReportsChange(table_[id]) && !destroyed_)
    Deliver(id, ui::Event::TextChanged);
}

ui::Form::TextFit FakeForm::MeasureCaption(int id, std::u16string_view text) const {
  const ui::Row& row = table_[id];
  const bool option = row.kind == ui::Kind::OptionButton;
  int height = row.font.present() ? row.font.height : 12;
  int width = state_[id].rect.width, shown = state_[id].rect.height;
  if (option) {  // as the Win32 backend: the smallest font, beside the mark
    const ui::Rect box = ui::PlanOption({width, shown}, {}, false, {}).textBox;
    height = ui::kSmallestOptionFont;
    width = box.width;
    shown = box.height;
  }
  TextFit fit;
  fit.linesShown = shown / height;
  if (text.empty()) return fit;
  for (std::size_t start = 0;;) {
    std::size_t end = text.find_first_of(u"\r\n", start);
    if (end == text.npos) end = text.size();
    int lines = 1, used = 0;
    for (std::size_t i = start; (row.wordWrap || option) && i < end; ++i) {
      const int w = text[i] < 0x80 ? height / 2 : height;
      if (used > 0 && used + w > width) ++lines, used = 0;
      used += w;
    }
    fit.linesNeeded += lines;
    if (end == text.size()) break;
    start = end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
  }
  return fit;
}

int FakeForm::CaptionCharacterLeft(int id, std::size_t index) const {
  const ui::Row& row = table_[id];
  const int height = row.font.present() ? row.font.height : 12;
  const std::string& text = state_[id].text;
  int before = 0, width = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (i <= index) before = width;
    const config::gbk::Char c = config::gbk::At(text, i);
    width += c.code < 0x80 ? height / 2 : height;
    i += c.size;
  }
  if (index >= text.size()) before = width;
  const int free = state_[id].rect.width - width;
  const int start = row.hAlign == ui::HAlign::Centre  ? free / 2
                    : row.hAlign == ui::HAlign::Right ? free
                                                      : 0;
  return start + before;
}

int FakeForm::PopupMenu(int menu, int arg) {
  const std::vector<ui::MenuLine> lines = ui::MenuLines(table_.commands, commandStates_, menu);
  if (destroyed_ || lines.empty()) return -1;
  menus.push_back(lines);
  const int chosen = menuAnswer ? menuAnswer(lines) : -1;
  const bool offered = std::any_of(lines.begin(), lines.end(), [chosen](const ui::MenuLine& l) {
    return l.command == chosen && l.enabled;
  });
  return offered && RaiseCommand(chosen, arg) ? chosen : -1;
}

std::vector<ui::MenuLine> FakeForm::SystemMenu() const {
  return ui::MenuLines(table_.commands, commandStates_, ui::kSystemMenu);
}

void FakeForm::ChooseFromSystemMenu(int command) {
  if (!inputEnabled || (modalBoxes && *modalBoxes > 0)) return;
  for (const ui::MenuLine& line : SystemMenu())
    if (line.command == command && line.enabled) RaiseCommand(command, std::nullopt);
  clock_.RunPosted();
}

bool FakeForm::RaiseCommand(int command, std::optional<int> arg,
                            std::optional<std::uint32_t> time) {
  const auto event = destroyed_ ? std::nullopt
                                : ui::CommandEvent(table_.commands, commandStates_, command, arg,
                                                   time.value_or(Now()));
  if (event) sink_->OnControlEvent(*event);
  return event.has_value();
}

bool FakeForm::EndSession() {
  const bool ending = destroyed_ || sink_->OnEndSessionQuery();
  sink_->OnEndSession(ending);
  return ending;
}

void FakeForm::UserClose() {
  if (destroyed_ || !sink_->OnCloseQuery()) return;
  RequestClose();
  clock_.RunPosted();
}
std::string FakeForm::Text(int id) const { return state_[id].text; }
void FakeForm::SetTextColour(int id, ui::Colour colour) { state_[id].textColour = colour; }

void FakeForm::StartTimer(int id, int first) {
  State& s = state_[id];
  s.timer = clock_.Start(
      s.interval,
      [this, id] {
        if (destroyed_) return;
        ++state_[id].ticks;
        Deliver(id, ui::Event::Tick);
      },
      first);
}

void FakeForm::SetInterval(int id, int milliseconds) {
  State& s = state_[id];
  if (milliseconds == s.interval) return;  // a running timer keeps its next tick
  if (s.timer) {
    if (milliseconds <= 0)
      s.rest = static_cast<int>(std::max<std::int64_t>(clock_.DueIn(s.timer), 0));
    clock_.Stop(s.timer);
  }
  s.timer = 0;
  s.interval = milliseconds;
  if (milliseconds > 0 && !destroyed_) StartTimer(id);
}

void FakeForm::ResumeInterval(int id, int milliseconds) {
  State& s = state_[id];
  if (s.timer || s.rest < 0 || milliseconds <= 0) return SetInterval(id, milliseconds);
  s.interval = milliseconds;
  if (!destroyed_) StartTimer(id, std::min(s.rest, milliseconds));
}

int FakeForm::Interval(int id) const { return state_[id].interval; }

void FakeForm::UpdateShown(int id) {
  State& s = state_[id];
  s.shown = ui::rules::ShownPosition(s.shown, s.rangeMin, s.rangeMax);
}

// The bar keeps the position it was last sent; a new range only pulls it inside.
void FakeForm::SetRangeMin(int id, int value) {
  state_[id].rangeMin = ClampProgress(value);
  UpdateShown(id);
}

void FakeForm::SetRangeMax(int id, int value) {
  state_[id].rangeMax = ClampProgress(value);
  UpdateShown(id);
}

void FakeForm::SetPosition(int id, int value) {
  State& s = state_[id];
  s.position = ClampProgress(value);
  s.shown = s.position;
  UpdateShown(id);
}

int FakeForm::Position(int id) const { return state_[id].position; }
bool FakeForm::IsChecked(int id) const { return state_[id].checked; }
void FakeForm::SetChecked(int id, bool checked) { state_[id].checked = checked; }

void FakeForm::SetLeft(int id, int left) { state_[id].rect.left = ui::rules::ClampMove(left); }

bool FakeForm::SetPicture(int id, const std::string& path, const std::string& note) {
  if (pictures.size() < state_.size()) pictures.resize(state_.size());
  const bool readable =
      !path.empty() && std::find(unreadablePictures.begin(), unreadablePictures.end(), path) ==
                           unreadablePictures.end();
  pictures[std::size_t(id)] = {path, path.empty() || readable ? "" : note};
  if (id == largePicture) largePicture = -1;  // its picture went with it
  return readable;
}

ui::Size FakeForm::PictureSize(int id) const {
  const std::size_t i = std::size_t(id);
  return i < pictures.size() && !pictures[i].path.empty() && pictures[i].note.empty() ? pictureSize
                                                                                      : ui::Size{};
}

ui::Pixels FakeForm::RankingPicture() const {
  if (!ranking) return {};
  const ui::RankingScene scene = ui::LayOutRanking(*ranking, client);
  ui::Pixels picture{client.width, client.height, {}};
  const auto argb = [](ui::Colour c) {  // COLORREF to 0xAARRGGBB, opaque
    return 0xFF000000u | (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
  };
  picture.argb.assign(std::size_t(client.width) * client.height, argb(scene.background));
  for (const ui::RankingShape& shape : scene.shapes) {
    if (!shape.text.empty()) continue;
    const ui::Rect& r = shape.rect;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom(), client.height); ++y)
      for (int x = std::max(r.left, 0); x < std::min(r.right(), client.width); ++x)
        picture.argb[std::size_t(y) * client.width + x] = argb(shape.colour);
  }
  return picture;
}

bool FakeForm::ClickRankingButton(const std::string& caption) {
  if (!ranking || !inputEnabled || (modalBoxes && *modalBoxes > 0)) return false;
  for (const ui::RankingBoard::Button& button : ranking->buttons)
    if (button.caption == caption) {
      RaiseCommand(button.command, std::nullopt);
      clock_.RunPosted();
      return true;
    }
  return false;
}

void FakeForm::ShowPictureLarge(int id) {
  if (PictureSize(id).width > 0) largePicture = id;
}

int FakeForm::Left(int id) const { return state_[id].rect.left; }
void FakeForm::Focus(int id) { TakeFocus(id); }

// As on Windows, an edit box that gets the focus says so (EN_SETFOCUS); one
// that has it already does not.
void FakeForm::TakeFocus(int id) {
  const bool moved = focused_ != id;
  focused_ = id;
  if (table_[id].kind != ui::Kind::EditBox) return;
  lastFocusedEdit_ = id;
  if (moved) Deliver(id, ui::Event::Focused);
}
void FakeForm::ShowWindow() { windowVisible_ = !destroyed_; }
void FakeForm::HideWindow() { windowVisible_ = false; }

void FakeForm::RequestClose() {
  closeRequested_ = true;
  clock_.Post([this] { Destroy(); });
}

void FakeForm::Destroy() {
  if (destroyed_) return;
  sink_->OnDestroyed();
  destroyed_ = true;
  windowVisible_ = false;
  for (State& s : state_)
    if (s.timer) {
      clock_.Stop(s.timer);
      s.timer = 0;
    }
}

ui::Rect FakeForm::ClientRectOf(int id) const {
  ui::Rect r = state_[id].rect;
  for (int p = table_[id].parent; p != ui::kWindowParent; p = table_[p].parent) {
    r.left += state_[p].rect.left;
    r.top += state_[p].rect.top;
  }
  return r;
}

bool FakeForm::Contains(int id, int x, int y) const {
  const ui::Rect r = ClientRectOf(id);
  return x >= r.left && x < r.right() && y >= r.top && y < r.bottom();
}

// Siblings are searched in table order (= z-order, topmost first). Hidden and
// disabled controls are passed over, as WindowFromPoint does; panels are
// opaque, so a point inside a shown panel never reaches what lies beneath it.
int FakeForm::HitTest(int x, int y) const {
  if (!windowVisible_ || destroyed_ || ranking) return -1;
  int parent = ui::kWindowParent, hit = -1;
  for (bool descended = true; descended;) {
    descended = false;
    for (const ui::Row& row : table_.rows) {
      if (row.parent != parent || row.kind == ui::Kind::Timer) continue;
      const State& s = state_[row.id];
      if (!s.visible || !s.enabled || !Contains(row.id, x, y)) continue;
      hit = row.id;
      if (row.kind == ui::Kind::GroupBox) {
        parent = row.id;
        descended = true;
      }
      break;
    }
  }
  return hit;
}

void FakeForm::Deliver(int id, ui::Event event, int x, int y) {
  if (const ui::Binding* binding = ui::rules::BindingOf(table_[id], event))
    sink_->OnControlEvent({*binding, id, x, y, -1, Now()});
}

int FakeForm::ClickAt(int x, int y) {
  if (!inputEnabled || (modalBoxes && *modalBoxes > 0)) return -1;
  const int hit = HitTest(x, y);
  if (hit < 0) return hit;
  const ui::Kind kind = table_[hit].kind;
  const ui::Rect r = ClientRectOf(hit);
  if (kind == ui::Kind::Button || kind == ui::Kind::RadioBox || kind == ui::Kind::CheckBox ||
      kind == ui::Kind::EditBox)
    TakeFocus(hit);
  Deliver(hit, ui::Event::LeftButtonDown, x - r.left, y - r.top);
  if (kind == ui::Kind::RadioBox) {
    state_[hit].checked = true;
    for (const ui::Row& row : table_.rows)
      if (ui::rules::InSameRadioSet(table_[hit], row)) state_[row.id].checked = false;
  }
  if (kind == ui::Kind::CheckBox && !table_[hit].toggle) state_[hit].checked = !state_[hit].checked;
  // An option button, as an on-screen key, never takes the focus.
  if ((kind == ui::Kind::Button || kind == ui::Kind::CheckBox || kind == ui::Kind::OptionButton) &&
      !destroyed_)
    Deliver(hit, ui::Event::Click, x - r.left, y - r.top);
  clock_.RunPosted();
  return hit;
}

bool FakeForm::Click(int id) {
  const ui::Rect r = ClientRectOf(id);
  return ClickAt(r.left + r.width / 2, r.top + r.height / 2) == id;
}

int FakeForm::RightClickAt(int x, int y) {
  if (!inputEnabled || (modalBoxes && *modalBoxes > 0)) return -1;
  const int hit = HitTest(x, y);
  for (int c = hit; c >= 0; c = table_[c].parent) {
    if (!ui::rules::Raises(table_[c], ui::Event::ContextMenu)) continue;
    const ui::Rect r = ClientRectOf(c);
    Deliver(c, ui::Event::ContextMenu, x - r.left, y - r.top);
    break;
  }
  clock_.RunPosted();
  return hit;
}

void FakeForm::PressKey(ui::Key key, std::optional<std::uint32_t> time) {
  if (!inputEnabled || (modalBoxes && *modalBoxes > 0) || destroyed_) return;
  const bool typing =
      focused_ >= 0 && table_[focused_].kind == ui::Kind::EditBox && state_[focused_].enabled;
  if (RaiseCommand(ui::CommandForKey(table_.commands, commandStates_, key, typing), std::nullopt,
                   time)) {
    clock_.RunPosted();
    return;
  }
  const int vk = key.vk;
  if (focused_ < 0 || key.ctrl || key.alt || ranking) return;
  const ui::Row& row = table_[focused_];
  if (vk == kVkTab) {
    const int n = table_.size();
    for (int step = 1; step <= n; ++step) {
      const int c = (focused_ + step) % n;
      if (table_[c].tabStop && IsVisible(c) && state_[c].enabled) {
        TakeFocus(c);
        break;
      }
    }
  } else if (row.kind == ui::Kind::Button && vk == kVkSpace) {
    if (state_[focused_].enabled) Deliver(focused_, ui::Event::Click);
  } else if (row.kind == ui::Kind::EditBox && state_[focused_].enabled &&
             !state_[focused_].readOnly) {
    std::string text = state_[focused_].text;
    if (vk >= 'A' && vk <= 'Z') {
      text += static_cast<char>(capsLock ? vk : vk + 0x20);
    } else if ((vk >= '0' && vk <= '9') || vk == kVkSpace) {
      text += static_cast<char>(vk);
    } else if (vk == kVkOemComma) {
      text += ',';
    } else if (vk == kVkOemPeriod) {
      text += '.';
    } else if (vk == kVkBack) {
      EraseLastCharacter(text);
    }
    // Enter reaches the single-line box, which does nothing with it.
    (void)kVkReturn;
    SetText(focused_, text);
  }
  clock_.RunPosted();
}

void FakeForm::TypeCharacter(char16_t character) {
  if (!inputEnabled || (modalBoxes && *modalBoxes > 0) || destroyed_ || focused_ < 0) return;
  if (table_[focused_].kind == ui::Kind::EditBox && state_[focused_].enabled &&
      !state_[focused_].readOnly)
    SetUnicodeText(focused_, state_[focused_].unicode + character);
  clock_.RunPosted();
}

}  // namespace lornel::fake
