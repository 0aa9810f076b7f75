#pragma once

#include "casebook/error.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

struct sqlite3;

namespace zandrel {

struct FileIdentity;

// How a caller means to use the case book.
enum class CaseBookAccess {
    // Adds and edits records; a missing book is made.
    Write,
    // Only reads: a book in a folder that refuses new files, or on a full disk, is still read
    // (as it was when last written), and nothing is made beside it.
    Read,
};

namespace casebook {

// This process's one connection to a case book file, shared by every CaseBook of the process
// that opens the file, on every thread.
//
// POSIX locks belong to the process, and closing any descriptor of a file drops every lock the
// process holds on it: a second connection, or a look at the file by another descriptor while
// a connection is open, would let another copy of the program checkpoint and delete the
// write-ahead log under this one. So the file is looked at only while no connection of the
// process is open, and a second open of the same file (by any path to it) is handed the
// connection already there.
class Connection {
public:
    // The connection to the book at `path`, opened when this process has none (the book is
    // made first where `access` writes and it is missing). None, with the reason in *error,
    // when the book cannot be used.
    static std::shared_ptr<Connection> Of(const std::string& path, CaseBookAccess access,
                                          CaseBookError* error);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* Db() const { return db_; }
    const std::string& Path() const { return path_; }
    // False for a book opened only to be read (a read-only folder, a full disk).
    bool Writable() const { return writable_; }
    // Held for each use of the connection, by whichever thread uses it, so that no two
    // threads' statements interleave within a transaction.
    std::recursive_mutex& Mutex() { return mutex_; }

    // Commits of this process, which PRAGMA data_version does not show to the connection that
    // made them.
    void CountCommit() { ++commits_; }
    std::int64_t Commits() const { return commits_; }

    struct Key {
        std::uint64_t device;
        std::uint64_t inode;
        auto operator<=>(const Key&) const = default;
    };

private:
    Connection(std::string path, Key key) : path_(std::move(path)), key_(key) {}
    bool Open(const FileIdentity& identity, CaseBookAccess access, CaseBookError* error);
    bool OpenToRead(CaseBookError* error);
    void Close();

    std::string path_;
    Key key_;
    sqlite3* db_ = nullptr;
    bool writable_ = false;
    bool registered_ = false;
    std::recursive_mutex mutex_;
    std::atomic<std::int64_t> commits_{0};
};

} // namespace casebook
} // namespace zandrel
