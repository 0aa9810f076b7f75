#include "platform/directory.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zandrel {
namespace {

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string ParentOf(const std::string& path) {
    const std::size_t end = path.find_last_not_of('/');
    if (end == std::string::npos) {
        return {};
    }
    const std::size_t slash = path.rfind('/', end);
    if (slash == std::string::npos) {
        return {};
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// 0 when `path` is a folder, else the errno of the first folder on the way that could not be
// made.
int Make(const std::string& path, mode_t mode) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    }
    if (errno != ENOENT) {
        return errno;
    }
    const std::string parent = ParentOf(path);
    if (!parent.empty() && parent != path) {
        if (const int err = Make(parent, mode); err != 0) {
            return err;
        }
    }
    if (::mkdir(path.c_str(), mode) != 0 && errno != EEXIST) {
        return errno;
    }
    // Made here, or by someone else just now.
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
}

} // namespace

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); IsAbsolute(home)) {
        return home;
    }
    if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && IsAbsolute(user->pw_dir)) {
        return user->pw_dir;
    }
    return "/";
}

FileError MakeDirectories(const std::string& path, mode_t mode) {
    const int err = Make(path, mode);
    return {CauseOfErrno(err), err == 0 ? std::string() : path};
}

} // namespace zandrel
