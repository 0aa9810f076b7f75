#include "platform/replace_leftovers.h"

#include "platform/file.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zandrel {
namespace {

constexpr std::string_view kEnd = ".zandrel-new";
constexpr std::string_view kHexDigits = "0123456789abcdef";
constexpr std::size_t kTokenLength = 16;

bool IsTemporaryName(std::string_view entry) {
    // "." + at least one character of the file name + "." + token + kEnd
    if (entry.size() < 3 + kTokenLength + kEnd.size() || entry.front() != '.' ||
        !entry.ends_with(kEnd)) {
        return false;
    }
    entry.remove_suffix(kEnd.size());
    const std::string_view token = entry.substr(entry.size() - kTokenLength);
    return token.find_first_not_of(kHexDigits) == std::string_view::npos &&
           entry[entry.size() - kTokenLength - 1] == '.';
}

// Whether a file of status `st` may be a leftover of this user's replace: a regular file of
// this user with no other name.
bool MayBeLeftover(const struct stat& st) {
    return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_nlink == 1;
}

// Opens `path`, not following a link, so that its lock can be taken; -1 on failure.
//
// A replace gives its new file the mode of the file it replaces, which may keep even the
// owner from reading it (a file only its owner may write, 0200). Such a file, where it may be
// a leftover, is opened through a handle that needs no permission: its owner, the user, adds
// read permission to it, opens the very same file through the handle, and takes the
// permission off again at once. A running replace may still hold that file; its mode lacks
// the owner's read permission to the end, so taking it off leaves the mode the replace gives.
int OpenToLock(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0 || errno != EACCES) {
        return fd;
    }
    const int handle = ::open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (handle < 0) {
        return -1;
    }
    int opened = -1;
    struct stat st {};
    if (::fstat(handle, &st) == 0 && MayBeLeftover(st) && (st.st_mode & S_IRUSR) == 0) {
        // A handle's file is changed and opened through its name under /proc.
        const std::string self = "/proc/self/fd/" + std::to_string(handle);
        if (::chmod(self.c_str(), (st.st_mode & 07777) | S_IRUSR) == 0) {
            opened = ::open(self.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            if (::fstat(handle, &st) == 0) {
                (void)::chmod(self.c_str(), st.st_mode & 07777 & ~S_IRUSR);
            }
        }
    }
    ::close(handle);
    return opened;
}

// Removes `path` if it is a leftover of a killed replace, as RemoveLeftovers says.
void RemoveIfLeftover(const std::string& path) {
    const int fd = OpenToLock(path);
    if (fd < 0) {
        return;
    }
    struct stat held {};
    struct stat named {};
    // With the lock held, no replace can still rename the file: one that had not locked it
    // yet gives it up, one that renamed it released it afterwards, and then the name is gone
    // or no longer this file.
    if (::fstat(fd, &held) == 0 && MayBeLeftover(held) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::lstat(path.c_str(), &named) == 0 && named.st_ino == held.st_ino &&
        named.st_dev == held.st_dev) {
        ::unlink(path.c_str());
    }
    ::close(fd);
}

} // namespace

std::string TemporaryNameFor(const std::string& name) {
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, 0) != static_cast<ssize_t>(sizeof bits)) {
        // No random source: the clock still varies from one name to the next.
        bits =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    std::string token(kTokenLength, '0');
    for (char& digit : token) {
        digit = kHexDigits[bits & 0xF];
        bits >>= 4;
    }
    return "." + name + "." + token + std::string(kEnd);
}

void RemoveLeftovers(const std::string& folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (IsTemporaryName(entry->d_name)) {
            RemoveIfLeftover(PathIn(folder, entry->d_name));
        }
    }
    ::closedir(dir);
}

} // namespace zandrel
