#include "platform/file.h"

#include "platform/file_detail.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zandrel {

namespace {

std::atomic<std::int64_t> lockWaitMilliseconds{kDefaultLockWait.count()};

// The pause between two tries of a lock held elsewhere: short against the few milliseconds
// another copy holds a lock, long enough that waiting costs no noticeable processor time.
constexpr std::chrono::milliseconds kLockRetryPause{10};

void Pause(std::chrono::nanoseconds pause) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(pause);
    timespec span{};
    span.tv_sec = static_cast<time_t>(seconds.count());
    span.tv_nsec = static_cast<long>((pause - seconds).count());
    ::nanosleep(&span, nullptr); // woken early by a signal: the caller tries again sooner
}

} // namespace

std::chrono::milliseconds LockWait() {
    return std::chrono::milliseconds(lockWaitMilliseconds.load());
}

void SetLockWait(std::chrono::milliseconds wait) {
    lockWaitMilliseconds.store(std::max<std::int64_t>(wait.count(), 0));
}

std::string PathIn(const std::string& directory, const std::string& name) {
    // Every file lives in a directory that its caller names; an empty one stops a debug build,
    // and a release build keeps the bare name rather than look in the root.
    assert(!directory.empty() && "a file's directory is always given");
    if (directory.empty()) {
        return name;
    }
    return directory.back() == '/' ? directory + name : directory + "/" + name;
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    std::string cwd(PATH_MAX, '\0');
    if (getcwd(cwd.data(), cwd.size()) == nullptr) {
        return path;
    }
    cwd.resize(cwd.find('\0'));
    return PathIn(cwd, path);
}

FileError ErrorFor(int err, std::string name) {
    FileError e;
    e.cause = CauseOfErrno(err);
    if (e.cause == FileCause::None) {
        e.cause = FileCause::Generic;
    }
    e.name = std::move(name);
    return e;
}

namespace {

void SetError(FileError* error, FileError value) {
    if (error != nullptr) {
        *error = std::move(value);
    }
}

} // namespace

// Writes all of `bytes`, resuming after interruptions and short writes. Returns 0 or the errno
// of the write that failed.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

File::~File() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), fullPath_(std::move(other.fullPath_)) {}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
        fullPath_ = std::move(other.fullPath_);
    }
    return *this;
}

int LockWaiting(int fd) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + LockWait();
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return 0;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return errno;
        }
        const Clock::duration left = deadline - Clock::now();
        if (left <= Clock::duration::zero()) {
            return EWOULDBLOCK;
        }
        // Every pause is followed by one more try, the last one at the deadline.
        Pause(std::min<Clock::duration>(left, kLockRetryPause));
    }
}

int OpenLocked(const std::string& path, int flags, int* err, mode_t creationMode) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, creationMode);
    if (fd < 0) {
        *err = errno;
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && !S_ISREG(st.st_mode)) {
        *err = EISDIR;
    } else if (const int locked = LockWaiting(fd); locked != 0) {
        *err = locked;
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

File File::Open(const std::string& directory, const std::string& name, Mode mode,
                FileError* error) {
    const std::string path = PathIn(directory, name);
    int flags = 0;
    switch (mode) {
    case Mode::Read:
        flags = O_RDONLY;
        break;
    case Mode::Update:
        flags = O_WRONLY;
        break;
    case Mode::Append:
        flags = O_WRONLY | O_CREAT | O_APPEND;
        break;
    case Mode::Truncate:
        // Emptied only after the lock is held, so a file held by another copy stays intact.
        flags = O_WRONLY | O_CREAT;
        break;
    }
    File file;
    int err = 0;
    file.fd_ = OpenLocked(path, flags, &err);
    if (file.fd_ < 0) {
        SetError(error, ErrorFor(err, name));
        return File();
    }
    if (mode == Mode::Truncate && ::ftruncate(file.fd_, 0) != 0) {
        SetError(error, ErrorFor(errno, name));
        return File();
    }
    file.fullPath_ = AbsolutePath(path);
    SetError(error, FileError());
    return file;
}

FileError File::ErrorAfterOpen(int err) const {
    return ErrorFor(err, fullPath_);
}

bool File::Length(std::int64_t* length, FileError* error) const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) {
        SetError(error, ErrorAfterOpen(fd_ < 0 ? EBADF : errno));
        return false;
    }
    *length = static_cast<std::int64_t>(st.st_size);
    return true;
}

bool File::Write(std::string_view bytes, FileError* error) {
    if (const int err = WriteAll(fd_, bytes); err != 0) {
        SetError(error, ErrorAfterOpen(err));
        return false;
    }
    return true;
}

bool File::TruncateTo(std::int64_t length, FileError* error) {
    if (::ftruncate(fd_, static_cast<off_t>(length)) != 0) {
        SetError(error, ErrorAfterOpen(errno));
        return false;
    }
    return true;
}

bool File::Sync(FileError* error) {
    if (::fdatasync(fd_) != 0) {
        SetError(error, ErrorAfterOpen(errno));
        return false;
    }
    return true;
}

bool File::ReadAt(std::int64_t offset, std::size_t count, std::string* bytes, FileError* error) {
    bytes->resize(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::pread(fd_, bytes->data() + got, count - got,
                                  static_cast<off_t>(offset) + static_cast<off_t>(got));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            bytes->clear();
            SetError(error, ErrorAfterOpen(errno));
            return false;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    bytes->resize(got);
    return true;
}

bool File::Close(FileError* error) {
    if (fd_ < 0) {
        return true;
    }
    // Closing releases the lock; a deferred write error (such as a full disk on a network
    // file system) surfaces here and must not pass as success.
    const int result = ::close(std::exchange(fd_, -1));
    if (result != 0 && errno != EINTR) {
        SetError(error, ErrorAfterOpen(errno));
        return false;
    }
    return true;
}

} // namespace zandrel
