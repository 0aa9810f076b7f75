// zandrel journal list: the records of the case book, newest first, as lines or JSON.

#include "app/case_book_words.h"
#include "cli/journal.h"
#include "cli/terminal.h"
#include "platform/json_text.h"
#include "platform/qt_text.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>

namespace zandrel {
namespace {

// How much of the list is printed at a time: the case book may hold more records than fit in
// memory.
constexpr std::size_t kPrintPiece = 64 * 1024;

int Run(const CommandRun& run, std::string* error) {
    const Journal journal{run, error};
    if (!journal.Plain(0, "")) {
        return kBadInput;
    }
    const Vocabulary& words = run.words;
    CaseFilter filter;
    const ParsedArguments& a = run.arguments;
    filter.search = a.Value("--search") ? *a.Value("--search") : "";
    filter.tag = a.Value("--tag") ? *a.Value("--tag") : "";
    filter.method = a.Value("--method") ? *a.Value("--method") : "";
    if (const std::string* since = a.Value("--since")) {
        if (!QDate::fromString(ToQString(*since), Qt::ISODate).isValid()) {
            return journal.Bad(ToQString(FillIn(
                words.translate("Commands", "'%1' is not a date: give YYYY-MM-DD"), {*since})));
        }
        filter.since = *since;
    }
    if (const std::string* verdict = a.Value("--verdict")) {
        filter.verdict = VerdictNamed(*verdict);
        if (!filter.verdict) {
            return journal.Bad(
                words.translate("Commands", "give --verdict true, partly, false or pending"));
        }
    }
    bool missing = false;
    int status = kDone;
    const std::unique_ptr<CaseBook> book = journal.Open(false, &missing, &status, true);
    if (!book && !missing) {
        return status;
    }
    const bool json = a.Flag("--json");
    std::string text = json ? "[" : "";
    bool first = true;
    CaseBookError failure;
    const auto print = [&](const CaseSummary& row) {
        if (json) {
            QJsonArray tags;
            for (const std::string& tag : row.tags) {
                tags.append(ToQString(tag));
            }
            const QJsonObject object{{"id", ToQString(row.id)},
                                     {"cast_utc", ToQString(row.castUtc)},
                                     {"utc_offset_minutes", row.utcOffsetMinutes},
                                     {"method", ToQString(row.method)},
                                     {"question", ToQString(row.question)},
                                     {"tags", tags},
                                     {"original", row.original},
                                     {"final", row.final},
                                     {"verdict", ToQString(VerdictKey(row.verdict))}};
            text += (first ? "\n" : ",\n") + CompactJson(object);
        } else {
            text += TerminalText(row.id.substr(0, 8) + "  " +
                                 journal.LocalTime(row.castUtc, row.utcOffsetMinutes) + "  " +
                                 journal.Hexagrams(row.original, row.final) + "  " +
                                 VerdictName(words, row.verdict) + "  " + row.question) +
                    "\n";
        }
        first = false;
        // Printed a piece at a time, so that a long list needs no more memory than a piece.
        if (text.size() >= kPrintPiece) {
            status = Print(run.out, run.err, words, text);
            text.clear();
        }
        return status == kDone;
    };
    if (book && !book->ForEachSummary(filter, print, &failure)) {
        return journal.Failed(failure);
    }
    if (status != kDone) {
        return status;
    }
    if (json) {
        text += first ? "]\n" : "\n]\n";
    }
    return Print(run.out, run.err, words, text);
}

} // namespace

const Subcommand& JournalList() {
    static const Subcommand subcommand{
        "list",
        QT_TRANSLATE_NOOP(
            "Commands",
            "  zandrel journal list [--search TEXT] [--tag T] [--method M] [--since DATE]\n"
            "                       [--verdict V] [--json]\n"),
        Run};
    return subcommand;
}

} // namespace zandrel
