// One program started in its own directory with a wtda.ini of the test's,
// and the steps a teacher takes on it.
#pragma once

#include <functional>
#include <string>

#include "tests/e2e/driver.h"

namespace lornel::e2e {

// The on-screen key of a letter (upper case), ',' '.', '\b' Backspace or '\n' Enter.
quiz::MainId OnScreenKey(char c);

class Session {
 public:
  Session(const std::wstring& tag, const std::string& config);
  // The program started in a directory that the test has prepared.
  explicit Session(std::wstring directory);
  HWND Of(quiz::MainId id) { return p.Main(id); }
  // Clicks the control and waits until done() holds (at most 5 s), or a
  // moment when no condition is given.
  void Press(quiz::MainId id, const std::function<bool()>& done = {});
  // The start button, with the file present: the cover goes.
  void PressStart();
  // Clicks the on-screen keys: letters, ',' '.', '\b' Backspace, '\n' Enter.
  void TypeOnScreen(const std::string& keys);
  // Types a text (GBK) on the on-screen keys alone: letters on the letter
  // layer, the digit layer's texts on it ("123" / "ABC" pressed as needed),
  // ',' and '.' on "，" and "。".
  void TypeOnBoard(const std::string& text);
  void WriteConfig(const std::string& bytes);
  // The sample's picture as 图片\长江.jpg beside the session's wtda.ini.
  void CopySamplePicture();
  // Saves the screen as docs-ready BMP under the session's directory when
  // LORNEL_SCREENSHOTS names a folder.
  void Screenshot(const std::wstring& name);

  std::wstring dir;
  Program p;

 private:
  void Start();
};

}  // namespace lornel::e2e
