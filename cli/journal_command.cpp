// zandrel journal: the case book from the command line, one subcommand per file: the list of
// records and one of them, notes and outcomes, statistics, export and import.

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/journal.h"
#include "platform/qt_text.h"

#include <array>

namespace zandrel {
namespace {

constexpr std::string_view kValueOptions[] = {"--search", "--tag",     "--method",
                                              "--since",  "--verdict", "--date",
                                              "--what",   "--format",  "--language"};
constexpr std::string_view kFlagOptions[] = {"--json", "--user-data"};

std::span<const Subcommand* const> Subcommands() {
    static const std::array<const Subcommand*, 7> table = {
        &JournalList(),  &JournalShow(),   &JournalNote(),  &JournalOutcome(),
        &JournalStats(), &JournalExport(), &JournalImport()};
    return table;
}

int Run(const CommandRun& run, std::string* error) {
    const auto& plain = run.arguments.plain;
    const std::string what = plain.empty() ? "" : plain.front();
    if (what.empty()) {
        *error = ToUtf8(run.words.translate(
            "Commands", "give list, show, note, outcome, stats, export or import"));
        return kBadInput;
    }
    for (const Subcommand* subcommand : Subcommands()) {
        if (subcommand->name == what) {
            return subcommand->run(run, error);
        }
    }
    *error = UnexpectedArgument(run.words, what);
    return kBadInput;
}

} // namespace

const Command& JournalCommand() {
    static const Command command{
        "journal",
        kValueOptions,
        kFlagOptions,
        QT_TRANSLATE_NOOP(
            "Commands",
            "      The case book (casebook.sqlite), where every logged cast is kept with its\n"
            "      inputs: lists its records newest first, shows one (ID may be its first\n"
            "      characters), sets its notes or its outcome, counts how many came true,\n"
            "      writes every record to FILE (or prints it), and merges an export or a\n"
            "      query log (auvrel.log) into it. Each takes --user-data too.\n"),
        Run,
        {},
        Subcommands()};
    return command;
}

} // namespace zandrel
