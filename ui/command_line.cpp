#include "ui/command_line.h"

#include "res/version.h"

namespace zandrel {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool help = false;
    bool version = false;
    for (const std::string& argument : arguments) {
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
           "  --version    print the version and exit\n";
}

std::string VersionText() {
    return "zandrel " ZANDREL_VERSION "\n";
}

} // namespace zandrel
