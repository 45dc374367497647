// A window whose controls cannot all be made is a failed creation, not a
// window that runs half-built.
#include <windows.h>
#include <gtest/gtest.h>

#include "tests/contract/backend.h"
#include "ui/win32/form.h"

namespace lornel {
namespace {

TEST(Creation, FailsWhenAControlCannotBeMade) {
  // The panel's row comes after its child, so the child has no parent window yet.
  static constexpr ui::Row rows[] = {
      {.id = 0, .kind = ui::Kind::Label, .parent = 1, .rect = {0, 0, 10, 10}},
      {.id = 1, .kind = ui::Kind::GroupBox, .rect = {0, 0, 100, 100}},
  };
  static constexpr ui::Table table{
      .window = {.caption = "half", .outerWidth = 200, .outerHeight = 150}, .rows = rows};
  contract::Recorder recorder;
  win32::Win32Form form(table, recorder);
  EXPECT_FALSE(form.Create());
  EXPECT_EQ(FindWindowW(nullptr, L"half"), nullptr) << "no half-built window is left";
}

}  // namespace
}  // namespace lornel
