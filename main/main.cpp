// The program: a command goes to the command line, which needs no display; anything else
// starts the window.

#include "app/data_directory.h"
#include "app/languages.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "gui/divination_app.h"
#include "gui/language_session.h"

#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

namespace {

zandrel::CDivinationApp theApp;

// The one name the desktop entry, the AppStream metadata and the icon go by, so that the
// window manager can match the running window to its menu entry and icon.
constexpr char kDesktopFileName[] = "io.github.zandrel.Zandrel";

} // namespace

int main(int argc, char* argv[]) {
    using zandrel::CommandLine;
    using zandrel::Vocabulary;
    const CommandLine line =
        zandrel::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    // Every word from here on, a complaint about the line too, is in the language it names.
    const zandrel::Language desktop = zandrel::DesktopLanguage();
    const zandrel::Language language = line.language.value_or(desktop);
    const Vocabulary& words = Vocabulary::Of(language);
    switch (line.action) {
    case CommandLine::Action::Help:
        return zandrel::Print(std::cout, std::cerr, words, zandrel::UsageText(words));
    case CommandLine::Action::Version:
        return zandrel::Print(std::cout, std::cerr, words, zandrel::VersionText());
    case CommandLine::Action::Error:
        std::cerr << "zandrel: "
                  << zandrel::TerminalText(zandrel::CommandLineErrorText(words, line.error)) << "\n"
                  << zandrel::UsageText(words);
        return 2;
    case CommandLine::Action::Command: {
        // No window system: these commands print and end.
        const zandrel::CommandContext context{
            zandrel::CurrentDirectory(), zandrel::UserDataDirectory(), desktop, {}};
        return zandrel::RunCommand(*line.command, line.commandArguments, std::cout, std::cerr,
                                   context);
    }
    case CommandLine::Action::Run:
        break;
    }

    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    const zandrel::LanguageSession session(language);
    theApp.userDataDirectory = line.userData;
    theApp.dataDirectory = zandrel::DataDirectory(line.userData);
    theApp.language = language;
    theApp.InitInstance();
    return theApp.exitCode;
}
