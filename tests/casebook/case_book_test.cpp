// The case book: what it keeps and finds, how it merges, and that a kill in the middle of a
// write or a second copy writing at once never costs a record.

#include "casebook/case_book.h"
#include "casebook/exchange.h"
#include "casebook/import_reader.h"
#include "tests/casebook/case_book_fixtures.h"
#include "tests/support/fault_helpers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zandrel {
namespace {

using fixtures::TempDir;

using fixtures::ExpectSame;
using fixtures::IntegrityOf;
using fixtures::OpenOk;
using fixtures::Record;

TEST(CaseBook, KeepsRecordsWholeAndFindsThemByPageSearchAndFilter) {
    const TempDir dir;
    auto book = OpenOk(dir.Path());
    std::vector<CaseRecord> records;
    for (int n = 0; n < 30; ++n) {
        records.push_back(Record(n));
    }
    records[4].question = "婚姻如何";
    records[5].question = "Is the \"new\" job right?";
    records[6].question = "100% sure";
    for (const CaseRecord& r : records) {
        ASSERT_TRUE(book->Add(r, nullptr));
    }
    ExpectSame(*book->Find(records[4].id), records[4]);
    ExpectSame(*book->Find(records[4].id.substr(0, 13)), records[4]);
    EXPECT_FALSE(book->Find("").has_value());

    // Newest first, page by page, with nothing left out or shown twice.
    EXPECT_EQ(book->Count({}), 30);
    std::vector<std::string> seen;
    for (std::int64_t offset = 0; offset < 30; offset += 7) {
        for (const CaseSummary& row : book->Page({}, offset, 7)) {
            if (!seen.empty()) {
                EXPECT_GE(book->Find(seen.back())->castUtc, row.castUtc);
            }
            seen.push_back(row.id);
        }
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
    EXPECT_EQ(seen.size(), 30U);

    ASSERT_TRUE(book->SetNotes(records[7].id, "the neighbour's cat came back", nullptr));
    ASSERT_TRUE(book->SetTags(records[8].id, {"family", "cat"}, nullptr));
    const struct {
        CaseFilter filter;
        std::int64_t count;
    } cases[] = {
        {CaseFilter{.search = "婚姻"}, 1},     // two characters: shorter than the index's trigrams
        {CaseFilter{.search = "婚姻如何"}, 1}, // through the index
        {CaseFilter{.search = "\"new\" JOB"}, 1},   // quotes, and any case
        {CaseFilter{.search = "100%"}, 1},          // no wildcard
        {CaseFilter{.search = "neighbour cat"}, 1}, // in the notes, every word
        {CaseFilter{.search = "cat"}, 2},           // in the notes and in the tags
        {CaseFilter{.tag = "family"}, 1},
        {{.tag = "fam"}, 0}, // a tag is matched whole
        {CaseFilter{.method = "numbers"}, 15},
        {{.verdict = Verdict::Pending}, 30},
        {CaseFilter{.since = "2026-01-28"}, 1},
        {{.since = "2026-01-02", .until = "2026-01-03"}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter.search + "|" + c.filter.tag + "|" + c.filter.since);
        EXPECT_EQ(book->Count(c.filter), c.count);
        EXPECT_EQ(static_cast<std::int64_t>(book->Page(c.filter, 0, 100).size()), c.count);
    }

    // A search survives an edit of the text it found, and forgets the old text.
    ASSERT_TRUE(book->SetNotes(records[7].id, "", nullptr));
    EXPECT_EQ(book->Count({.search = "neighbour"}), 0);
    ASSERT_TRUE(book->Remove(records[4].id, nullptr));
    EXPECT_EQ(book->Count({.search = "婚姻如何"}), 0);
    EXPECT_FALSE(book->Remove(records[4].id, nullptr));
    EXPECT_FALSE(book->SetNotes(records[4].id, "gone", nullptr));
}

TEST(CaseBook, IndexOfIsTheOffsetPageGivesTheRecordAt) {
    const TempDir dir;
    auto book = OpenOk(dir.Path());
    std::vector<CaseRecord> records;
    for (int n = 0; n < 12; ++n) {
        records.push_back(Record(n % 4)); // three records of each moment
        ASSERT_TRUE(book->Add(records.back(), nullptr));
    }
    for (const CaseFilter& filter :
         {CaseFilter{}, CaseFilter{.method = "numbers"}, CaseFilter{.tag = "t2"}}) {
        const std::vector<CaseSummary> rows = book->Page(filter, 0, 100);
        ASSERT_FALSE(rows.empty());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(book->IndexOf(filter, rows[i].id), static_cast<std::int64_t>(i));
        }
    }
    // A record the filter leaves out, and one that is not there, have no place.
    EXPECT_FALSE(book->IndexOf({.method = "numbers"}, records[0].id).has_value());
    EXPECT_FALSE(book->IndexOf({}, NewCaseId()).has_value());
}

TEST(CaseBook, StatisticsCountVerdictsPerMethod) {
    const TempDir dir;
    auto book = OpenOk(dir.Path());
    const Verdict verdicts[] = {Verdict::True,   Verdict::True,    Verdict::False,
                                Verdict::Partly, Verdict::Pending, Verdict::True};
    for (int n = 0; n < 6; ++n) {
        CaseRecord r = Record(n);
        ASSERT_TRUE(book->Add(r, nullptr));
        ASSERT_TRUE(book->SetOutcome(r.id, verdicts[n], "2026-02-01", "what", nullptr));
    }
    const CaseStatistics s = book->Statistics();
    EXPECT_EQ(s.overall.total, 6);
    EXPECT_EQ(s.overall.cameTrue, 3);
    EXPECT_EQ(s.overall.pending, 1);
    EXPECT_DOUBLE_EQ(*s.overall.ShareTrue(), 3.0 / 5.0);
    ASSERT_EQ(s.perMethod.size(), 2U);
    EXPECT_EQ(s.perMethod[0].method, "general"); // records 0, 2, 4
    EXPECT_DOUBLE_EQ(*s.perMethod[0].ShareTrue(), 1.0 / 2.0);
    EXPECT_EQ(s.perMethod[1].method, "numbers"); // records 1, 3, 5
    EXPECT_DOUBLE_EQ(*s.perMethod[1].ShareTrue(), 2.0 / 3.0);
    EXPECT_FALSE(VerdictCounts{}.ShareTrue().has_value());
}

// An export read back gives the same records; merging keeps the later copy of each.
TEST(CaseBook, ExportImportsIntoAFreshCaseBookAndMergesByModifiedTime) {
    const TempDir dir;
    const TempDir fresh;
    auto book = OpenOk(dir.Path());
    std::vector<CaseRecord> records = {Record(1, "line\r\nbreak, \"quoted\""), Record(2),
                                       Record(3)};
    records[1].tags = {"a", "b c"};
    for (const CaseRecord& r : records) {
        ASSERT_TRUE(book->Add(r, nullptr));
    }
    for (const ExportFormat format :
         {ExportFormat::Json, ExportFormat::Csv, ExportFormat::Markdown}) {
        std::ostringstream out;
        CaseExportWriter writer(out, format);
        writer.Begin();
        ASSERT_TRUE(book->ForEach({}, [&](const CaseRecord& r) {
            writer.Add(r);
            return true;
        }));
        writer.End();
        const std::string text = out.str();
        for (const CaseRecord& r : records) {
            EXPECT_NE(text.find(r.id), std::string::npos);
        }
        if (format != ExportFormat::Json) {
            EXPECT_EQ(ReadCaseImport(text).kind, CaseImport::Kind::Neither);
            continue;
        }
        CaseImport import = ReadCaseImport(text);
        ASSERT_EQ(import.kind, CaseImport::Kind::Export);
        auto other = OpenOk(fresh.Path());
        ImportCounts counts;
        ASSERT_TRUE(other->Merge(import.records, &counts, nullptr));
        EXPECT_EQ(counts.added, 3);
        for (const CaseRecord& r : records) {
            ExpectSame(*other->Find(r.id), r);
        }
        // One copy edited later here, one edited later there: each side's later copy stays.
        ASSERT_TRUE(other->SetNotes(records[0].id, "kept", nullptr));
        import.records[1].notes = "newer";
        import.records[1].modifiedUtc = "2099-01-01T00:00:00.000Z";
        ASSERT_TRUE(other->Merge(import.records, &counts, nullptr));
        EXPECT_EQ(counts.added, 0);
        EXPECT_EQ(counts.updated, 1);
        EXPECT_EQ(counts.skipped, 2);
        EXPECT_EQ(other->Find(records[0].id)->notes, "kept");
        EXPECT_EQ(other->Find(records[1].id)->notes, "newer");
    }
    for (const char* text : {"", "{}", "{\"format\":\"zandrel-casebook\",\"version\":1}",
                             "{\"format\":\"zandrel-casebook\",\"version\":1,\"records\":[{}]}",
                             "[Your query on nothing]\r\n", "plain text"}) {
        EXPECT_EQ(ReadCaseImport(text).kind, CaseImport::Kind::Neither) << text;
    }
}

// Whatever an edit saves, an export carries and an import takes back whole: a text longer than
// an import takes is refused, and the record keeps what it had.
TEST(CaseBook, AnEditSavesNoTextThatAnImportCouldNotTakeBack) {
    const TempDir dir;
    const TempDir other;
    auto book = OpenOk(dir.Path());
    const CaseRecord r = Record(1);
    ASSERT_TRUE(book->Add(r, nullptr));
    // Every character of it is written as an escape of six bytes in the JSON.
    const std::string escaped(kMaxImportTextBytes / 6 + 1, '\x01');
    const std::string longest(kMaxImportTextBytes - 100, 'n');
    CaseBookError error;
    EXPECT_FALSE(book->SetNotes(r.id, escaped, &error));
    EXPECT_EQ(error.kind, CaseBookError::Kind::TextTooLong);
    EXPECT_EQ(book->Edit(r.id, r, {.person = std::string(kMaxImportTextBytes + 1, 'p')}, &error),
              EditResult::Failed);
    EXPECT_EQ(book->Find(r.id)->notes, "");
    ASSERT_TRUE(book->SetNotes(r.id, longest, nullptr));
    std::ostringstream out;
    CaseExportWriter writer(out, ExportFormat::Json);
    writer.Begin();
    ASSERT_TRUE(book->ForEach({}, [&](const CaseRecord& record) {
        writer.Add(record);
        return true;
    }));
    writer.End();
    const CaseImport import = ReadCaseImport(out.str());
    ASSERT_EQ(import.kind, CaseImport::Kind::Export);
    ASSERT_TRUE(OpenOk(other.Path())->Merge(import.records, nullptr, nullptr));
    EXPECT_TRUE(OpenOk(other.Path())->Find(r.id)->notes == longest);
}

// A process killed at any system call of adding a record or of an edit leaves a valid case
// book in which every earlier record is whole, and which takes the next record.
TEST(CaseBookKills, KilledWriteLeavesEveryEarlierRecordWhole) {
    if (!fixtures::CanTraceSyscalls()) {
        GTEST_SKIP() << "this machine does not let a test trace its child";
    }
    std::vector<CaseRecord> earlier;
    for (int n = 0; n < 20; ++n) {
        earlier.push_back(Record(n));
    }
    CaseRecord added = Record(99);
    added.readingText = std::string(20000, 'y'); // a record over several pages
    const struct {
        const char* name;
        std::function<void(CaseBook&)> act;
        bool startEmpty;
    } cases[] = {
        {"add", [&](CaseBook& book) { book.Add(added, nullptr); }, false},
        {"add to a new file", [&](CaseBook& book) { book.Add(added, nullptr); }, true},
        {"edit",
         [&](CaseBook& book) { book.SetNotes(earlier[3].id, std::string(9000, 'n'), nullptr); },
         false},
    };
    // The case book with the earlier records, made once and copied for each run.
    std::string withEarlier;
    {
        const TempDir made;
        {
            auto book = OpenOk(made.Path());
            ASSERT_TRUE(book->Merge(earlier, nullptr, nullptr));
        }
        withEarlier = made.Read(kCaseBookFileName);
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int runs = 0;
        for (int at = 1;; ++at) {
            SCOPED_TRACE(::testing::Message() << "killed at call " << at);
            const TempDir dir;
            if (!c.startEmpty) {
                dir.Write(kCaseBookFileName, withEarlier);
            }
            int index = 0;
            const bool killed =
                fixtures::RunTraced(
                    [&] {
                        if (auto book = CaseBook::Open(dir.Path(), nullptr)) {
                            c.act(*book);
                        }
                        return FileError{};
                    },
                    [&](int, long) {
                        return ++index == at ? fixtures::AtSyscall::Kill : fixtures::AtSyscall::Run;
                    })
                    .killed;
            ++runs;
            auto book = OpenOk(dir.Path());
            ASSERT_TRUE(book);
            if (!c.startEmpty) {
                for (const CaseRecord& r : earlier) {
                    const std::optional<CaseRecord> kept = book->Find(r.id);
                    ASSERT_TRUE(kept.has_value());
                    EXPECT_EQ(kept->question, r.question);
                    EXPECT_EQ(kept->readingText, r.readingText);
                }
            }
            if (const std::optional<CaseRecord> kept = book->Find(added.id)) {
                EXPECT_EQ(kept->readingText, added.readingText) << "a torn record";
            }
            EXPECT_TRUE(book->Add(Record(100), nullptr));
            book.reset();
            EXPECT_EQ(IntegrityOf(dir.File(kCaseBookFileName)), "ok\n");
            if (!killed) {
                break;
            }
        }
        EXPECT_GT(runs, 10);
    }
}

// Two copies of the program adding and editing at once lose nothing.
TEST(CaseBookRaces, TwoProcessesWritingAtOnceLoseNothing) {
    const TempDir dir;
    OpenOk(dir.Path()); // made once, so that both find it
    constexpr int kEach = 40;
    std::vector<CaseRecord> records;
    for (int n = 0; n < 2 * kEach; ++n) {
        records.push_back(Record(n));
    }
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = ::fork();
        if (children[child] == 0) {
            bool ok = true;
            auto book = CaseBook::Open(dir.Path(), nullptr);
            for (int n = child * kEach; ok && book && n < (child + 1) * kEach; ++n) {
                ok = book->Add(records[n], nullptr) &&
                     book->SetNotes(records[n].id, "note " + std::to_string(n), nullptr);
            }
            ::_exit(ok && book ? 0 : 1);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    auto book = OpenOk(dir.Path());
    EXPECT_EQ(book->Count({}), 2 * kEach);
    for (int n = 0; n < 2 * kEach; ++n) {
        EXPECT_EQ(book->Find(records[n].id)->notes, "note " + std::to_string(n));
    }
}

// Another connection's commit shows in DataVersion, so that an open list knows to refresh.
TEST(CaseBook, AnotherWriterChangesTheDataVersion) {
    const TempDir dir;
    auto reader = OpenOk(dir.Path());
    auto writer = OpenOk(dir.Path());
    const std::int64_t before = reader->DataVersion();
    EXPECT_EQ(reader->DataVersion(), before);
    ASSERT_TRUE(writer->Add(Record(1), nullptr));
    EXPECT_NE(reader->DataVersion(), before);
}

} // namespace
} // namespace zandrel
