#pragma once

#include "platform/file_error.h"

#include <cstdint>
#include <optional>
#include <string>

// What a store that another library opens (SQLite) needs to know of its file from outside that
// library: whether it is there and what it is, its first bytes, whether another process has it
// open, and a note kept with it.
//
// POSIX locks belong to the process, and closing any descriptor of a file drops every lock the
// process holds on it. The calls here that open the file (ReadFileHead, LockedByOtherProcess)
// must therefore never be made while this process has the file open with locks of its own.
// Those that take a path (FileIdentityOf, the notes) open no descriptor and are safe at any time.

namespace zandrel {

struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;
    bool regular = false;
};

// What is at `path`, following a symbolic link; none when nothing is there (or the path cannot
// be looked at, with the errno in *err).
std::optional<FileIdentity> FileIdentityOf(const std::string& path, int* err = nullptr);

// Makes an empty file at `path` readable and writable by its owner only, whatever the umask. A
// file that is there already is left as it is, its mode included. 0 or the errno.
int CreatePrivateFile(const std::string& path);

// Up to `count` bytes from the start of the file at `path`. 0 or the errno.
int ReadFileHead(const std::string& path, std::size_t count, std::string* bytes);

// Whether another process holds a POSIX lock on any byte of [start, start + length) of the
// file at `path` that a write lock would conflict with. False when the file cannot be opened.
bool LockedByOtherProcess(const std::string& path, std::int64_t start, std::int64_t length);

// A short note of the program's own kept with the file (an extended attribute), read and
// written by path. Writing gives false where the file system keeps no notes; reading gives
// none when there is no note.
bool WritePathNote(const std::string& path, const std::string& key, const std::string& value);
std::optional<std::string> ReadPathNote(const std::string& path, const std::string& key);

// Removes the file at `path`; a missing one is no failure. 0 or the errno.
int RemoveFileAt(const std::string& path);

} // namespace zandrel
