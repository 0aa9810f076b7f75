#pragma once

#include "casebook/error.h"
#include "casebook/sql.h"

#include <cstdint>
#include <optional>
#include <string>

// The case book's tables, their versions and how an older book is brought up to this one.

namespace zandrel::schema {

// The schema this build writes; older case books are brought up to it when opened.
inline constexpr int kVersion = 2;
// Marks the file as this program's case book ("ZCB1"), so that another program's SQLite file of
// the same name is never taken for one and written to.
inline constexpr std::int64_t kApplicationId = 0x5a434231;

// What a connection finds in the file.
struct Contents {
    std::int64_t applicationId = 0;
    std::int64_t version = 0;
    // The objects of its schema: none in a file that no case book was made in yet.
    std::int64_t objects = 0;
    // The random id the book was given when it was made (from version 2 on).
    std::optional<std::string> bookId;
};

bool ReadContents(sqlite3* db, Contents* contents, sql::Failure* failure);

// Why `contents` is no case book this build may use, or Kind::None.
CaseBookError::Kind Refusal(const Contents& contents);

// PRAGMA quick_check: empty when the file is whole, else what it found first.
bool QuickCheck(sqlite3* db, std::string* problem, sql::Failure* failure);

// Brings the book of `contents` to kVersion in one transaction: one copy migrates, another
// that waited for it finds the work done.
bool Migrate(sqlite3* db, sql::Failure* failure);

} // namespace zandrel::schema
