// Rows as Excel and WPS put them on the clipboard.
#include "editor/paste.h"

#include <gtest/gtest.h>

namespace lornel::editor {
namespace {

using Rows = std::vector<PastedRow>;

TEST(Paste, TabsLineEndsAndTheLastLineEnd) {
  EXPECT_EQ(ParseSpreadsheetRows(u"q1\ta1\r\nq2\ta2\r\n"), (Rows{{u"q1", u"a1"}, {u"q2", u"a2"}}));
  EXPECT_EQ(ParseSpreadsheetRows(u"q1\ta1\nq2\ta2"), (Rows{{u"q1", u"a1"}, {u"q2", u"a2"}}));
  EXPECT_EQ(ParseSpreadsheetRows(u"q1\ta1\rq2"), (Rows{{u"q1", u"a1"}, {u"q2"}}));
  EXPECT_EQ(ParseSpreadsheetRows(u"only\r\n"), (Rows{{u"only"}}));
  // Empty cells and rows keep their places; empty rows at the end go.
  EXPECT_EQ(ParseSpreadsheetRows(u"q1\t\r\n\r\n\tA\r\n\r\n\t\r\n"),
            (Rows{{u"q1", u""}, {u""}, {u"", u"A"}}));
  EXPECT_EQ(ParseSpreadsheetRows(u""), Rows{});
}

TEST(Paste, QuotesThatExcelPutsAroundCells) {
  // Line breaks (LF inside a cell), doubled quotes and TABs inside quotes.
  EXPECT_EQ(ParseSpreadsheetRows(u"\"one\ntwo\"\tA\r\n\"say \"\"hi\"\"\"\t\"x\ty\"\r\n"),
            (Rows{{u"one\ntwo", u"A"}, {u"say \"hi\"", u"x\ty"}}));
  // Quotes inside an unquoted cell are text; a quote never closed runs to the end.
  EXPECT_EQ(ParseSpreadsheetRows(u"a\"b\"\tc\r\n\"open\tx\r\ny"),
            (Rows{{u"a\"b\"", u"c"}, {u"open\tx\r\ny"}}));
  const auto rows = AsQuestionRows(ParseSpreadsheetRows(u"\"one\r\ntwo\nthree\"\tA\r\nB\r\n"));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].title, u"one two three");
  EXPECT_EQ(rows[0].answer, u"A");
  EXPECT_TRUE(rows[0].hasAnswer);
  EXPECT_FALSE(rows[1].hasAnswer);
}

TEST(Paste, MoreRowsThanQuestionsAreAllParsed) {
  std::u16string text;
  for (int i = 0; i < 20; ++i) text += u"q\ta\r\n";
  EXPECT_EQ(ParseSpreadsheetRows(text).size(), 20u);
}

}  // namespace
}  // namespace lornel::editor
