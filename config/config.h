// wtda.ini: its sections and keys, reading and writing single values, the
// default file and the conversions of its values to numbers.
#pragma once

#include <string>
#include <string_view>

#include "ui/host.h"

namespace lornel::config {

inline constexpr const char* kTitleSection = "题目信息：";
inline constexpr const char* kAnswerSection = "答案信息：";
inline constexpr const char* kCountdownSection = "倒计时时间：（填‘0’等于取消该功能）";
inline constexpr const char* kCountdownKey = "时间单位：秒";
inline constexpr const char* kPointsSection = "答对一题加几分：";
inline constexpr const char* kPointsKey = "答对一题得分";

// n from 1 to 14: "第一题题目" ... "第十四题题目", "第一题答案" ...
std::string QuestionTitleKey(int n);
std::string QuestionAnswerKey(int n);

bool ConfigFileExists(ui::Host& host, const std::string& path);
// "" when the file, section or key is missing; at most 10239 bytes.
std::string ReadConfigValue(ui::Host& host, const std::string& path, const std::string& section,
                            const std::string& key);
bool WriteConfigValue(ui::Host& host, const std::string& path, const std::string& section,
                      const std::string& key, const std::string& value);
// Never replaces a file that exists; written whole or not at all.
void WriteDefaultConfig(ui::Host& host, const std::string& path);

// Full-width forms folded to ASCII first; never fail, no number gives 0.
int TextToInteger(std::string_view text);
double TextToNumber(std::string_view text);

}  // namespace lornel::config
