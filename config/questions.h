// The fourteen questions' names, the one place they are spelled: the board's
// buttons and panels, the keys of wtda.ini and the editor's rows all use them.
#pragma once

#include <array>

namespace lornel::config {

inline constexpr int kQuestionCount = 14;  // questions in the file, and on the board
inline constexpr int kGroupCount = 6;      // groups a class can play in

inline constexpr std::array<const char*, kQuestionCount> kQuestionNames = {
    "第一题", "第二题", "第三题", "第四题",   "第五题",   "第六题",   "第七题",
    "第八题", "第九题", "第十题", "第十一题", "第十二题", "第十三题", "第十四题"};

// Question n (1 to 14): "第一题" ...
constexpr const char* QuestionName(int n) {
  return kQuestionNames[static_cast<std::size_t>(n - 1)];
}

// Group g (1 to 6): "第一组" ..., as buttons and messages name it.
inline constexpr std::array<const char*, kGroupCount> kGroupNames = {"第一组", "第二组", "第三组",
                                                                     "第四组", "第五组", "第六组"};
constexpr const char* GroupName(int g) { return kGroupNames[static_cast<std::size_t>(g - 1)]; }

}  // namespace lornel::config
