// zandrel text: the full text of a hexagram, as the text browser shows it.

#include "app/date_input.h"
#include "cli/command.h"
#include "cli/terminal.h"
#include "core/trigrams.h"
#include "platform/qt_text.h"
#include "text/hexagram_text.h"

namespace zandrel {
namespace {

constexpr std::string_view kValueOptions[] = {"--language"};
constexpr std::string_view kFlagOptions[] = {"--user-data"};

int Run(const CommandRun& run, std::string* error) {
    const ParsedArguments& arguments = run.arguments;
    const Vocabulary& words = run.words;
    if (arguments.plain.empty()) {
        *error = ToUtf8(words.translate("Commands", "give the hexagram's number, 1 to 64"));
        return kBadInput;
    }
    if (arguments.plain.size() > 1) {
        *error = UnexpectedArgument(words, arguments.plain[1]);
        return kBadInput;
    }
    const std::optional<Hexagram> n = ReadNumber(arguments.plain[0], 1, kHexagramCount);
    if (!n) {
        *error = FillIn(words.translate("Commands", "'%1' is not a hexagram: give 1 to 64"),
                        {arguments.plain[0]});
        return kBadInput;
    }
    const std::unique_ptr<Session> session = run.OpenSession();
    return Print(run.out, run.err, words, TerminalText(FullHexagramText(session->Texts(), *n)));
}

} // namespace

const Command& TextCommand() {
    static const Command command{
        "text", kValueOptions, kFlagOptions,
        QT_TRANSLATE_NOOP("Commands", "  zandrel text N [--user-data]\n"
                                      "      Prints the full text of hexagram N (1 to 64), as the "
                                      "text browser shows it.\n"),
        Run};
    return command;
}

} // namespace zandrel
