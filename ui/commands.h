#pragma once

#include "text/language.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// The commands the program runs without a window: `cast`, `lunar` and `text`. They use the same
// layers as the window and need no display; what they print is composed here.

namespace zandrel {

// Whether `name` is one of the commands.
bool IsCommandName(std::string_view name);

// Runs command `name` with the arguments that follow it, printing to `out` and `err`, in the
// language its --language option names or else in `language`. Returns the exit status: 0 done,
// 1 a file error (reported with the text the window shows) or output that could not be
// written, 2 bad input (one line on `err`). The JSON keeps its English words in every language;
// only its reading "text" follows the language, as the log does.
int RunCommand(std::string_view name, const std::vector<std::string>& arguments, std::ostream& out,
               std::ostream& err, Language language = Language::English);

// The commands' part of the usage text.
std::string CommandUsageText();

// `text` as a terminal shows it: CR LF line ends as LF, and other control characters, which
// the window shows as their visible symbols, as those symbols. Text that is not UTF-8 is read as
// the window reads it.
std::string TerminalText(std::string_view text);

} // namespace zandrel
