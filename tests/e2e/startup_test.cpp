// The program as a user starts it: its window, the skin library file, a
// second copy and its notice window, and the fatal report.
#include <gtest/gtest.h>

#include <vector>

#include "quiz/main_ids.h"
#include "tests/e2e/driver.h"

namespace lornel::e2e {
namespace {

using quiz::MainId;

TEST(Startup, MainWindowComesUpCentredWithAFixedFrameAndTheStartCover) {
  Program p = Program::Start(FreshDirectory(L"window"));
  HWND main = p.MainWindow();
  ASSERT_TRUE(main);
  RECT r;
  GetWindowRect(main, &r);
  EXPECT_EQ(r.right - r.left, 1203);
  EXPECT_EQ(r.bottom - r.top, 773);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 1203) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 773) / 2);
  const LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_EQ(GetMenu(main), nullptr);
  // (The icon is checked in process: Wine answers WM_GETICON from another process with 0.)

  EXPECT_TRUE(Visible(p.Main(MainId::StartCover)));
  EXPECT_EQ(Text(p.Main(MainId::StartButton)), "开始！Go！Go！Go！");
  EXPECT_FALSE(Visible(p.Main(MainId::GroupPanel)));
  // Only the start cover's button can be clicked: at the centre of the window it is on top.
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  EXPECT_EQ(WindowFromPoint(centre), p.Main(MainId::StartButton));
}

TEST(Startup, FirstStartWritesTheLibraryBesideTheExeHiddenOnly) {
  const std::wstring dir = FreshDirectory(L"library");
  Program p = Program::Start(dir);
  ASSERT_TRUE(p.MainWindow());
  const std::wstring library = Join(dir, L"SkinH_EL.dll");
  // Wine reports every file as archived whatever was set; nothing else may be set.
  EXPECT_EQ(GetFileAttributesW(library.c_str()) & ~FILE_ATTRIBUTE_ARCHIVE,
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
  const auto written = ReadBytes(library), built = ReadBytes(BuiltLibrary());
  ASSERT_TRUE(written && built);
  EXPECT_EQ(*written, *built);
  EXPECT_FALSE(FileExists(Join(dir, L"wtda.ini")))
      << "nothing is read or written before the start button";
}

TEST(Startup, APresentLibraryIsUsedAndNotRewritten) {
  const std::wstring dir = FreshDirectory(L"present");
  const std::wstring library = Join(dir, L"SkinH_EL.dll");
  // A valid library with other bytes appended and its own attributes.
  WriteBytes(library, *ReadBytes(BuiltLibrary()) + std::string("extra"));
  SetFileAttributesW(library.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  const std::string before = *ReadBytes(library);
  Program p = Program::Start(dir);
  ASSERT_TRUE(p.MainWindow());
  EXPECT_EQ(*ReadBytes(library), before);
  EXPECT_EQ(GetFileAttributesW(library.c_str()),
            static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
  SetFileAttributesW(library.c_str(), FILE_ATTRIBUTE_NORMAL);
}

void ExpectFatalLibraryReport(Program& p) {
  auto box = p.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, "错误");
  EXPECT_EQ(box->text,
            "运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_"
            "AttachRes”\r\n");
  EXPECT_TRUE(box->hasIcon);
  EXPECT_EQ(p.WaitForWindow(L"Lornel V1.1.15.823", 200), nullptr) << "the main window never shows";
  Program::Answer(*box, IDOK);
  EXPECT_EQ(p.WaitForExit(5000), static_cast<DWORD>(-1));
}

TEST(Startup, ADirectoryNamedLikeTheLibraryEndsInTheFatalReport) {
  const std::wstring dir = FreshDirectory(L"dirlib");
  CreateDirectoryW(Join(dir, L"SkinH_EL.dll").c_str(), nullptr);
  Program p = Program::Start(dir);
  ExpectFatalLibraryReport(p);
}

TEST(Startup, ALibraryThatIsNotADllOrLacksTheEntryEndsInTheFatalReport) {
  // Empty, garbage, and a real DLL without the entry.
  const std::string dllWithoutEntry = *ReadBytes(L"C:\\windows\\system32\\version.dll");
  for (const std::string& bytes : {std::string(), std::string(5000, '\x5A'), dllWithoutEntry}) {
    const std::wstring dir = FreshDirectory(L"badlib");
    WriteBytes(Join(dir, L"SkinH_EL.dll"), bytes);
    Program p = Program::Start(dir);
    ExpectFatalLibraryReport(p);
    EXPECT_EQ(*ReadBytes(Join(dir, L"SkinH_EL.dll")), bytes) << "the user's file is left as it was";
  }
}

HWND NoticeWindow(Program& p) { return p.WaitForWindow(L"", 10000); }

TEST(Startup, SecondCopyShowsTheNoticeForThreeSecondsAndEnds) {
  const std::wstring dir = FreshDirectory(L"second");
  Program first = Program::Start(dir);
  ASSERT_TRUE(first.MainWindow());
  // Its three ticks of a second start after this, and none comes early; how
  // late they come is the machine's load, so above only a hang is caught.
  const DWORD started = GetTickCount();
  Program second = Program::Start(dir);
  HWND notice = NoticeWindow(second);
  ASSERT_TRUE(notice);
  const DWORD shown = GetTickCount();
  RECT r;
  GetWindowRect(notice, &r);
  EXPECT_EQ(r.right - r.left, 319);
  EXPECT_EQ(r.bottom - r.top, 96);
  EXPECT_TRUE(GetWindowLongW(notice, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongW(notice, GWL_STYLE) & WS_CAPTION & ~WS_DLGFRAME);
  HWND seconds = Program::Control(notice, 2);  // 标签2
  std::vector<std::string> seen{Text(seconds)};
  while (!second.WaitForExit(50)) {
    const std::string now = Text(seconds);
    if (!now.empty() && now != seen.back()) seen.push_back(now);
    if (GetTickCount() - shown > 8000) break;
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"2s", "1s", "0s"}));
  EXPECT_EQ(second.WaitForExit(0), 0u) << "ended within 8 s of showing";
  EXPECT_GE(GetTickCount() - started, 2980u);
  EXPECT_EQ(second.WaitForWindow(L"Lornel V1.1.15.823", 10), nullptr);
  EXPECT_FALSE(first.WaitForExit(0)) << "the first copy runs on";
  EXPECT_TRUE(IsWindowVisible(first.MainWindow(100)));
}

TEST(Startup, ClosingTheFirstCopyLetsTheNextRunNormally) {
  const std::wstring dir = FreshDirectory(L"after");
  {
    Program first = Program::Start(dir);
    HWND main = first.MainWindow();
    ASSERT_TRUE(main);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.WaitForExit(5000));
  }
  Program next = Program::Start(dir);
  EXPECT_TRUE(next.MainWindow());
}

TEST(Startup, ARenamedCopyIsNotDetected) {
  const std::wstring dir = FreshDirectory(L"renamed");
  Program first = Program::Start(dir);
  ASSERT_TRUE(first.MainWindow());
  Program other = Program::Start(dir, L"quiz.exe");
  EXPECT_TRUE(other.MainWindow());
}

TEST(Startup, TenCopiesStartedAtOnceLeaveExactlyOneMainWindow) {
  const std::wstring dir = FreshDirectory(L"ten");
  CopyFileW(BuiltExe().c_str(), Join(dir, L"lornel.exe").c_str(), FALSE);
  std::vector<Program> copies;
  for (int i = 0; i < 10; ++i) copies.push_back(Program::Start(dir));
  int ended = 0;
  for (Program& p : copies) ended += p.WaitForExit(15000).has_value();
  EXPECT_EQ(ended, 9);
  int windows = 0;
  for (Program& p : copies) windows += p.WaitForWindow(L"Lornel V1.1.15.823", 100) != nullptr;
  EXPECT_EQ(windows, 1);
}

}  // namespace
}  // namespace lornel::e2e
