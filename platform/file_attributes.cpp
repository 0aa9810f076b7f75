#include "platform/file_attributes.h"

#include <algorithm>
#include <cerrno>
#include <linux/limits.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace zandrel {
namespace {

// The names of the extended attributes of `fd`, or an errno. A file system without them
// has none.
int AttributeNames(int fd, std::vector<std::string>* names) {
    std::string list(XATTR_LIST_MAX, '\0');
    const ssize_t length = ::flistxattr(fd, list.data(), list.size());
    if (length < 0) {
        return errno == ENOTSUP ? 0 : errno;
    }
    list.resize(static_cast<std::size_t>(length));
    for (std::size_t at = 0; at < list.size();) {
        const std::size_t end = list.find('\0', at);
        names->push_back(list.substr(at, end - at));
        at = end + 1;
    }
    return 0;
}

// The value of attribute `name` of `fd`; false when it has none.
bool AttributeValue(int fd, const std::string& name, std::string* value) {
    value->resize(XATTR_SIZE_MAX);
    const ssize_t length = ::fgetxattr(fd, name.c_str(), value->data(), value->size());
    value->resize(length < 0 ? 0 : static_cast<std::size_t>(length));
    return length >= 0;
}

bool OfTheSecurityModule(std::string_view name) {
    return name.starts_with("security.");
}

int CopyExtendedAttributes(int from, int to) {
    std::vector<std::string> names;
    std::vector<std::string> present;
    if (const int err = AttributeNames(from, &names); err != 0) {
        return err;
    }
    if (const int err = AttributeNames(to, &present); err != 0) {
        return err;
    }
    std::string value;
    std::string current;
    for (const std::string& name : names) {
        if (!AttributeValue(from, name, &value)) {
            continue; // removed meanwhile
        }
        if (AttributeValue(to, name, &current) && current == value) {
            continue; // given by the folder or the security module already
        }
        if (::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0 &&
            !OfTheSecurityModule(name)) {
            return errno;
        }
    }
    for (const std::string& name : present) {
        if (std::find(names.begin(), names.end(), name) == names.end() &&
            ::fremovexattr(to, name.c_str()) != 0 && errno != ENODATA &&
            !OfTheSecurityModule(name)) {
            return errno;
        }
    }
    return 0;
}

} // namespace

int CopyFileAttributes(int from, int to) {
    struct stat old {};
    if (::fstat(from, &old) != 0) {
        return errno;
    }
    if (::fchown(to, old.st_uid, old.st_gid) != 0) {
        (void)::fchown(to, static_cast<uid_t>(-1), old.st_gid);
    }
    return CopyExtendedAttributes(from, to);
}

int CopyFileMode(int from, int to) {
    struct stat old {};
    if (::fstat(from, &old) != 0) {
        return errno;
    }
    return ::fchmod(to, old.st_mode & 07777) == 0 ? 0 : errno;
}

} // namespace zandrel
