#pragma once

#include "casebook/error.h"
#include "platform/database_file.h"

#include <string>

// What is at the case book's place, looked at before this process opens its connection to it:
// whether it is a case book this build may use, whether another process has it open, whether a
// write-ahead log waits to be merged and belongs to it, and whether the whole file needs
// checking. Nothing here writes to the book or its log.
//
// These checks open the file by descriptors of their own, so they run only while this process
// holds no connection to the file (see casebook/connection.h).

namespace zandrel::casebook {

struct Inspection {
    // Nothing is in the file yet: a book being made (or whose making was cut off).
    bool empty = true;
    // Another process has the book open; its write-ahead log is in use.
    bool othersOpen = false;
    // Whether the write-ahead log and its index were there before this process opened the book.
    bool walExisted = false;
    bool shmExisted = false;
    // A write-ahead log that nobody has open: left by a process that was killed, to be merged.
    bool walPending = false;
    // The whole file was checked and found whole.
    bool checked = false;
};

// Looks at the book at `path` (a regular file, `identity`). False, with *error, for a book that
// must not be opened: no case book, a newer one, a damaged one, or one with a log that is not
// its own. The whole file is checked where it may have been damaged: a log to merge (a process
// died), or a file that is not as this program last left it.
bool Inspect(const std::string& path, const FileIdentity& identity, Inspection* found,
             CaseBookError* error);

// Notes on the book that this program leaves it whole, as it is now: the next open that finds
// it unchanged needs no check of the whole file.
void Seal(const std::string& path);

// Removes the empty write-ahead log and its index that a failed open left where there were none
// before, unless another process has the book open meanwhile.
void RemoveLeftovers(const std::string& path, const Inspection& found);

} // namespace zandrel::casebook
