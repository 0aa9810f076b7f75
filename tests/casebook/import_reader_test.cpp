// Import files read as a stream: any valid export whose head comes first, a log entry by entry
// as a whole read would see it, however the bytes arrive; what is neither refused from its
// first bytes; a broken file refused at the record where it breaks, with nothing merged; and
// never more read or held than a record's worth.

#include "casebook/import_reader.h"
#include "casebook/log_records.h"
#include "platform/json_text.h"
#include "platform/local_time.h"
#include "tests/casebook/case_book_fixtures.h"
#include "tests/support/fault_helpers.h"

#include <QFile>
#include <QIODevice>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>

namespace zandrel {
namespace {

using fixtures::ExpectSame;
using fixtures::OpenOk;
using fixtures::Record;
using fixtures::TempDir;
using Problem = CaseImportProblem::Kind;

// `bytes`, at most `piece` at a time, then `filler` for ever where one is given (an endless
// device such as /dev/zero), or a read error after `failAfter` bytes. Counts what it gave.
class TestDevice : public QIODevice {
public:
    explicit TestDevice(std::string bytes, std::size_t piece = std::size_t{1} << 16,
                        std::optional<char> filler = std::nullopt)
        : bytes_(std::move(bytes)), piece_(piece), filler_(filler) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

    std::int64_t given = 0;
    std::optional<std::int64_t> failAfter;

protected:
    qint64 readData(char* data, qint64 most) override {
        if (failAfter && given >= *failAfter) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        auto n = static_cast<std::size_t>(std::min<qint64>(most, static_cast<qint64>(piece_)));
        if (at_ < bytes_.size()) {
            n = std::min(n, bytes_.size() - at_);
            std::memcpy(data, bytes_.data() + at_, n);
            at_ += n;
        } else if (filler_) {
            std::memset(data, *filler_, n);
        } else {
            return 0;
        }
        given += static_cast<std::int64_t>(n);
        return static_cast<qint64>(n);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::string bytes_;
    std::size_t at_ = 0;
    std::size_t piece_;
    std::optional<char> filler_;
};

std::string Repeated(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

std::vector<CaseRecord> ReadAll(CaseImportReader& reader) {
    std::vector<CaseRecord> records;
    while (std::optional<CaseRecord> record = reader.Next()) {
        records.push_back(std::move(*record));
    }
    return records;
}

std::string ExportOf(const std::vector<CaseRecord>& records) {
    std::ostringstream out;
    CaseExportWriter writer(out, ExportFormat::Json);
    writer.Begin();
    for (const CaseRecord& r : records) {
        writer.Add(r);
    }
    writer.End();
    return out.str();
}

// Texts that a scanner of JSON could take for the record's end.
std::vector<CaseRecord> OddRecords() {
    std::vector<CaseRecord> records = {Record(1, "}]{\"records\":[\\\"\r\n"), Record(2, "婚姻如何"),
                                       Record(3)};
    records[0].notes = "a\x1b]0;T\x07 \u009B2J \u202Eb\x7f \\";
    records[1].tags = {"\"", "]", "}"};
    records[2].readingText = std::string(200000, 'r'); // over several pieces
    return records;
}

TEST(CaseImportReader, ReadsAnyValidExportWhoseHeadComesFirstHoweverItArrives) {
    const std::vector<CaseRecord> records = OddRecords();
    std::string indented = "\n {\n  \"version\" : 1.0,\n  \"about\": {\"records\": [1, \"]\"]},\n"
                           "  \"format\":\"zandrel-casebook\",\n  \"records\" :\n  [\n";
    for (std::size_t i = 0; i < records.size(); ++i) {
        indented +=
            (i ? " ,\n" : "") + QJsonDocument(CaseRecordJson(records[i])).toJson().toStdString();
    }
    indented += "\n  ],\n  \"exported\": [\"}\"]\n}\n\n";
    for (const std::string& bytes : {ExportOf(records), indented}) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, std::size_t{1} << 16}) {
            SCOPED_TRACE(::testing::Message() << bytes.substr(0, 20) << " in pieces of " << piece);
            TestDevice device(bytes, piece);
            CaseImportReader reader(device);
            ASSERT_EQ(reader.Kind(), CaseImport::Kind::Export);
            const std::vector<CaseRecord> read = ReadAll(reader);
            EXPECT_FALSE(reader.Failed()) << static_cast<int>(reader.Problem().kind);
            ASSERT_EQ(read.size(), records.size());
            for (std::size_t i = 0; i < read.size(); ++i) {
                ExpectSame(read[i], records[i]);
            }
        }
    }
    TestDevice empty(ExportOf({}));
    CaseImportReader reader(empty);
    EXPECT_EQ(reader.Kind(), CaseImport::Kind::Export);
    EXPECT_TRUE(ReadAll(reader).empty());
    EXPECT_FALSE(reader.Failed());
}

// Where the file goes wrong, with the number of the record and the byte it starts at; the
// merge that took the records before it leaves the book as it was.
TEST(CaseImportReader, ABrokenExportIsRefusedWhereItBreaksAndNothingIsMerged) {
    const std::string head = "{\"format\":\"zandrel-casebook\",\"version\":1,\"records\":[";
    const std::string one = CompactJson(CaseRecordJson(Record(1)));
    const std::string two = CompactJson(CaseRecordJson(Record(2)));
    const std::string whole = head + "\n" + one + ",\n" + two + "\n]}\n";
    const std::string big(3 << 20, 'b');
    const std::string tooLong =
        "{\"a\":\"" + big + "\",\"b\":\"" + big + "\",\"c\":\"" + big + "\"}";
    const struct {
        const char* name;
        std::string bytes;
        Problem kind;
        std::int64_t record;
        std::size_t offset;
    } cases[] = {
        {"cut in a record", whole.substr(0, whole.find(two) + 40), Problem::CutShort, 1,
         whole.find(two) + 40},
        {"cut after a record", head + one + "," + two, Problem::CutShort, 2,
         head.size() + one.size() + 1 + two.size()},
        {"cut after the records", head + one + "]", Problem::CutShort, 1,
         head.size() + one.size() + 1},
        {"cut after a member after the records", head + one + "],\"more\":", Problem::CutShort, 1,
         head.size() + one.size() + 9},
        {"garbage after the head", head + "garbage" + one + "]}", Problem::BadRecord, 1,
         head.size()},
        {"garbage after a record", head + one + " garbage", Problem::NotTheEnd, 1,
         head.size() + one.size() + 1},
        {"garbage after the end", whole + "x", Problem::NotTheEnd, 2, whole.size()},
        {"records twice", head + one + "],\"records\":[]}", Problem::NotTheEnd, 1,
         head.size() + one.size() + 1},
        {"not a record", head + one + ", {\"id\":1}]}", Problem::BadRecord, 2,
         head.size() + one.size() + 2},
        {"not JSON", head + one + ",{\"id\" \"a\"}]}", Problem::BadRecord, 2,
         head.size() + one.size() + 1},
        {"a record too long", head + one + "," + tooLong + "]}", Problem::RecordTooLong, 2,
         head.size() + one.size() + 1},
        {"a text too long",
         head + "{\"notes\":\"" + std::string(kMaxImportTextBytes + 1, 'n') + "\"}]}",
         Problem::TextTooLong, 1, head.size()},
    };
    const TempDir dir;
    auto book = OpenOk(dir.Path());
    ASSERT_TRUE(book->Add(Record(0), nullptr));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestDevice device(c.bytes);
        CaseImportReader reader(device);
        ASSERT_EQ(reader.Kind(), CaseImport::Kind::Export);
        CaseBookError error;
        EXPECT_FALSE(book->Merge(reader, nullptr, &error));
        EXPECT_FALSE(error.Failed()) << "the book is not at fault";
        EXPECT_EQ(reader.Problem().kind, c.kind);
        EXPECT_EQ(reader.Problem().record, c.record);
        EXPECT_EQ(reader.Problem().offset, static_cast<std::int64_t>(c.offset));
        EXPECT_EQ(book->Count({}), 1);
    }
    TestDevice failing(whole, 16);
    failing.failAfter = static_cast<std::int64_t>(whole.find(two));
    CaseImportReader reader(failing);
    EXPECT_FALSE(book->Merge(reader, nullptr, nullptr));
    EXPECT_EQ(reader.Problem().kind, Problem::Unreadable);
    EXPECT_EQ(reader.Problem().detail, "Input/output error");
    EXPECT_EQ(book->Count({}), 1);
}

// Neither an export nor a log: told from the first bytes, however much follows; an export that
// goes on for ever stops at the first record's bound.
TEST(CaseImportReader, ReadsNoFurtherThanABoundWhateverFollows) {
    constexpr std::int64_t kPiece = std::int64_t{1} << 16;
    const std::string head = "{\"format\":\"zandrel-casebook\",\"version\":1,\"records\":[";
    const struct {
        const char* name;
        std::string start;
        char filler;
        Problem kind;
        std::int64_t bound;
    } cases[] = {
        {"zeros", "", '\0', Problem::NotAnImport, kImportHeadBytes + kPiece},
        {"letters", "", 'x', Problem::NotAnImport, kImportHeadBytes + kPiece},
        {"blanks", "", ' ', Problem::NotAnImport, kImportHeadBytes + kPiece},
        {"an object without end", "{\"format\":\"", 'f', Problem::NotAnImport,
         kImportHeadBytes + kPiece},
        {"openings of log entries", Repeated("\r\n\r\n\r\n\r\n[Your query on ", 20000), 'x',
         Problem::NotAnImport, kImportHeadBytes + kPiece},
        {"zeros after a head", head, '\0', Problem::BadRecord, kPiece},
        {"blanks after a head", head, ' ', Problem::RecordTooLong, kMaxImportRecordBytes + kPiece},
        {"a text without end", head + "{\"notes\":\"", 'n', Problem::TextTooLong,
         kMaxImportTextBytes + kPiece},
        {"a log entry without end",
         LogEntryBytes("q", "t\r\n", "", "", LocalTimeOf(0)) + "[Your query on ", 'x',
         Problem::RecordTooLong, kMaxImportRecordBytes + 2 * kPiece},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestDevice device(c.start, kPiece, c.filler);
        CaseImportReader reader(device);
        ReadAll(reader);
        EXPECT_EQ(reader.Problem().kind, c.kind);
        EXPECT_LE(device.given, static_cast<std::int64_t>(c.start.size()) + c.bound);
        EXPECT_EQ(reader.BytesRead(), device.given);
    }
    QFile zero(QStringLiteral("/dev/zero"));
    if (zero.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        CaseImportReader reader(zero);
        EXPECT_EQ(reader.Kind(), CaseImport::Kind::Neither);
        EXPECT_EQ(reader.Problem().kind, Problem::NotAnImport);
        EXPECT_LE(reader.BytesRead(), kImportHeadBytes + kPiece);
    }
}

// A log read entry by entry gives the records that reading it whole gives, wherever the pieces
// it arrives in cut it: texts that look like the frame, an entry longer than a piece, one whose
// append was cut off, text before the first entry.
TEST(CaseImportReader, ALogIsReadEntryByEntryAsAWholeReadReadsIt) {
    std::tm time = LocalTimeOf(986000000);
    const auto entry = [&](const std::string& question, const std::string& text) {
        time.tm_sec = (time.tm_sec + 1) % 60;
        return LogEntryBytes(question, text, "Line 1\r\ny\r\n", "", time);
    };
    const std::string framed =
        "\r\n\r\n[Your query on " + FormatLogTime(time) + "]\r\n\r\n\r\n\r\n[Auvrel's reply]";
    const std::string log =
        "left by another program\r\n\r\n\r\n\r\n" + entry("first", "Hexagram 1\r\nx\r\n") +
        entry(framed, "a\r\n\r\n\r\n\r\nb\r\n" + framed + "\r\n") +
        entry("long", std::string(150000, 'l') + "\r\n") +
        entry("cut off", "Hexagram 2\r\n").substr(0, 50) + entry("after", "z\r\n") +
        entry("last", "Hexagram 3\r\nw\r\n") + entry("torn", "t\r\n").substr(0, 30);
    const std::vector<CaseRecord> expected = CaseRecordsOfLog(log);
    ASSERT_GE(expected.size(), 4U);
    for (const std::size_t piece : {std::size_t{1}, std::size_t{9}, std::size_t{1} << 16}) {
        SCOPED_TRACE(piece);
        TestDevice device(log, piece);
        CaseImportReader reader(device);
        ASSERT_EQ(reader.Kind(), CaseImport::Kind::Log);
        const std::vector<CaseRecord> read = ReadAll(reader);
        EXPECT_FALSE(reader.Failed());
        ASSERT_EQ(read.size(), expected.size());
        for (std::size_t i = 0; i < read.size(); ++i) {
            ExpectSame(read[i], expected[i]);
        }
    }
    // A log without a whole entry is none.
    TestDevice torn(entry("torn", "t\r\n").substr(0, 60));
    EXPECT_EQ(CaseImportReader(torn).Kind(), CaseImport::Kind::Neither);
}

} // namespace
} // namespace zandrel
