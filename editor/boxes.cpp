#include "editor/boxes.h"

#include "config/config.h"
#include "config/path.h"
#include "editor/options.h"
#include "editor/pictures.h"
#include "editor/unicode.h"

namespace lornel::editor {

// A row's picture: its file's name beside the buttons, × only when there is one.
void ShowPicture(Editor& e, int n) {
  const std::u16string& value = e.pictures[n - 1];
  const auto gbk = ToGbk(value);
  e.form.form().SetUnicodeText(int(PictureName(n)),
                               gbk ? FromGbk(config::FileNameOf(*gbk)) : value);
  if (value.empty()) {
    e.form.Disable(PictureClear(n));
  } else {
    e.form.Enable(PictureClear(n));
  }
}

// Filling reports no change per box. A box that already shows its value is
// left alone: setting the text of an edit control moves its caret to the start.
void Show(Editor& e, const Quiz& quiz) {
  e.filling = true;
  auto set = [&](EditorId box, const std::u16string& text) {
    if (e.form.form().UnicodeText(int(box)) != text) e.form.form().SetUnicodeText(int(box), text);
  };
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    set(TitleBox(n), quiz.titles[n - 1]);
    set(AnswerBox(n), quiz.answers[n - 1]);
    set(OtherAnswersBox(n), quiz.otherAnswers[n - 1]);
    set(OwnCountdownBox(n), quiz.ownCountdowns[n - 1]);
    set(OwnPointsBox(n), quiz.ownPoints[n - 1]);
  }
  set(EditorId::CountdownBox, quiz.countdown);
  set(EditorId::PointsBox, quiz.points);
  set(EditorId::GroupCountBox, quiz.groupCount);
  set(EditorId::BuzzSecondsBox, quiz.buzzSeconds);
  set(EditorId::FoulPenaltyBox, quiz.foulPenalty);
  set(EditorId::WrongPenaltyBox, quiz.wrongPenalty);
  for (int g = 1; g <= config::kGroupCount; ++g) set(BuzzKeyBox(g), quiz.buzzKeys[g - 1]);
  e.form.SetChecked(EditorId::PinyinCheck, SwitchOn(quiz.pinyin));
  e.form.SetChecked(EditorId::LenientCheck, SwitchOn(quiz.lenient));
  e.form.SetChecked(EditorId::SoundCheck, SwitchOn(quiz.sounds));
  e.form.SetChecked(EditorId::RandomGroupCheck, SwitchOn(quiz.randomGroup));
  e.pinyinShown = quiz.pinyin;
  e.lenientShown = quiz.lenient;
  e.soundsShown = quiz.sounds;
  e.randomGroupShown = quiz.randomGroup;
  e.pictures = quiz.pictures;
  e.kinds = quiz.kinds;
  e.options = quiz.options;
  e.ways = quiz.ways;
  e.way = quiz.way;
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    ShowPicture(e, n);
    ShowKind(e, n);
  }
  ShowWays(e);
  ShowOptions(e, e.optionsRow);
  e.filling = false;
}

Quiz CurrentQuiz(const Editor& e) {
  Quiz quiz;
  const ui::Form& form = e.form.form();
  for (int n = 1; n <= config::kQuestionCount; ++n) {
    quiz.titles[n - 1] = form.UnicodeText(int(TitleBox(n)));
    quiz.answers[n - 1] = form.UnicodeText(int(AnswerBox(n)));
    quiz.otherAnswers[n - 1] = form.UnicodeText(int(OtherAnswersBox(n)));
    quiz.ownCountdowns[n - 1] = form.UnicodeText(int(OwnCountdownBox(n)));
    quiz.ownPoints[n - 1] = form.UnicodeText(int(OwnPointsBox(n)));
  }
  quiz.countdown = form.UnicodeText(int(EditorId::CountdownBox));
  quiz.points = form.UnicodeText(int(EditorId::PointsBox));
  quiz.groupCount = form.UnicodeText(int(EditorId::GroupCountBox));
  quiz.buzzSeconds = form.UnicodeText(int(EditorId::BuzzSecondsBox));
  quiz.foulPenalty = form.UnicodeText(int(EditorId::FoulPenaltyBox));
  quiz.wrongPenalty = form.UnicodeText(int(EditorId::WrongPenaltyBox));
  for (int g = 1; g <= config::kGroupCount; ++g)
    quiz.buzzKeys[g - 1] = form.UnicodeText(int(BuzzKeyBox(g)));
  quiz.pictures = e.pictures;
  quiz.kinds = e.kinds;
  quiz.options = e.options;
  quiz.ways = e.ways;
  quiz.way = e.way;
  quiz.pinyin = SwitchValue(e.form.IsChecked(EditorId::PinyinCheck), e.pinyinShown);
  quiz.lenient = SwitchValue(e.form.IsChecked(EditorId::LenientCheck), e.lenientShown);
  quiz.sounds = SwitchValue(e.form.IsChecked(EditorId::SoundCheck), e.soundsShown);
  quiz.randomGroup = SwitchValue(e.form.IsChecked(EditorId::RandomGroupCheck), e.randomGroupShown);
  return quiz;
}

bool Modified(const Editor& e) { return CurrentQuiz(e) != e.saved; }

void UpdateCaption(Editor& e) {
  std::string caption = e.path;
  if (!e.fileExists && !e.blocked) caption += "（新文件）";
  if (Modified(e)) caption = "*" + caption;
  e.form.form().SetWindowCaption(caption + " - " + kEditorName);
}

int RowOf(int id) {
  const int first = int(RowLabel(1));
  if (id < first || id >= first + config::kQuestionCount * kRowControls) return 0;
  return (id - first) / kRowControls + 1;
}

namespace {

EditorId BoxOf(Field field) {
  switch (field.kind) {
    case FieldKind::Title:
      return TitleBox(field.row);
    case FieldKind::Answer:
      return AnswerBox(field.row);
    case FieldKind::OtherAnswers:
      return OtherAnswersBox(field.row);
    case FieldKind::Picture:
      return PictureButton(field.row);
    case FieldKind::OwnCountdown:
      return OwnCountdownBox(field.row);
    case FieldKind::OwnPoints:
      return OwnPointsBox(field.row);
    case FieldKind::Countdown:
      return EditorId::CountdownBox;
    case FieldKind::Points:
      return EditorId::PointsBox;
    case FieldKind::Pinyin:
      return EditorId::PinyinCheck;
    case FieldKind::Lenient:
      return EditorId::LenientCheck;
    case FieldKind::Sounds:
      return EditorId::SoundCheck;
    case FieldKind::Kind:
      return KindButton(field.row);
    case FieldKind::Options:
      return OptionBox(1);
    case FieldKind::DefaultWay:
      return EditorId::DefaultWayButton;
    case FieldKind::Way:
      return WayButton(field.row);
    case FieldKind::BuzzSeconds:
      return EditorId::BuzzSecondsBox;
    case FieldKind::FoulPenalty:
      return EditorId::FoulPenaltyBox;
    case FieldKind::WrongPenalty:
      return EditorId::WrongPenaltyBox;
    case FieldKind::BuzzKey:
      return BuzzKeyBox(field.row);
    case FieldKind::GroupCount:
      return EditorId::GroupCountBox;
    case FieldKind::RandomGroup:
      break;
  }
  return EditorId::RandomGroupCheck;
}

}  // namespace

void FocusField(Editor& e, Field field) {
  if (field.kind == FieldKind::Options) ShowOptions(e, field.row);
  e.form.Focus(BoxOf(field));
}

}  // namespace lornel::editor
