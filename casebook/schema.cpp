#include "casebook/schema.h"

#include <vector>

namespace zandrel::schema {
namespace {

// The statements that bring a case book of version N-1 to version N, at index N-1.
const std::vector<std::vector<const char*>>& Migrations() {
    static const std::vector<std::vector<const char*>> migrations = {
        {
            // seq keeps the full-text index's rows stable; id is what imports merge by.
            "CREATE TABLE records ("
            " seq INTEGER PRIMARY KEY,"
            " id TEXT NOT NULL UNIQUE,"
            " cast_utc TEXT NOT NULL,"
            " utc_offset INTEGER NOT NULL,"
            " method TEXT NOT NULL,"
            " question TEXT NOT NULL,"
            " person TEXT NOT NULL,"
            " tags TEXT NOT NULL,"
            " outer_trigram INTEGER NOT NULL,"
            " inner_trigram INTEGER NOT NULL,"
            " change_line INTEGER NOT NULL,"
            " original INTEGER NOT NULL,"
            " final INTEGER NOT NULL,"
            " language TEXT NOT NULL,"
            " notes TEXT NOT NULL,"
            " outcome_date TEXT NOT NULL,"
            " outcome_what TEXT NOT NULL,"
            " verdict TEXT NOT NULL CHECK (verdict IN ('pending', 'true', 'partly', 'false')),"
            " modified_utc TEXT NOT NULL,"
            // The long texts come last, so that a search or a list reads the short columns
            // without following a record's overflow pages.
            " inputs TEXT NOT NULL,"
            " reading_text TEXT NOT NULL)",
            "CREATE INDEX records_by_cast ON records (cast_utc, seq)",
            "CREATE INDEX records_by_method ON records (method, verdict)",
            // Substrings of three characters and more are found through the trigram index:
            // Chinese writes no blanks between words, so word tokens would not find them.
            "CREATE VIRTUAL TABLE records_text USING fts5(question, notes, tags,"
            " content='records', content_rowid='seq', tokenize='trigram')",
            "CREATE TRIGGER records_text_insert AFTER INSERT ON records BEGIN"
            " INSERT INTO records_text (rowid, question, notes, tags)"
            " VALUES (new.seq, new.question, new.notes, new.tags); END",
            "CREATE TRIGGER records_text_delete AFTER DELETE ON records BEGIN"
            " INSERT INTO records_text (records_text, rowid, question, notes, tags)"
            " VALUES ('delete', old.seq, old.question, old.notes, old.tags); END",
            "CREATE TRIGGER records_text_update AFTER UPDATE OF question, notes, tags ON records"
            " BEGIN"
            " INSERT INTO records_text (records_text, rowid, question, notes, tags)"
            " VALUES ('delete', old.seq, old.question, old.notes, old.tags);"
            " INSERT INTO records_text (rowid, question, notes, tags)"
            " VALUES (new.seq, new.question, new.notes, new.tags); END",
            "PRAGMA application_id = 1514357297", // kApplicationId
        },
        {
            // The book's own id, which every write commits again with a new generation: a
            // write-ahead log of this book holds it, one of another book holds that book's.
            // log_mark is how far the query log has been compared with the records (its
            // length then, -1 before the first comparison) and log_digest the bytes before
            // it, to know the log it was. created_utc bounds the first comparison to the
            // casts of the book's time.
            "CREATE TABLE book ("
            " only INTEGER PRIMARY KEY CHECK (only = 1),"
            " id TEXT NOT NULL,"
            " generation INTEGER NOT NULL,"
            " created_utc TEXT NOT NULL,"
            " log_mark INTEGER NOT NULL,"
            " log_digest TEXT NOT NULL)",
            "INSERT INTO book VALUES (1, lower(hex(randomblob(16))), 0,"
            " strftime('%Y-%m-%dT%H:%M:%SZ', 'now'), -1, '')",
            // The casts whose records the user removed: the comparison with the log does not
            // bring them back.
            "CREATE TABLE removed ("
            " moment TEXT NOT NULL,"
            " question TEXT NOT NULL,"
            " text_digest TEXT NOT NULL)",
            "CREATE INDEX removed_by_moment ON removed (moment)",
            // A log's entry and the record of the same cast are found by the cast's local
            // moment, which the log writes without its offset.
            "CREATE INDEX records_by_local_moment ON records"
            " (datetime(cast_utc, utc_offset || ' minutes'))",
        },
    };
    return migrations;
}
static_assert(kApplicationId == 1514357297);

bool Number(sqlite3* db, const char* sql, std::int64_t* value, sql::Failure* failure) {
    sql::Statement query(db, sql);
    if (!query.Next()) {
        *failure = query.Failed() ? query.failure() : sql::Failure{1, "no value"};
        return false;
    }
    *value = query.Int(0);
    return true;
}

} // namespace

bool ReadContents(sqlite3* db, Contents* contents, sql::Failure* failure) {
    if (!Number(db, "PRAGMA application_id", &contents->applicationId, failure) ||
        !Number(db, "PRAGMA user_version", &contents->version, failure) ||
        !Number(db, "SELECT count(*) FROM sqlite_schema", &contents->objects, failure)) {
        return false;
    }
    contents->bookId.reset();
    if (contents->applicationId == kApplicationId && contents->version >= 2) {
        sql::Statement query(db, "SELECT id FROM book");
        if (query.Next()) {
            contents->bookId = query.Text(0);
        } else if (query.Failed()) {
            *failure = query.failure();
            return false;
        }
    }
    return true;
}

CaseBookError::Kind Refusal(const Contents& contents) {
    if (contents.applicationId != kApplicationId &&
        (contents.applicationId != 0 || contents.objects != 0)) {
        return CaseBookError::Kind::NotACaseBook;
    }
    if (contents.version > kVersion) {
        return CaseBookError::Kind::NewerVersion;
    }
    return CaseBookError::Kind::None;
}

bool QuickCheck(sqlite3* db, std::string* problem, sql::Failure* failure) {
    sql::Statement check(db, "PRAGMA quick_check");
    if (!check.Next()) {
        *failure = check.Failed() ? check.failure() : sql::Failure{1, "no answer"};
        return false;
    }
    const std::string first = check.Text(0);
    *problem = first == "ok" ? std::string() : first;
    return true;
}

bool Migrate(sqlite3* db, sql::Failure* failure) {
    if (!sql::Exec(db, "BEGIN IMMEDIATE", failure)) {
        return false;
    }
    const auto rollBack = [&] {
        sql::Exec(db, "ROLLBACK", nullptr);
        return false;
    };
    std::int64_t version = 0;
    if (!Number(db, "PRAGMA user_version", &version, failure)) {
        return rollBack();
    }
    for (auto v = static_cast<std::size_t>(version); v < Migrations().size(); ++v) {
        for (const char* statement : Migrations()[v]) {
            if (!sql::Exec(db, statement, failure)) {
                return rollBack();
            }
        }
        if (!sql::Exec(db, "PRAGMA user_version = " + std::to_string(v + 1), failure)) {
            return rollBack();
        }
    }
    if (!sql::Exec(db, "COMMIT", failure)) {
        return rollBack();
    }
    return true;
}

} // namespace zandrel::schema
