#include "casebook/log_records.h"

#include "casebook/case_book.h"
#include "casebook/rows.h"

#include <QByteArray>
#include <QDateTime>
#include <QUuid>

#include <algorithm>
#include <cstdio>

namespace zandrel {
namespace {

// The namespace of the ids of records taken from a query log.
const QUuid kLogEntryNamespace(QStringLiteral("{3b0f6c1e-8d0a-4f4e-9b8e-2f1c5a7d9e60}"));

// How many bytes before the point up to which a log was compared identify the log then.
constexpr std::int64_t kMarkBytes = 64;
// The most of a log that is read to compare it with the book: more than the size rule ever
// lets a log grow.
constexpr std::size_t kLogReadCap = std::size_t{16} << 20;
// How long before the book was made its first comparison with the log looks.
constexpr int kFirstComparisonSeconds = 600;

std::string Hex(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        hex += kHex[static_cast<unsigned char>(c) >> 4];
        hex += kHex[static_cast<unsigned char>(c) & 15];
    }
    return hex;
}

// The bytes of `read` that end at `at` (an offset in the file), as a mark keeps them.
std::string MarkOf(const LogBytes& read, std::int64_t at) {
    const std::int64_t from = std::max(read.offset, at - kMarkBytes);
    return Hex(std::string_view(read.bytes)
                   .substr(static_cast<std::size_t>(from - read.offset),
                           static_cast<std::size_t>(at - from)));
}

// Reads the log `name` from the point a mark names, when the log there is the one it was.
std::optional<LogBytes> ReadSinceMark(const std::string& directory, const char* name,
                                      std::int64_t mark, const std::string& digest) {
    std::optional<LogBytes> read =
        ReadLogFrom(directory, name, std::max<std::int64_t>(0, mark - kMarkBytes), kLogReadCap);
    if (!read || mark > read->length ||
        read->offset > std::max<std::int64_t>(0, mark - kMarkBytes) ||
        MarkOf(*read, mark) != digest) {
        return std::nullopt;
    }
    return read;
}

} // namespace

std::string LocalMomentText(const std::tm& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900,
                  t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

CaseRecord CaseRecordOfLogEntry(const LogEntry& entry) {
    CaseRecord record;
    record.id = QUuid::createUuidV5(
                    kLogEntryNamespace,
                    QByteArray(entry.bytes.data(), static_cast<qsizetype>(entry.bytes.size())))
                    .toString(QUuid::WithoutBraces)
                    .toStdString();
    const std::tm& t = entry.localTime;
    const QDateTime local(QDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday),
                          QTime(t.tm_hour, t.tm_min, t.tm_sec), Qt::LocalTime);
    record.castUtc = local.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")).toStdString();
    record.utcOffsetMinutes = local.offsetFromUtc() / 60;
    record.method = std::string(kLogMethod);
    record.question = std::string(entry.question);
    // The log keeps no language; its texts are as they were shown.
    record.readingText = std::string(entry.readingText);
    return record;
}

std::vector<CaseRecord> CaseRecordsOfLog(std::string_view log) {
    std::vector<CaseRecord> records;
    for (const LogEntry& entry : ReadLogEntries(log)) {
        records.push_back(CaseRecordOfLogEntry(entry));
    }
    return records;
}

bool CaseBook::CompleteFromLog(const std::string& dataDirectory, std::int64_t* added,
                               CaseBookError* error) {
    *added = 0;
    casebook::WriteTransaction write(*connection_, error);
    if (!write.Begun()) {
        return false;
    }
    sqlite3* db = connection_->Db();
    sql::Statement mark(db, "SELECT log_mark, log_digest, created_utc FROM book");
    if (!mark.Next()) {
        return write.Fail(mark);
    }
    const std::int64_t markAt = mark.Int(0);
    const std::string digest = mark.Text(1);
    // The first comparison takes the casts from a little before the book was made on: those
    // before it the user never asked to keep (they may be imported), those just before it
    // were the casts whose records made it.
    const QDateTime firstCast =
        markAt < 0 ? QDateTime::fromString(QString::fromStdString(mark.Text(2)), Qt::ISODate)
                         .addSecs(-kFirstComparisonSeconds)
                   : QDateTime();

    // The log from where it was compared last time, where it is still that log; otherwise its
    // older generation from there on (the log started again since), then the new log whole.
    struct Unread {
        LogBytes read;
        std::size_t start = 0; // where the entries not compared yet begin in read.bytes
    };
    std::vector<Unread> unread;
    const auto since = [&](std::optional<LogBytes> read) {
        if (read) {
            const auto start = static_cast<std::size_t>(markAt - read->offset);
            unread.push_back({std::move(*read), start});
        }
        return !unread.empty();
    };
    if (markAt < 0) {
        if (std::optional<LogBytes> log =
                ReadLogFrom(dataDirectory, kLogFileName, 0, kLogReadCap)) {
            unread.push_back({std::move(*log), 0});
        }
    } else if (!since(ReadSinceMark(dataDirectory, kLogFileName, markAt, digest))) {
        since(ReadSinceMark(dataDirectory, kOlderLogFileName, markAt, digest));
        if (std::optional<LogBytes> log =
                ReadLogFrom(dataDirectory, kLogFileName, 0, kLogReadCap)) {
            unread.push_back({std::move(*log), 0});
        }
    }
    const bool nothingNew =
        markAt >= 0 && std::all_of(unread.begin(), unread.end(), [](const Unread& part) {
            return part.start == part.read.bytes.size();
        });
    if (unread.empty() || nothingNew) {
        // Nothing written since (or no log): nothing to compare, nothing to write.
        return true;
    }

    sql::Statement known(db, std::string("SELECT 1 FROM records WHERE id = ? OR (") +
                                 casebook::kLocalMoment +
                                 " = ? AND question = ? AND reading_text = ?) LIMIT 1");
    sql::Statement removed(db, "SELECT 1 FROM removed WHERE moment = ? AND question = ? AND"
                               " text_digest = ? LIMIT 1");
    sql::Statement insert(db, std::string("INSERT INTO records (") + casebook::kColumns +
                                  ") VALUES (" + casebook::kPlaces + ")");
    std::int64_t newMark = 0;
    std::string newDigest;
    std::string tags;
    for (const Unread& part : unread) {
        const std::string_view bytes = part.read.bytes;
        const std::vector<LogEntry> entries = ReadLogEntries(bytes.substr(part.start));
        for (const LogEntry& entry : entries) {
            const CaseRecord record = CaseRecordOfLogEntry(entry);
            if (firstCast.isValid() && QDateTime::fromString(QString::fromStdString(record.castUtc),
                                                             Qt::ISODate) < firstCast) {
                continue;
            }
            const std::string moment = LocalMomentText(entry.localTime);
            known.Bind({record.id, moment, record.question, record.readingText});
            if (known.Next()) {
                continue;
            }
            if (known.Failed()) {
                return write.Fail(known);
            }
            removed.Bind({moment, record.question, casebook::TextDigest(record.readingText)});
            if (removed.Next()) {
                continue;
            }
            if (removed.Failed()) {
                return write.Fail(removed);
            }
            insert.Bind({});
            casebook::BindRecord(insert, record, tags);
            if (!insert.Run()) {
                return write.Fail(insert);
            }
            ++*added;
        }
        // The mark goes after the last whole entry, where a later entry starts.
        std::size_t end = part.start;
        if (!entries.empty()) {
            const LogEntry& last = entries.back();
            end = static_cast<std::size_t>(last.bytes.data() + last.bytes.size() - bytes.data());
        }
        newMark = part.read.offset + static_cast<std::int64_t>(end);
        newDigest = MarkOf(part.read, newMark);
    }
    if (newMark == markAt && newDigest == digest && *added == 0) {
        return true;
    }
    sql::Statement update(db, "UPDATE book SET log_mark = ?, log_digest = ?");
    update.Bind({newMark, newDigest});
    if (!update.Run()) {
        return write.Fail(update);
    }
    return write.Commit();
}

} // namespace zandrel
