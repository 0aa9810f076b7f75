#pragma once

#include <string>
#include <string_view>

namespace zandrel {

// Why a file operation failed, in the terms the user is told.
enum class FileCause {
    None,
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,
    RemoveCurrentDir,
    DirectoryFull,
    BadSeek,
    HardIO,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
};

FileCause CauseOfErrno(int err);

// The outcome of a file operation: no cause means success. `name` fills the %1 of the text:
// the bare name when the file could not be opened, its full path after it was.
struct FileError {
    FileCause cause = FileCause::None;
    std::string name;

    bool Failed() const { return cause != FileCause::None; }
    std::string Message() const;
};

// The text that tells the user of a cause, with a place %1 for the file's name: the one source
// of these texts, in English, marked for translation in the context "FileError"; a front end
// shows it translated.
const char* FileErrorPattern(FileCause cause);

// The English text of a cause with %1 replaced by name, as it stands.
std::string FileErrorText(FileCause cause, std::string_view name);

} // namespace zandrel
