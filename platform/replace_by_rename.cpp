#include "platform/replace_by_rename.h"

#include "platform/file_attributes.h"
#include "platform/file_detail.h"
#include "platform/replace_leftovers.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zandrel {
namespace {

// Attempts at a fresh temporary name before giving up.
constexpr int kNameAttempts = 16;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The new file: written through one descriptor, locked through another, so that closing the
// first (which reports a write error that a network file system deferred) keeps the lock.
// Created with `mode`, to which the kernel applies the umask and any default ACL, as for any
// new file. Whatever name it has is removed again unless it took the old file's place.
class NewFile {
public:
    NewFile(std::string folder, std::string name, mode_t mode)
        : folder_(std::move(folder)), name_(std::move(name)), mode_(mode) {}
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() {
        if (!path_.empty()) {
            ::unlink(path_.c_str()); // still locked: nobody else's
        }
        for (const int fd : {writer_, holder_}) {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    }

    // 0 or the errno.
    int Create() {
        // Linking an unnamed file to a name goes through /proc; without it, only a privileged
        // process could name one.
        if (::access("/proc/self/fd", X_OK) == 0) {
            writer_ = ::open(folder_.empty() ? "." : folder_.c_str(),
                             O_TMPFILE | O_WRONLY | O_CLOEXEC, mode_);
            if (writer_ >= 0) {
                return Lock();
            }
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
                return errno;
            }
        }
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const std::string path = folder_ + TemporaryNameFor(name_);
            writer_ =
                ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode_);
            if (writer_ < 0) {
                if (errno == EEXIST) {
                    continue;
                }
                return errno;
            }
            path_ = path;
            struct stat st {};
            // Between the open and the lock, another copy's RemoveLeftovers may have taken
            // the file: it then holds the lock, or the file has no name any more.
            if (Lock() == 0 && ::fstat(writer_, &st) == 0 && st.st_nlink > 0) {
                return 0;
            }
            path_.clear(); // not ours to remove any more
            ::close(std::exchange(writer_, -1));
            if (holder_ >= 0) {
                ::close(std::exchange(holder_, -1));
            }
        }
        return EEXIST;
    }

    int Descriptor() const { return writer_; }

    // Syncs the file and closes the writing descriptor; 0 or the errno.
    int Finish() {
        if (::fsync(writer_) != 0) {
            return errno;
        }
        return ::close(std::exchange(writer_, -1)) == 0 ? 0 : errno;
    }

    // Links the complete unnamed file to `path`, where no file may be; 0 or the errno.
    int LinkAs(const std::string& path) {
        const std::string self = "/proc/self/fd/" + std::to_string(holder_);
        return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0
                   ? 0
                   : errno;
    }

    // Puts the complete file in the place of `target`, which may exist; 0 or the errno.
    int RenameOver(const std::string& target) {
        if (path_.empty()) {
            // The temporary name: nothing happens between this link and the rename.
            std::string path;
            int err = EEXIST;
            for (int attempt = 0; attempt < kNameAttempts && err == EEXIST; ++attempt) {
                path = folder_ + TemporaryNameFor(name_);
                err = LinkAs(path);
            }
            if (err != 0) {
                return err;
            }
            path_ = path;
        }
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            return errno;
        }
        path_.clear();
        return 0;
    }

    bool IsNamed() const { return !path_.empty(); }

private:
    // The lock belongs to the open file, which both descriptors share.
    int Lock() {
        if (::flock(writer_, LOCK_EX | LOCK_NB) != 0) {
            return errno;
        }
        holder_ = ::fcntl(writer_, F_DUPFD_CLOEXEC, 0);
        return holder_ >= 0 ? 0 : errno;
    }

    std::string folder_;
    std::string name_;
    mode_t mode_;
    std::string path_; // the file's name, while it has one that is not the target's
    int writer_ = -1;
    int holder_ = -1;
};

// Syncs the folder `folder` (empty: the current one), so that a new name in it is on disk
// as the file's content is: until then a crash may undo the rename. Best effort: the file has
// its name by now, and a failure cannot take it back, so it is not reported as one.
void SyncFolder(const std::string& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

} // namespace

FileError ReplaceByRename(const RenameTarget& target, std::string_view content) {
    // The new file is made with the old one's permission bits, so that they are at no moment
    // wider than the old ones, save that its owner, the user, may read and write it until it
    // gets the old bits exactly, last.
    mode_t mode = 0666;
    if (target.old >= 0) {
        struct stat old {};
        if (::fstat(target.old, &old) != 0) {
            return ErrorFor(errno, target.name);
        }
        mode = (old.st_mode & 0777) | S_IRUSR | S_IWUSR;
    }
    const std::string folder = FolderOf(target.path);
    NewFile file(folder, NameOf(target.path), mode);
    if (const int err = file.Create(); err != 0) {
        return ErrorFor(err, target.name);
    }
    // Each failure is reported with the errno of the call that failed; the new file is
    // removed only afterwards, when it goes. Its owner, group and ACL come before its
    // content, so that no group or user that they leave out reads any of it.
    if (target.old >= 0) {
        if (const int err = CopyFileAttributes(target.old, file.Descriptor()); err != 0) {
            return ErrorFor(err, target.fullPath);
        }
    }
    if (const int err = WriteAll(file.Descriptor(), content); err != 0) {
        return ErrorFor(err, target.fullPath);
    }
    if (target.old >= 0) {
        if (const int err = CopyFileMode(target.old, file.Descriptor()); err != 0) {
            return ErrorFor(err, target.fullPath);
        }
    }
    if (const int err = file.Finish(); err != 0) {
        return ErrorFor(err, target.fullPath);
    }
    // Taking the old file's place is making the file: a failure names it as built.
    if (target.old < 0 && !file.IsNamed()) {
        const int err = file.LinkAs(target.path);
        if (err == 0) {
            SyncFolder(folder);
            return FileError();
        }
        if (err != EEXIST) {
            return ErrorFor(err, target.name);
        }
        // Made meanwhile by someone else: replaced like any old file.
    }
    if (const int err = file.RenameOver(target.path); err != 0) {
        return ErrorFor(err, target.name);
    }
    SyncFolder(folder);
    return FileError();
}

} // namespace zandrel
