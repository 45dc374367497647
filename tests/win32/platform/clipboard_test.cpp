// The clipboard's text as the editor's paste reads it and the score copy writes it.
#include "tests/win32/support/clipboard.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

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

// The ranking's copy: both formats at once, the picture as a bottom-up DIB
// whose rows a paint program reads the right way up.
TEST(Win32Clipboard, TextAndPictureGoTogether) {
  Win32Host host;
  platform::RgbPicture picture{3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0x000000, 0xFFFFFF}};
  ASSERT_TRUE(host.SetClipboardTextAndPicture(u"名次\t小组\t得分\r\n", picture, 0));
  EXPECT_EQ(host.ClipboardText().value_or(u""), u"名次\t小组\t得分\r\n");
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_DIB);
  ASSERT_TRUE(data);
  const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
  ASSERT_TRUE(header);
  EXPECT_EQ(header->biWidth, 3);
  EXPECT_EQ(header->biHeight, 2);
  EXPECT_EQ(header->biBitCount, 24);
  const auto* bytes = reinterpret_cast<const unsigned char*>(header + 1);
  // The last row first, blue green red, each row padded to 12 bytes.
  EXPECT_EQ((std::vector<int>(bytes, bytes + 3)), (std::vector<int>{0x56, 0x34, 0x12}));
  EXPECT_EQ((std::vector<int>(bytes + 12, bytes + 15)), (std::vector<int>{0x00, 0x00, 0xFF}));
  GlobalUnlock(data);
  CloseClipboard();
  // A text alone takes the picture away.
  ASSERT_TRUE(host.SetClipboardText(u"x", 0));
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_DIB));
}

}  // namespace
}  // namespace lornel::win32
