// Where the program keeps its files: the user's data folder by the XDG rules, made for the
// owner's eyes when missing, and what is said when it cannot be made.

#include "app/data_directory.h"
#include "tests/support/fault_helpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zandrel {
namespace {

using fixtures::TempDir;

// Sets or unsets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* saved = std::getenv(name)) {
            saved_ = saved;
        }
        Set(value);
    }
    ~ScopedEnv() { Set(saved_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Set(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name_, value->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> saved_;
};

int Mode(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

TEST(DataDirectoryTest, UserDataDirectoryFollowsTheXdgRules) {
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const std::string database = user->pw_dir; // the user database's home folder
    const std::optional<std::string> unset;
    const struct {
        const char* what;
        std::optional<std::string> dataHome;
        std::optional<std::string> home;
        std::string expected;
    } cases[] = {
        {"absolute", "/srv/data", unset, "/srv/data/zandrel"},
        {"trailing slash", "/srv/data/", unset, "/srv/data/zandrel"},
        {"unset", unset, "/home/ann", "/home/ann/.local/share/zandrel"},
        {"empty", "", "/h", "/h/.local/share/zandrel"},
        {"relative is ignored", "data", "/h", "/h/.local/share/zandrel"},
        {"no HOME", unset, unset, database + "/.local/share/zandrel"},
        {"relative HOME", unset, "ann", database + "/.local/share/zandrel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ScopedEnv setDataHome("XDG_DATA_HOME", c.dataHome);
        const ScopedEnv setHome("HOME", c.home);
        EXPECT_EQ(UserDataDirectory(), c.expected);
        EXPECT_EQ(DataDirectory(true), c.expected);
    }
}

TEST(DataDirectoryTest, CreatesMissingFoldersForTheOwnerOnly) {
    const TempDir temp;
    const std::string path = temp.File("share/deeper/zandrel");
    ASSERT_FALSE(CreateDirectories(path).Failed());
    EXPECT_EQ(Mode(temp.File("share")), 0700);
    EXPECT_EQ(Mode(temp.File("share/deeper")), 0700);
    EXPECT_EQ(Mode(path), 0700);

    // A folder that is there already is used as it is.
    ASSERT_EQ(chmod(path.c_str(), 0755), 0);
    EXPECT_FALSE(CreateDirectories(path).Failed());
    EXPECT_FALSE(CreateDirectories(path + "/").Failed());
    EXPECT_EQ(Mode(path), 0755);
}

TEST(DataDirectoryTest, ReportsAFolderThatCannotBeMade) {
    const struct {
        const char* what;
        const char* blocker; // a regular file made at this place, if any
        bool readOnlyBase;   // the temporary folder is not writable
        const char* message; // followed by the folder's path
    } cases[] = {
        {"file in its place", "zandrel", false, " contains an invalid path."},
        {"file above it", "share", false, " contains an invalid path."},
        {"no write access above it", "", true, " was denied."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TempDir temp;
        const std::string path =
            temp.File(std::string(c.blocker) == "zandrel" ? "zandrel" : "share/zandrel");
        if (c.blocker[0] != '\0') {
            temp.Write(c.blocker, "not a folder");
        }
        FileError error;
        if (c.readOnlyBase) {
            ASSERT_EQ(chmod(temp.Path().c_str(), 0555), 0);
            error = fixtures::RunInChild([&] { return CreateDirectories(path); }, -1, true);
        } else {
            error = CreateDirectories(path);
        }
        const std::string expected =
            c.readOnlyBase ? "Access to " + path + c.message : path + c.message;
        EXPECT_EQ(error.Message(), expected);
    }
}

} // namespace
} // namespace zandrel
