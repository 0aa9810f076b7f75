#pragma once

#include "app/vocabulary.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

// What the commands print, as a terminal shows it.

namespace zandrel {

// Prints `text` to `out`; a failure to print it is a failure of the command, told on `err`.
// Returns the exit status: 0, or 1 when the text could not be written.
int Print(std::ostream& out, std::ostream& err, const Vocabulary& words, const std::string& text);

// `text` as a terminal shows it: CR LF line ends as LF, and other control characters, which
// the window shows as their visible symbols, as those symbols; the C1 controls U+0080 to U+009F
// and the bidirectional formatting characters (U+061C, U+200E, U+200F, U+202A to U+202E,
// U+2066 to U+2069) as their codes ("<U+009B>"). Text that is not UTF-8 is read as the window
// reads it.
std::string TerminalText(std::string_view text);

// Columns of `text` on a terminal: two for each wide (CJK) character, one for the others.
std::size_t Columns(std::string_view text);

// `text` followed by blanks up to `width` columns.
std::string Padded(std::string text, std::size_t width);

} // namespace zandrel
