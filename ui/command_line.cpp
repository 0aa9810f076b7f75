#include "ui/command_line.h"

#include "res/version.h"

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

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool help = false;
    bool version = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (const int length = QtOptionLength(argument); length > 0) {
            if (i + length > arguments.size()) {
                line.action = CommandLine::Action::Error;
                line.error = "option '" + argument + "' needs a value";
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
        } else {
            line.action = CommandLine::Action::Error;
            line.error =
                (argument.size() > 1 && argument.front() == '-' ? "unknown option '"
                                                                : "unexpected argument '") +
                argument + "'";
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
    return "Usage: zandrel [--user-data]\n"
           "       zandrel --help | --version\n"
           "\n"
           "Casts hexagram readings. The custom hexagram texts (custom1.txt to custom64.txt)\n"
           "and the query log (auvrel.log) are kept in the current directory.\n"
           "\n"
           "Options:\n"
           "  --user-data  keep them in ${XDG_DATA_HOME:-~/.local/share}/zandrel instead,\n"
           "               creating it when missing; the desktop menu entry passes this\n"
           "  -h, --help   print this help and exit\n"
           "  --version    print the version and exit\n"
           "\n"
           "The options of every Qt program, such as -platform and -style, work as well.\n";
}

std::string VersionText() {
    return "zandrel " ZANDREL_VERSION "\n";
}

} // namespace zandrel
