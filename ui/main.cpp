#include "platform/qt_text.h"
#include "ui/command_line.h"
#include "ui/commands.h"
#include "ui/divination_app.h"
#include "ui/interface_language.h"

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
        std::cerr << "zandrel: "
                  << zandrel::ToUtf8(QCoreApplication::translate(
                         "Commands", "cannot write to the standard output"))
                  << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    using zandrel::CommandLine;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine line = zandrel::ParseCommandLine(arguments);
    // --language, or else the desktop's, as every Qt program chooses.
    const zandrel::Language language = line.language.value_or(zandrel::DesktopLanguage());
    switch (line.action) {
    case CommandLine::Action::Help: {
        const zandrel::PrintingLanguage session(language);
        return Print(zandrel::UsageText());
    }
    case CommandLine::Action::Version:
        return Print(zandrel::VersionText());
    case CommandLine::Action::Error: {
        const zandrel::PrintingLanguage session(language);
        // Read again in the language, so that its complaint is in it too.
        std::cerr << "zandrel: " << zandrel::ParseCommandLine(arguments).error << "\n"
                  << zandrel::UsageText();
        return 2;
    }
    case CommandLine::Action::Command:
        // No window system: these commands print and end.
        return zandrel::RunCommand(line.command, line.commandArguments, std::cout, std::cerr,
                                   zandrel::DesktopLanguage());
    case CommandLine::Action::Run:
        break;
    }

    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    const zandrel::LanguageSession session(language);
    theApp.userDataDirectory = line.userData;
    theApp.InitInstance();
    return theApp.exitCode;
}
