#include "cli/journal.h"

#include "app/case_book_words.h"
#include "app/data_directory.h"
#include "app/file_error_message.h"
#include "app/reading_words.h"
#include "cli/arguments.h"
#include "cli/terminal.h"
#include "platform/qt_text.h"
#include "text/hexagram_text.h"

#include <QDateTime>
#include <QFileInfo>

#include <ostream>

namespace zandrel {

std::unique_ptr<CaseBook> Journal::Open(bool make, bool* missing, int* status, bool read) const {
    *missing = false;
    const std::string path = run.DataDirectory() + "/" + kCaseBookFileName;
    if (!make && !QFileInfo::exists(ToQString(path))) {
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

int Journal::Failed(const CaseBookError& failure) const {
    run.err << "zandrel: " << TerminalText(CaseBookErrorMessage(Words(), failure)) << "\n";
    return kFileError;
}

int Journal::Bad(const QString& text) const {
    *error = ToUtf8(text);
    return kBadInput;
}

bool Journal::Plain(std::size_t count, const char* missing) const {
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

std::optional<CaseRecord> Journal::Named(CaseBook* book, int* status) const {
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

std::string Journal::LocalTime(const std::string& castUtc, int offsetMinutes) const {
    QDateTime utc = QDateTime::fromString(ToQString(castUtc), Qt::ISODate);
    if (!utc.isValid()) {
        return castUtc;
    }
    return ToUtf8(utc.toOffsetFromUtc(offsetMinutes * 60).toString("yyyy-MM-dd HH:mm"));
}

std::string Journal::Hexagrams(int original, int final) const {
    if (original < 1 || original > kHexagramCount || final < 1 || final > kHexagramCount) {
        return "-";
    }
    return HexagramWords(Words(), original) + " \u2192 " + HexagramWords(Words(), final);
}

} // namespace zandrel
