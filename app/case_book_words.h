#pragma once

#include "app/case_book.h"
#include "app/vocabulary.h"

#include <string>
#include <string_view>

// The case book's words in a language: what went wrong with the file, and the verdicts.

namespace zandrel {

// One sentence or two that say what is wrong and with which file, in `words`.
std::string CaseBookErrorMessage(const Vocabulary& words, const CaseBookError& error);

// "came true", "partly", "did not", "not yet".
std::string VerdictName(const Vocabulary& words, Verdict verdict);

} // namespace zandrel
