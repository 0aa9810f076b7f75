// zandrel journal show: one record of the case book, whole, as lines or JSON.

#include "app/case_book_words.h"
#include "casebook/exchange.h"
#include "cli/journal.h"
#include "cli/terminal.h"
#include "platform/json_text.h"
#include "platform/qt_text.h"

namespace zandrel {
namespace {

int Run(const CommandRun& run, std::string* error) {
    const Journal journal{run, error};
    if (!journal.Plain(1, QT_TRANSLATE_NOOP("Commands", "give the record's id"))) {
        return kBadInput;
    }
    bool missing = false;
    int status = kDone;
    const std::unique_ptr<CaseBook> book = journal.Open(false, &missing, &status, true);
    if (!book && !missing) {
        return status;
    }
    const std::optional<CaseRecord> record = journal.Named(book.get(), &status);
    if (!record) {
        return status;
    }
    const Vocabulary& w = run.words;
    if (run.arguments.Flag("--json")) {
        return Print(run.out, run.err, w, CompactJson(CaseRecordJson(*record)) + "\n");
    }
    std::string tags;
    for (const std::string& tag : record->tags) {
        tags += (tags.empty() ? "" : ", ") + tag;
    }
    const auto line = [&](const char* label, const std::string& value) {
        return TerminalText(FillIn(w.translate("Commands", label), {value})) + "\n";
    };
    std::string text =
        line(QT_TRANSLATE_NOOP("Commands", "Record:       %1"), record->id) +
        line(QT_TRANSLATE_NOOP("Commands", "Cast:         %1"),
             journal.LocalTime(record->castUtc, record->utcOffsetMinutes) + " (" + record->castUtc +
                 ")") +
        line(QT_TRANSLATE_NOOP("Commands", "Method:       %1"), record->method) +
        line(QT_TRANSLATE_NOOP("Commands", "Inputs:       %1"), record->inputs) +
        line(QT_TRANSLATE_NOOP("Commands", "Question:     %1"), record->question) +
        line(QT_TRANSLATE_NOOP("Commands", "Person:       %1"), record->person) +
        line(QT_TRANSLATE_NOOP("Commands", "Tags:         %1"), tags) +
        line(QT_TRANSLATE_NOOP("Commands", "Hexagrams:    %1"),
             journal.Hexagrams(record->original, record->final)) +
        line(QT_TRANSLATE_NOOP("Commands", "Verdict:      %1"), VerdictName(w, record->verdict)) +
        line(QT_TRANSLATE_NOOP("Commands", "Outcome date: %1"), record->outcomeDate) +
        line(QT_TRANSLATE_NOOP("Commands", "What happened: %1"), record->outcomeWhat) +
        line(QT_TRANSLATE_NOOP("Commands", "Notes:        %1"), record->notes) + "\n" +
        TerminalText(record->readingText);
    return Print(run.out, run.err, w, text);
}

} // namespace

const Subcommand& JournalShow() {
    static const Subcommand subcommand{
        "show", QT_TRANSLATE_NOOP("Commands", "  zandrel journal show ID [--json]\n"), Run};
    return subcommand;
}

} // namespace zandrel
