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
      return MainId::KeyQ;
    case 'W':
      return MainId::KeyW;
    case 'E':
      return MainId::KeyE;
    case 'R':
      return MainId::KeyR;
    case 'T':
      return MainId::KeyT;
    case 'Y':
      return MainId::KeyY;
    case 'U':
      return MainId::KeyU;
    case 'I':
      return MainId::KeyI;
    case 'O':
      return MainId::KeyO;
    case 'P':
      return MainId::KeyP;
    case '\b':
      return MainId::KeyBackspace;
    case 'A':
      return MainId::KeyA;
    case 'S':
      return MainId::KeyS;
    case 'D':
      return MainId::KeyD;
    case 'F':
      return MainId::KeyF;
    case 'G':
      return MainId::KeyG;
    case 'H':
      return MainId::KeyH;
    case 'J':
      return MainId::KeyJ;
    case 'K':
      return MainId::KeyK;
    case 'L':
      return MainId::KeyL;
    case '\n':
      return MainId::KeyEnter;
    case 'Z':
      return MainId::KeyZ;
    case 'X':
      return MainId::KeyX;
    case 'C':
      return MainId::KeyC;
    case 'V':
      return MainId::KeyV;
    case 'B':
      return MainId::KeyB;
    case 'N':
      return MainId::KeyN;
    case 'M':
      return MainId::KeyM;
    case ',':
      return MainId::KeyComma;
    default:
      return MainId::KeyFullStop;  // '.'
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
  Press(MainId::StartButton);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(Of(MainId::StartCover)); }))
      << "the start cover stayed";
  // The cover goes before the start's handler reads the points: a test that
  // changes the file next waits for the handler to return.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(p.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored);
}

void Session::TypeOnScreen(const std::string& keys) {
  HWND box = Of(MainId::AnswerBox);
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
  HWND box = Of(MainId::AnswerBox), layer = Of(MainId::KeyLayer);
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
