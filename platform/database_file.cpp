#include "platform/database_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace zandrel {
namespace {

std::string NoteAttribute(const std::string& key) {
    return "user.zandrel." + key;
}

// Retries a call that a signal interrupted.
template <typename Call> auto Retried(Call call) {
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR) {
            return result;
        }
    }
}

} // namespace

std::optional<FileIdentity> FileIdentityOf(const std::string& path, int* err) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (err != nullptr) {
            *err = errno;
        }
        return std::nullopt;
    }
    return FileIdentity{
        static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
        static_cast<std::int64_t>(info.st_size),
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
        S_ISREG(info.st_mode)};
}

int CreatePrivateFile(const std::string& path) {
    const int fd = Retried([&] {
        return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    });
    if (fd < 0) {
        return errno == EEXIST ? 0 : errno;
    }
    // The umask can only narrow 0600; the mode is set again all the same, so that no umask of
    // any kind leaves the file wider.
    const int result = ::fchmod(fd, 0600) == 0 ? 0 : errno;
    ::close(fd);
    return result;
}

int ReadFileHead(const std::string& path, std::size_t count, std::string* bytes) {
    const int fd = Retried([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); });
    if (fd < 0) {
        return errno;
    }
    bytes->assign(count, '\0');
    std::size_t done = 0;
    int result = 0;
    while (done < count) {
        const ssize_t read = Retried([&] {
            return ::pread(fd, bytes->data() + done, count - done, static_cast<off_t>(done));
        });
        if (read < 0) {
            result = errno;
            break;
        }
        if (read == 0) {
            break;
        }
        done += static_cast<std::size_t>(read);
    }
    bytes->resize(done);
    ::close(fd);
    return result;
}

bool LockedByOtherProcess(const std::string& path, std::int64_t start, std::int64_t length) {
    const int fd = Retried([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); });
    if (fd < 0) {
        return false;
    }
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = static_cast<off_t>(start);
    lock.l_len = static_cast<off_t>(length);
    const bool held = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

bool WritePathNote(const std::string& path, const std::string& key, const std::string& value) {
    return ::setxattr(path.c_str(), NoteAttribute(key).c_str(), value.data(), value.size(), 0) == 0;
}

std::optional<std::string> ReadPathNote(const std::string& path, const std::string& key) {
    char buffer[256];
    const ssize_t size =
        ::getxattr(path.c_str(), NoteAttribute(key).c_str(), buffer, sizeof buffer);
    if (size < 0) {
        return std::nullopt;
    }
    return std::string(buffer, static_cast<std::size_t>(size));
}

int RemoveFileAt(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
}

} // namespace zandrel
