#include "casebook/connection.h"

#include "casebook/book_check.h"
#include "casebook/schema.h"
#include "casebook/sql.h"
#include "platform/database_file.h"

#include <sqlite3.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <map>
#include <pthread.h>

namespace zandrel::casebook {
namespace {

// How long a write waits for another copy of the program that holds the file.
constexpr int kBusyTimeoutMs = 5000;

// The connections of this process by the file they are open on. A connection that is being
// closed stays listed until it is closed, so that an open of its file waits for that: SQLite
// may hold the file's locks until its close returns.
struct Registry {
    std::mutex mutex;
    std::condition_variable closed;
    std::map<Connection::Key, std::weak_ptr<Connection>> open;
};

Registry* registry = nullptr;

// A child made by fork() has none of its parent's threads, and SQLite's connections are not to
// be used across a fork: the child starts with none. The parent's list is left behind in the
// child, as a thread that is gone may have held its mutex.
void ForgetAfterFork() {
    registry = new Registry;
}

Registry& Connections() {
    static const bool made = [] {
        registry = new Registry;
        pthread_atfork(nullptr, nullptr, ForgetAfterFork);
        return true;
    }();
    (void)made;
    return *registry;
}

bool Fail(CaseBookError* error, CaseBookError::Kind kind, const std::string& path,
          std::string detail = {}) {
    if (error != nullptr) {
        *error = {kind, path, std::move(detail)};
    }
    return false;
}

} // namespace

std::shared_ptr<Connection> Connection::Of(const std::string& path, CaseBookAccess access,
                                           CaseBookError* error) {
    Registry& connections = Connections();
    std::unique_lock lock(connections.mutex);
    for (;;) {
        int err = 0;
        const std::optional<FileIdentity> identity = FileIdentityOf(path, &err);
        if (!identity) {
            if (err != ENOENT || access == CaseBookAccess::Read) {
                Fail(error, CaseBookError::Kind::CannotOpen, path, std::strerror(err));
                return nullptr;
            }
            // Made by this program before SQLite opens it, so that it is the user's alone
            // from the start, and SQLite gives its log and index the same mode.
            if (const int made = CreatePrivateFile(path); made != 0) {
                Fail(error, CaseBookError::Kind::CannotOpen, path, std::strerror(made));
                return nullptr;
            }
            continue;
        }
        if (!identity->regular) {
            Fail(error, CaseBookError::Kind::CannotOpen, path, "not a regular file");
            return nullptr;
        }
        const Key key{identity->device, identity->inode};
        if (const auto listed = connections.open.find(key); listed != connections.open.end()) {
            if (std::shared_ptr<Connection> open = listed->second.lock()) {
                return open;
            }
            connections.closed.wait(lock);
            continue;
        }
        std::shared_ptr<Connection> connection(new Connection(path, key));
        if (!connection->Open(*identity, access, error)) {
            return nullptr;
        }
        connection->registered_ = true;
        connections.open[key] = connection;
        return connection;
    }
}

bool Connection::Open(const FileIdentity& identity, CaseBookAccess access, CaseBookError* error) {
    Inspection found;
    if (!Inspect(path_, identity, &found, error)) {
        return false;
    }
    const auto giveUp = [&](const sql::Failure& failure, CaseBookError::Kind otherwise) {
        Close();
        RemoveLeftovers(path_, found);
        const CaseBookError::Kind kind = sql::KindOf(failure, otherwise);
        // A book that cannot be written (a read-only folder, a full disk) is still read.
        if (access == CaseBookAccess::Read && kind != CaseBookError::Kind::Damaged &&
            kind != CaseBookError::Kind::NotACaseBook) {
            return OpenToRead(error);
        }
        return sql::Fail(error, path_, failure, otherwise);
    };
    sqlite3* db = nullptr;
    const int opened =
        sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    db_ = db;
    sql::Failure failure;
    if (opened != SQLITE_OK) {
        failure = {opened, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(opened)};
        return giveUp(failure, CaseBookError::Kind::CannotOpen);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    // Until the book is taken, closing the connection must not checkpoint: a book this program
    // refuses is never written, its log included.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    schema::Contents contents;
    if (!schema::ReadContents(db_, &contents, &failure)) {
        return giveUp(failure, CaseBookError::Kind::CannotOpen);
    }
    if (const CaseBookError::Kind refused = schema::Refusal(contents);
        refused != CaseBookError::Kind::None) {
        Close();
        return Fail(error, refused, path_);
    }
    writable_ = sqlite3_db_readonly(db_, "main") == 0;
    if (writable_) {
        if (!sql::Exec(db_, "PRAGMA journal_mode = WAL", &failure)) {
            return giveUp(failure, CaseBookError::Kind::CannotWrite);
        }
        if (contents.version < schema::kVersion) {
            if (!schema::Migrate(db_, &failure)) {
                return giveUp(failure, CaseBookError::Kind::CannotWrite);
            }
        }
    } else if (access == CaseBookAccess::Write) {
        Close();
        return Fail(error, CaseBookError::Kind::CannotWrite, path_, "the file is read-only");
    }
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    return true;
}

bool Connection::OpenToRead(CaseBookError* error) {
    // With its log where there is one to read (as another copy left it); else the main file
    // alone, which needs nothing made beside it.
    const std::optional<FileIdentity> wal = FileIdentityOf(path_ + "-wal");
    for (const char* query : {"mode=ro", "immutable=1"}) {
        if (std::strcmp(query, "mode=ro") == 0 && (!wal || wal->size == 0)) {
            continue;
        }
        sqlite3* db = nullptr;
        const int opened = sqlite3_open_v2(
            sql::FileUri(path_, query).c_str(), &db,
            SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_FULLMUTEX, nullptr);
        db_ = db;
        sql::Failure failure;
        schema::Contents contents;
        if (opened == SQLITE_OK) {
            sqlite3_extended_result_codes(db_, 1);
            sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        }
        if (opened == SQLITE_OK && schema::ReadContents(db_, &contents, &failure)) {
            if (const CaseBookError::Kind refused = schema::Refusal(contents);
                refused != CaseBookError::Kind::None) {
                Close();
                return Fail(error, refused, path_);
            }
            writable_ = false;
            return true;
        }
        if (opened != SQLITE_OK) {
            failure = {opened, sqlite3_errstr(opened)};
        }
        Close();
        if (std::strcmp(query, "immutable=1") == 0) {
            return sql::Fail(error, path_, failure, CaseBookError::Kind::CannotOpen);
        }
    }
    return Fail(error, CaseBookError::Kind::CannotOpen, path_);
}

void Connection::Close() {
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

Connection::~Connection() {
    if (db_ != nullptr) {
        const std::lock_guard guard(mutex_);
        // As the last connection anywhere, the close checkpoints the log into the book and
        // removes it; the book is then as this program leaves it.
        Close();
        if (writable_) {
            Seal(path_);
        }
    }
    if (registered_) {
        Registry& connections = Connections();
        const std::lock_guard lock(connections.mutex);
        if (const auto listed = connections.open.find(key_);
            listed != connections.open.end() && listed->second.expired()) {
            connections.open.erase(listed);
        }
        connections.closed.notify_all();
    }
}

} // namespace zandrel::casebook
