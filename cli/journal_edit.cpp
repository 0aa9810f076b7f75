// zandrel journal note and outcome: what the user writes of a record.

#include "cli/journal.h"
#include "platform/qt_text.h"

#include <QDate>

#include <functional>

namespace zandrel {
namespace {

// Opens the case book, finds the record the edit names and makes `change` to it.
int Edit(const Journal& journal,
         const std::function<bool(CaseBook&, const CaseRecord&, CaseBookError*)>& change) {
    bool missing = false;
    int status = kDone;
    const std::unique_ptr<CaseBook> book = journal.Open(false, &missing, &status);
    if (!book && !missing) {
        return status;
    }
    const std::optional<CaseRecord> record = journal.Named(book.get(), &status);
    if (!record) {
        return status;
    }
    CaseBookError failure;
    if (!change(*book, *record, &failure) && failure.Failed()) {
        return journal.Failed(failure);
    }
    return kDone;
}

int Note(const CommandRun& run, std::string* error) {
    const Journal journal{run, error};
    if (!journal.Plain(2, QT_TRANSLATE_NOOP("Commands", "give the record's id and the note"))) {
        return kBadInput;
    }
    const std::string& note = run.arguments.plain[2];
    return Edit(journal, [&](CaseBook& book, const CaseRecord& record, CaseBookError* failure) {
        return book.SetNotes(record.id, note, failure);
    });
}

int Outcome(const CommandRun& run, std::string* error) {
    const Journal journal{run, error};
    if (!journal.Plain(1, QT_TRANSLATE_NOOP("Commands", "give the record's id"))) {
        return kBadInput;
    }
    const Vocabulary& words = run.words;
    const ParsedArguments& a = run.arguments;
    const std::string* named = a.Value("--verdict");
    const std::optional<Verdict> verdict = named ? VerdictNamed(*named) : std::nullopt;
    if (!verdict) {
        return journal.Bad(
            words.translate("Commands", "give --verdict true, partly, false or pending"));
    }
    const std::string* date = a.Value("--date");
    if (date != nullptr && !QDate::fromString(ToQString(*date), Qt::ISODate).isValid()) {
        return journal.Bad(ToQString(
            FillIn(words.translate("Commands", "'%1' is not a date: give YYYY-MM-DD"), {*date})));
    }
    const std::string* what = a.Value("--what");
    // What is not given stays as it was.
    return Edit(journal, [&](CaseBook& book, const CaseRecord& record, CaseBookError* failure) {
        return book.SetOutcome(record.id, *verdict, date ? *date : record.outcomeDate,
                               what ? *what : record.outcomeWhat, failure);
    });
}

} // namespace

const Subcommand& JournalNote() {
    static const Subcommand subcommand{
        "note", QT_TRANSLATE_NOOP("Commands", "  zandrel journal note ID TEXT\n"), Note};
    return subcommand;
}

const Subcommand& JournalOutcome() {
    static const Subcommand subcommand{
        "outcome",
        QT_TRANSLATE_NOOP(
            "Commands",
            "  zandrel journal outcome ID --verdict true|partly|false|pending [--date D]\n"
            "                             [--what TEXT]\n"),
        Outcome};
    return subcommand;
}

} // namespace zandrel
