#include "config/config.h"

#include <string_view>

#include "config/ini.h"
#include "config/path.h"
#include "config/quiz_file.h"

namespace lornel::config {

namespace {

// As the program handles its arguments: a C string whose leading spaces and
// control characters (codes 1 to 32) do not count.
std::string_view Significant(std::string_view text) {
  const auto nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  while (!text.empty() && static_cast<unsigned char>(text.front()) >= 1 &&
         static_cast<unsigned char>(text.front()) <= 32)
    text.remove_prefix(1);
  return text;
}

}  // namespace

std::string QuestionKey(int n, std::string_view what) {
  if (n < 1 || n > kQuestionCount) return {};
  return std::string(QuestionName(n)) + std::string(what);
}

std::string QuestionTitleKey(int n) { return QuestionKey(n, "题目"); }
std::string QuestionAnswerKey(int n) { return QuestionKey(n, "答案"); }
std::string QuestionPictureKey(int n) { return QuestionKey(n, "图片"); }
std::string QuestionCountdownKey(int n) { return QuestionKey(n, "倒计时"); }
std::string QuestionPointsKey(int n) { return QuestionKey(n, "得分"); }

std::string ReadCountdownValue(platform::Host& host, const std::string& path, int n) {
  return ReadQuizFile(host, path).CountdownValue(n);
}

std::string ReadPointsValue(platform::Host& host, const std::string& path, int n) {
  return ReadQuizFile(host, path).PointsValue(n);
}

std::string PicturePath(const std::string& configPath, const std::string& value) {
  return PathBeside(configPath, value);
}

std::string OtherAnswersKey(int n) { return QuestionKey(n, "其他答案"); }

std::string GroupKey(int g) { return g >= 1 && g <= kGroupCount ? GroupName(g) : ""; }

bool ConfigFileExists(platform::Files& files, const std::string& path) {
  return files.PathExists(path);
}

std::optional<std::string> ReadConfigFile(platform::Files& files, const std::string& path) {
  const std::string_view p = Significant(path);
  if (p.empty()) return std::nullopt;
  return files.ReadWholeFile(std::string(p));
}

std::string ReadConfigValue(platform::Files& files, const std::string& path,
                            const std::string& section, const std::string& key) {
  const std::string_view s = Significant(section), k = Significant(key);
  if (s.empty() || k.empty()) return {};
  const auto file = ReadConfigFile(files, path);
  if (!file) return {};
  return ReadIniValue(*file, s, k);
}

std::vector<DefaultEntry> DefaultEntries() {
  static const std::string separatorKey(14, '='), separatorValue(13, '=');
  std::vector<DefaultEntry> entries;
  for (int n = 1; n <= kQuestionCount; ++n)
    entries.push_back({kTitleSection, QuestionTitleKey(n), ""});
  entries.push_back({"-=-=-=-=-=-=-=-=-=-=-=-=-=", separatorKey, separatorValue});
  for (int n = 1; n <= kQuestionCount; ++n)
    entries.push_back({kAnswerSection, QuestionAnswerKey(n), ""});
  entries.push_back({"-=-=-=-=-=-=-=-=-=-=-=-=-=-", separatorKey, separatorValue});
  entries.push_back({kCountdownSection, kCountdownKey, "0"});
  entries.push_back({"-=-=-=-=-=-=-=-=-=-=-=-=-=-=", separatorKey, separatorValue});
  entries.push_back({kPointsSection, kPointsKey, "1"});
  return entries;
}

std::string DefaultConfigText() {
  // What WritePrivateProfileStringA leaves after these writes into a missing
  // file: each section where its first write put it, "[name]" and then one
  // "key=value" line per key, every line ended by CR LF, no blank lines. The
  // separator keys are rows of '=' that no reader can look up, so the text
  // is composed here rather than through WriteIniValue.
  std::string text;
  std::string current;
  bool first = true;
  for (const DefaultEntry& entry : DefaultEntries()) {
    if (first || entry.section != current) {
      text += "[" + entry.section + "]\r\n";
      current = entry.section;
      first = false;
    }
    text += entry.key + "=" + entry.value + "\r\n";
  }
  return text;
}

bool WriteDefaultConfig(platform::Files& files, const std::string& path) {
  if (path.empty()) return false;
  // An existing file is the user's: it is never written over, even in part.
  // One that another copy wrote meanwhile serves as well as ours.
  if (files.PathExists(path)) return true;
  return files.CreateFileAtomically(path, DefaultConfigText()) || files.PathExists(path);
}

}  // namespace lornel::config
