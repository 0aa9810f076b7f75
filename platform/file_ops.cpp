// What a file that is kept in generations needs beyond opening it: renaming and removing by
// name, checking that a held file is still the one its name stands for, short notes kept with
// the file, and handing a file's owner and mode on to its successor.

#include "platform/file.h"

#include "platform/file_detail.h"

#include <cerrno>
#include <cstdio>
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

void File::TakeOwnerAndModeOf(const File& model) {
    struct stat st {};
    if (fd_ < 0 || model.fd_ < 0 || ::fstat(model.fd_, &st) != 0) {
        return;
    }
    if (::fchown(fd_, st.st_uid, st.st_gid) != 0) {
        (void)::fchown(fd_, static_cast<uid_t>(-1), st.st_gid); // the group at least
    }
    // After the owner, which may clear the set-id bits.
    (void)::fchmod(fd_, st.st_mode & 07777);
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
