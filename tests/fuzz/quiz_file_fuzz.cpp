// The question editor's save on any file: the first bytes (up to a NUL) give
// the values, the rest is the file. What it saves reads back as typed, and a
// file it cannot edit safely is refused, never mangled.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/gbk.h"
#include "editor/quiz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lornel::editor;
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = all.find('\0');
  const std::string_view values = all.substr(0, nul == all.npos ? 0 : nul);
  const std::string_view file = nul == all.npos ? all : all.substr(nul + 1);

  Quiz quiz = ReadQuiz(file);
  // Values taken from the UTF-8 reading of the first part, split at '|'.
  const std::u16string units = lornel::config::gbk::DecodeUtf8(values);
  std::size_t field = 0;
  for (std::size_t from = 0; from <= units.size() && field < 30; ++field) {
    std::size_t to = units.find(u'|', from);
    if (to == units.npos) to = units.size();
    std::u16string value = units.substr(from, to - from);
    if (field < 14)
      quiz.titles[field] = value;
    else if (field < 28)
      quiz.answers[field - 14] = value;
    else if (field == 28)
      quiz.countdown = value;
    else
      quiz.points = value;
    from = to + 1;
  }
  // As the save hands it over: normalized once.
  const Quiz normalized = Normalized(quiz);
  if (const auto saved = WriteQuiz(file, normalized)) {
    if (!(ReadQuiz(*saved) == normalized)) std::abort();
  }
  return 0;
}
