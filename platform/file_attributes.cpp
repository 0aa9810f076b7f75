#include "platform/file_attributes.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace zandrel {

int CopyFileAttributes(int from, int to) {
    struct stat old {};
    if (::fstat(from, &old) != 0) {
        return errno;
    }
    if (::fchown(to, old.st_uid, old.st_gid) != 0) {
        (void)::fchown(to, static_cast<uid_t>(-1), old.st_gid);
    }
    return ::fchmod(to, old.st_mode & 07777) == 0 ? 0 : errno;
}

} // namespace zandrel
