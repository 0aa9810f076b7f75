#pragma once

// What the units of the file layer share: opening files (file.cpp) and replacing their
// content (file_replace.cpp and the units it uses). Not for use outside platform/.

#include "platform/file_error.h"

#include <string>
#include <string_view>
#include <sys/types.h>

namespace zandrel {

// `path` made absolute against the current directory.
std::string AbsolutePath(const std::string& path);

// The failure of errno `err` (never None) naming `name`.
FileError ErrorFor(int err, std::string name);

// Opens `path` as File::Open does: with `flags` plus O_CLOEXEC and O_NONBLOCK (so that a FIFO
// cannot hang the program), a file it creates given `creationMode` less the umask, refusing
// anything but a regular file, and holding the exclusive lock, waiting for it up to LockWait().
// Returns the descriptor, or -1 with *err set to the errno (EWOULDBLOCK for a lock still held
// elsewhere).
int OpenLocked(const std::string& path, int flags, int* err, mode_t creationMode = 0666);

// Takes the exclusive lock of the open file `fd`, trying again every few milliseconds while
// another holds it, for up to LockWait(). Returns 0 or the errno.
int LockWaiting(int fd);

// Writes all of `bytes`, resuming after interruptions and short writes. Returns 0 or the errno
// of the write that failed.
int WriteAll(int fd, std::string_view bytes);

} // namespace zandrel
