#pragma once

#include "app/vocabulary.h"
#include "cli/command.h"

#include <optional>
#include <string>
#include <vector>

namespace zandrel {

// The first argument of a command line that is not understood, and what is wrong with it. It
// holds no words: the line is told in the language the line names, which may come after it.
struct CommandLineError {
    enum class Kind { NeedsValue, UnknownOption, UnexpectedArgument, UnknownLanguage };
    Kind kind = Kind::UnknownOption;
    // The option or argument; for UnknownLanguage the name given to --language.
    std::string argument;
};

// What the command line asks for. It is read before any window system is touched, so that
// --help, --version, a command and a wrong option need no display.
struct CommandLine {
    enum class Action { Run, Help, Version, Error, Command };
    Action action = Action::Run;
    // --user-data: keep the files in the user's data folder instead of the current directory.
    bool userData = false;
    // --language: the interface's language instead of the desktop's; for an Error too, the
    // language to tell it in, wherever on the line it is named.
    std::optional<Language> language;
    // For Error.
    CommandLineError error;
    // For Command: the command and its arguments, those given before its name included.
    const zandrel::Command* command = nullptr;
    std::vector<std::string> commandArguments;
};

// Reads the arguments that follow the program's name. The first argument that names a command
// makes the line that Command; the program's own options --language and --user-data may come
// before it, and go to the command as if they followed it. Otherwise any argument not
// understood makes the whole line an Error, whatever else it asks for: the first such
// argument is the one told.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The one line that tells `error`, in `words`.
std::string CommandLineErrorText(const Vocabulary& words, const CommandLineError& error);

// What --help prints, and what follows the error line of a wrong command line.
std::string UsageText(const Vocabulary& words);

// What --version prints.
std::string VersionText();

} // namespace zandrel
