#pragma once

#include <string>

namespace zandrel {

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
        // A write-ahead log beside the case book that is not its own (copied from another
        // case book or another database): merging it would overwrite the book's records.
        ForeignLog,
        // An edit with a text longer than a record may hold and still be exported and
        // imported again whole; nothing was written.
        TextTooLong,
    };
    Kind kind = Kind::None;
    // The file that is wrong: the case book, or its write-ahead log for ForeignLog.
    std::string path;
    // What SQLite said, in its own words; may be empty.
    std::string detail;

    bool Failed() const { return kind != Kind::None; }
};

} // namespace zandrel
