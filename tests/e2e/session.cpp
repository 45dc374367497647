#include "tests/e2e/session.h"

#include <gtest/gtest.h>

#include <array>

#include "judging/board_keys.h"
#include "tests/e2e/screen.h"

namespace lornel::e2e {

using quiz::MainId;

MainId OnScreenKey(char c) {
  switch (c) {
    case 'Q':
      return MainId::按钮17;
    case 'W':
      return MainId::按钮18;
    case 'E':
      return MainId::按钮19;
    case 'R':
      return MainId::按钮20;
    case 'T':
      return MainId::按钮21;
    case 'Y':
      return MainId::按钮22;
    case 'U':
      return MainId::按钮23;
    case 'I':
      return MainId::按钮24;
    case 'O':
      return MainId::按钮25;
    case 'P':
      return MainId::按钮26;
    case '\b':
      return MainId::按钮27;
    case 'A':
      return MainId::按钮28;
    case 'S':
      return MainId::按钮29;
    case 'D':
      return MainId::按钮30;
    case 'F':
      return MainId::按钮32;
    case 'G':
      return MainId::按钮33;
    case 'H':
      return MainId::按钮34;
    case 'J':
      return MainId::按钮35;
    case 'K':
      return MainId::按钮36;
    case 'L':
      return MainId::按钮37;
    case '\n':
      return MainId::按钮48;
    case 'Z':
      return MainId::按钮38;
    case 'X':
      return MainId::按钮39;
    case 'C':
      return MainId::按钮40;
    case 'V':
      return MainId::按钮41;
    case 'B':
      return MainId::按钮42;
    case 'N':
      return MainId::按钮43;
    case 'M':
      return MainId::按钮44;
    case ',':
      return MainId::按钮45;
    default:
      return MainId::按钮46;  // '.'
  }
}

Session::Session(const std::wstring& tag, const std::string& config) : dir(FreshDirectory(tag)) {
  if (!config.empty()) WriteConfig(config);
  Start();
}

Session::Session(std::wstring directory) : dir(std::move(directory)) { Start(); }

void Session::Start() {
  p = Program::Start(dir);
  // The window exists before it shows and takes input; a click before that
  // lands on whatever lay there (the desktop) and is lost.
  HWND main = p.MainWindow();
  EXPECT_TRUE(main);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
  p.WaitForInputIdle();
}

void Session::Press(MainId id, const std::function<bool()>& done) {
  Click(Of(id));
  if (done) {
    WaitUntil(done, 5000);
  } else {
    Pause(150);
  }
}

void Session::PressStart() {
  Press(MainId::按钮31);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(Of(MainId::分组框21)); }))
      << "the start cover stayed";
  // The cover goes before the start's handler reads the points: a test that
  // changes the file next waits for the handler to return.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(p.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

void Session::TypeOnScreen(const std::string& keys) {
  HWND box = Of(MainId::编辑框1);
  for (char c : keys) {
    const std::string before = Text(box);
    Click(Of(OnScreenKey(c)));
    // As a user would: the next key once this one has shown (Enter shows nothing).
    if (c != '\n') WaitUntil([&] { return Text(box) != before; }, 3000);
  }
  Pause(100);
}

namespace {

// The letter key whose digit-layer text is piece, or 0.
char DigitLayerKey(const std::string& piece) {
  const std::array<const char* const*, 3> texts = {
      judging::kDigitRow1.data(), judging::kDigitRow2.data(), judging::kDigitRow3.data()};
  for (std::size_t r = 0; r < texts.size(); ++r)
    for (std::size_t i = 0; i < judging::kLetterRows[r].size(); ++i)
      if (piece == texts[r][i]) return judging::kLetterRows[r][i];
  return 0;
}

}  // namespace

void Session::TypeOnBoard(const std::string& text) {
  HWND box = Of(MainId::编辑框1), layer = Of(MainId::按钮51);
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t size = static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
    const std::string piece = text.substr(i, size);
    i += size;
    const char c = piece[0];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    char key = letter ? static_cast<char>(c & ~0x20) : c == ',' || c == '.' ? c : 0;
    const bool digits = !key && (key = DigitLayerKey(piece)) != 0;
    ASSERT_TRUE(key) << "not on the board: " << piece;
    if ((letter && Text(layer) == "ABC") || (digits && Text(layer) == "123")) {
      const std::string shown = Text(layer);
      Click(layer);
      ASSERT_TRUE(WaitUntil([&] { return Text(layer) != shown; }, 3000)) << "the layer key";
    }
    const std::string before = Text(box);
    Click(Of(OnScreenKey(key)));
    EXPECT_TRUE(WaitUntil([&] { return Text(box) != before; }, 3000)) << "typing " << piece;
  }
  Pause(100);
}

void Session::WriteConfig(const std::string& bytes) { WriteBytes(Join(dir, L"wtda.ini"), bytes); }

void Session::CopySamplePicture() {
  const std::wstring example = ExampleFile();
  const std::wstring pictures = Join(dir, L"图片");
  CreateDirectoryW(pictures.c_str(), nullptr);
  const std::wstring from = example.substr(0, example.find_last_of(L"\\/") + 1) + L"图片\\长江.jpg";
  EXPECT_TRUE(CopyFileW(from.c_str(), Join(pictures, L"长江.jpg").c_str(), FALSE));
}

void Session::Screenshot(const std::wstring& name) {
  const std::wstring folder = ShotFolder();
  if (!folder.empty()) CaptureScreen(Join(folder, name + L".bmp"));
}

}  // namespace lornel::e2e
