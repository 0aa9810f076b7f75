#include "casebook/book_check.h"

#include "casebook/schema.h"
#include "casebook/sql.h"

#include <sqlite3.h>

#include <cstring>
#include <memory>

namespace zandrel::casebook {
namespace {

constexpr std::string_view kMagic{"SQLite format 3\0", 16};
// SQLite's locks on the main file are on the byte 0x40000000 and the 511 after it; every
// connection of a database in write-ahead mode holds a shared lock there while it is open.
constexpr std::int64_t kLockBytes = 0x40000000;
constexpr std::int64_t kLockLength = 512;
// The seal's key among the file's notes.
constexpr const char* kSealNote = "casebook-sealed";

std::uint32_t BigEndian(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

std::string SealOf(const FileIdentity& identity) {
    return std::to_string(identity.device) + " " + std::to_string(identity.inode) + " " +
           std::to_string(identity.size) + " " + std::to_string(identity.modifiedNanoseconds);
}

bool Fail(CaseBookError* error, CaseBookError::Kind kind, const std::string& path,
          std::string detail = {}) {
    if (error != nullptr) {
        *error = {kind, path, std::move(detail)};
    }
    return false;
}

struct CloseDb {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Db = std::unique_ptr<sqlite3, CloseDb>;

// A read-only view of the book: the main file alone (`immutable`: its write-ahead log is not
// read and nothing is locked or made), or the book with its log merged in memory only. Neither
// writes the book or its log, and neither checkpoints when it closes.
struct View {
    schema::Contents contents;
    std::string damage;
};

bool Look(const std::string& path, bool immutable, bool check, View* view, CaseBookError* error) {
    const std::string uri = sql::FileUri(path, immutable ? "immutable=1" : "mode=ro");
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(uri.c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    const Db db(raw);
    sql::Failure failure;
    if (opened != SQLITE_OK) {
        failure = {opened, raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(opened)};
        return sql::Fail(error, path, failure, CaseBookError::Kind::CannotOpen);
    }
    sqlite3_extended_result_codes(db.get(), 1);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    if (!schema::ReadContents(db.get(), &view->contents, &failure)) {
        return sql::Fail(error, path, failure, CaseBookError::Kind::Damaged);
    }
    if (const CaseBookError::Kind refused = schema::Refusal(view->contents);
        refused != CaseBookError::Kind::None) {
        return Fail(error, refused, path);
    }
    if (check && !schema::QuickCheck(db.get(), &view->damage, &failure)) {
        return sql::Fail(error, path, failure, CaseBookError::Kind::Damaged);
    }
    return true;
}

} // namespace

bool Inspect(const std::string& path, const FileIdentity& identity, Inspection* found,
             CaseBookError* error) {
    std::string head;
    if (const int err = ReadFileHead(path, 100, &head); err != 0) {
        return Fail(error, CaseBookError::Kind::CannotOpen, path, std::strerror(err));
    }
    found->empty = head.empty();
    const std::string wal = path + "-wal";
    const std::optional<FileIdentity> log = FileIdentityOf(wal);
    found->walExisted = log.has_value();
    found->shmExisted = FileIdentityOf(path + "-shm").has_value();
    found->othersOpen = LockedByOtherProcess(path, kLockBytes, kLockLength);
    found->walPending = !found->othersOpen && log && log->size > 0;
    if (found->empty) {
        // Making a book writes its first page to the main file before anything reaches a
        // log; a log beside an empty file is another's, which SQLite would throw away.
        if (found->walPending) {
            return Fail(error, CaseBookError::Kind::ForeignLog, wal);
        }
        return true;
    }
    // The header tells a file that is no case book, or a newer one, before SQLite opens it.
    if (head.size() < kMagic.size() || std::string_view(head).substr(0, kMagic.size()) != kMagic) {
        return Fail(error, CaseBookError::Kind::NotACaseBook, path);
    }
    if (head.size() >= 72) {
        const std::int64_t applicationId = BigEndian(head, 68);
        if (applicationId != schema::kApplicationId && applicationId != 0) {
            return Fail(error, CaseBookError::Kind::NotACaseBook, path);
        }
        if (BigEndian(head, 60) > static_cast<std::uint32_t>(schema::kVersion)) {
            return Fail(error, CaseBookError::Kind::NewerVersion, path);
        }
    }
    if (found->othersOpen) {
        // The copy that has it open checked it when it opened it.
        return true;
    }
    const bool sealed = ReadPathNote(path, kSealNote) == SealOf(identity);
    if (!found->walPending && sealed) {
        return true;
    }
    View view;
    if (found->walPending) {
        // The main file alone names the book it belongs to, where it can be read alone: a
        // checkpoint cut off by a kill leaves it whole only together with its log.
        View main;
        const bool named = Look(path, true, false, &main, nullptr) && main.contents.bookId;
        // Every write commits the book's id again: a log of this book holds it, a log of
        // another book holds that one's, and a log of some other database none (merged, its
        // pages make no case book at all). The book's own log never spoils a whole book.
        // A book damaged in itself is told as damaged, not its log.
        const auto spoilt = [&] {
            View alone;
            if (Look(path, true, true, &alone, nullptr) && alone.damage.empty()) {
                return Fail(error, CaseBookError::Kind::ForeignLog, wal);
            }
            return Fail(error, CaseBookError::Kind::Damaged, path, alone.damage);
        };
        if (!Look(path, false, true, &view, named ? nullptr : error)) {
            return named ? spoilt() : false;
        }
        if (named && view.contents.bookId != main.contents.bookId) {
            return Fail(error, CaseBookError::Kind::ForeignLog, wal);
        }
        if (named && !view.damage.empty()) {
            return spoilt();
        }
    } else if (!Look(path, true, true, &view, error)) {
        return false;
    }
    if (!view.damage.empty()) {
        return Fail(error, CaseBookError::Kind::Damaged, path, view.damage);
    }
    found->checked = true;
    return true;
}

void Seal(const std::string& path) {
    if (const std::optional<FileIdentity> identity = FileIdentityOf(path);
        identity && identity->regular && !FileIdentityOf(path + "-wal")) {
        WritePathNote(path, kSealNote, SealOf(*identity));
    }
}

void RemoveLeftovers(const std::string& path, const Inspection& found) {
    if (found.walExisted || found.shmExisted ||
        LockedByOtherProcess(path, kLockBytes, kLockLength)) {
        return;
    }
    const std::optional<FileIdentity> wal = FileIdentityOf(path + "-wal");
    if (wal && wal->size != 0) {
        return;
    }
    RemoveFileAt(path + "-wal");
    RemoveFileAt(path + "-shm");
}

} // namespace zandrel::casebook
