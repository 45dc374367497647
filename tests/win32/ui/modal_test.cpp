// The notice window's own message loop, nested in the program's.
#include <windows.h>
#include <gtest/gtest.h>

#include "app/notice_ids.h"
#include "tests/contract/backend.h"
#include "ui/win32/form.h"

namespace lornel {
namespace {

struct QuitOnCreation : contract::Recorder {
  void OnCreated() override { PostQuitMessage(7); }
};

// GetMessage takes WM_QUIT off the queue: the nested loop must leave it there
// for the outer one, or a program that quits while the notice is up runs on.
TEST(ModalLoop, AQuitEndsItAndIsLeftForTheOuterLoop) {
  QuitOnCreation sink;
  win32::Win32Form notice(app::NoticeTable(), sink);
  EXPECT_TRUE(notice.RunModal());
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
}  // namespace lornel
