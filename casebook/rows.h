#pragma once

#include "casebook/connection.h"
#include "casebook/record.h"
#include "casebook/sql.h"

#include <mutex>
#include <string>
#include <vector>

// A record as the rows of the records table hold it, and the write transaction every change
// goes through. Shared by the parts of the store; not for use outside casebook/.

namespace zandrel::casebook {

// The columns of a whole record, in the order of BindRecord and ReadRecord.
inline constexpr const char* kColumns =
    "id, cast_utc, utc_offset, method, inputs, question, person, tags, outer_trigram,"
    " inner_trigram, change_line, original, final, reading_text, language, notes, outcome_date,"
    " outcome_what, verdict, modified_utc";
// As many places as kColumns has columns.
inline constexpr const char* kPlaces = "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?";

// The tags of a record as one column: one a line, without empty ones.
std::string JoinTags(const std::vector<std::string>& tags);
std::vector<std::string> SplitTags(const std::string& joined);

// Binds the columns of `record` after those already bound to `statement`.
void BindRecord(sql::Statement& statement, const CaseRecord& record, std::string& tags);
// The record of the row `statement` stands on, its columns from `first` on in kColumns' order.
CaseRecord ReadRecord(const sql::Statement& statement, int first = 0);

// A short digest of a text, the same in every build: FNV-1a of its bytes, in hexadecimal.
std::string TextDigest(std::string_view text);

// A record's local moment as SQL computes it from its columns, and as the index of a log's
// entries has it: "2026-12-11 16:06:56".
inline constexpr const char* kLocalMoment = "datetime(cast_utc, utc_offset || ' minutes')";

// One write: begun at once with the file's write lock (waiting for another copy a few seconds),
// ended by Commit, rolled back when it is left without. Every write counts the book's
// generation up, so that its write-ahead log always holds the book's own id.
class WriteTransaction {
public:
    WriteTransaction(Connection& connection, CaseBookError* error);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    bool Begun() const { return begun_; }
    bool Commit();
    // Reports a failed statement of the transaction, which is then rolled back.
    bool Fail(const sql::Statement& failed,
              CaseBookError::Kind otherwise = CaseBookError::Kind::CannotWrite);

private:
    Connection& connection_;
    std::lock_guard<std::recursive_mutex> lock_;
    CaseBookError* error_;
    bool begun_ = false;
};

} // namespace zandrel::casebook
