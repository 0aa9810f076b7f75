#pragma once

#include "platform/file.h"

#include <string>

namespace zandrel {

// The directory the program was started in. Should it be gone already, "." still names it
// for as long as the process stands in it.
std::string CurrentDirectory();

// The user's own folder for the program's files: ${XDG_DATA_HOME:-$HOME/.local/share}/zandrel.
// As the XDG base directories define it, XDG_DATA_HOME counts only when it is an absolute
// path; a HOME that is unset or relative gives way to the home folder of the user database.
std::string UserDataDirectory();

// The folder the program works in: the user's own data folder when `userData`, else the
// current directory. Found once, by the program's main.
std::string DataDirectory(bool userData);

// Creates `path` and every missing folder above it, each for its owner's eyes only (the
// query log holds the user's questions). A path that is already a folder is left as it is.
// A failure names `path` and carries the cause of the folder that could not be made.
FileError CreateDirectories(const std::string& path);

} // namespace zandrel
