#pragma once

#include "app/session.h"
#include "app/vocabulary.h"
#include "cli/arguments.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>

// The commands the program runs without a window, as a table: each command has its name, the
// options it takes, its part of the usage text and what it does, in a file of its own.

namespace zandrel {

// The exit statuses of a command.
inline constexpr int kDone = 0;
inline constexpr int kFileError = 1; // also: output that could not be written
inline constexpr int kBadInput = 2;

// What the program hands every command: found once by the program's main, or made by a test.
struct CommandContext {
    // The folder the files live in by default (the current directory) and the user's own data
    // folder, which --user-data chooses; neither is touched until a command uses it.
    std::string currentDirectory;
    std::string userDataDirectory;
    // The desktop's language, which --language overrides.
    Language language = Language::English;
    // Opens the session through which a command reads the texts and casts, in the command's
    // words; a plain one when empty.
    std::function<std::unique_ptr<Session>(std::string dataDirectory, const Vocabulary& words)>
        openSession;
    // The words of `language` where --language names none; Vocabulary::Of(language) when null,
    // another translation (a test's) otherwise.
    const Vocabulary* words = nullptr;

    const Vocabulary& Words() const { return words ? *words : Vocabulary::Of(language); }
};

// One run of a command.
struct CommandRun {
    const ParsedArguments& arguments;
    const Vocabulary& words;
    const CommandContext& context;
    std::ostream& out;
    std::ostream& err;

    // The data folder the arguments choose: the user's with --user-data.
    const std::string& DataDirectory() const;
    // A session over the data folder, its custom texts read.
    std::unique_ptr<Session> OpenSession() const;
};

// What a command with subcommands does by its first plain argument: the subcommand's name, its
// lines of the usage text (marked for translation in the context "Commands") and what it does,
// as Command::run.
struct Subcommand {
    std::string_view name;
    const char* usage;
    int (*run)(const CommandRun& run, std::string* error);
};

struct Command {
    std::string_view name;
    std::span<const std::string_view> valueOptions;
    std::span<const std::string_view> flagOptions;
    // Its part of the usage text, marked for translation in the context "Commands"; after the
    // lines of its subcommands where it has any.
    const char* usage;
    // Runs it and returns its exit status; bad input returns kBadInput with the one line that
    // says what is wrong in *error.
    int (*run)(const CommandRun& run, std::string* error);
    // The value options that may be given more than once.
    std::span<const std::string_view> repeatableOptions = {};
    // Its subcommands, in the order the usage text lists them; each takes the command's options.
    std::span<const Subcommand* const> subcommands = {};
};

const Command& CastCommand();
const Command& JournalCommand();
const Command& LunarCommand();
const Command& TextCommand();

} // namespace zandrel
