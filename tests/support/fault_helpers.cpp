#include "tests/support/fault_helpers.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zandrel::fixtures {

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/zandrel-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TempDir::Exists(const std::string& name) const {
    struct stat st {};
    return ::lstat(File(name).c_str(), &st) == 0;
}

std::vector<std::string> TempDir::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

LockHolder::LockHolder(const std::string& path) {
    int ready[2];
    if (::pipe(ready) != 0) {
        throw std::runtime_error("pipe failed");
    }
    child_ = ::fork();
    if (child_ == 0) {
        ::close(ready[0]);
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0666);
        const char ok = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? 1 : 0;
        (void)!::write(ready[1], &ok, 1);
        ::close(ready[1]);
        ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    char ok = 0;
    const bool locked = ::read(ready[0], &ok, 1) == 1 && ok == 1;
    ::close(ready[0]);
    if (!locked) {
        throw std::runtime_error("the child could not lock " + path);
    }
}

LockHolder::~LockHolder() {
    if (child_ > 0) {
        ::kill(child_, SIGKILL);
        ::waitpid(child_, nullptr, 0);
    }
}

FileError RunInChild(const std::function<FileError()>& action, long fileSizeLimit, bool dropRoot) {
    int result[2];
    if (::pipe(result) != 0) {
        throw std::runtime_error("pipe failed");
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(result[0]);
        if (fileSizeLimit >= 0) {
            // Without this the kernel kills the writer instead of failing its write.
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(fileSizeLimit),
                               static_cast<rlim_t>(fileSizeLimit)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (dropRoot && ::geteuid() == 0) {
            if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0) {
                ::_exit(2);
            }
        }
        const FileError error = action();
        const int cause = static_cast<int>(error.cause);
        (void)!::write(result[1], &cause, sizeof cause);
        (void)!::write(result[1], error.name.data(), error.name.size());
        ::close(result[1]);
        ::_exit(0);
    }
    ::close(result[1]);
    std::string bytes;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(result[0], buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(result[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || bytes.size() < sizeof(int)) {
        throw std::runtime_error("the child failed to run the action");
    }
    FileError error;
    int cause = 0;
    std::memcpy(&cause, bytes.data(), sizeof cause);
    error.cause = static_cast<FileCause>(cause);
    error.name = bytes.substr(sizeof cause);
    return error;
}

void MakeWorldWritable(const std::string& path) {
    ::chmod(path.c_str(), 0777);
}

} // namespace zandrel::fixtures
