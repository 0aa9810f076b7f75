// zandrel journal: the case book from the command line: the list of records and one of them,
// notes and outcomes, statistics, export and import.

#include "app/case_book_words.h"
#include "app/data_directory.h"
#include "app/file_error_message.h"
#include "app/reading_words.h"
#include "casebook/case_book.h"
#include "casebook/exchange.h"
#include "cli/command.h"
#include "cli/terminal.h"
#include "platform/qt_text.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <cmath>
#include <ostream>
#include <streambuf>

namespace zandrel {
namespace {

constexpr std::string_view kValueOptions[] = {"--search", "--tag",     "--method",
                                              "--since",  "--verdict", "--date",
                                              "--what",   "--format",  "--language"};
constexpr std::string_view kFlagOptions[] = {"--json", "--user-data"};

// The rows a list reads at a time: the case book may hold more records than fit in memory.
constexpr int kListPage = 500;
// An import file larger than this is refused rather than read.
constexpr qint64 kImportCap = qint64{1} << 30;

// A std::ostream over a file that replaces the old one only when it is whole.
class DeviceBuffer : public std::streambuf {
public:
    explicit DeviceBuffer(QIODevice& device) : device_(device) {}

protected:
    int_type overflow(int_type c) override {
        if (c == traits_type::eof()) {
            return traits_type::not_eof(c);
        }
        const char byte = traits_type::to_char_type(c);
        return device_.write(&byte, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* data, std::streamsize size) override {
        return device_.write(data, size);
    }

private:
    QIODevice& device_;
};

struct Journal {
    const CommandRun& run;
    std::string* error;

    const Vocabulary& Words() const { return run.words; }
    std::string Path() const { return run.DataDirectory() + "/" + kCaseBookFileName; }

    // The case book, or none after its problem was told; `make` makes a missing one, else a
    // missing one is told as empty by *missing. A book opened only to `read` is read even where
    // it cannot be written (a read-only folder, a full disk).
    std::unique_ptr<CaseBook> Open(bool make, bool* missing, int* status, bool read = false) const {
        *missing = false;
        if (!make && !QFileInfo::exists(ToQString(Path()))) {
            *missing = true;
            return nullptr;
        }
        if (make && run.arguments.Flag("--user-data")) {
            if (const FileError failed = CreateDirectories(run.DataDirectory()); failed.Failed()) {
                run.err << "zandrel: " << FileErrorMessage(Words(), failed) << "\n";
                *status = kFileError;
                return nullptr;
            }
        }
        CaseBookError failure;
        std::unique_ptr<CaseBook> book = CaseBook::Open(
            run.DataDirectory(), &failure, read ? CaseBookAccess::Read : CaseBookAccess::Write);
        if (!book) {
            *status = Failed(failure);
        }
        return book;
    }

    int Failed(const CaseBookError& failure) const {
        run.err << "zandrel: " << TerminalText(CaseBookErrorMessage(Words(), failure)) << "\n";
        return kFileError;
    }

    int Bad(const QString& text) const {
        *error = ToUtf8(text);
        return kBadInput;
    }

    // The one plain argument a subcommand takes after its name, or an error.
    bool Plain(std::size_t count, const char* missing) const {
        const auto& plain = run.arguments.plain;
        if (plain.size() < count + 1) {
            *error = ToUtf8(Words().translate("Commands", missing));
            return false;
        }
        if (plain.size() > count + 1) {
            *error = UnexpectedArgument(Words(), plain[count + 1]);
            return false;
        }
        return true;
    }

    std::string LocalTime(const std::string& castUtc, int offsetMinutes) const {
        QDateTime utc = QDateTime::fromString(ToQString(castUtc), Qt::ISODate);
        if (!utc.isValid()) {
            return castUtc;
        }
        return ToUtf8(utc.toOffsetFromUtc(offsetMinutes * 60).toString("yyyy-MM-dd HH:mm"));
    }

    std::string Hexagrams(int original, int final) const {
        if (original < 1 || original > kHexagramCount || final < 1 || final > kHexagramCount) {
            return "-";
        }
        return HexagramWords(Words(), original) + " \u2192 " + HexagramWords(Words(), final);
    }

    int List() const {
        if (!Plain(0, "")) {
            return kBadInput;
        }
        CaseFilter filter;
        const ParsedArguments& a = run.arguments;
        filter.search = a.Value("--search") ? *a.Value("--search") : "";
        filter.tag = a.Value("--tag") ? *a.Value("--tag") : "";
        filter.method = a.Value("--method") ? *a.Value("--method") : "";
        if (const std::string* since = a.Value("--since")) {
            if (!QDate::fromString(ToQString(*since), Qt::ISODate).isValid()) {
                return Bad(ToQString(
                    FillIn(Words().translate("Commands", "'%1' is not a date: give YYYY-MM-DD"),
                           {*since})));
            }
            filter.since = *since;
        }
        if (const std::string* verdict = a.Value("--verdict")) {
            filter.verdict = VerdictNamed(*verdict);
            if (!filter.verdict) {
                return Bad(
                    Words().translate("Commands", "give --verdict true, partly, false or pending"));
            }
        }
        bool missing = false;
        int status = kDone;
        const std::unique_ptr<CaseBook> book = Open(false, &missing, &status, true);
        if (!book && !missing) {
            return status;
        }
        const bool json = a.Flag("--json");
        std::string text = json ? "[" : "";
        bool first = true;
        CaseBookError failure;
        for (std::int64_t offset = 0; book;) {
            const std::vector<CaseSummary> rows = book->Page(filter, offset, kListPage, &failure);
            if (failure.Failed()) {
                return Failed(failure);
            }
            for (const CaseSummary& row : rows) {
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
                    text += (first ? "\n" : ",\n") +
                            QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
                } else {
                    text += TerminalText(row.id.substr(0, 8) + "  " +
                                         LocalTime(row.castUtc, row.utcOffsetMinutes) + "  " +
                                         Hexagrams(row.original, row.final) + "  " +
                                         VerdictName(Words(), row.verdict) + "  " + row.question) +
                            "\n";
                }
                first = false;
            }
            if (rows.size() < static_cast<std::size_t>(kListPage)) {
                break;
            }
            offset += kListPage;
            // Printed page by page, so that a long list needs no more memory than a page.
            if (const int printed = Print(run.out, run.err, Words(), text); printed != kDone) {
                return printed;
            }
            text.clear();
        }
        if (json) {
            text += first ? "]\n" : "\n]\n";
        }
        return Print(run.out, run.err, Words(), text);
    }

    // The record the first plain argument names, or a complaint.
    std::optional<CaseRecord> Named(CaseBook* book, int* status) const {
        const std::string& id = run.arguments.plain[1];
        CaseBookError failure;
        std::optional<CaseRecord> record = book ? book->Find(id, &failure) : std::nullopt;
        if (failure.Failed()) {
            *status = Failed(failure);
        } else if (!record) {
            *status = Bad(ToQString(FillIn(
                Words().translate("Commands", "no record '%1' in the case book, or more than one"),
                {id})));
        }
        return record;
    }

    int Show() const {
        if (!Plain(1, "give the record's id")) {
            return kBadInput;
        }
        bool missing = false;
        int status = kDone;
        const std::unique_ptr<CaseBook> book = Open(false, &missing, &status, true);
        if (!book && !missing) {
            return status;
        }
        const std::optional<CaseRecord> record = Named(book.get(), &status);
        if (!record) {
            return status;
        }
        if (run.arguments.Flag("--json")) {
            return Print(run.out, run.err, Words(),
                         QJsonDocument(CaseRecordJson(*record))
                                 .toJson(QJsonDocument::Compact)
                                 .toStdString() +
                             "\n");
        }
        const Vocabulary& w = Words();
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
                 LocalTime(record->castUtc, record->utcOffsetMinutes) + " (" + record->castUtc +
                     ")") +
            line(QT_TRANSLATE_NOOP("Commands", "Method:       %1"), record->method) +
            line(QT_TRANSLATE_NOOP("Commands", "Inputs:       %1"), record->inputs) +
            line(QT_TRANSLATE_NOOP("Commands", "Question:     %1"), record->question) +
            line(QT_TRANSLATE_NOOP("Commands", "Person:       %1"), record->person) +
            line(QT_TRANSLATE_NOOP("Commands", "Tags:         %1"), tags) +
            line(QT_TRANSLATE_NOOP("Commands", "Hexagrams:    %1"),
                 Hexagrams(record->original, record->final)) +
            line(QT_TRANSLATE_NOOP("Commands", "Verdict:      %1"),
                 VerdictName(w, record->verdict)) +
            line(QT_TRANSLATE_NOOP("Commands", "Outcome date: %1"), record->outcomeDate) +
            line(QT_TRANSLATE_NOOP("Commands", "What happened: %1"), record->outcomeWhat) +
            line(QT_TRANSLATE_NOOP("Commands", "Notes:        %1"), record->notes) + "\n" +
            TerminalText(record->readingText);
        return Print(run.out, run.err, w, text);
    }

    // Opens the case book and finds the record an edit names.
    int
    Edit(const std::function<bool(CaseBook&, const CaseRecord&, CaseBookError*)>& change) const {
        bool missing = false;
        int status = kDone;
        const std::unique_ptr<CaseBook> book = Open(false, &missing, &status);
        if (!book && !missing) {
            return status;
        }
        const std::optional<CaseRecord> record = Named(book.get(), &status);
        if (!record) {
            return status;
        }
        CaseBookError failure;
        if (!change(*book, *record, &failure) && failure.Failed()) {
            return Failed(failure);
        }
        return kDone;
    }

    int Note() const {
        if (!Plain(2, "give the record's id and the note")) {
            return kBadInput;
        }
        const std::string& note = run.arguments.plain[2];
        return Edit([&](CaseBook& book, const CaseRecord& record, CaseBookError* failure) {
            return book.SetNotes(record.id, note, failure);
        });
    }

    int Outcome() const {
        if (!Plain(1, "give the record's id")) {
            return kBadInput;
        }
        const ParsedArguments& a = run.arguments;
        const std::string* named = a.Value("--verdict");
        const std::optional<Verdict> verdict = named ? VerdictNamed(*named) : std::nullopt;
        if (!verdict) {
            return Bad(
                Words().translate("Commands", "give --verdict true, partly, false or pending"));
        }
        const std::string* date = a.Value("--date");
        if (date != nullptr && !QDate::fromString(ToQString(*date), Qt::ISODate).isValid()) {
            return Bad(ToQString(FillIn(
                Words().translate("Commands", "'%1' is not a date: give YYYY-MM-DD"), {*date})));
        }
        const std::string* what = a.Value("--what");
        // What is not given stays as it was.
        return Edit([&](CaseBook& book, const CaseRecord& record, CaseBookError* failure) {
            return book.SetOutcome(record.id, *verdict, date ? *date : record.outcomeDate,
                                   what ? *what : record.outcomeWhat, failure);
        });
    }

    int Stats() const {
        if (!Plain(0, "")) {
            return kBadInput;
        }
        bool missing = false;
        int status = kDone;
        const std::unique_ptr<CaseBook> book = Open(false, &missing, &status, true);
        if (!book && !missing) {
            return status;
        }
        CaseBookError failure;
        const CaseStatistics statistics = book ? book->Statistics(&failure) : CaseStatistics{};
        if (failure.Failed()) {
            return Failed(failure);
        }
        const Vocabulary& w = Words();
        const auto line = [&](const VerdictCounts& counts, const QString& name) {
            const std::optional<double> share = counts.ShareTrue();
            const std::string percent =
                share ? std::to_string(static_cast<int>(std::lround(*share * 100))) + "%" : "-";
            //: %1 the method or "All", %2 the records, then how many came true, partly, did
            //: not, are not judged yet, and the share that came true among those judged
            return TerminalText(FillIn(
                       w.translate("Commands", "%1: records %2, %3 came true, %4 partly, "
                                               "%5 did not, %6 not yet; came true: %7"),
                       {ToUtf8(name), std::to_string(counts.total), std::to_string(counts.cameTrue),
                        std::to_string(counts.partly), std::to_string(counts.wrong),
                        std::to_string(counts.pending), percent})) +
                   "\n";
        };
        //: All methods of casting together, in the statistics
        std::string text = line(statistics.overall, w.translate("Commands", "All"));
        for (const VerdictCounts& counts : statistics.perMethod) {
            text += line(counts, ToQString(counts.method));
        }
        return Print(run.out, run.err, w, text);
    }

    int Export() const {
        const auto& plain = run.arguments.plain;
        if (plain.size() > 2) {
            *error = UnexpectedArgument(Words(), plain[2]);
            return kBadInput;
        }
        const std::string* named = run.arguments.Value("--format");
        const std::optional<ExportFormat> format =
            named ? ExportFormatNamed(*named) : ExportFormat::Json;
        if (!format) {
            return Bad(Words().translate("Commands", "give --format json, csv or md"));
        }
        bool missing = false;
        int status = kDone;
        const std::unique_ptr<CaseBook> book = Open(false, &missing, &status, true);
        if (!book && !missing) {
            return status;
        }
        const auto write = [&](std::ostream& out) {
            CaseExportWriter writer(out, *format);
            writer.Begin();
            CaseBookError failure;
            if (book && !book->ForEach(
                            {},
                            [&](const CaseRecord& record) {
                                writer.Add(record);
                                return static_cast<bool>(out);
                            },
                            &failure)) {
                return Failed(failure);
            }
            writer.End();
            return kDone;
        };
        if (plain.size() < 2) {
            // Written to the terminal as it comes, the export needs no copy of the whole.
            status = write(run.out);
            run.out.flush();
            if (status == kDone && !run.out) {
                return Print(run.out, run.err, Words(), "");
            }
            return status;
        }
        QSaveFile file(ToQString(plain[1]));
        if (!file.open(QIODevice::WriteOnly)) {
            return WriteFailed(plain[1], file.errorString());
        }
        DeviceBuffer buffer(file);
        std::ostream out(&buffer);
        if (status = write(out); status != kDone) {
            file.cancelWriting();
            return status;
        }
        out.flush();
        if (!out || !file.commit()) {
            return WriteFailed(plain[1], file.errorString());
        }
        return kDone;
    }

    int WriteFailed(const std::string& path, const QString& reason) const {
        //: %1 is the file, %2 what went wrong
        run.err << "zandrel: "
                << TerminalText(FillIn(Words().translate("Commands", "%1 could not be written: %2"),
                                       {path, ToUtf8(reason)}))
                << "\n";
        return kFileError;
    }

    int Import() const {
        if (!Plain(1, "give the file to import")) {
            return kBadInput;
        }
        const std::string& path = run.arguments.plain[1];
        QFile file(ToQString(path));
        if (!file.open(QIODevice::ReadOnly)) {
            //: %1 is the file, %2 what went wrong
            run.err << "zandrel: "
                    << TerminalText(
                           FillIn(Words().translate("Commands", "%1 could not be read: %2"),
                                  {path, ToUtf8(file.errorString())}))
                    << "\n";
            return kFileError;
        }
        const QByteArray bytes = file.size() > kImportCap ? QByteArray() : file.read(kImportCap);
        const CaseImport import = ReadCaseImport({bytes.constData(), std::size_t(bytes.size())});
        if (import.kind == CaseImport::Kind::Neither) {
            return Bad(ToQString(FillIn(
                Words().translate("Commands", "%1 is neither an export of a case book (JSON) nor a "
                                              "query log"),
                {path})));
        }
        bool missing = false;
        int status = kDone;
        const std::unique_ptr<CaseBook> book = Open(true, &missing, &status);
        if (!book) {
            return status;
        }
        ImportCounts counts;
        CaseBookError failure;
        if (!book->Merge(import.records, &counts, &failure)) {
            return Failed(failure);
        }
        return Print(run.out, run.err, Words(),
                     FillIn(Words().translate("Commands", "Added %1, updated %2, skipped %3.\n"),
                            {std::to_string(counts.added), std::to_string(counts.updated),
                             std::to_string(counts.skipped)}));
    }
};

int Run(const CommandRun& run, std::string* error) {
    const Journal journal{run, error};
    const auto& plain = run.arguments.plain;
    const std::string what = plain.empty() ? "" : plain.front();
    if (what == "list") {
        return journal.List();
    }
    if (what == "show") {
        return journal.Show();
    }
    if (what == "note") {
        return journal.Note();
    }
    if (what == "outcome") {
        return journal.Outcome();
    }
    if (what == "stats") {
        return journal.Stats();
    }
    if (what == "export") {
        return journal.Export();
    }
    if (what == "import") {
        return journal.Import();
    }
    if (what.empty()) {
        return journal.Bad(run.words.translate(
            "Commands", "give list, show, note, outcome, stats, export or import"));
    }
    *error = UnexpectedArgument(run.words, what);
    return kBadInput;
}

} // namespace

const Command& JournalCommand() {
    static const Command command{
        "journal", kValueOptions, kFlagOptions,
        QT_TRANSLATE_NOOP(
            "Commands",
            "  zandrel journal list [--search TEXT] [--tag T] [--method M] [--since DATE]\n"
            "                       [--verdict V] [--json]\n"
            "  zandrel journal show ID [--json]\n"
            "  zandrel journal note ID TEXT\n"
            "  zandrel journal outcome ID --verdict true|partly|false|pending [--date D]\n"
            "                             [--what TEXT]\n"
            "  zandrel journal stats\n"
            "  zandrel journal export [--format json|csv|md] [FILE]\n"
            "  zandrel journal import FILE\n"
            "      The case book (casebook.sqlite), where every logged cast is kept with its\n"
            "      inputs: lists its records newest first, shows one (ID may be its first\n"
            "      characters), sets its notes or its outcome, counts how many came true,\n"
            "      writes every record to FILE (or prints it), and merges an export or a\n"
            "      query log (auvrel.log) into it. Each takes --user-data too.\n"),
        Run};
    return command;
}

} // namespace zandrel
