// What a file that is kept in generations needs beyond opening it: renaming and removing by
// name, checking that a held file is still the one its name stands for, short notes kept with
// the file, and making a file that takes its owner and mode from its predecessor.

#include "platform/file.h"

#include "platform/file_detail.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace zandrel {
namespace {

// Notes live in the user namespace of extended attributes, which the file's own permissions
// govern: whoever may write the file may write its notes.
std::string NoteAttribute(const std::string& key) {
    return "user.zandrel." + key;
}

} // namespace

bool File::IsNamed(const std::string& directory, const std::string& name) const {
    struct stat held {};
    struct stat named {};
    return fd_ >= 0 && ::fstat(fd_, &held) == 0 &&
           ::stat(PathIn(directory, name).c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}

bool File::WriteNote(const std::string& key, std::string_view value) {
    return fd_ >= 0 && value.size() <= kMaxNoteSize &&
           ::fsetxattr(fd_, NoteAttribute(key).c_str(), value.data(), value.size(), 0) == 0;
}

bool File::ReadNote(const std::string& key, std::string* value) const {
    char buffer[kMaxNoteSize];
    const ssize_t size =
        fd_ < 0 ? -1 : ::fgetxattr(fd_, NoteAttribute(key).c_str(), buffer, sizeof buffer);
    if (size < 0) {
        return false;
    }
    value->assign(buffer, static_cast<std::size_t>(size));
    return true;
}

void File::RemoveNote(const std::string& key) {
    if (fd_ >= 0) {
        (void)::fremovexattr(fd_, NoteAttribute(key).c_str());
    }
}

namespace {

// Makes `path` with `flags` plus O_CREAT and O_EXCL, giving it what the regular file
// `modelPath` carries, as File::OpenAppendLike says, and locks it as OpenLocked does. Returns
// the descriptor, or -1 with *err set to the errno.
int CreateLike(const std::string& path, const std::string& modelPath, int flags, int* err) {
    struct stat model {};
    const bool modelled = ::stat(modelPath.c_str(), &model) == 0 && S_ISREG(model.st_mode);
    // Without a model the file is its owner's alone: the files made so hold the user's words.
    const mode_t mode = modelled ? (model.st_mode & 0777) : 0600;
    const int fd = ::open(path.c_str(), flags | O_CREAT | O_EXCL | O_CLOEXEC | O_NONBLOCK, mode);
    if (fd < 0 && errno != EEXIST) {
        *err = errno;
        return -1;
    }
    if (fd < 0) {
        // Made meanwhile by another copy, or a symbolic link to a file not there yet: opened
        // as it is, a file made through the link with the model's bits at least.
        return OpenLocked(path, flags | O_CREAT, err, mode);
    }
    if (modelled) {
        // An owner or group that cannot be given leaves the user's; a mode that cannot be set
        // leaves the bits of the open, less the umask.
        if (::fchown(fd, model.st_uid, model.st_gid) != 0) {
            (void)::fchown(fd, static_cast<uid_t>(-1), model.st_gid); // the group at least
        }
        // After the owner, which may clear the set-id bits.
        (void)::fchmod(fd, model.st_mode & 07777);
    }
    // Another copy may have opened the new file meanwhile and hold it.
    if (const int locked = LockWaiting(fd); locked != 0) {
        ::close(fd);
        *err = locked;
        return -1;
    }
    return fd;
}

} // namespace

File File::OpenAppendLike(const std::string& directory, const std::string& name,
                          const std::string& model, FileError* error) {
    constexpr int kFlags = O_WRONLY | O_APPEND;
    const std::string path = PathIn(directory, name);
    File file;
    int err = 0;
    file.fd_ = OpenLocked(path, kFlags, &err);
    if (file.fd_ < 0 && err == ENOENT) {
        file.fd_ = CreateLike(path, PathIn(directory, model), kFlags, &err);
    }
    if (file.fd_ < 0) {
        if (error != nullptr) {
            *error = ErrorFor(err, name);
        }
        return File();
    }
    file.fullPath_ = AbsolutePath(path);
    if (error != nullptr) {
        *error = FileError();
    }
    return file;
}

FileError RenameFile(const std::string& directory, const std::string& from, const std::string& to) {
    if (::rename(PathIn(directory, from).c_str(), PathIn(directory, to).c_str()) != 0) {
        return ErrorFor(errno, to);
    }
    return FileError();
}

FileError RemoveFile(const std::string& directory, const std::string& name) {
    if (::unlink(PathIn(directory, name).c_str()) != 0 && errno != ENOENT) {
        return ErrorFor(errno, name);
    }
    return FileError();
}

} // namespace zandrel
