#include "app/data_directory.h"

#include "platform/directory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zandrel {

std::string CurrentDirectory() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string(".") : current.string();
}

std::string UserDataDirectory() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const std::string base = dataHome != nullptr && dataHome[0] == '/'
                                 ? std::string(dataHome)
                                 : HomeDirectory() + "/.local/share";
    return PathIn(base, "zandrel");
}

std::string DataDirectory(bool userData) {
    return userData ? UserDataDirectory() : CurrentDirectory();
}

FileError CreateDirectories(const std::string& path) {
    // For the owner's eyes only: the query log holds the user's questions.
    return MakeDirectories(path, 0700);
}

} // namespace zandrel
