#pragma once

#include "text/language.h"

#include <optional>
#include <string>
#include <vector>

namespace zandrel {

// What the command line asks for. It is read before any window system is touched, so that
// --help, --version and a wrong option need no display.
struct CommandLine {
    enum class Action { Run, Help, Version, Error, Command };
    Action action = Action::Run;
    // --user-data: keep the files in the user's data folder instead of the current directory.
    bool userData = false;
    // --language: the interface's language instead of the desktop's.
    std::optional<Language> language;
    // For Error: one line naming the first argument that is not understood.
    std::string error;
    // For Command: the command (the first argument) and the arguments that follow it, which
    // the command reads itself.
    std::string command;
    std::vector<std::string> commandArguments;
};

// Reads the arguments that follow the program's name. A first argument that names a command
// makes the line that Command. Otherwise any argument not understood makes the whole line an
// Error, whatever else it asks for.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What --help prints, and what follows the error line of a wrong command line; in the
// interface's language, as are the error lines.
std::string UsageText();

// What --version prints.
std::string VersionText();

} // namespace zandrel
