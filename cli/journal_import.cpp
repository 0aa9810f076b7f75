// zandrel journal import: merges an export of a case book, or a query log, into the case book.

#include "casebook/exchange.h"
#include "cli/journal.h"
#include "cli/terminal.h"
#include "platform/qt_text.h"

#include <QFile>

#include <ostream>

namespace zandrel {
namespace {

// An import file larger than this is refused rather than read.
constexpr qint64 kImportCap = qint64{1} << 30;

int Run(const CommandRun& run, std::string* error) {
    const Journal journal{run, error};
    if (!journal.Plain(1, QT_TRANSLATE_NOOP("Commands", "give the file to import"))) {
        return kBadInput;
    }
    const std::string& path = run.arguments.plain[1];
    QFile file(ToQString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        //: %1 is the file, %2 what went wrong
        run.err << "zandrel: "
                << TerminalText(FillIn(run.words.translate("Commands", "%1 could not be read: %2"),
                                       {path, ToUtf8(file.errorString())}))
                << "\n";
        return kFileError;
    }
    const QByteArray bytes = file.size() > kImportCap ? QByteArray() : file.read(kImportCap);
    const CaseImport import = ReadCaseImport({bytes.constData(), std::size_t(bytes.size())});
    if (import.kind == CaseImport::Kind::Neither) {
        return journal.Bad(ToQString(
            FillIn(run.words.translate(
                       "Commands", "%1 is neither an export of a case book (JSON) nor a query log"),
                   {path})));
    }
    bool missing = false;
    int status = kDone;
    const std::unique_ptr<CaseBook> book = journal.Open(true, &missing, &status);
    if (!book) {
        return status;
    }
    ImportCounts counts;
    CaseBookError failure;
    if (!book->Merge(import.records, &counts, &failure)) {
        return journal.Failed(failure);
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
