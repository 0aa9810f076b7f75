#include "casebook/import_reader.h"

#include "casebook/log_records.h"
#include "log/query_log.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace zandrel {
namespace {

// How much is read from the device at a time.
constexpr std::size_t kPiece = std::size_t{64} << 10;

// A head of a log's entry counts at the start of the file or right after the end of an entry
// (the line end of its last text and three empty lines); only the first bytes of its line are
// looked at, as ReadLogEntries does.
constexpr std::string_view kAfterEntry = "\r\n\r\n\r\n\r\n";
constexpr std::size_t kHeadLineBytes = 96;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The JSON value that `json` holds on its own; none when it is not exactly one valid value.
std::optional<QJsonValue> ValueOf(std::string_view json) {
    // Qt reads only an object or an array as a whole document.
    QByteArray wrapped;
    wrapped.reserve(static_cast<qsizetype>(json.size()) + 2);
    wrapped.append('[').append(json.data(), static_cast<qsizetype>(json.size())).append(']');
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(wrapped, &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1) {
        return std::nullopt;
    }
    return document.array().at(0);
}

} // namespace

CaseImportReader::CaseImportReader(QIODevice& device) : device_(device) {
    // Room for the largest record from the start: the buffer never moves to grow, and only
    // what a record fills of it is ever touched.
    buffer_.reserve(kMaxImportRecordBytes + 3 * kPiece);
    std::size_t first = 0;
    const Scan blanks = SkipSpace(&first, kImportHeadBytes);
    if (blanks == Scan::Unreadable) {
        return;
    }
    if (blanks == Scan::Done && At(first) == '{') {
        if (ReadHead()) {
            kind_ = CaseImport::Kind::Export;
        } else {
            Fail(CaseImportProblem::Kind::NotAnImport, 0);
        }
        return;
    }
    const std::optional<std::size_t> head = FindLogHead(0, kImportHeadBytes);
    if (!head) {
        Fail(CaseImportProblem::Kind::NotAnImport, 0);
        return;
    }
    Take(*head);
    kind_ = CaseImport::Kind::Log;
    // A log counts as one when it holds a whole entry: the first is read now.
    peeked_ = NextOfLog();
    if (!peeked_ && !Failed()) {
        kind_ = CaseImport::Kind::Neither;
        problem_ = {CaseImportProblem::Kind::NotAnImport};
    }
}

std::optional<CaseRecord> CaseImportReader::Next() {
    if (Failed() || finished_) {
        return std::nullopt;
    }
    if (kind_ == CaseImport::Kind::Export) {
        return NextOfExport();
    }
    if (peeked_) {
        std::optional<CaseRecord> record = std::move(peeked_);
        peeked_.reset();
        return record;
    }
    return NextOfLog();
}

std::string_view CaseImportReader::View(std::size_t from, std::size_t to) const {
    return std::string_view(buffer_).substr(taken_ + from, to - from);
}

bool CaseImportReader::Fill(std::size_t count) {
    while (Available() < count && !ended_) {
        // What was taken goes before more is read, so that the buffer holds little more than the
        // record being read; a record moves once at most, when its first piece has come.
        if (taken_ >= kPiece || (taken_ > 0 && taken_ >= buffer_.size() / 2)) {
            buffer_.erase(0, taken_);
            base_ += static_cast<std::int64_t>(taken_);
            taken_ = 0;
        }
        const std::size_t before = buffer_.size();
        buffer_.resize(before + kPiece);
        const qint64 got = device_.read(buffer_.data() + before, static_cast<qint64>(kPiece));
        buffer_.resize(before + static_cast<std::size_t>(std::max<qint64>(got, 0)));
        if (got < 0) {
            ended_ = true;
            if (!Failed()) {
                problem_ = {CaseImportProblem::Kind::Unreadable, records_ + 1,
                            OffsetOf(Available()), device_.errorString().toStdString()};
            }
            return false;
        }
        ended_ = got == 0;
        read_ += got;
    }
    return true;
}

void CaseImportReader::Take(std::size_t count) {
    taken_ += count;
}

std::int64_t CaseImportReader::OffsetOf(std::size_t position) const {
    return base_ + static_cast<std::int64_t>(taken_ + position);
}

CaseImportReader::Scan CaseImportReader::SkipSpace(std::size_t* position, std::size_t limit) {
    for (;; ++*position) {
        if (*position >= limit) {
            return Scan::TooLong;
        }
        if (*position >= Available() && !Fill(*position + 1)) {
            return Scan::Unreadable;
        }
        if (*position >= Available()) {
            return Scan::CutShort;
        }
        if (!IsSpace(At(*position))) {
            return Scan::Done;
        }
    }
}

// Finds where the JSON value that starts at `from` ends: where its brackets close, at the quote
// that closes a string, or before the byte that ends a number or a word. Only its extent is
// found here, in one pass however it arrives; whether it is valid JSON the parser says after.
CaseImportReader::Scan CaseImportReader::ScanValue(std::size_t from, std::size_t limit,
                                                   std::size_t* end) {
    const bool scalar = At(from) != '{' && At(from) != '[' && At(from) != '"';
    std::int64_t depth = 0;
    bool inString = false;
    bool escaped = false;
    std::size_t stringStart = 0;
    for (std::size_t i = from;; ++i) {
        if (i >= limit) {
            return Scan::TooLong;
        }
        if (i >= Available() && !Fill(i + 1)) {
            return Scan::Unreadable;
        }
        if (i >= Available()) {
            if (scalar) {
                *end = i;
                return Scan::Done;
            }
            return Scan::CutShort;
        }
        const char c = At(i);
        if (scalar) {
            if (IsSpace(c) || c == ',' || c == ']' || c == '}') {
                *end = i;
                return Scan::Done;
            }
            continue;
        }
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
                if (depth == 0) {
                    *end = i + 1;
                    return Scan::Done;
                }
            }
            if (inString && i + 1 - stringStart > kMaxImportTextBytes) {
                return Scan::TextTooLong;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
            stringStart = i + 1;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if ((c == '}' || c == ']') && --depth == 0) {
            *end = i + 1;
            return Scan::Done;
        }
    }
}

// The head of an export: its members before "records", among them its format and version,
// then the opening of the records. False where the file is no export; all of it must lie in
// the first kImportHeadBytes.
bool CaseImportReader::ReadHead() {
    const std::size_t limit = kImportHeadBytes;
    std::size_t i = 0;
    bool format = false;
    bool version = false;
    if (SkipSpace(&i, limit) != Scan::Done || At(i) != '{') {
        return false;
    }
    ++i;
    for (;;) {
        std::size_t end = 0;
        if (SkipSpace(&i, limit) != Scan::Done || At(i) != '"' ||
            ScanValue(i, limit, &end) != Scan::Done) {
            return false;
        }
        const std::optional<QJsonValue> key = ValueOf(View(i, end));
        i = end;
        if (!key || !key->isString() || SkipSpace(&i, limit) != Scan::Done || At(i) != ':') {
            return false;
        }
        ++i;
        if (SkipSpace(&i, limit) != Scan::Done) {
            return false;
        }
        if (key->toString() == QLatin1String("records")) {
            if (!format || !version || At(i) != '[') {
                return false;
            }
            Take(i + 1);
            return true;
        }
        if (ScanValue(i, limit, &end) != Scan::Done) {
            return false;
        }
        const std::optional<QJsonValue> value = ValueOf(View(i, end));
        i = end;
        if (!value) {
            return false;
        }
        if (key->toString() == QLatin1String("format")) {
            format = value->toString() ==
                     QLatin1String(kCaseExportFormat.data(), kCaseExportFormat.size());
        } else if (key->toString() == QLatin1String("version")) {
            version = value->isDouble() && value->toInt() == kCaseExportVersion;
        }
        if (SkipSpace(&i, limit) != Scan::Done || At(i) != ',') {
            return false;
        }
        ++i;
    }
}

std::optional<CaseRecord> CaseImportReader::NextOfExport() {
    // A record may take kMaxImportRecordBytes with the comma and the blanks before it.
    const std::size_t limit = kMaxImportRecordBytes;
    std::size_t i = 0;
    Scan scan = SkipSpace(&i, limit);
    if (scan != Scan::Done) {
        return FailScan(scan, 0);
    }
    if (At(i) == ']') {
        Take(i + 1);
        finished_ = ReadEnd();
        return std::nullopt;
    }
    if (records_ > 0) {
        if (At(i) != ',') {
            return Fail(CaseImportProblem::Kind::NotTheEnd, i);
        }
        ++i;
        if (scan = SkipSpace(&i, limit); scan != Scan::Done) {
            return FailScan(scan, 0);
        }
    }
    if (At(i) != '{') {
        return Fail(CaseImportProblem::Kind::BadRecord, i);
    }
    std::size_t end = 0;
    if (scan = ScanValue(i, limit, &end); scan != Scan::Done) {
        return FailScan(scan, i);
    }
    QJsonParseError error{};
    // Read in place: the record's bytes are not copied.
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(buffer_.data() + taken_ + i, static_cast<qsizetype>(end - i)),
        &error);
    std::optional<CaseRecord> record;
    if (error.error == QJsonParseError::NoError && document.isObject()) {
        record = CaseRecordFromJson(document.object());
    }
    if (!record) {
        return Fail(CaseImportProblem::Kind::BadRecord, i);
    }
    ++records_;
    Take(end);
    return record;
}

// What follows the records: members other than the head's, the object's end, and blanks to
// the end of the file.
bool CaseImportReader::ReadEnd() {
    const std::size_t limit = kMaxImportRecordBytes;
    // The file ends too early where the scan met its end; otherwise what stands at `at` is no
    // end of an export.
    const auto wrong = [&](Scan scan, std::size_t at) {
        if (scan == Scan::CutShort) {
            FailScan(scan, at);
        } else {
            Fail(CaseImportProblem::Kind::NotTheEnd, at);
        }
        return false;
    };
    for (;;) {
        std::size_t i = 0;
        Scan scan = SkipSpace(&i, limit);
        if (scan != Scan::Done) {
            return wrong(scan, i);
        }
        if (At(i) == '}') {
            Take(i + 1);
            break;
        }
        const std::size_t member = i;
        if (At(member) != ',') {
            return wrong(scan, member);
        }
        ++i;
        std::size_t end = 0;
        if ((scan = SkipSpace(&i, limit)) != Scan::Done || At(i) != '"' ||
            (scan = ScanValue(i, limit, &end)) != Scan::Done) {
            return wrong(scan, member);
        }
        const std::optional<QJsonValue> key = ValueOf(View(i, end));
        // The head's members come once, before the records.
        if (!key || !key->isString() || key->toString() == QLatin1String("records") ||
            key->toString() == QLatin1String("format") ||
            key->toString() == QLatin1String("version")) {
            return wrong(scan, member);
        }
        i = end;
        if ((scan = SkipSpace(&i, limit)) != Scan::Done || At(i) != ':') {
            return wrong(scan, member);
        }
        ++i;
        if ((scan = SkipSpace(&i, limit)) != Scan::Done ||
            (scan = ScanValue(i, limit, &end)) != Scan::Done || !ValueOf(View(i, end))) {
            return wrong(scan, member);
        }
        Take(end);
    }
    std::size_t i = 0;
    switch (const Scan scan = SkipSpace(&i, limit)) {
    case Scan::CutShort: // the end of the file
        return true;
    case Scan::Unreadable:
        return false;
    default:
        return wrong(scan, i);
    }
}

// The first head of an entry from `from` on that starts before `limit`, reading as far as it
// takes to see one; none at the end of the file, or where no head starts before `limit`.
std::optional<std::size_t> CaseImportReader::FindLogHead(std::size_t from, std::size_t limit) {
    std::size_t at = from;
    for (;;) {
        const std::string_view seen = View(0, Available());
        const std::size_t found = seen.find(kLogHeadOpen, at);
        if (found != std::string_view::npos && found < limit) {
            if (found + kHeadLineBytes > Available() && !ended_) {
                if (!Fill(found + kHeadLineBytes)) {
                    return std::nullopt;
                }
                continue;
            }
            const bool placed = found == 0 || (found >= kAfterEntry.size() &&
                                               seen.substr(found - kAfterEntry.size(),
                                                           kAfterEntry.size()) == kAfterEntry);
            const std::string_view line = seen.substr(found, kHeadLineBytes);
            const std::size_t lineEnd = line.find("\r\n");
            if (placed && lineEnd != std::string_view::npos &&
                ReadLogHeadTime(line.substr(0, lineEnd))) {
                return found;
            }
            at = found + 1;
            continue;
        }
        if (ended_ || Available() >= limit + kLogHeadOpen.size()) {
            return std::nullopt;
        }
        // A head may begin in the last bytes here and end in those read next.
        at = std::max(at, Available() + 1 - std::min(Available() + 1, kLogHeadOpen.size()));
        if (!Fill(Available() + 1)) {
            return std::nullopt;
        }
    }
}

// The next whole entry of the log, which starts with the head at the first untaken byte. An
// entry that is not whole (its append was cut off) is passed over, as ReadLogEntries does.
std::optional<CaseRecord> CaseImportReader::NextOfLog() {
    while (!finished_) {
        const std::optional<std::size_t> next = FindLogHead(1, kMaxImportRecordBytes);
        if (Failed()) {
            return std::nullopt;
        }
        std::size_t end = 0;
        if (next) {
            end = *next;
        } else if (ended_ && Available() <= kMaxImportRecordBytes) {
            end = Available();
            finished_ = true;
        } else {
            return Fail(CaseImportProblem::Kind::RecordTooLong, 0);
        }
        // The entry's bytes alone are read as a whole log: they start with its head, and hold
        // no other.
        const std::vector<LogEntry> entries = ReadLogEntries(View(0, end));
        std::optional<CaseRecord> record;
        if (!entries.empty()) {
            record = CaseRecordOfLogEntry(entries.front());
        }
        ++records_;
        Take(end);
        if (record) {
            return record;
        }
    }
    return std::nullopt;
}

std::optional<CaseRecord> CaseImportReader::Fail(CaseImportProblem::Kind kind,
                                                 std::size_t position) {
    if (!Failed()) {
        const bool after = kind == CaseImportProblem::Kind::NotTheEnd ||
                           kind == CaseImportProblem::Kind::CutShort ||
                           kind == CaseImportProblem::Kind::NotAnImport;
        problem_ = {kind, after ? records_ : records_ + 1, OffsetOf(position)};
    }
    return std::nullopt;
}

std::optional<CaseRecord> CaseImportReader::FailScan(Scan scan, std::size_t position) {
    switch (scan) {
    case Scan::TooLong:
        return Fail(CaseImportProblem::Kind::RecordTooLong, position);
    case Scan::TextTooLong:
        return Fail(CaseImportProblem::Kind::TextTooLong, position);
    case Scan::CutShort:
        // Where the file ends.
        return Fail(CaseImportProblem::Kind::CutShort, Available());
    case Scan::Done:
    case Scan::Unreadable:
        break;
    }
    return std::nullopt;
}

} // namespace zandrel
