// What the question editor asks of a window, on whichever backend this
// binary has: UTF-16 texts, text-changed events, the last focused edit box
// and its focus event,
// multi-line boxes and the measuring of a label's caption.
#include <gtest/gtest.h>

#include <iterator>

#include "tests/contract/backend.h"

namespace lornel::contract::editing {
namespace {

using ui::Event;
using ui::Kind;
enum class Slot : std::uint8_t { None, TextChanged, Focused };

enum : int { kLine, kLines, kNote, kButton };

constexpr ui::Row kRows[] = {
    {.id = kLine,
     .kind = Kind::EditBox,
     .rect = {8, 8, 200, 28},
     .font = {"", 16},
     .tabStop = true,
     .bindings = {{{Event::TextChanged, Slot::TextChanged, kLine},
                   {Event::Focused, Slot::Focused, kLine}}}},
    {.id = kLines,
     .kind = Kind::EditBox,
     .rect = {8, 44, 200, 48},
     .font = {"", 16},
     .tabStop = true,
     .bindings = {{{Event::TextChanged, Slot::TextChanged, kLines},
                   {Event::Focused, Slot::Focused, kLines}}},
     .multiLine = true},
    {.id = kNote,
     .kind = Kind::Label,
     .rect = {220, 8, 240, 72},
     .font = {"", 24},
     .wordWrap = true},
    {.id = kButton,
     .kind = Kind::Button,
     .rect = {220, 100, 120, 32},
     .caption = "OK",
     .tabStop = true},
};

const ui::Table& EditingTable() {
  static const ui::Table table{
      .window = {.caption = "editing", .outerWidth = 480, .outerHeight = 180}, .rows = kRows};
  return table;
}

class Editing : public testing::Test {
 protected:
  void SetUp() override { b = MakeBackend(EditingTable()); }
  ui::Form& form() { return b->form(); }
  int Changes(int id) { return b->recorder.Count(Slot::TextChanged, id); }
  std::unique_ptr<Backend> b;
};

TEST_F(Editing, TextsKeepWhatGbkCannotHoldAndReportEachChange) {
  const std::u16string text = u"笑\U0001F600한";
  form().SetUnicodeText(kLine, text);
  EXPECT_EQ(form().UnicodeText(kLine), text);
  EXPECT_EQ(form().Text(kLine), "笑???");  // a '?' for each half of the emoji's pair
  EXPECT_EQ(Changes(kLine), 1);
  form().SetUnicodeText(kLine, text);  // the same text: no change
  form().SetText(kLine, "中文");
  EXPECT_EQ(form().UnicodeText(kLine), u"中文");
  EXPECT_EQ(Changes(kLine), 2);
  // A multi-line box keeps its line breaks, and reports a change too (a
  // multi-line edit control sends no EN_CHANGE for WM_SETTEXT).
  form().SetUnicodeText(kLines, u"一\r\n二");
  EXPECT_EQ(form().UnicodeText(kLines), u"一\r\n二");
  EXPECT_EQ(Changes(kLines), 1);
}

// The GBK setter too: the two backends once disagreed on a multi-line box.
TEST_F(Editing, SettingATextReportsOneChangeOnEitherKindOfBox) {
  for (const int id : {kLine, kLines}) {
    form().SetText(id, "一行");
    form().SetText(id, "一行");  // the same text: no change
    EXPECT_EQ(Changes(id), 1) << id;
    form().SetText(id, "一\r\n二");
    EXPECT_EQ(Changes(id), 2) << id;
  }
}

TEST_F(Editing, TheLastFocusedEditBoxOutlivesAClickOnAButton) {
  EXPECT_EQ(form().LastFocusedEditBox(), -1);
  form().Focus(kLines);
  b->Wait(50);
  b->UserClick(kButton);
  b->Wait(50);
  EXPECT_EQ(form().LastFocusedEditBox(), kLines);
  form().Focus(kLine);
  form().Focus(kLine);  // has it already: no second event
  b->Wait(50);
  EXPECT_EQ(form().LastFocusedEditBox(), kLine);
  EXPECT_EQ(b->recorder.Count(Slot::Focused, kLines), 1);
  EXPECT_EQ(b->recorder.Count(Slot::Focused, kLine), 1);
}

TEST_F(Editing, ACaptionIsMeasuredInTheLabelsFontWidthAndWrap) {
  const auto none = form().MeasureCaption(kNote, u"");
  EXPECT_EQ(none.linesNeeded, 0);
  EXPECT_TRUE(none.fits());
  const auto one = form().MeasureCaption(kNote, u"短");
  EXPECT_EQ(one.linesNeeded, 1);
  EXPECT_GE(one.linesShown, 2);
  EXPECT_LE(one.linesShown, 3);
  EXPECT_EQ(form().MeasureCaption(kNote, u"一\r\n二\r\n三\r\n四").linesNeeded, 4);
  const auto wrapped = form().MeasureCaption(kNote, std::u16string(40, u'长'));
  EXPECT_GE(wrapped.linesNeeded, 4);  // 240 pixels hold about ten at 24 pixels
  EXPECT_FALSE(wrapped.fits());
}

}  // namespace
}  // namespace lornel::contract::editing
