#include "cli/commands.h"

#include "app/languages.h"
#include "cli/command_line.h"
#include "cli/terminal.h"
#include "platform/qt_text.h"

#include <algorithm>
#include <array>
#include <ostream>

namespace zandrel {

const std::string& CommandRun::DataDirectory() const {
    return arguments.Flag("--user-data") ? context.userDataDirectory : context.currentDirectory;
}

std::unique_ptr<Session> CommandRun::OpenSession() const {
    std::unique_ptr<Session> session = context.openSession
                                           ? context.openSession(DataDirectory(), words)
                                           : std::make_unique<Session>(DataDirectory(), words);
    session->LoadTexts();
    return session;
}

std::span<const Command* const> CommandTable() {
    static const std::array<const Command*, 4> table = {&CastCommand(), &LunarCommand(),
                                                        &TextCommand(), &JournalCommand()};
    return table;
}

const Command* FindCommand(std::string_view name) {
    for (const Command* command : CommandTable()) {
        if (command->name == name) {
            return command;
        }
    }
    return nullptr;
}

std::string UnknownLanguageText(const Vocabulary& words, std::string_view name) {
    // The codes of every language, as a list in the words of `words`: "en, zh_CN or zh_TW".
    const auto languages = LanguageTable();
    QString codes = QString::fromLatin1(languages.front().code);
    for (std::size_t i = 1; i < languages.size(); ++i) {
        const QString code = QString::fromLatin1(languages[i].code);
        //: Two items of a list, or the list so far and its next item
        codes = i + 1 < languages.size() ? words.translate("Commands", "%1, %2").arg(codes, code)
                                         //: The list so far and its last item
                                         : words.translate("Commands", "%1 or %2").arg(codes, code);
    }
    //: The language named on the command line, then the codes of those the program speaks
    return FillIn(words.translate("InterfaceLanguageWords", "unknown language '%1': give %2"),
                  {name, ToUtf8(codes)});
}

int RunCommand(const Command& command, const std::vector<std::string>& arguments, std::ostream& out,
               std::ostream& err, const CommandContext& context) {
    const ParsedArguments parsed = ParseArguments(arguments, command.valueOptions,
                                                  command.flagOptions, command.repeatableOptions);
    // Every word is in the language the line names, the complaints too, wherever it names it.
    const std::string* named = parsed.Value("--language");
    const std::optional<Language> chosen = named ? LanguageNamed(*named) : std::nullopt;
    const Vocabulary& words = chosen ? Vocabulary::Of(*chosen) : context.Words();
    const std::string prefix = "zandrel " + std::string(command.name) + ": ";
    if (parsed.fault) {
        err << prefix << TerminalText(ArgumentFaultText(words, *parsed.fault)) << "\n";
        return kBadInput;
    }
    if (named != nullptr && !chosen) {
        err << prefix << TerminalText(UnknownLanguageText(words, *named)) << "\n";
        return kBadInput;
    }
    if (parsed.help) {
        return Print(out, err, words, UsageText(words));
    }
    std::string error;
    const int status = command.run({parsed, words, context, out, err}, &error);
    if (status == kBadInput) {
        err << prefix << TerminalText(error) << "\n";
    }
    return status;
}

std::string CommandUsageText(const Vocabulary& words) {
    std::string text =
        words.Tr("Commands", QT_TRANSLATE_NOOP("Commands", "Commands, which need no display:\n"));
    for (const Command* command : CommandTable()) {
        for (const Subcommand* subcommand : command->subcommands) {
            text += words.Tr("Commands", subcommand->usage);
        }
        text += words.Tr("Commands", command->usage);
    }
    return text + ToUtf8(words.translate(
                      "Commands",
                      "  Each takes --language LANG too, and then prints in that language.\n"
                      "  Their lines end in LF; in the JSON \"text\" the reading keeps the CR LF "
                      "of the\n"
                      "  log. Exit status: 0 done, 1 a file error, 2 bad input.\n"));
}

} // namespace zandrel
