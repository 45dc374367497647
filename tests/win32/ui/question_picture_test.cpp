// A question label's picture: each format decoded and painted, and files that
// cannot be shown giving the note, read back from the screen.
#include "ui/question_picture.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/win32/picture.h"
#include "platform/win32/text.h"
#include "tests/win32/ui/main_form.h"

namespace lornel::test {
namespace {

using quiz::MainId;

bool IsLargePicture(HWND w) {
  wchar_t name[64];
  return GetClassNameW(w, name, 64) && std::wstring(name) == L"LornelLargePicture";
}

std::string PictureFolder() {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring folder(exe);
  folder.resize(folder.find_last_of(L'\\') + 1);
  return win32::Gbk(folder) + "pictures\\";
}

class QuestionPicture : public MainForm {
 protected:
  void SetUp() override {
    MainForm::SetUp();
    form->SetVisible(int(MainId::StartCover), false);  // the start cover
    form->SetVisible(int(MainId::QuestionPanel1), true);
  }
  HWND Label() { return Of(MainId::QuestionLabel1); }
  // Read without a redraw each: Show and SetPicture redraw once.
  COLORREF Pixel(int x, int y) {
    HDC dc = GetDC(Label());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(Label(), dc);
    return c;
  }
  ui::Rect LabelRect() {
    RECT r;
    GetClientRect(Label(), &r);
    return {0, 0, r.right, r.bottom};
  }
  static bool Near(COLORREF c, int r, int g, int b) {
    return std::abs(GetRValue(c) - r) < 40 && std::abs(GetGValue(c) - g) < 40 &&
           std::abs(GetBValue(c) - b) < 40;
  }
  bool Show(const std::string& file, const std::string& text = "") {
    form->SetText(int(MainId::QuestionLabel1), text);
    const bool shown = form->SetPicture(int(MainId::QuestionLabel1), PictureFolder() + file,
                                        "图片无法显示：" + file);
    Redraw();
    return shown;
  }
  void Redraw() {
    RedrawWindow(Label(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    GdiFlush();
  }
  int GreyNotePixels() {
    const ui::Rect r = LabelRect();
    int grey = 0;
    for (int y = r.height - r.height / 8; y < r.height; ++y)
      for (int x = 0; x < r.width / 2; x += 4) grey += Pixel(x, y) == RGB(0x80, 0x80, 0x80);
    return grey;
  }
};

// The painted pixels windowed and in full screen, each at the scale of the
// display the run gives (96 DPI, and 144 DPI on 2560x1440).
class PaintedPicture : public QuestionPicture, public testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    QuestionPicture::SetUp();
    if (GetParam()) {
      form->SetFullScreen(true);
      Pump(100);
      ASSERT_TRUE(form->IsFullScreen());
    }
  }
};
INSTANTIATE_TEST_SUITE_P(Windows, PaintedPicture, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "FullScreen" : "Windowed";
                         });

TEST_P(PaintedPicture, EachFormatIsDecodedAndDrawnBesideTheTextOrAlone) {
  for (const char* file : {"halves.jpg", "halves.png", "halves.bmp", "halves.gif"}) {
    SCOPED_TRACE(file);
    for (bool withText : {true, false}) {
      ASSERT_TRUE(Show(file, withText ? "一道题" : ""));
      const ui::Rect p =
          ui::LayOutQuestionPicture(LabelRect(), {60, 30}, withText, form->scale()).picture;
      ASSERT_GT(p.width, 8);
      const int y = p.top + p.height / 2;
      EXPECT_TRUE(Near(Pixel(p.left + p.width / 4, y), 255, 0, 0)) << "red on the left";
      EXPECT_TRUE(Near(Pixel(p.left + p.width * 3 / 4, y), 0, 0, 255))
          << "blue, not the GIF's green";
      EXPECT_EQ(Pixel(p.left - 2, y), RGB(0xEC, 0xEC, 0xEC)) << "the label's grey beside it";
      EXPECT_EQ(GreyNotePixels(), 0);
    }
  }
  form->SetPicture(int(MainId::QuestionLabel1), "", "");
  Redraw();
  EXPECT_EQ(Pixel(LabelRect().width - 20, LabelRect().height / 2), RGB(0xEC, 0xEC, 0xEC));
}

TEST_P(PaintedPicture, FilesThatCannotBeShownGiveTheNote) {
  const std::string folder = PictureFolder();
  CreateDirectoryW(win32::Wide(folder + "folder.png").c_str(), nullptr);
  {
    std::ofstream big(folder + "big.jpg", std::ios::binary);
    big << "\xFF\xD8\xFF";
    big.seekp(30 * 1024 * 1024);
    big << '\0';
  }
  for (const char* file :
       {"truncated.jpg", "wrong-header.png", "one-byte.png", "folder.png", "big.jpg", "none.bmp"}) {
    SCOPED_TRACE(file);
    EXPECT_FALSE(Show(file, "题"));
    EXPECT_GT(GreyNotePixels(), 20);
  }
  DeleteFileW(win32::Wide(folder + "big.jpg").c_str());
}

// The editor's preview and its checks measure a title where the class will see it.
TEST_F(QuestionPicture, ATitleIsMeasuredInThePartBesideItsPictureOrAboveItsNote) {
  const int label = int(MainId::QuestionLabel1);
  std::u16string title;
  while (form->MeasureCaption(label, title + u'长').linesNeeded == 1) title += u'长';
  const auto whole = form->MeasureCaption(label, title);
  ASSERT_TRUE(Show("halves.jpg", "题"));
  EXPECT_EQ(form->MeasureCaption(label, title).linesNeeded, 2) << "the line the picture took";
  EXPECT_EQ(form->MeasureCaption(label, title).linesShown, whole.linesShown);
  EXPECT_FALSE(Show("none.bmp", "题"));
  EXPECT_EQ(form->MeasureCaption(label, title).linesShown, whole.linesShown - 1)
      << "the note's line";
  form->SetPicture(label, "", "");
  EXPECT_EQ(form->MeasureCaption(label, title).linesNeeded, 1);
}

// The enlarged picture: the top child over the whole client area, painted at
// FitPicture's place, following full screen, closed by its click or by Esc
// (which leaves full screen on).
TEST_F(QuestionPicture, EnlargedItCoversTheClientAreaUntilAClickOrEsc) {
  auto large = [&]() -> HWND {
    HWND top = GetWindow(form->hwnd(), GW_CHILD);
    return top && IsLargePicture(top) ? top : nullptr;
  };
  auto expectCovering = [&](HWND w) {
    RECT client, r;
    GetClientRect(form->hwnd(), &client);
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, form->hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(EqualRect(&client, &r) && IsWindowVisible(w));
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const ui::Rect p = ui::FitPicture({0, 0, client.right, client.bottom}, {60, 30}, form->scale());
    HDC dc = GetDC(w);
    const int y = p.top + p.height / 2;
    EXPECT_TRUE(Near(GetPixel(dc, p.left + p.width / 4, y), 255, 0, 0));
    EXPECT_TRUE(Near(GetPixel(dc, p.right() - p.width / 4, y), 0, 0, 255));
    ReleaseDC(w, dc);
  };
  ASSERT_TRUE(Show("halves.png", "一道题"));
  EXPECT_EQ(form->PictureSize(int(MainId::QuestionLabel1)), (ui::Size{60, 30}));
  form->ShowPictureLarge(int(MainId::QuestionLabel1));
  ASSERT_TRUE(large());
  expectCovering(large());
  SendMessageW(large(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_FALSE(large()) << "closed by its click";

  form->SetFullScreen(true);
  form->ShowPictureLarge(int(MainId::QuestionLabel1));
  ASSERT_TRUE(large());
  expectCovering(large());
  PressKey(Of(MainId::AnswerBox), VK_ESCAPE);
  EXPECT_FALSE(large()) << "closed by Esc";
  EXPECT_TRUE(form->IsFullScreen()) << "and only the picture";
  form->ShowPictureLarge(int(MainId::QuestionLabel1));
  form->SetFullScreen(false);
  ASSERT_TRUE(large());
  expectCovering(large());
  form->SetPicture(int(MainId::QuestionLabel1), "", "");
  EXPECT_FALSE(large()) << "gone with its picture";
}

TEST(PictureDecoder, MutatedFilesNeverCrashIt) {
  for (const char* file : {"halves.jpg", "halves.png", "halves.bmp", "halves.gif"}) {
    std::ifstream in(PictureFolder() + file, std::ios::binary);
    const std::string original((std::istreambuf_iterator<char>(in)), {});
    ASSERT_FALSE(original.empty()) << file;
    unsigned seed = 12345;
    for (int round = 0; round < 300; ++round) {
      std::string bytes = original;
      for (int k = 0; k < 1 + round % 8; ++k) {
        seed = seed * 1103515245 + 12345;
        bytes[(seed >> 8) % bytes.size()] = char(seed >> 24);
      }
      if (round % 5 == 0) bytes.resize((seed >> 4) % bytes.size());
      const auto pixels = win32::DecodePicture(bytes);
      if (pixels) EXPECT_EQ(pixels->argb.size(), std::size_t(pixels->width) * pixels->height);
    }
  }
}

}  // namespace
}  // namespace lornel::test
