#include "ui/data_directory.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zandrel {
namespace {

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); IsAbsolute(home)) {
        return home;
    }
    if (const passwd* user = getpwuid(getuid()); user != nullptr && IsAbsolute(user->pw_dir)) {
        return user->pw_dir;
    }
    return "/";
}

// 0 when `path` is a folder, else the errno of the first folder on the way that could not be
// made.
int MakeDirectories(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) == 0) {
        return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    }
    if (errno != ENOENT) {
        return errno;
    }
    const std::string parent = std::filesystem::path(path).parent_path().string();
    if (!parent.empty() && parent != path) {
        if (const int err = MakeDirectories(parent); err != 0) {
            return err;
        }
    }
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        return errno;
    }
    // Made here, or by someone else just now.
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
}

} // namespace

std::string CurrentDirectory() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string(".") : current.string();
}

std::string UserDataDirectory() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const std::string base =
        IsAbsolute(dataHome) ? std::string(dataHome) : HomeDirectory() + "/.local/share";
    return PathIn(base, "zandrel");
}

FileError CreateDirectories(const std::string& path) {
    const int err = MakeDirectories(path);
    return {CauseOfErrno(err), err == 0 ? std::string() : path};
}

} // namespace zandrel
