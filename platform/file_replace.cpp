// ReplaceFileContent: finds the file to replace, holds it, and chooses how to replace it.

#include "platform/file.h"
#include "platform/file_detail.h"
#include "platform/replace_by_rename.h"
#include "platform/replace_leftovers.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zandrel {
namespace {

// Links followed before a path counts as a loop, as the kernel does.
constexpr int kMaxLinks = 40;

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
        const std::size_t slash = path.rfind('/');
        path = target.front() == '/' || slash == std::string::npos
                   ? target
                   : path.substr(0, slash + 1) + target;
    }
    return ELOOP;
}

// The folder of `path`, which FollowLinks made from a path with a folder.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

bool IsSameFolder(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Get() const { return fd_; }

private:
    int fd_;
};

} // namespace

FileError ReplaceFileContent(const std::string& directory, const std::string& name,
                             std::string_view content) {
    const std::string built = PathIn(directory, name);
    RenameTarget target;
    target.name = name;
    target.fullPath = AbsolutePath(built);
    if (const int err = FollowLinks(built, &target.path); err != 0) {
        return ErrorFor(err, name);
    }

    // Holding the old file's lock keeps out another copy that has it open right now. Opening
    // it for writing also refuses a file the user may not change. A missing file has nothing
    // to protect and is not created here, so a failure below leaves no empty file behind.
    int err = 0;
    const Descriptor old(OpenLocked(built, O_WRONLY, &err));
    if (old.Get() < 0 && err != ENOENT) {
        return ErrorFor(err, name);
    }
    target.old = old.Get();

    // In the folder the caller named, and in the folder where the new file is made when a
    // link leads to another: a replace killed there left its new file there.
    RemoveLeftovers(directory);
    if (const std::string folder = FolderOf(target.path); !IsSameFolder(folder, directory)) {
        RemoveLeftovers(folder);
    }

    // The one way to replace: by rename, which keeps the old content whole on any failure
    // and on a kill at any moment. Writing in place would reach a file in a folder that
    // refuses new files, but no order of its writes survives a kill between them: a longer
    // text is cut short or padded with zeros, a shorter one keeps the old tail. So such a
    // folder refuses the replace, with its own cause, before the old file changes.
    return ReplaceByRename(target, content);
}

} // namespace zandrel
