#pragma once

#include <QSqlDatabase>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The case book: every reading kept with how it was cast, and what the user later wrote of it,
// in one SQLite file beside the query log. A record's reading is kept as it was cast and
// shown; nothing here computes a reading again.

namespace zandrel {

inline constexpr const char* kCaseBookFileName = "casebook.sqlite";

// What became of a reading, as the user judged it.
enum class Verdict { Pending, True, Partly, False };

// "pending", "true", "partly", "false": the keys of the file, the JSON and the command line.
std::string_view VerdictKey(Verdict verdict);
std::optional<Verdict> VerdictNamed(std::string_view key);

struct CaseRecord {
    // A UUID, without braces: the same record in two case books has the same id.
    std::string id;
    // The moment of the cast: UTC as "2026-12-11T08:06:56Z" and the local offset from UTC then.
    std::string castUtc;
    int utcOffsetMinutes = 0;
    // The method key ("general", "numbers", ...), "log" for an entry taken from a query log.
    std::string method{};
    // The inputs and conventions of the cast as one JSON object ("{}" when unknown).
    std::string inputs = "{}";
    std::string question;
    std::string person;
    std::vector<std::string> tags;
    // The reading; 0 where unknown (an entry taken from a query log).
    int outer = 0;
    int inner = 0;
    int changeLine = 0;
    int original = 0;
    int final = 0;
    // The reading's text as it was shown, CR LF and all.
    std::string readingText;
    // The code of the language it was shown in ("en", "zh_CN", "zh_TW").
    std::string language;
    std::string notes;
    std::string outcomeDate;
    std::string outcomeWhat;
    Verdict verdict = Verdict::Pending;
    // When the record last changed, UTC with milliseconds: an import keeps the later copy.
    std::string modifiedUtc;
};

// What the list of records shows, without the long texts.
struct CaseSummary {
    std::string id;
    std::string castUtc;
    int utcOffsetMinutes = 0;
    std::string method{};
    std::string question;
    std::vector<std::string> tags;
    int original = 0;
    int final = 0;
    Verdict verdict = Verdict::Pending;
};

// Which records a list shows. Every field left empty lets every record pass. `search` is
// words separated by blanks, each of which must appear in the question, the notes or the tags
// (any case); `since` and `until` are dates YYYY-MM-DD of the cast in UTC, both included.
struct CaseFilter {
    std::string search{};
    std::string tag{};
    std::string method{};
    std::optional<Verdict> verdict{};
    std::string since{};
    std::string until{};
};

// How many records came true, per verdict.
struct VerdictCounts {
    std::string method; // empty for all methods together
    std::int64_t total = 0;
    std::int64_t cameTrue = 0;
    std::int64_t partly = 0;
    std::int64_t wrong = 0;
    std::int64_t pending = 0;

    // Those with a verdict other than pending.
    std::int64_t Judged() const { return cameTrue + partly + wrong; }
    // The share that came true among those judged, 0..1; none while none is judged.
    std::optional<double> ShareTrue() const;
};

struct CaseStatistics {
    VerdictCounts overall;
    std::vector<VerdictCounts> perMethod; // by method key
};

// What went wrong with the case book, and with which file.
struct CaseBookError {
    enum class Kind {
        None,
        // The file could not be opened or made (a read-only folder, a folder in its place).
        CannotOpen,
        // A record or an edit could not be written (a full disk, a read-only file, locked).
        CannotWrite,
        // A file that is no case book: another program's file or database.
        NotACaseBook,
        // A case book of a newer version of the program.
        NewerVersion,
        // A case book whose content is damaged (cut short, overwritten).
        Damaged,
    };
    Kind kind = Kind::None;
    std::string path;
    // What SQLite said, in its own words; may be empty.
    std::string detail;

    bool Failed() const { return kind != Kind::None; }
};

// How an import went.
struct ImportCounts {
    std::int64_t added = 0;
    std::int64_t updated = 0;
    std::int64_t skipped = 0;
};

// One open case book. Several may be open on one file, in this process and in others: each
// write is one transaction, a busy file is waited for a few seconds, and a reader learns of
// others' writes from DataVersion(). A file that is damaged, is not a case book or is of a newer
// version is never written to; opening it fails.
class CaseBook {
public:
    // The schema this build writes; older case books are brought up to it when opened.
    static constexpr int kSchemaVersion = 1;

    // Opens the case book of `dataDirectory`, making it when missing. None, with the reason in
    // *error, when it cannot be used.
    static std::unique_ptr<CaseBook> Open(const std::string& dataDirectory, CaseBookError* error);
    // The same for the file at `path`.
    static std::unique_ptr<CaseBook> OpenFile(const std::string& path, CaseBookError* error);

    ~CaseBook();
    CaseBook(const CaseBook&) = delete;
    CaseBook& operator=(const CaseBook&) = delete;

    const std::string& Path() const { return path_; }

    // Adds `record`, which has an id no record has yet.
    bool Add(const CaseRecord& record, CaseBookError* error);

    // The record with `id`, whole; none when there is none. An id may be given by its first
    // characters, where only one record's id starts with them.
    std::optional<CaseRecord> Find(std::string_view id, CaseBookError* error = nullptr);
    // The id that `prefix` names: the whole id, or the first characters of exactly one.
    std::optional<std::string> ResolveId(std::string_view prefix, CaseBookError* error = nullptr);

    // How many records pass `filter`, and `limit` of them from the `offset`th on, newest first.
    std::int64_t Count(const CaseFilter& filter, CaseBookError* error = nullptr);
    std::vector<CaseSummary> Page(const CaseFilter& filter, std::int64_t offset, int limit,
                                  CaseBookError* error = nullptr);
    // Where the record `id` stands among those that pass `filter`, newest first: the offset
    // Page would give it at. None when it does not pass or is not there.
    std::optional<std::int64_t> IndexOf(const CaseFilter& filter, const std::string& id,
                                        CaseBookError* error = nullptr);
    // Each record that passes `filter`, whole, oldest first, one at a time; `visit` returns
    // false to stop. False when the records could not be read.
    bool ForEach(const CaseFilter& filter, const std::function<bool(const CaseRecord&)>& visit,
                 CaseBookError* error = nullptr);

    // The edits of a record, each saved at once, each stamping its modified time. False, with
    // *error left alone, when there is no record with `id`.
    bool SetNotes(const std::string& id, const std::string& notes, CaseBookError* error);
    bool SetTags(const std::string& id, const std::vector<std::string>& tags, CaseBookError* error);
    bool SetPerson(const std::string& id, const std::string& person, CaseBookError* error);
    bool SetOutcome(const std::string& id, Verdict verdict, const std::string& date,
                    const std::string& what, CaseBookError* error);
    bool Remove(const std::string& id, CaseBookError* error);

    // Merges `records` in one transaction: a record whose id is new is added, one whose copy
    // here was modified earlier is replaced, others are left as they are. A record taken from
    // a query log (method "log") is also skipped where a record of the same moment, question
    // and text is here already: the program recorded that cast itself.
    bool Merge(const std::vector<CaseRecord>& records, ImportCounts* counts, CaseBookError* error);

    CaseStatistics Statistics(CaseBookError* error = nullptr);

    // Changes whenever another connection (another copy of the program, another CaseBook)
    // commits to the file; cheap enough to ask on a timer.
    std::int64_t DataVersion();

private:
    CaseBook(std::string path, QString connection);
    bool Prepare(CaseBookError* error);
    bool Update(const std::string& id, const char* assignments, const QVariantList& values,
                CaseBookError* error);
    QSqlDatabase Database() const;

    std::string path_;
    QString connection_;
};

// A new record id.
std::string NewCaseId();
// The present moment as a record stamps it: UTC with milliseconds.
std::string CaseStampNow();

} // namespace zandrel
