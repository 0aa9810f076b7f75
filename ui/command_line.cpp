#include "ui/command_line.h"

#include "platform/qt_text.h"
#include "res/version.h"
#include "ui/commands.h"
#include "ui/interface_language.h"

#include <QCoreApplication>

#include <string_view>

namespace zandrel {
namespace {

class CommandLineWords {
    Q_DECLARE_TR_FUNCTIONS(CommandLineWords)
};

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

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (!arguments.empty() && IsCommandName(arguments.front())) {
        line.action = CommandLine::Action::Command;
        line.command = arguments.front();
        line.commandArguments.assign(arguments.begin() + 1, arguments.end());
        return line;
    }
    bool help = false;
    bool version = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (const int length = QtOptionLength(argument); length > 0) {
            if (i + length > arguments.size()) {
                line.action = CommandLine::Action::Error;
                line.error = FillIn(CommandLineWords::tr("option '%1' needs a value"), {argument});
                return line;
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
                line.action = CommandLine::Action::Error;
                line.error = FillIn(CommandLineWords::tr("option '%1' needs a value"), {argument});
                return line;
            }
            const std::string name =
                joined ? argument.substr(std::string_view("--language=").size()) : arguments[++i];
            line.language = LanguageNamed(name);
            if (!line.language) {
                line.action = CommandLine::Action::Error;
                line.error = UnknownLanguageText(name);
                return line;
            }
        } else {
            line.action = CommandLine::Action::Error;
            line.error = FillIn(argument.size() > 1 && argument.front() == '-'
                                    ? CommandLineWords::tr("unknown option '%1'")
                                    : CommandLineWords::tr("unexpected argument '%1'"),
                                {argument});
            return line;
        }
    }
    if (help) {
        line.action = CommandLine::Action::Help;
    } else if (version) {
        line.action = CommandLine::Action::Version;
    }
    return line;
}

std::string UsageText() {
    return ToUtf8(CommandLineWords::tr(
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
           CommandUsageText();
}

std::string VersionText() {
    return "zandrel " ZANDREL_VERSION "\n";
}

} // namespace zandrel
