// Structural checks of the two control tables: naming, nesting, geometry,
// stacking and bindings, which the backends and the handlers rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/notice_ids.h"
#include "quiz/main_ids.h"
#include "quiz/tables.h"

namespace lornel::ui {
namespace {

using app::kNoticeControlCount, app::NoticeId, app::NoticeSlot, app::NoticeTable;
using quiz::kMainControlCount, quiz::MainId, quiz::MainSlot, quiz::MainTable;
using enum MainId;

const Row& R(MainId id) { return MainTable()[static_cast<int>(id)]; }
int Id(MainId id) { return static_cast<int>(id); }
std::string Printable(std::u8string_view s) { return {s.begin(), s.end()}; }

const Row& Numbered(std::u8string name, int n) {
  for (char digit : std::to_string(n)) name += static_cast<char8_t>(digit);
  for (const Row& row : MainTable().rows)
    if (row.name == name) return row;
  ADD_FAILURE() << "no control " << Printable(name);
  return MainTable()[0];
}

bool Contains(Rect outer, Rect inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
         inner.bottom() <= outer.bottom();
}
bool Overlap(Rect a, Rect b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}
Rect InClient(const Row& row) {
  Rect r = row.rect;
  for (int p = row.parent; p != kWindowParent; p = MainTable()[p].parent) {
    r.left += MainTable()[p].rect.left;
    r.top += MainTable()[p].rect.top;
  }
  return r;
}

// ---------------------------------------------------------------------------
// Names, order and nesting

constexpr std::u8string_view kPrefix[] = {u8"按钮",     u8"单选框", u8"分组框", u8"标签",
                                          u8"透明标签", u8"编辑框", u8"图片框", u8"进度条",
                                          u8"时钟",     u8"选择框"};

// Every name is its kind's name and a running number; each kind counts 1..N.
void ExpectNamedByKind(const Table& table, const std::array<int, 10>& counts) {
  std::set<std::u8string_view> names;
  std::array<std::set<int>, 10> numbers;
  for (const Row& row : table.rows) {
    const std::u8string_view name = row.name;
    EXPECT_TRUE(names.insert(name).second) << "twice: " << Printable(name);
    // An option button is a button we paint: numbered among the buttons.
    const auto kind =
        static_cast<std::size_t>(row.kind == Kind::OptionButton ? Kind::Button : row.kind);
    ASSERT_TRUE(name.starts_with(kPrefix[kind])) << Printable(name);
    const std::u8string_view digits = name.substr(kPrefix[kind].size());
    ASSERT_TRUE(!digits.empty() && digits[0] != u8'0' &&
                std::all_of(digits.begin(), digits.end(),
                            [](char8_t c) { return c >= u8'0' && c <= u8'9'; }))
        << Printable(name);
    EXPECT_TRUE(numbers[kind].insert(std::stoi(Printable(digits))).second) << Printable(name);
  }
  for (std::size_t k = 0; k < counts.size(); ++k) {
    EXPECT_EQ(static_cast<int>(numbers[k].size()), counts[k]) << Printable(kPrefix[k]);
    if (!numbers[k].empty()) {
      EXPECT_EQ(*numbers[k].rbegin(), counts[k]) << Printable(kPrefix[k]);
    }
  }
}

// Parents come earlier and are group boxes; children lie inside them.
void ExpectNested(const Table& table) {
  for (const Row& row : table.rows) {
    if (row.parent == kWindowParent) continue;
    const Row& parent = table[row.parent];
    EXPECT_LT(row.parent, row.id) << Printable(row.name);
    EXPECT_EQ(parent.kind, Kind::GroupBox) << Printable(row.name);
    EXPECT_TRUE(Contains({0, 0, parent.rect.width, parent.rect.height}, row.rect))
        << Printable(row.name) << " outside " << Printable(parent.name);
  }
}

TEST(LayoutStructure, MainTableNamesKindsAndNesting) {
  const Table& t = MainTable();
  ASSERT_EQ(t.size(), kMainControlCount);
  EXPECT_TRUE(IdsMatchOrder(t.rows));
  // Button, RadioBox, GroupBox, Label, TransLabel, EditBox, PicBox, ProcessBar, Timer, CheckBox
  ExpectNamedByKind(t, {75, 6, 24, 18, 21, 1, 1, 1, 20, 6});
  ExpectNested(t);
}

TEST(LayoutStructure, NoticeTableNamesKindsAndNesting) {
  const Table& t = NoticeTable();
  ASSERT_EQ(t.size(), kNoticeControlCount);
  EXPECT_TRUE(IdsMatchOrder(t.rows));
  ExpectNamedByKind(t, {0, 0, 0, 2, 0, 0, 2, 0, 2, 0});
  for (const Row& row : t.rows) {
    EXPECT_EQ(row.parent, kWindowParent);
    EXPECT_TRUE(Contains({0, 0, t.window.outerWidth, t.window.outerHeight}, row.rect))
        << Printable(row.name);
  }
}

// ---------------------------------------------------------------------------
// Panels and stacking

TEST(LayoutStructure, StartCoverAndGroupPanelLieOverTheRest) {
  const Table& t = MainTable();
  const Rect cover = R(StartCover).rect;
  EXPECT_EQ(t.rows.front().id, Id(StartCover));
  EXPECT_EQ(cover.left, -8);
  int right = 0, bottom = 0;
  for (const Row& row : t.rows) {
    if (row.parent != kWindowParent || row.id == Id(StartCover)) continue;
    EXPECT_EQ(row.kind, Kind::GroupBox);
    EXPECT_TRUE(Contains(cover, row.rect)) << Printable(row.name);
    if (row.id != Id(GroupPanel)) {
      EXPECT_GT(row.id, Id(GroupPanel)) << Printable(row.name);
    }
    right = std::max(right, row.rect.right());
    bottom = std::max(bottom, row.rect.bottom());
  }
  EXPECT_EQ(right, 1192);
  EXPECT_EQ(bottom, 736);

  // While shown, the group panel hides the board and the answer panel but neither bar.
  const Rect group = R(GroupPanel).rect;
  for (int n = 1; n <= 14; ++n) EXPECT_TRUE(Contains(group, InClient(Numbered(u8"按钮", n))));
  EXPECT_TRUE(Contains(group, InClient(R(AnswerPanel))));
  EXPECT_FALSE(Overlap(group, R(InfoBar).rect));
  EXPECT_FALSE(Overlap(group, R(ScoreBar).rect));
  // The marks of all groups at once lie just where the group question does.
  EXPECT_EQ(R(MarkPanel).rect, group);
  EXPECT_EQ(R(MarkPanel).id, Id(GroupPrompt) + 1);
  // The hand over what takes a click in either panel.
  for (const Row& row : t.rows) {
    const bool takesClicks = row.kind == Kind::RadioBox ||
                             (row.kind != Kind::Timer && row.bindings[0].event != Event::None);
    const bool panel = (row.parent == Id(GroupPanel) && takesClicks) ||
                       (row.parent == Id(MarkPanel) && row.id != Id(MarkPrompt));
    EXPECT_EQ(row.cursor == Cursor::Hand, panel || row.id == Id(BuzzCancelLink))
        << Printable(row.name);
  }
}

TEST(LayoutStructure, QuestionTableLinksButtonPanelAndLabel) {
  std::set<std::string> captions;
  for (int n = 1; n <= 14; ++n) {
    const Row& button = Numbered(u8"按钮", n);
    const Row& panel = Numbered(u8"分组框", n + 6);
    const Row& label = Numbered(u8"标签", n);
    SCOPED_TRACE(n);
    EXPECT_EQ(button.bindings[0].slot, MainSlot::OpenQuestion);
    EXPECT_EQ(button.bindings[0].arg, n);
    EXPECT_EQ(label.parent, panel.id);
    EXPECT_EQ(std::string(button.caption), panel.caption);
    EXPECT_TRUE(captions.insert(button.caption).second);
    // Two rows of seven, 168 px apart; every panel covers both rows and lies above them.
    EXPECT_EQ(button.rect.left, 24 + 168 * ((n - 1) % 7));
    EXPECT_EQ(button.rect.top, n <= 7 ? 24 : 96);
    EXPECT_EQ(button.parent, Id(QuestionArea));
    EXPECT_EQ(panel.parent, Id(QuestionArea));
    EXPECT_FALSE(Overlap(panel.rect, R(AnswerPanel).rect));
    for (int b = 1; b <= 14; ++b) {
      EXPECT_TRUE(Contains(panel.rect, Numbered(u8"按钮", b).rect));
      EXPECT_LT(panel.id, Numbered(u8"按钮", b).id);
    }
  }
}

TEST(LayoutStructure, AnswerPanelSharesSpaceOnlyBetweenCoverAndAnswer) {
  EXPECT_EQ(R(AnswerCover).rect, R(CorrectAnswer).rect);
  EXPECT_LT(Id(AnswerCover), Id(CorrectAnswer));
  const auto& rows = MainTable().rows;
  for (const Row& a : rows)
    for (const Row& b : rows) {
      if (a.id >= b.id || a.parent != Id(AnswerPanel) || b.parent != Id(AnswerPanel)) continue;
      if (a.kind == Kind::Timer || b.kind == Kind::Timer || a.id == Id(AnswerCover)) continue;
      // The option buttons stand where the keys were; one set of them at a time.
      const auto option = [](const Row& r) { return r.kind == Kind::OptionButton; };
      const auto key = [](const Row& r) { return r.onScreenKey && r.id != Id(KeyBackspace); };
      const auto sameSet = [](const Row& x, const Row& y) {  // a set's buttons share a size
        return x.rect.width == y.rect.width && x.rect.height == y.rect.height;
      };
      if ((option(a) && key(b)) || (option(b) && key(a)) ||
          (option(a) && option(b) && !sameSet(a, b)))
        continue;
      // The buzz panel lies over the keys and the options alone, above them;
      // "判分" takes the place of "确认答案" for all groups at once.
      if (a.id == Id(BuzzPanel) && (b.onScreenKey || option(b))) continue;
      if (a.id == Id(JudgeButton) && b.id == Id(CheckButton)) continue;
      EXPECT_FALSE(Overlap(a.rect, b.rect)) << Printable(a.name) << " / " << Printable(b.name);
    }
  EXPECT_EQ(R(BuzzPanel).id, Id(AnswerPanel) + 1);
  for (const Row& key : rows)
    if (key.onScreenKey) {
      EXPECT_TRUE(Contains(R(BuzzPanel).rect, key.rect)) << Printable(key.name);
    }
}

// ---------------------------------------------------------------------------
// Value labels over the gaps of the sentences beneath them

struct Span {
  int begin = 0, end = 0;
};
struct Line {
  Span text;
  std::vector<Span> gaps;
};

// A single-line GBK caption laid out as GDI draws it in the default CJK face
// (SimSun): full-width glyphs an em wide, ASCII half an em rounded up, and one
// pixel more per glyph for the simulated bold. Positions are in the parent.
Line Layout(const Row& row) {
  Line line;
  int x = 0;
  for (const auto* p = reinterpret_cast<const unsigned char*>(row.caption); *p;) {
    const bool wide = *p >= 0x81;
    const int advance = (wide ? row.font.height : (row.font.height + 1) / 2) + 1;
    if (*p == ' ') {
      if (line.gaps.empty() || line.gaps.back().end != x) line.gaps.push_back({x, x});
      line.gaps.back().end = x + advance;
    }
    x += advance;
    p += wide ? 2 : 1;
  }
  int offset = row.rect.left;
  if (row.hAlign == HAlign::Centre) offset += (row.rect.width - x) / 2;
  line.text = {offset, offset + x};
  for (Span& gap : line.gaps) gap = {gap.begin + offset, gap.end + offset};
  return line;
}

TEST(LayoutStructure, ScoreLabelsLieOverTheGapsBeforeEachPoints) {
  const Row& sentence = R(ScoreSentence);
  const Line line = Layout(sentence);
  ASSERT_EQ(line.gaps.size(), 12u);  // before and after each "分."
  for (const quiz::Group& group : quiz::kGroups) {
    const Row& score = R(group.score);
    SCOPED_TRACE(group.g);
    const Span gap = line.gaps[2 * (group.g - 1)];
    const int centre = score.rect.left + score.rect.width / 2;
    EXPECT_GE(centre, gap.begin);
    EXPECT_LE(centre, gap.end);
    EXPECT_EQ(score.parent, sentence.parent);
    EXPECT_TRUE(Contains(sentence.rect, score.rect));
    EXPECT_LT(score.id, sentence.id);
  }
}

TEST(LayoutStructure, InformationBarTextsFitTheirNeighbours) {
  const Row& sentence = R(AnsweringSentence);
  const Line line = Layout(sentence);
  ASSERT_EQ(line.gaps.size(), 2u);
  const MainId placeholders[] = {AnsweringGroup, AnsweringScore};
  for (int i = 0; i < 2; ++i) {
    const Row& value = R(placeholders[i]);  // left-aligned: its text starts at its left edge
    EXPECT_GE(value.rect.left, line.gaps[i].begin) << Printable(value.name);
    EXPECT_LT(value.rect.left, line.gaps[i].end) << Printable(value.name);
    EXPECT_EQ(value.parent, sentence.parent);
    EXPECT_LT(value.id, sentence.id);
  }
  // The progress bar lies above the welcome line, so it must start after the text.
  EXPECT_LE(Layout(R(InfoText)).text.end, R(CountdownBar).rect.left);
}

// ---------------------------------------------------------------------------
// On-screen keyboard

TEST(LayoutStructure, KeyboardSendsItsCaptionsInQwertyRows) {
  const std::map<std::string, int> named = {
      {"Backspace←", 0x08}, {"Enter←┘", 0x0D}, {"，", 0xBC}, {"。", 0xBE}};
  std::map<int, std::vector<const Row*>> rows;  // by top
  for (const Row& row : MainTable().rows) {
    const bool layerKey = row.bindings[0].slot == MainSlot::SwitchKeyLayer;
    EXPECT_EQ(row.onScreenKey, row.bindings[0].slot == MainSlot::SimulateKeyPress || layerKey);
    if (!row.onScreenKey) continue;
    const std::string caption = row.caption;
    const bool letter = caption.size() == 1 && caption[0] >= 'A' && caption[0] <= 'Z';
    if (!layerKey) EXPECT_EQ(row.bindings[0].arg, letter ? caption[0] : named.at(caption));
    EXPECT_EQ(row.parent, Id(AnswerPanel));
    EXPECT_EQ(std::string_view(row.font.face), "幼圆");
    rows[row.rect.top].push_back(&row);
  }
  ASSERT_EQ(rows.size(), 3u);
  std::vector<int> tops, starts;
  std::vector<std::string> captions;
  for (auto& [top, keys] : rows) {
    std::sort(keys.begin(), keys.end(),
              [](const Row* a, const Row* b) { return a->rect.left < b->rect.left; });
    tops.push_back(top);
    starts.push_back(keys.front()->rect.left);
    captions.emplace_back();
    for (std::size_t i = 0; i < keys.size(); ++i) {
      const Row& key = *keys[i];
      captions.back() += key.caption;
      // The layer key fills the gap after "。" in row 3.
      const bool wide = key.rect.width == 120 || key.id == Id(KeyLayer);
      EXPECT_EQ(key.rect.width, key.id == Id(KeyLayer) ? 96
                                : wide                 ? 120
                                                       : 48)
          << Printable(key.name);
      EXPECT_EQ(key.rect.height, 40);
      EXPECT_EQ(key.font.height, wide ? 20 : 29) << Printable(key.name);
      if (i == 0) continue;
      const Row& before = *keys[i - 1];
      if (wide) {
        EXPECT_GT(key.rect.left, before.rect.right()) << Printable(key.name);
      } else {
        EXPECT_EQ(key.rect.left - before.rect.left, 72) << Printable(key.name);
      }
    }
  }
  EXPECT_EQ(tops, (std::vector<int>{112, 176, 240}));
  EXPECT_EQ(starts[1] - starts[0], 24);
  EXPECT_EQ(starts[2] - starts[0], 56);
  EXPECT_EQ(captions, (std::vector<std::string>{"QWERTYUIOPBackspace←", "ASDFGHJKLEnter←┘",
                                                "ZXCVBNM，。123"}));
  EXPECT_EQ(R(KeyLayer).rect, (Rect{744, 240, 96, 40}));
  EXPECT_EQ(R(KeyLayer).id, Id(KeyEnter) + 1) << "with the keys, as row 3's rightmost";
}

// ---------------------------------------------------------------------------
// Bindings and initial states

bool QuestionLabel(int id) {
  return std::any_of(std::begin(quiz::kQuestions), std::end(quiz::kQuestions),
                     [id](const quiz::Question& q) { return int(q.label) == id; });
}

TEST(LayoutStructure, EveryEventIsBoundOnTheKindThatRaisesIt) {
  std::map<Slot, std::multiset<int>> args;
  for (const Row& row : MainTable().rows) {
    // The Round keeps the locks, the reveal guard and the scores: only the
    // countdown and the shake still tick.
    const bool ticks =
        row.id == Id(CountdownTimer) || row.id == Id(ShakeTimer) || row.id == Id(DrawTimer);
    const bool clicks =
        row.kind == Kind::Button || row.kind == Kind::OptionButton || row.kind == Kind::CheckBox;
    const Event expected =
        clicks  ? Event::Click
        : ticks ? Event::Tick
        : row.id == Id(CancelQuestionLink) || row.id == Id(BuzzCancelLink) || QuestionLabel(row.id)
            ? Event::LeftButtonDown
        : (row.kind == Kind::TransLabel && row.parent == Id(ScoreBar)) ||
                row.id == Id(AnswerPanel) || row.id == Id(CountdownNumber) ||
                row.id == Id(CountdownBar)
            ? Event::ContextMenu
            : Event::None;
    EXPECT_EQ(row.bindings[0].event, expected) << Printable(row.name);
    EXPECT_EQ(row.bindings[0].slot == Slot::None, expected == Event::None) << Printable(row.name);
    for (const auto& b : row.bindings)
      if (b.slot != Slot::None) args[b.slot].insert(b.arg);
  }
  for (const ui::Command& c : MainTable().commands)
    if (c.binding.slot != Slot::None) args[c.binding.slot].insert(c.binding.arg);
  for (int s = static_cast<int>(MainSlot::ConfigCheckOnStart);
       s <= static_cast<int>(MainSlot::CloseRanking); ++s)
    EXPECT_TRUE(args.count(static_cast<MainSlot>(s))) << "unbound slot " << s;
  const std::multiset<int> questions = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
  EXPECT_EQ(args[MainSlot::OpenQuestion], questions);
  EXPECT_EQ(args[MainSlot::ScoreMenu], (std::multiset<int>{0, 1, 2, 3, 4, 5, 6}));
  // A disabled 按钮47 leaves its right-click to the panel: both offer the ruling.
  EXPECT_EQ(R(CheckButton).bindings[1].event, Event::ContextMenu);
  EXPECT_EQ(R(CheckButton).bindings[1].slot, MainSlot::RulingMenu);
  EXPECT_EQ(R(AnswerPanel).bindings[0].slot, MainSlot::RulingMenu);
  const auto& keys = args[MainSlot::SimulateKeyPress];
  EXPECT_EQ(std::set<int>(keys.begin(), keys.end()).size(), keys.size());

  const Table& notice = NoticeTable();
  EXPECT_EQ(notice[static_cast<int>(NoticeId::时钟1)].bindings[0].slot, NoticeSlot::CountdownTick);
  EXPECT_EQ(notice[static_cast<int>(NoticeId::时钟2)].bindings[0].slot, NoticeSlot::FlickerTick);
  for (const Row& row : notice.rows) {
    EXPECT_EQ(row.bindings[0].event != Event::None, row.kind == Kind::Timer);
    EXPECT_EQ(row.interval > 0, row.kind == Kind::Timer);  // both run from creation
  }
}

// A role name on the wrong control would send a handler to another one.
TEST(LayoutStructure, RoleNamesNameTheControlsThatDoTheirWork) {
  using namespace quiz;
  const std::pair<MainId, MainSlot> bound[] = {{MainId::CheckButton, MainSlot::CheckAnswer},
                                               {MainId::RevealButton, MainSlot::RevealAnswer},
                                               {MainId::NextQuestionButton, MainSlot::NextQuestion},
                                               {MainId::KeyLayer, MainSlot::SwitchKeyLayer},
                                               {MainId::QuestionButton1, MainSlot::OpenQuestion},
                                               {MainId::ShakeTimer, MainSlot::ShakeTick},
                                               {MainId::CountdownTimer, MainSlot::CountdownTick},
                                               {MainId::AnswerPanel, MainSlot::RulingMenu},
                                               {MainId::CountdownNumber, MainSlot::CountdownMenu},
                                               {MainId::CountdownBar, MainSlot::CountdownMenu},
                                               {MainId::ScoreSentence, MainSlot::ScoreMenu}};
  for (const auto& [role, slot] : bound)
    EXPECT_EQ(R(role).bindings[0].slot, slot) << Printable(R(role).name);
  EXPECT_EQ(R(MainId::QuestionButton1).bindings[0].arg, 1);
  EXPECT_EQ(R(MainId::ScoreSentence).bindings[0].arg, 0);
  for (MainId role : {MainId::AnswerBox, MainId::AnswerCover, MainId::CorrectAnswer})
    EXPECT_EQ(R(role).parent, Id(MainId::AnswerPanel));
  EXPECT_EQ(R(MainId::AnswerBox).kind, Kind::EditBox);
  EXPECT_EQ(R(MainId::AnswerCover).kind, Kind::PicBox);
  EXPECT_EQ(R(MainId::CorrectAnswer).kind, Kind::Label);
  EXPECT_EQ(R(StartButton).parent, Id(MainId::StartCover));
  EXPECT_EQ(R(kGroups[0].radio).parent, Id(MainId::GroupPanel));
  // The countdown's side of the information bar, and the sentence's two gaps in its order.
  EXPECT_EQ(R(MainId::InfoText).parent, R(MainId::CountdownBar).parent);
  EXPECT_EQ(R(MainId::AnsweringGroup).parent, R(MainId::AnsweringScore).parent);
  EXPECT_LT(R(MainId::AnsweringGroup).rect.left, R(MainId::AnsweringScore).rect.left);
}

TEST(LayoutStructure, MainWindowStartsWithTheBoardReadyBehindTheCover) {
  // Hidden too: what the random group, the ranking, buzz-in and all groups at
  // once add, until a file or the game asks.
  std::set<int> hidden = {Id(GroupPanel), Id(ResumeButton), Id(DrawButton), Id(RankingButton),
                          Id(MarkPanel),  Id(BuzzPanel),    Id(JudgeButton)};
  for (int g = 0; g < 6; ++g) hidden.insert(Id(Drawn1) + g);
  std::set<int> disabled = {Id(CheckButton), Id(NextQuestionButton), Id(StartBuzzButton)};
  for (MainId pick : {BuzzGroup1, BuzzGroup2, BuzzGroup3, BuzzGroup4, BuzzGroup5, BuzzGroup6})
    disabled.insert(Id(pick));
  for (int n = 1; n <= 14; ++n) hidden.insert(Numbered(u8"分组框", n + 6).id);
  for (const Row& row : MainTable().rows)
    if (row.kind == Kind::OptionButton) hidden.insert(row.id);  // the keys are up
  for (const Row& row : MainTable().rows) {
    if (row.kind == Kind::Timer) {
      EXPECT_FALSE(row.visible) << Printable(row.name);
      EXPECT_EQ(row.interval, 0) << Printable(row.name);
    } else {
      EXPECT_EQ(row.visible, !hidden.count(row.id)) << Printable(row.name);
    }
    EXPECT_EQ(row.enabled, !disabled.count(row.id)) << Printable(row.name);
    EXPECT_EQ(row.checked, row.id == Id(GroupRadio1)) << Printable(row.name);
  }
  // One column of radio boxes 40 px apart, group one at the top.
  for (const quiz::Group& group : quiz::kGroups) {
    const Row& radio = R(group.radio);
    EXPECT_EQ(radio.parent, Id(GroupPanel));
    EXPECT_EQ(radio.rect.left, R(GroupRadio1).rect.left);
    EXPECT_EQ(radio.rect.top, R(GroupRadio1).rect.top + 40 * (group.g - 1));
  }
}

}  // namespace
}  // namespace lornel::ui
