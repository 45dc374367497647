// Saving over a file that another program changed since the editor loaded it:
// each value is merged on its own against what the editor loaded.
#pragma once

#include <string>
#include <vector>

#include "editor/quiz_file.h"

namespace lornel::editor {

// A value the editor and the file both changed, to different texts.
struct Conflict {
  Field field;
  std::u16string mine, theirs;
};

struct Merged {
  Quiz keepingMine;    // each conflict settled with the editor's value
  Quiz keepingTheirs;  // each conflict settled with the file's value
  std::vector<Conflict> conflicts;
};

// base: what the editor loaded; mine: the boxes; theirs: the file now; each
// as saved (Normalized), so that a line break typed into a title is not a
// change of its own. A value changed on one side only takes that side's;
// changed on both to the same text is no conflict.
Merged MergeQuiz(const Quiz& base, const Quiz& mine, const Quiz& theirs);

// The question before saving: one line per conflict, both texts shortened (GBK).
std::string ConflictQuestion(const std::string& quotedPath, const std::vector<Conflict>& conflicts);

}  // namespace lornel::editor
