#pragma once

#include "casebook/error.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

// The case book's SQL plumbing: a prepared statement, its values and its rows, and the one
// way a failure becomes a CaseBookError. Nothing here knows what a record is.

namespace zandrel::sql {

// A value bound to a place of a statement: text as UTF-8.
using Value = std::variant<std::nullptr_t, std::int64_t, std::string_view>;

// What a failed call of SQLite tells: its extended result code and its message.
struct Failure {
    int code = 0;
    std::string message;
};

class Statement {
public:
    // Prepares `sql` on `db`; a statement that cannot be prepared fails at its first step.
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds `values` to the places in order, the statement made ready to run again first.
    Statement& Bind(std::initializer_list<Value> values);
    // Binds one more value after those bound since the last Bind.
    Statement& Add(const Value& value);

    // Steps once: true with a row to read, false at the end or on a failure.
    bool Next();
    // Runs to the end: true when it did without a failure.
    bool Run();

    std::int64_t Int(int column) const;
    std::string Text(int column) const;
    bool IsNull(int column) const;

    bool Failed() const { return failure_.code != 0; }
    const Failure& failure() const { return failure_; }
    // Rows the last run changed.
    std::int64_t Changes() const;

private:
    void Reset();
    void Fail(int code);

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
    int next_ = 1;
    bool done_ = false;
    Failure failure_;
};

// The URI of the file at `path` with `query` ("mode=ro"): the path percent-encoded, so that any
// file name reads as itself.
std::string FileUri(const std::string& path, std::string_view query);

// Runs statements without rows, one after another, stopping at the first failure.
bool Exec(sqlite3* db, std::string_view sql, Failure* failure);

// The kind of problem a failure tells of: a damaged file, or one that is no database, is told
// apart from a write that only failed this time (`otherwise`).
CaseBookError::Kind KindOf(const Failure& failure, CaseBookError::Kind otherwise);

// Fills *error (where given) with `failure` and returns false: the one way a statement's
// failure leaves the store.
bool Fail(CaseBookError* error, const std::string& path, const Failure& failure,
          CaseBookError::Kind otherwise);
// The same for a failed statement.
bool Fail(CaseBookError* error, const std::string& path, const Statement& failed,
          CaseBookError::Kind otherwise);

} // namespace zandrel::sql
