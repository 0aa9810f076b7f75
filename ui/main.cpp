#include "ui/command_line.h"
#include "ui/commands.h"
#include "ui/divination_app.h"

#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

namespace {

zandrel::CDivinationApp theApp;

// The one name the desktop entry, the AppStream metadata and the icon go by, so that the
// window manager can match the running window to its menu entry and icon.
constexpr char kDesktopFileName[] = "io.github.zandrel.Zandrel";

// Prints text that was asked for; a failure to print it (a full disk, say) is a failure of
// the command.
int Print(const std::string& text) {
    std::cout << text << std::flush;
    if (!std::cout) {
        std::cerr << "zandrel: cannot write to the standard output\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    using zandrel::CommandLine;
    const CommandLine line =
        zandrel::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
    case CommandLine::Action::Help:
        return Print(zandrel::UsageText());
    case CommandLine::Action::Version:
        return Print(zandrel::VersionText());
    case CommandLine::Action::Error:
        std::cerr << "zandrel: " << line.error << "\n" << zandrel::UsageText();
        return 2;
    case CommandLine::Action::Command:
        // No window system: these commands print and end.
        return zandrel::RunCommand(line.command, line.commandArguments, std::cout, std::cerr);
    case CommandLine::Action::Run:
        break;
    }

    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    theApp.userDataDirectory = line.userData;
    theApp.InitInstance();
    return theApp.exitCode;
}
