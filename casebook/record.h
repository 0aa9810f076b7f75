#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A record of the case book as plain values: the reading kept as it was cast and shown, with
// what the user later wrote of it. Nothing here computes a reading again.

namespace zandrel {

inline constexpr const char* kCaseBookFileName = "casebook.sqlite";

// What became of a reading, as the user judged it.
enum class Verdict { Pending, True, Partly, False };

// "pending", "true", "partly", "false": the keys of the file, the JSON and the command line.
std::string_view VerdictKey(Verdict verdict);
std::optional<Verdict> VerdictNamed(std::string_view key);

// The method key of a record made from a query log's entry.
inline constexpr std::string_view kLogMethod = "log";

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
    // When the user last changed the record, UTC with milliseconds: an import keeps the later
    // copy. Empty for a record nobody has changed since it was made from a log's entry, which
    // therefore never replaces another copy.
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

    bool PassesAll() const {
        return search.empty() && tag.empty() && method.empty() && !verdict && since.empty() &&
               until.empty();
    }
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

// How an import went.
struct ImportCounts {
    std::int64_t added = 0;
    std::int64_t updated = 0;
    std::int64_t skipped = 0;
};

// A new record id.
std::string NewCaseId();
// The present moment as a record stamps it: UTC with milliseconds.
std::string CaseStampNow();

} // namespace zandrel
