#pragma once

// What the two halves of the file layer share: opening files (file.cpp) and replacing their
// content (file_replace.cpp). Not for use outside platform/.

#include "platform/file.h"

#include <string>
#include <string_view>

namespace zandrel {

// `path` made absolute against the current directory.
std::string AbsolutePath(const std::string& path);

// The failure of errno `err` (never None) naming `name`.
FileError ErrorFor(int err, std::string name);

// Writes all of `bytes`, resuming after interruptions and short writes. Returns 0 or the errno
// of the write that failed.
int WriteAll(int fd, std::string_view bytes);

} // namespace zandrel
