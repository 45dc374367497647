// The clipboard's text as the editor's paste reads it and the score copy writes it.
#include "tests/win32/support/clipboard.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "platform/win32/host.h"

namespace lornel::win32 {
namespace {

TEST(Win32Clipboard, TheTextComesBackWhole) {
  const std::wstring text = L"问一\t答一\r\n\"两\n行\"\t\U0001F600\r\n";
  ASSERT_TRUE(test::PutOnClipboard(text));
  Win32Host host;
  const auto read = host.ClipboardText();
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, std::u16string(text.begin(), text.end()));
}

// What the score copy puts there is what a spreadsheet's paste reads back.
TEST(Win32Clipboard, SetTextReplacesWhatWasThere) {
  ASSERT_TRUE(test::PutOnClipboard(L"old"));
  Win32Host host;
  const std::u16string scores = u"小组\t得分\r\n第一组\t-0.5\r\n";
  EXPECT_TRUE(host.SetClipboardText(scores, 0));
  EXPECT_EQ(host.ClipboardText().value_or(u""), scores);
}

}  // namespace
}  // namespace lornel::win32
