#include "cli/command_line.h"

#include "app/languages.h"
#include "cli/commands.h"
#include "core/version.h"
#include "platform/qt_text.h"

#include <string_view>

namespace zandrel {
namespace {

// The options every Qt program takes, which Qt reads itself when the window system starts:
// those followed by a value, and those that stand alone. Each may also be written with two
// dashes, and the ones with a value also as -option=value.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger", "dialogs", "fontengine",
};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// How many arguments from `argument` on are one of Qt's options: 0 when it is none, 2 when
// its value is the next argument.
int QtOptionLength(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-') {
        return 0;
    }
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    for (std::string_view option : kQtOptionsWithValue) {
        if (name == option) {
            return equals == std::string_view::npos ? 2 : 1;
        }
    }
    for (std::string_view flag : kQtFlags) {
        if (argument == flag) {
            return 1;
        }
    }
    return 0;
}

// How many arguments from `at` on are one of the program's options that may come before a
// command: 0 when it is none.
std::size_t ProgramOptionLength(const std::vector<std::string>& arguments, std::size_t at) {
    const std::string& argument = arguments[at];
    if (argument == "--user-data" || argument.starts_with("--language=")) {
        return 1;
    }
    return argument == "--language" && at + 1 < arguments.size() ? 2 : 0;
}

// The command the line names after the program's options, with its arguments, those options
// first; none when the line names no command.
std::optional<CommandLine> CommandOf(const std::vector<std::string>& arguments) {
    std::size_t at = 0;
    while (at < arguments.size()) {
        const std::size_t length = ProgramOptionLength(arguments, at);
        if (length == 0) {
            break;
        }
        at += length;
    }
    if (at == arguments.size()) {
        return std::nullopt;
    }
    const Command* command = FindCommand(arguments[at]);
    if (command == nullptr) {
        return std::nullopt;
    }
    CommandLine line;
    line.action = CommandLine::Action::Command;
    line.command = command;
    line.commandArguments.assign(arguments.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                                 arguments.end());
    line.commandArguments.insert(line.commandArguments.begin(), arguments.begin(),
                                 arguments.begin() + static_cast<std::ptrdiff_t>(at));
    return line;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    if (std::optional<CommandLine> command = CommandOf(arguments)) {
        return *command;
    }
    CommandLine line;
    bool help = false;
    bool version = false;
    std::optional<CommandLineError> error;
    // Only the first fault is told, but the line is read to its end: a --language after the
    // fault still names the language it is told in.
    const auto refuse = [&error](CommandLineError::Kind kind, const std::string& argument) {
        if (!error) {
            error = CommandLineError{kind, argument};
        }
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (const int length = QtOptionLength(argument); length > 0) {
            if (i + length > arguments.size()) {
                refuse(CommandLineError::Kind::NeedsValue, argument);
                break;
            }
            i += static_cast<std::size_t>(length - 1); // left for Qt, which reads them itself
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else if (argument == "--user-data") {
            line.userData = true;
        } else if (argument == "--language" || argument.starts_with("--language=")) {
            const bool joined = argument.size() > std::string_view("--language").size();
            if (!joined && i + 1 == arguments.size()) {
                refuse(CommandLineError::Kind::NeedsValue, argument);
                break;
            }
            const std::string name =
                joined ? argument.substr(std::string_view("--language=").size()) : arguments[++i];
            if (const std::optional<Language> named = LanguageNamed(name)) {
                line.language = named;
            } else {
                refuse(CommandLineError::Kind::UnknownLanguage, name);
            }
        } else {
            refuse(argument.size() > 1 && argument.front() == '-'
                       ? CommandLineError::Kind::UnknownOption
                       : CommandLineError::Kind::UnexpectedArgument,
                   argument);
        }
    }
    if (error) {
        line.action = CommandLine::Action::Error;
        line.error = *error;
    } else if (help) {
        line.action = CommandLine::Action::Help;
    } else if (version) {
        line.action = CommandLine::Action::Version;
    }
    return line;
}

std::string CommandLineErrorText(const Vocabulary& words, const CommandLineError& error) {
    switch (error.kind) {
    case CommandLineError::Kind::NeedsValue:
        return FillIn(words.translate("CommandLineWords", "option '%1' needs a value"),
                      {error.argument});
    case CommandLineError::Kind::UnknownOption:
        return FillIn(words.translate("CommandLineWords", "unknown option '%1'"), {error.argument});
    case CommandLineError::Kind::UnexpectedArgument:
        return FillIn(words.translate("CommandLineWords", "unexpected argument '%1'"),
                      {error.argument});
    case CommandLineError::Kind::UnknownLanguage:
        return UnknownLanguageText(words, error.argument);
    }
    return {};
}

std::string UsageText(const Vocabulary& words) {
    return ToUtf8(words.translate(
               "CommandLineWords",
               "Usage: zandrel [--user-data]\n"
               "       zandrel cast|lunar|text ...\n"
               "       zandrel --help | --version\n"
               "\n"
               "Casts hexagram readings. The custom hexagram texts (custom1.txt to custom64.txt)\n"
               "and the query log (auvrel.log) are kept in the current directory.\n"
               "\n"
               "Options:\n"
               "  --user-data  keep them in ${XDG_DATA_HOME:-~/.local/share}/zandrel instead,\n"
               "               creating it when missing; the desktop menu entry passes this\n"
               "  --language LANG\n"
               "               speak LANG: en (English), zh_CN (simplified Chinese) or zh_TW\n"
               "               (traditional Chinese), instead of the desktop's language\n"
               "  -h, --help   print this help and exit\n"
               "  --version    print the version and exit\n"
               "\n"
               "The options of every Qt program, such as -platform and -style, work as well.\n"
               "\n")) +
           CommandUsageText(words);
}

std::string VersionText() {
    return "zandrel " ZANDREL_VERSION "\n";
}

} // namespace zandrel
