// zandrel journal export: every record of the case book, as JSON, CSV or Markdown, to a file or
// to the standard output.

#include "app/case_book_words.h"
#include "casebook/exchange.h"
#include "cli/arguments.h"
#include "cli/journal.h"
#include "cli/terminal.h"
#include "platform/qt_text.h"

#include <QFileInfo>
#include <QSaveFile>

#include <ostream>
#include <streambuf>

namespace zandrel {
namespace {

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

int WriteFailed(const CommandRun& run, const std::string& path, const QString& reason) {
    //: %1 is the file, %2 what went wrong
    run.err << "zandrel: "
            << TerminalText(FillIn(run.words.translate("Commands", "%1 could not be written: %2"),
                                   {path, ToUtf8(reason)}))
            << "\n";
    return kFileError;
}

int Run(const CommandRun& run, std::string* error) {
    const Journal journal{run, error};
    const auto& plain = run.arguments.plain;
    if (plain.size() > 2) {
        *error = UnexpectedArgument(run.words, plain[2]);
        return kBadInput;
    }
    const std::string* named = run.arguments.Value("--format");
    const std::optional<ExportFormat> format =
        named ? ExportFormatNamed(*named) : ExportFormat::Json;
    if (!format) {
        return journal.Bad(run.words.translate("Commands", "give --format json, csv or md"));
    }
    bool missing = false;
    int status = kDone;
    const std::unique_ptr<CaseBook> book = journal.Open(false, &missing, &status, true);
    if (!book && !missing) {
        return status;
    }
    const auto write = [&](std::ostream& out, ShownText shown) {
        CaseExportWriter writer(out, *format, shown);
        writer.Begin();
        CaseBookError failure;
        if (book && !book->ForEach(
                        {},
                        [&](const CaseRecord& record) {
                            writer.Add(record);
                            return static_cast<bool>(out);
                        },
                        &failure)) {
            return journal.Failed(failure);
        }
        writer.End();
        return kDone;
    };
    if (plain.size() < 2) {
        // Written to the terminal as it comes, the export needs no copy of the whole. Its texts
        // are shown as every other text the commands print, so that none acts on the terminal;
        // the JSON is inert as it stands.
        status = write(run.out, TerminalText);
        run.out.flush();
        if (status == kDone && !run.out) {
            return Print(run.out, run.err, run.words, "");
        }
        return status;
    }
    // A file keeps every byte of every text: it is the records' data.
    const QString path = ToQString(plain[1]);
    const bool made = !QFileInfo::exists(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return WriteFailed(run, plain[1], file.errorString());
    }
    // It holds the user's questions: a new file is its owner's alone, before anything is in it.
    // One that was there keeps its permissions.
    if (made && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return WriteFailed(run, plain[1], reason);
    }
    DeviceBuffer buffer(file);
    std::ostream out(&buffer);
    if (status = write(out, nullptr); status != kDone) {
        file.cancelWriting();
        return status;
    }
    out.flush();
    if (!out || !file.commit()) {
        return WriteFailed(run, plain[1], file.errorString());
    }
    return kDone;
}

} // namespace

const Subcommand& JournalExport() {
    static const Subcommand subcommand{
        "export",
        QT_TRANSLATE_NOOP("Commands", "  zandrel journal export [--format json|csv|md] [FILE]\n"),
        Run};
    return subcommand;
}

} // namespace zandrel
