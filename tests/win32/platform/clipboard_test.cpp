// The clipboard's text as the editor's paste reads it.
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

}  // namespace
}  // namespace lornel::win32
