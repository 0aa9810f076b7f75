// zandrel journal import: merges an export of a case book, or a query log, into the case book.

#include "casebook/import_reader.h"
#include "cli/journal.h"
#include "cli/terminal.h"
#include "platform/qt_text.h"

#include <QFile>

#include <ostream>

namespace zandrel {
namespace {

int ReadFailed(const CommandRun& run, const std::string& path, const QString& reason) {
    //: %1 is the file, %2 what went wrong
    run.err << "zandrel: "
            << TerminalText(FillIn(run.words.translate("Commands", "%1 could not be read: %2"),
                                   {path, ToUtf8(reason)}))
            << "\n";
    return kFileError;
}

// Tells why the file was not imported, naming the record where it went wrong.
int Refused(const Journal& journal, const std::string& path, const CaseImportProblem& problem) {
    using Kind = CaseImportProblem::Kind;
    const Vocabulary& w = journal.Words();
    const std::string record = std::to_string(problem.record);
    const std::string offset = std::to_string(problem.offset);
    switch (problem.kind) {
    case Kind::None:
        break;
    case Kind::Unreadable:
        return ReadFailed(journal.run, path, ToQString(problem.detail));
    case Kind::NotAnImport:
        return journal.Bad(ToQString(
            FillIn(w.translate("Commands",
                               "%1 is neither an export of a case book (JSON) nor a query log"),
                   {path})));
    case Kind::BadRecord:
        //: %1 is the file, %2 the number of the record, %3 the byte of the file it starts at
        return journal.Bad(ToQString(
            FillIn(w.translate("Commands", "%1: record %2, at byte %3, is not a record of a case "
                                           "book; nothing was imported"),
                   {path, record, offset})));
    case Kind::RecordTooLong:
        //: %1 is the file, %2 the number of the record, %3 the byte of the file it starts at,
        //: %4 the most it may take in MiB
        return journal.Bad(ToQString(
            FillIn(w.translate("Commands", "%1: record %2, at byte %3, is longer than %4 MiB; "
                                           "nothing was imported"),
                   {path, record, offset, std::to_string(kMaxImportRecordBytes >> 20)})));
    case Kind::TextTooLong:
        //: %1 is the file, %2 the number of the record, %3 the byte of the file it starts at,
        //: %4 the most one text may take in MiB
        return journal.Bad(ToQString(
            FillIn(w.translate("Commands", "%1: a text of record %2, at byte %3, is longer than "
                                           "%4 MiB; nothing was imported"),
                   {path, record, offset, std::to_string(kMaxImportTextBytes >> 20)})));
    case Kind::CutShort:
        //: %1 is the file, %2 the byte it ends at, %3 how many records came whole before
        return journal.Bad(ToQString(
            FillIn(w.translate("Commands", "%1 ends too early, at byte %2 (whole records before "
                                           "it: %3); nothing was imported"),
                   {path, offset, record})));
    case Kind::NotTheEnd:
        //: %1 is the file, %2 the number of the last record read, %3 the byte of the file where
        //: what follows it starts
        return journal.Bad(ToQString(
            FillIn(w.translate("Commands", "%1: what follows record %2, at byte %3, is not part "
                                           "of an export; nothing was imported"),
                   {path, record, offset})));
    }
    return kDone;
}

int Run(const CommandRun& run, std::string* error) {
    const Journal journal{run, error};
    if (!journal.Plain(1, QT_TRANSLATE_NOOP("Commands", "give the file to import"))) {
        return kBadInput;
    }
    const std::string& path = run.arguments.plain[1];
    QFile file(ToQString(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return ReadFailed(run, path, file.errorString());
    }
    // Read record by record as the merge takes them: a file of any size needs the memory of
    // one record, and what is no export or log is refused from its first bytes.
    CaseImportReader reader(file);
    if (reader.Failed()) {
        return Refused(journal, path, reader.Problem());
    }
    bool missing = false;
    int status = kDone;
    const std::unique_ptr<CaseBook> book = journal.Open(true, &missing, &status);
    if (!book) {
        return status;
    }
    ImportCounts counts;
    CaseBookError failure;
    // One transaction: a file found wrong half-way leaves the book as it was.
    if (!book->Merge(reader, &counts, &failure)) {
        return reader.Failed() ? Refused(journal, path, reader.Problem()) : journal.Failed(failure);
    }
    return Print(run.out, run.err, run.words,
                 FillIn(run.words.translate("Commands", "Added %1, updated %2, skipped %3.\n"),
                        {std::to_string(counts.added), std::to_string(counts.updated),
                         std::to_string(counts.skipped)}));
}

} // namespace

const Subcommand& JournalImport() {
    static const Subcommand subcommand{
        "import", QT_TRANSLATE_NOOP("Commands", "  zandrel journal import FILE\n"), Run};
    return subcommand;
}

} // namespace zandrel
