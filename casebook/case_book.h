#pragma once

#include "casebook/connection.h"
#include "casebook/error.h"
#include "casebook/record.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The case book: every reading kept with how it was cast, and what the user later wrote of it,
// in one SQLite file beside the query log.

namespace zandrel {

// What an edit writes of a record: each field given, where it still holds what the editor last
// saw of it. The verdict, the outcome's date and what happened are one field.
struct CaseEdit {
    std::optional<std::string> person{};
    std::optional<std::vector<std::string>> tags{};
    std::optional<std::string> notes{};
    struct Outcome {
        Verdict verdict = Verdict::Pending;
        std::string date;
        std::string what;
    };
    std::optional<Outcome> outcome{};
};

enum class EditResult {
    Saved,
    // Something given was changed by another since the editor saw it: nothing was written.
    Changed,
    // No record has the id (removed meanwhile).
    Missing,
    // The book could not be written; the error says why.
    Failed,
};

// Where a merge takes its records from, one at a time, so that an import of any size needs
// the memory of one record.
class CaseRecordSource {
public:
    virtual ~CaseRecordSource() = default;
    // The next record; none at the end, and none after a failure, which Failed() then tells.
    virtual std::optional<CaseRecord> Next() = 0;
    virtual bool Failed() const = 0;
};

// One open case book. Every CaseBook of a process on the same file shares the process's one
// connection to it (see casebook/connection.h); other processes may have it open too. Each
// write is one transaction, a busy file is waited for a few seconds, and a reader learns of
// others' writes from DataVersion(). A file that is damaged, is not a case book or is of a
// newer version is never written to; opening it fails.
class CaseBook {
public:
    // Opens the case book of `dataDirectory`, making it when missing and `access` writes.
    // Where it can write, it first completes the records of the folder's query log (see
    // CompleteFromLog). None, with the reason in *error, when it cannot be used.
    static std::unique_ptr<CaseBook> Open(const std::string& dataDirectory, CaseBookError* error,
                                          CaseBookAccess access = CaseBookAccess::Write);
    // The same for the file at `path`, without looking at any log.
    static std::unique_ptr<CaseBook> OpenFile(const std::string& path, CaseBookError* error,
                                              CaseBookAccess access = CaseBookAccess::Write);

    ~CaseBook();
    CaseBook(const CaseBook&) = delete;
    CaseBook& operator=(const CaseBook&) = delete;

    const std::string& Path() const;
    // False for a book that could only be opened to be read.
    bool Writable() const;

    // Adds `record`, which has an id no record has yet. Where a record made from the query
    // log's entry of the same cast is there already (the log was compared with the book before
    // this record came), that one becomes this record, keeping its id and what the user wrote
    // in it.
    bool Add(const CaseRecord& record, CaseBookError* error);

    // The record with `id`, whole; none when there is none. An id may be given by its first
    // characters, where only one record's id starts with them.
    std::optional<CaseRecord> Find(std::string_view id, CaseBookError* error = nullptr);
    // The id that `prefix` names: the whole id, or the first characters of exactly one.
    std::optional<std::string> ResolveId(std::string_view prefix, CaseBookError* error = nullptr);

    // How many records pass `filter`. A count of many records takes a while; it stops, giving
    // none, as soon as *cancel turns true.
    std::optional<std::int64_t> Count(const CaseFilter& filter, CaseBookError* error = nullptr,
                                      const std::atomic<bool>* cancel = nullptr);
    // `limit` of the records that pass `filter`, from the `offset`th on, newest first.
    std::vector<CaseSummary> Page(const CaseFilter& filter, std::int64_t offset, int limit,
                                  CaseBookError* error = nullptr);
    // Each record that passes `filter` as the list shows it, newest first, one at a time, in
    // one pass however many there are; `visit` returns false to stop. False when the records
    // could not be read.
    bool ForEachSummary(const CaseFilter& filter,
                        const std::function<bool(const CaseSummary&)>& visit,
                        CaseBookError* error = nullptr);
    // Where the record `id` stands among those that pass `filter`, newest first: the offset
    // Page would give it at. None when it does not pass or is not there.
    std::optional<std::int64_t> IndexOf(const CaseFilter& filter, const std::string& id,
                                        CaseBookError* error = nullptr);
    // Each record that passes `filter`, whole, oldest first, one at a time; `visit` returns
    // false to stop. False when the records could not be read.
    bool ForEach(const CaseFilter& filter, const std::function<bool(const CaseRecord&)>& visit,
                 CaseBookError* error = nullptr);

    // Writes `edit` to the record `id` where each field it gives still holds what `seen` has
    // of it; stamps the record's modified time.
    EditResult Edit(const std::string& id, const CaseRecord& seen, const CaseEdit& edit,
                    CaseBookError* error);
    // The same whatever the record holds now: an edit from the command line, which saw nothing
    // before. False, with *error left alone, when there is no record with `id`.
    bool SetNotes(const std::string& id, const std::string& notes, CaseBookError* error);
    bool SetTags(const std::string& id, const std::vector<std::string>& tags, CaseBookError* error);
    bool SetPerson(const std::string& id, const std::string& person, CaseBookError* error);
    bool SetOutcome(const std::string& id, Verdict verdict, const std::string& date,
                    const std::string& what, CaseBookError* error);
    bool Remove(const std::string& id, CaseBookError* error);

    // Merges the records of `source` in one transaction: a record whose id is new is added, one
    // whose copy here was modified earlier is replaced, others are left as they are. A record
    // made from a query log's entry (method "log", never modified) never replaces one here,
    // and is skipped where a record of the same cast is here: the same local moment, question
    // and text, whatever time zone either was made in. False when the book could not be
    // written (with *error) or the source failed; nothing is merged then.
    bool Merge(CaseRecordSource& source, ImportCounts* counts, CaseBookError* error);
    bool Merge(const std::vector<CaseRecord>& records, ImportCounts* counts, CaseBookError* error);

    // Adds a record for each entry of the query log of `dataDirectory` that has none: a cast
    // whose process was killed between its entry and its record. Only the part of the log
    // written since the last comparison is read, and the older generation where the log
    // started again since. The number of records added in *added.
    bool CompleteFromLog(const std::string& dataDirectory, std::int64_t* added,
                         CaseBookError* error);

    CaseStatistics Statistics(CaseBookError* error = nullptr);

    // Changes whenever a connection (another copy of the program, or this process) commits to
    // the file; cheap enough to ask on a timer.
    std::int64_t DataVersion();

private:
    explicit CaseBook(std::shared_ptr<casebook::Connection> connection);
    EditResult Update(const std::string& id, const CaseRecord* seen, const CaseEdit& edit,
                      CaseBookError* error);

    std::shared_ptr<casebook::Connection> connection_;
};

} // namespace zandrel
