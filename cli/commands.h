#pragma once

#include "cli/command.h"

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The commands the program runs without a window (`cast`, `lunar`, `text`, `journal`) and how
// one is run.
// They need no display and link no widgets.

namespace zandrel {

// Every command, in the order the usage text lists them.
std::span<const Command* const> CommandTable();

// The command named `name`, or none.
const Command* FindCommand(std::string_view name);

// Runs command `name` with the arguments that follow it, printing to `out` and `err`, in the
// language its --language option names or else the context's. Returns the exit status: 0 done,
// 1 a file error (reported with the text the window shows) or output that could not be
// written, 2 bad input (one line on `err`). The JSON keeps its English words in every language;
// only its reading "text" follows the language, as the log does.
int RunCommand(const Command& command, const std::vector<std::string>& arguments, std::ostream& out,
               std::ostream& err, const CommandContext& context);

// The commands' part of the usage text, in `words`.
std::string CommandUsageText(const Vocabulary& words);

// What the command line says of a language it does not know.
std::string UnknownLanguageText(const Vocabulary& words, std::string_view name);

} // namespace zandrel
