// wtda.ini: its sections and keys, reading and writing single values, the
// default file and the conversions of its values to numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/questions.h"
#include "platform/host.h"
#include "platform/quiz_program.h"

namespace lornel::config {

// The quiz file in a folder given without a trailing backslash.
inline std::string ConfigPathIn(const std::string& directory) {
  return directory + "\\" + platform::kQuizFileName;
}

inline constexpr const char* kTitleSection = "题目信息：";
inline constexpr const char* kAnswerSection = "答案信息：";
inline constexpr const char* kCountdownSection = "倒计时时间：（填‘0’等于取消该功能）";
inline constexpr const char* kCountdownKey = "时间单位：秒";
inline constexpr const char* kPointsSection = "答对一题加几分：";
inline constexpr const char* kPointsKey = "答对一题得分";
// Optional per question: a picture (a path relative to the folder of
// wtda.ini, or absolute), and values that take the global one's place.
inline constexpr const char* kPictureSection = "题目图片：";
inline constexpr const char* kQuestionCountdownSection = "每题倒计时：";
inline constexpr const char* kQuestionPointsSection = "每题得分：";
// Not in the default file: a file without them is judged as before.
inline constexpr const char* kJudgingSection = "判题方式：";
inline constexpr const char* kPinyinKey = "拼音作答";
inline constexpr const char* kLenientKey = "宽松比较";
inline constexpr const char* kOtherAnswersSection = "其他答案：";
// Not in the default file: without the key the program makes no sound.
inline constexpr const char* kSoundSection = "声音：";
inline constexpr const char* kSoundKey = "开启声音";
// Not in the default file: without them every question is typed, assigned to a
// group chosen in "你是第几组的？", and all six groups play.
inline constexpr const char* kKindSection = "题型：";     // 第N题题型=选择 | 判断 | 填空
inline constexpr const char* kOptionsSection = "选项：";  // 第N题选项=太平洋 | 大西洋 ...
inline constexpr const char* kWaySection = "答题方式：";  // 答题方式=指定, 第N题方式=抢答 ...
inline constexpr const char* kWayKey = "答题方式";
inline constexpr const char* kBuzzSection = "抢答：";
inline constexpr const char* kBuzzSecondsKey = "抢答时间";
inline constexpr const char* kFoulPenaltyKey = "犯规扣分";
inline constexpr const char* kWrongPenaltyKey = "答错扣分";
inline constexpr const char* kBuzzKeySection = "抢答键：";  // 第一组=1 ...
inline constexpr const char* kGroupsSection = "分组：";
inline constexpr const char* kGroupCountKey = "组数";
inline constexpr const char* kRandomGroupKey = "随机选组";
// "第一组" ... "第六组" for g from 1 to 6.
std::string GroupKey(int g);

// Question n's key of a kind: "第一题" ... "第十四题" followed by what; "" for
// n outside 1..14.
std::string QuestionKey(int n, std::string_view what);
// n from 1 to 14: "第一题题目" ... "第十四题题目", "第一题答案" ...
std::string QuestionTitleKey(int n);
std::string QuestionAnswerKey(int n);  // "" for n outside 1..14
// "第一题图片", "第一题倒计时", "第一题得分" ...
std::string QuestionPictureKey(int n);
std::string QuestionCountdownKey(int n);
std::string QuestionPointsKey(int n);
std::string OtherAnswersKey(int n);  // "第一题其他答案" ...

// A switch of the file (pinyin, lenient, sounds) is on when its value is
// "1" alone: the same rule in GBK and in the editor's UTF-16.
template <class Text>
constexpr bool SwitchOn(const Text& value) {
  return value.size() == 1 && value[0] == '1';
}
inline bool SoundsOn(std::string_view value) { return SwitchOn(value); }

// Any entry named path counts, a directory too (a find-first-file query).
bool ConfigFileExists(platform::Files& files, const std::string& path);
// The whole file at path: leading codes 1..32 of path are skipped, and a
// path that is then empty is not read. nullopt when nothing could be read.
std::optional<std::string> ReadConfigFile(platform::Files& files, const std::string& path);
// Leading codes 1..32 of path, section and key are skipped; when one of them
// is then empty the file is not touched. "" when the file, section or key is
// missing; at most 10239 bytes, never half a character.
std::string ReadConfigValue(platform::Files& files, const std::string& path,
                            const std::string& section, const std::string& key);
// Question n's countdown or points value: its own one when that is not empty,
// else the global one (n outside 1..14: the global one).
std::string ReadCountdownValue(platform::Host& host, const std::string& path, int n);
std::string ReadPointsValue(platform::Host& host, const std::string& path, int n);
// The file a picture value names: an absolute path as it stands, else relative
// to the folder of the configuration file (PathBeside). "" for an empty value.
std::string PicturePath(const std::string& configPath, const std::string& value);
// Never replaces a file that exists; written whole or not at all. False when
// no file stands at path afterwards (a folder that cannot be written).
bool WriteDefaultConfig(platform::Files& files, const std::string& path);

// The 33 writes of the default file, in their order, and the file's bytes.
struct DefaultEntry {
  std::string section, key, value;
};
std::vector<DefaultEntry> DefaultEntries();
std::string DefaultConfigText();

// Full-width forms folded to ASCII first; never fail, no number gives 0.
// TextToInteger stops at INT_MAX / INT_MIN rather than wrapping; TextToNumber
// reads '.' as the decimal point in every locale and stops at the largest
// finite double rather than giving infinity.
int TextToInteger(std::string_view text);
double TextToNumber(std::string_view text);
// The full-width characters of a GBK text as their ASCII forms.
std::string FoldFullWidth(std::string_view text);

}  // namespace lornel::config
