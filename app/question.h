#pragma once

#include "app/vocabulary.h"

#include <optional>
#include <string>
#include <string_view>

namespace zandrel {

// The longest question, in characters as the user sees them.
inline constexpr int kMaxQuestionCharacters = 255;

// A question given as text (on the command line), as the question dialog would hold it: lines
// joined by a blank, line breaks at the end dropped; or one line in `words` saying why it
// cannot be asked: it is not UTF-8, or it is longer than kMaxQuestionCharacters.
struct QuestionInput {
    std::optional<std::string> question;
    std::string error;
};
QuestionInput ReadQuestion(const Vocabulary& words, std::string_view text);

} // namespace zandrel
