#include "platform/file_error.h"

#include <cerrno>

// The translation tools read these texts from the source; the program translates them where it
// shows them. This layer has no Qt, so the marker is defined as Qt defines it.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace zandrel {

FileCause CauseOfErrno(int err) {
    switch (err) {
    case 0:
        return FileCause::None;
    case ENOENT:
        return FileCause::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return FileCause::BadPath;
    case EMFILE:
    case ENFILE:
        return FileCause::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case ENXIO: // a FIFO without a reader, a device that is not there
    case ENODEV:
        return FileCause::AccessDenied;
    case EBADF:
        return FileCause::InvalidFile;
    case EMLINK:
        return FileCause::DirectoryFull;
    case ESPIPE:
    case EOVERFLOW:
        return FileCause::BadSeek;
    case EIO:
        return FileCause::HardIO;
    case EWOULDBLOCK:
        return FileCause::SharingViolation;
    case ENOLCK:
    case EDEADLK:
        return FileCause::LockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileCause::DiskFull;
    default:
        return FileCause::Generic;
    }
}

const char* FileErrorPattern(FileCause cause) {
    switch (cause) {
    case FileCause::None:
        return QT_TRANSLATE_NOOP("FileError", "No error occurred.");
    case FileCause::Generic:
        return QT_TRANSLATE_NOOP("FileError", "An unknown error occurred while accessing %1.");
    case FileCause::FileNotFound:
        return QT_TRANSLATE_NOOP("FileError", "%1 was not found.");
    case FileCause::BadPath:
        return QT_TRANSLATE_NOOP("FileError", "%1 contains an invalid path.");
    case FileCause::TooManyOpenFiles:
        return QT_TRANSLATE_NOOP("FileError",
                                 "%1 could not be opened because there are too many open files.");
    case FileCause::AccessDenied:
        return QT_TRANSLATE_NOOP("FileError", "Access to %1 was denied.");
    case FileCause::InvalidFile:
        return QT_TRANSLATE_NOOP("FileError", "An invalid file handle was associated with %1.");
    case FileCause::RemoveCurrentDir:
        return QT_TRANSLATE_NOOP("FileError",
                                 "%1 could not be removed because it is the current directory.");
    case FileCause::DirectoryFull:
        return QT_TRANSLATE_NOOP("FileError",
                                 "%1 could not be created because the directory is full.");
    case FileCause::BadSeek:
        return QT_TRANSLATE_NOOP("FileError", "Seek failed on %1");
    case FileCause::HardIO:
        return QT_TRANSLATE_NOOP("FileError",
                                 "A hardware I/O error was reported while accessing %1.");
    case FileCause::SharingViolation:
        return QT_TRANSLATE_NOOP("FileError", "A sharing violation occurred while accessing %1.");
    case FileCause::LockViolation:
        return QT_TRANSLATE_NOOP("FileError", "A locking violation occurred while accessing %1.");
    case FileCause::DiskFull:
        return QT_TRANSLATE_NOOP("FileError", "Disk full while accessing %1.");
    case FileCause::EndOfFile:
        return QT_TRANSLATE_NOOP("FileError", "An attempt was made to access %1 past its end.");
    }
    return "";
}

std::string FileErrorText(FileCause cause, std::string_view name) {
    // The name is inserted, never interpreted: a "%" in it stays as it is.
    std::string text = FileErrorPattern(cause);
    if (const auto at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, name);
    }
    return text;
}

std::string FileError::Message() const {
    return FileErrorText(cause, name);
}

} // namespace zandrel
