#pragma once

#include "platform/file_error.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zandrel {

// How long an open waits for another running copy of the program to release the lock of a
// file before it reports a sharing violation. A copy holds a lock only while it reads or writes
// the file, for milliseconds; a lock still held after a few seconds is not about to go.
inline constexpr std::chrono::milliseconds kDefaultLockWait{3000};
// The wait in force for every open of this process (and of the children it forks afterwards):
// kDefaultLockWait unless set. Tests shorten it.
std::chrono::milliseconds LockWait();
void SetLockWait(std::chrono::milliseconds wait);

// A program file, opened by a name relative to a directory (always given) and held with an
// exclusive lock for as long as it is open. A lock that anyone else still holds after
// LockWait() is a sharing violation. Every operation reports failures through FileError; none
// throws.
class File {
public:
    enum class Mode {
        Read,     // existing file, read only
        Update,   // existing file, written in place
        Append,   // created when missing, writes go to the end
        Truncate, // created when missing, emptied
    };

    File() = default;
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // On failure the returned file is closed and *error names the bare `name`.
    static File Open(const std::string& directory, const std::string& name, Mode mode,
                     FileError* error);
    // Opens `name` as Open does with Mode::Append, except that where this open makes the file,
    // the new file takes what the file `model` in the same directory carries, when there is
    // one: its permission bits in the open that makes it, so that they are at no moment wider
    // than the model's, then its owner and group where this process may give them (the group
    // where the user belongs to it, otherwise it keeps the user's), and last the model's exact
    // mode, which the umask may have narrowed. Without a model the new file is readable and
    // writable by its owner only. A file that is there already stays as it is.
    static File OpenAppendLike(const std::string& directory, const std::string& name,
                               const std::string& model, FileError* error);

    bool IsOpen() const { return fd_ >= 0; }
    // The absolute path of the open file, for messages after a successful open.
    const std::string& FullPath() const { return fullPath_; }

    bool Length(std::int64_t* length, FileError* error) const;
    // Writes all of `bytes` at the end of the file (Append, Truncate) or fails.
    bool Write(std::string_view bytes, FileError* error);
    bool TruncateTo(std::int64_t length, FileError* error);
    // Waits until what was written has reached the disk, so that a power loss keeps it.
    bool Sync(FileError* error);
    // Reads `count` bytes from `offset` into *bytes, fewer where the file ends first. The
    // caller bounds `count`: nothing here depends on the file's size.
    bool ReadAt(std::int64_t offset, std::size_t count, std::string* bytes, FileError* error);
    bool Close(FileError* error);

    // Whether `name` in `directory` names this very file. A file renamed between its open and
    // its lock is held under a name that no longer stands for it.
    bool IsNamed(const std::string& directory, const std::string& name) const;
    // A short note of the program's own kept with the file itself (an extended attribute): it
    // needs no second file, works in a folder that refuses new files, and moves with the file
    // when the file is renamed. Writing fails where the file system keeps no notes; reading
    // gives false when there is no note, or none that fits kMaxNoteSize.
    static constexpr std::size_t kMaxNoteSize = 64;
    bool WriteNote(const std::string& key, std::string_view value);
    bool ReadNote(const std::string& key, std::string* value) const;
    void RemoveNote(const std::string& key);

private:
    FileError ErrorAfterOpen(int err) const;

    int fd_ = -1;
    std::string fullPath_;
};

// Joins a directory, never empty, and a bare file name.
std::string PathIn(const std::string& directory, const std::string& name);

// Renames the file `from` in `directory` to `to`, in one step that replaces whatever file
// `to` was; a process that holds the file open keeps it under its new name. On failure nothing
// has changed and the error names `to`.
FileError RenameFile(const std::string& directory, const std::string& from, const std::string& to);

// Removes the file `name` in `directory`; a missing one is no failure.
FileError RemoveFile(const std::string& directory, const std::string& name);

// Replaces the file `name` in `directory` with `content` so that, whatever fails and wherever
// the process is killed, the file holds its old content or the new one, whole: the content
// goes to a new file beside it, which takes the old one's place in one rename (see
// platform/replace_by_rename.h). The old file is locked meanwhile, so another running copy
// that holds it past LockWait() gives a sharing violation. A folder that refuses new files refuses
// the replace with its cause before the old file changes. A symbolic link keeps naming its file,
// which is replaced in its own folder. A failure names `name` as built when the new file
// could not be made or take the old one's place, and the full path when writing it failed.
FileError ReplaceFileContent(const std::string& directory, const std::string& name,
                             std::string_view content);

} // namespace zandrel
