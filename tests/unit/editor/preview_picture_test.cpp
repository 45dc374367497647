// The preview shows a row's picture in the question label as lornel.exe does:
// the editor hands over the picture the row names, the preview shows it by
// the program's own call, or the grey note when it cannot be shown.
#include <gtest/gtest.h>

#include "config/config.h"
#include "tests/support/clock.h"
#include "tests/support/fake_host.h"
#include "tests/unit/editor/editor_window.h"

namespace lornel::editor {
namespace {

TEST(PreviewPicture, TheRowsPictureIsShownInTheQuestionLabelOrItsNote) {
  fake::Clock clock;
  fake::FakeHost host;
  host.systemSearchFinds = true;
  host.files[fake::kConfigPath] = config::DefaultConfigText();
  EditorWindow window(host, clock, "C:\\lornel");
  host.files["D:\\相册\\猫.jpg"] = "\xFF\xD8\xFF cat";
  window.form.pictureDialog = [](const std::string&) {
    return std::optional<std::string>("D:\\相册\\猫.jpg");
  };
  std::optional<PreviewRequest> asked;
  window.editor.openPreview = [&](const PreviewRequest& r) { asked = r; };
  window.form.Create();
  window.form.Click(int(PictureButton(3)));
  window.form.Focus(int(TitleBox(3)));
  window.form.Click(int(EditorId::PreviewButton));
  ASSERT_TRUE(asked);
  EXPECT_EQ(asked->configPath, fake::kConfigPath);
  EXPECT_EQ(asked->picture, "图片\\猫.jpg") << "as the file will name it, before a save";

  const std::size_t label = std::size_t(PreviewId::QuestionLabel);
  for (bool readable : {true, false}) {
    PreviewWindow preview(*asked, clock);
    if (!readable) preview.form.unreadablePictures = {"C:\\lornel\\图片\\猫.jpg"};
    preview.form.Create();
    ASSERT_GT(preview.form.pictures.size(), label);
    EXPECT_EQ(preview.form.pictures[label].path, "C:\\lornel\\图片\\猫.jpg");
    EXPECT_EQ(preview.form.pictures[label].note, readable ? "" : "图片无法显示：图片\\猫.jpg");
  }
  PreviewWindow none({3, u"题"}, clock);
  none.form.Create();
  EXPECT_TRUE(none.form.pictures.empty() || none.form.pictures[label].path.empty());
}

}  // namespace
}  // namespace lornel::editor
