#pragma once

#include "app/reading_report.h"
#include "app/vocabulary.h"

#include <string>

namespace zandrel {

// A reading as the terminal shows it, in `words`: how it was cast, the question, the hexagram
// and change line numbers, a table of the six trigrams with their elements and how each stands
// to the body, and the reading text with LF line ends.
std::string ReadingTable(const Vocabulary& words, const ReadingReport& report);

} // namespace zandrel
