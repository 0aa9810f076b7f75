// Replacing a file's content, on contents and modes from the input, in a folder of its own
// (in /dev/shm where there is one, whose syncs cost nothing): the old file missing or there
// with any mode, a second hard link to it, or named through a symbolic link. A replace that
// succeeds leaves the new content under the name, the old file's exact mode, the link still a
// link to the same file, the other hard link with the old content and nothing else in the
// folder; one that fails leaves everything as it was.

#include "fuzz/fuzz_check.h"
#include "platform/file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

using namespace zandrel;
namespace fs = std::filesystem;

namespace {

// Made once, and removed at exit; kept alive until then, as the removal needs its path.
const std::string& Folder() {
    static const std::string* const folder = [] {
        auto* path =
            new std::string((access("/dev/shm", W_OK) == 0 ? std::string("/dev/shm")
                                                           : fs::temp_directory_path().string()) +
                            "/zandrel-replace-fuzz.XXXXXX");
        FUZZ_CHECK(mkdtemp(path->data()) != nullptr);
        std::atexit([] { fs::remove_all(Folder()); });
        return path;
    }();
    return *folder;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    FUZZ_CHECK(::stat(path.c_str(), &st) == 0);
    return st.st_mode & 07777;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const std::string& folder = Folder();
    for (const auto& entry : fs::directory_iterator(folder)) {
        fs::remove_all(entry.path());
    }
    enum Old { kMissing, kPlain, kHardLink, kSymbolicLink };
    const auto old = static_cast<Old>(data[0] % 4);
    const auto mode = static_cast<mode_t>((data[1] << 8 | data[2]) & 07777);
    const std::string_view rest(reinterpret_cast<const char*>(data) + 3, size - 3);
    const std::size_t split =
        rest.empty() ? 0 : static_cast<unsigned char>(rest[0]) % (rest.size() + 1);
    const std::string_view oldContent = rest.substr(0, split);
    const std::string_view newContent = rest.substr(split);

    const std::string file = folder + "/text.txt";
    std::string name = "text.txt";
    if (old != kMissing) {
        Write(file, oldContent);
        FUZZ_CHECK(::chmod(file.c_str(), mode) == 0);
    }
    if (old == kHardLink) {
        FUZZ_CHECK(::link(file.c_str(), (folder + "/other.txt").c_str()) == 0);
    }
    if (old == kSymbolicLink) {
        FUZZ_CHECK(::symlink("text.txt", (folder + "/link.txt").c_str()) == 0);
        name = "link.txt";
    }
    const std::set<std::string> before = Names(folder);

    const FileError error = ReplaceFileContent(folder, name, newContent);
    // Nothing here may refuse root; others may be refused a file they cannot write.
    FUZZ_CHECK(!error.Failed() || ::geteuid() != 0);
    if (error.Failed()) {
        FUZZ_CHECK(Names(folder) == before);
        FUZZ_CHECK(old == kMissing || (Read(file) == oldContent && ModeOf(file) == mode));
        return 0;
    }
    std::set<std::string> after = before;
    after.insert("text.txt");
    FUZZ_CHECK(Names(folder) == after);
    FUZZ_CHECK(Read(folder + "/" + name) == newContent);
    if (old != kMissing) {
        FUZZ_CHECK(ModeOf(file) == mode);
    }
    if (old == kHardLink) {
        FUZZ_CHECK(Read(folder + "/other.txt") == oldContent);
    }
    if (old == kSymbolicLink) {
        FUZZ_CHECK(fs::is_symlink(folder + "/link.txt") &&
                   fs::read_symlink(folder + "/link.txt") == "text.txt");
    }
    return 0;
}
