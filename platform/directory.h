#pragma once

#include "platform/file.h"

#include <string>
#include <sys/types.h>

namespace zandrel {

// The user's home folder: HOME when it is an absolute path, else the home folder of the user
// database, else "/".
std::string HomeDirectory();

// Creates `path` and every missing folder above it, each with `mode` (less the umask). A path
// that is already a folder is left as it is. A failure names `path` and carries the cause of
// the folder that could not be made.
FileError MakeDirectories(const std::string& path, mode_t mode);

} // namespace zandrel
