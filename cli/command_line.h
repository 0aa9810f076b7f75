#pragma once

#include "app/vocabulary.h"
#include "cli/command.h"

#include <optional>
#include <string>
#include <vector>

namespace zandrel {

// What the command line asks for. It is read before any window system is touched, so that
// --help, --version, a command and a wrong option need no display.
struct CommandLine {
    enum class Action { Run, Help, Version, Error, Command };
    Action action = Action::Run;
    // --user-data: keep the files in the user's data folder instead of the current directory.
    bool userData = false;
    // --language: the interface's language instead of the desktop's.
    std::optional<Language> language;
    // For Error: one line naming the first argument that is not understood.
    std::string error;
    // For Command: the command and its arguments, those given before its name included.
    const zandrel::Command* command = nullptr;
    std::vector<std::string> commandArguments;
};

// Reads the arguments that follow the program's name, with its complaints in `words`. The
// first argument that names a command makes the line that Command; the program's own options
// --language and --user-data may come before it, and go to the command as if they followed
// it. Otherwise any argument not understood makes the whole line an Error, whatever else it
// asks for.
CommandLine ParseCommandLine(const Vocabulary& words, const std::vector<std::string>& arguments);

// What --help prints, and what follows the error line of a wrong command line.
std::string UsageText(const Vocabulary& words);

// What --version prints.
std::string VersionText();

} // namespace zandrel
