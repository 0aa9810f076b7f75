// Replacing a file's content so that no failure and no crash leaves it half written: the new
// content goes to a file of its own beside the old one, which takes the old one's place in one
// rename once it is complete.

#include "platform/file.h"
#include "platform/file_detail.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zandrel {
namespace {

constexpr std::string_view kSuffixChars =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 6;
// A temporary file of an earlier replace that nobody holds and that is older than this was
// left by a process that died; a younger one may be about to be renamed by another copy.
constexpr auto kStaleAfter = std::chrono::seconds(10);
// Links followed before a path counts as a loop, as the kernel does.
constexpr int kMaxLinks = 40;
// The largest old content kept in memory to write back should a write in place fail.
constexpr std::size_t kMaxRestore = 4 * 1024 * 1024;

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path of the file that `path` names, its symbolic links followed, a dangling last one
// too. Returns 0 or the errno.
int FollowLinks(std::string path, std::string* real) {
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno != ENOENT) {
                return errno;
            }
            *real = path; // nothing there yet: the file is made here
            return 0;
        }
        if (!S_ISLNK(st.st_mode)) {
            *real = path;
            return 0;
        }
        std::string target(4096, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            return errno;
        }
        target.resize(static_cast<std::size_t>(length));
        path = target.front() == '/' ? target : DirectoryOf(path) + target;
    }
    return ELOOP;
}

std::string RandomSuffix() {
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, 0) != static_cast<ssize_t>(sizeof bits)) {
        // No random source: the clock still varies from one attempt to the next.
        bits =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    std::string suffix(kSuffixLength, '\0');
    for (char& c : suffix) {
        c = kSuffixChars[bits % kSuffixChars.size()];
        bits /= kSuffixChars.size();
    }
    return suffix;
}

// Whether `entry` is a temporary name of `name`: ".<name>.XXXXXX".
bool IsTemporaryOf(std::string_view entry, std::string_view name) {
    return entry.size() == name.size() + 2 + kSuffixLength && entry.front() == '.' &&
           entry.substr(1, name.size()) == name && entry[name.size() + 1] == '.' &&
           entry.substr(name.size() + 2).find_first_not_of(kSuffixChars) == std::string::npos;
}

// Removes the temporary files of `name` in `directory` that an earlier replace left behind
// because its process died: those nobody holds that are not new.
void RemoveStaleTemporaries(const std::string& directory, const std::string& name) {
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr) {
        return;
    }
    const auto now = std::chrono::system_clock::now();
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryOf(entry->d_name, name)) {
            continue;
        }
        const std::string path = directory + entry->d_name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
            now - std::chrono::system_clock::from_time_t(st.st_mtim.tv_sec) > kStaleAfter &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(path.c_str());
        }
        ::close(fd);
    }
    ::closedir(dir);
}

// The file the new content is written to. Unnamed where the file system allows it, so that a
// process that dies while writing leaves nothing behind; it gets a temporary name only for the
// moment before the rename. Removed again unless it took the old file's place.
class Temporary {
public:
    Temporary() = default;
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }

    // Returns 0 or the errno. Created with mode 0666, so the kernel applies the umask and any
    // default ACL, as for any new file. `unnamed` false asks for a named file from the start.
    int Create(const std::string& directory, const std::string& name, bool unnamed) {
        directory_ = directory;
        name_ = name;
        if (!unnamed) {
            return CreateNamed();
        }
        fd_ = ::open(directory.empty() ? "." : directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC,
                     0666);
        if (fd_ >= 0) {
            return 0;
        }
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return errno;
        }
        return CreateNamed();
    }

    int Descriptor() const { return fd_; }
    bool IsUnnamed() const { return fd_ >= 0 && path_.empty(); }

    // Gives the complete file its temporary name, if it has none yet; 0 or the errno. A held
    // lock tells a running copy that it is not a leftover.
    int Name() {
        if (!path_.empty()) {
            return 0;
        }
        ::flock(fd_, LOCK_EX | LOCK_NB);
        const std::string proc = "/proc/self/fd/" + std::to_string(fd_);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string path = directory_ + "." + name_ + "." + RandomSuffix();
            if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
                ::linkat(fd_, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0) {
                path_ = path;
                return 0;
            }
            if (errno != EEXIST) {
                return errno;
            }
        }
        return EEXIST;
    }

    // Closes the file; its descriptor is gone even when this fails. 0 or the errno.
    int Close() { return ::close(std::exchange(fd_, -1)) == 0 ? 0 : errno; }

    // Renames the named file over `target`; 0 or the errno.
    int RenameOver(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            return errno;
        }
        path_.clear();
        return 0;
    }

private:
    int CreateNamed() {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string path = directory_ + "." + name_ + "." + RandomSuffix();
            fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0) {
                path_ = path;
                ::flock(fd_, LOCK_EX | LOCK_NB);
                return 0;
            }
            if (errno != EEXIST) {
                return errno;
            }
        }
        return EEXIST;
    }

    std::string directory_;
    std::string name_;
    std::string path_;
    int fd_ = -1;
};

// The new file keeps the old one's owner and group where this process may give them, and its
// permissions; 0 or the errno of the permissions.
int KeepOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid); // the group at least
    }
    // After the owner, which may clear the set-id bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

// Where no new file can be made beside the old one (a folder the user may not write to) but
// the old file itself may be written, its content is replaced in place: the room the new
// content needs is reserved first, so that running out of space cannot cut it half way, and
// should a write fail all the same, the old content is written back.
FileError ReplaceInPlace(int fd, std::int64_t oldLength, std::string_view content,
                         const std::string& fullPath) {
    const auto newLength = static_cast<off_t>(content.size());
    if (newLength > oldLength) {
        const int err = ::posix_fallocate(fd, 0, newLength);
        if (err != 0 && err != EOPNOTSUPP && err != EINVAL) {
            (void)::ftruncate(fd, oldLength); // in case the reservation grew the file
            return ErrorFor(err, fullPath);
        }
    }
    // The file is open for writing only; the same file, opened again, is read.
    std::string old;
    bool canRestore = false;
    if (oldLength <= static_cast<std::int64_t>(kMaxRestore)) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        const int reader = ::open(self.c_str(), O_RDONLY | O_CLOEXEC);
        old.resize(static_cast<std::size_t>(oldLength));
        canRestore = reader >= 0 &&
                     ::pread(reader, old.data(), old.size(), 0) == static_cast<ssize_t>(old.size());
        if (reader >= 0) {
            ::close(reader);
        }
    }
    const auto restore = [&] {
        if (canRestore && ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, old) == 0) {
            (void)::ftruncate(fd, oldLength);
            (void)::fsync(fd);
        }
    };
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        return ErrorFor(errno, fullPath);
    }
    if (const int err = WriteAll(fd, content); err != 0) {
        restore();
        return ErrorFor(err, fullPath);
    }
    if (::ftruncate(fd, newLength) != 0 || ::fsync(fd) != 0) {
        const int err = errno;
        restore();
        return ErrorFor(err, fullPath);
    }
    return FileError();
}

} // namespace

FileError ReplaceFileContent(const std::string& directory, const std::string& name,
                             std::string_view content) {
    const std::string built = PathIn(directory, name);
    const std::string fullPath = AbsolutePath(built);
    // A symbolic link keeps pointing at the file it names, which is replaced in its own folder.
    std::string real;
    if (const int err = FollowLinks(built, &real); err != 0) {
        return ErrorFor(err, name);
    }

    // Holding the old file's lock keeps out another copy that has it open right now. Opening
    // it for writing also refuses a file the user may not change, as writing in place would.
    // A missing file has nothing to protect and is not created here, so a failure below
    // leaves no empty file behind.
    FileError error;
    File target = File::Open(directory, name, File::Mode::Update, &error);
    if (!target.IsOpen() && error.cause != FileCause::FileNotFound) {
        return error;
    }
    struct stat old {};
    if (target.IsOpen() && ::fstat(target.fd_, &old) != 0) {
        return ErrorFor(errno, fullPath);
    }

    const std::string folder = DirectoryOf(real);
    RemoveStaleTemporaries(folder, NameOf(real));
    // Each failure is reported with the errno of the call that failed; the temporary file is
    // removed only afterwards, when it goes.
    const auto replace = [&](bool unnamed, bool* nameless) -> FileError {
        Temporary temporary;
        if (const int err = temporary.Create(folder, NameOf(real), unnamed); err != 0) {
            if ((err == EACCES || err == EPERM) && target.IsOpen()) {
                return ReplaceInPlace(target.fd_, old.st_size, content, fullPath);
            }
            return ErrorFor(err, name); // the new file could not be made at all
        }
        const int fd = temporary.Descriptor();
        if (const int err = WriteAll(fd, content); err != 0) {
            return ErrorFor(err, fullPath);
        }
        if (target.IsOpen()) {
            if (const int err = KeepOwnerAndMode(fd, old); err != 0) {
                return ErrorFor(err, fullPath);
            }
        }
        if (::fsync(fd) != 0) {
            return ErrorFor(errno, fullPath);
        }
        const bool wasUnnamed = temporary.IsUnnamed();
        if (const int err = temporary.Name(); err != 0) {
            // Without /proc, an ordinary user cannot give an unnamed file a name.
            *nameless = wasUnnamed && (err == ENOENT || err == EPERM);
            return ErrorFor(err, name);
        }
        if (const int err = temporary.Close(); err != 0) {
            return ErrorFor(err, fullPath);
        }
        // Taking the old file's place is making the file: a failure names it as built.
        if (const int err = temporary.RenameOver(real); err != 0) {
            return ErrorFor(err, name);
        }
        return FileError();
    };
    bool nameless = false;
    const FileError result = replace(true, &nameless);
    return nameless ? replace(false, &nameless) : result;
}

} // namespace zandrel
