// The reader of res/languages/ refuses a folder it cannot compile faithfully, and says where.
#include "tests/support/fault_helpers.h"
#include "tools/classical_source.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace zandrel {
namespace {

using fixtures::TempDir;

const std::string kSimplified = std::string(ZANDREL_CLASSICAL_DIR) + "/zh_CN";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string HexagramFile(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "hexagram%02d.txt", n);
    return name;
}

// A copy of the simplified folder with one file changed by `mend` (given its bytes).
void CopyWith(const TempDir& dir, const std::string& file,
              const std::function<std::string(std::string)>& mend) {
    for (int n = 0; n <= 64; ++n) {
        const std::string name = n == 0 ? "names.txt" : HexagramFile(n);
        const std::string bytes = ReadBytes(kSimplified + "/" + name);
        if (name != file) {
            dir.Write(name, bytes);
        } else if (const std::string mended = mend(bytes); mended != "\x7F") {
            dir.Write(name, mended);
        }
    }
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
    const std::size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? s : s.replace(at, from.size(), to);
}

TEST(ClassicalSourceTest, RefusesAFolderItCannotUse) {
    const struct {
        const char* what;
        std::string file;
        std::function<std::string(std::string)> mend;
        const char* error; // the start of the message after the folder
    } cases[] = {
        {"unchanged", "names.txt", [](std::string s) { return s; }, nullptr},
        {"last line without CR LF", HexagramFile(3),
         [](std::string s) { return s.substr(0, s.size() - 2); },
         "/hexagram03.txt:8: the line does not end in CR LF"},
        {"LF line ends", HexagramFile(5),
         [](std::string s) {
             std::erase(s, '\r');
             return s;
         },
         "/hexagram05.txt:1: the line does not end in CR LF"},
        {"one LF line end", HexagramFile(5), [](std::string s) { return Replace(s, "\r\n", "\n"); },
         "/hexagram05.txt:1: the text is empty, holds a lone CR or LF"},
        {"hexagram 1 without its extra statement", HexagramFile(1),
         [](std::string s) { return s.substr(0, s.rfind("\r\n", s.size() - 3) + 2); },
         "/hexagram01.txt: 8 lines instead of 9"},
        {"hexagram 3 with a ninth line", HexagramFile(3),
         [](std::string s) { return s + "多\r\n"; }, "/hexagram03.txt:9: more than 8 lines"},
        {"an empty statement", HexagramFile(4),
         [](std::string s) { return Replace(s, "困蒙，吝。", ""); },
         "/hexagram04.txt:6: the text is empty"},
        {"a text that is not UTF-8", HexagramFile(6),
         [](std::string s) { return Replace(s, "讼", "\xE8\xAE"); },
         "/hexagram06.txt:1: the text is empty, holds a lone CR or LF, or is not UTF-8"},
        {"a missing file", HexagramFile(64), [](std::string) { return std::string("\x7F"); },
         "/hexagram64.txt: cannot be read"},
        {"a name given twice", "names.txt",
         [](std::string s) { return s + "trigram\t1\t乾\t天\n"; }, "/names.txt:"},
        {"a name left out", "names.txt",
         [](std::string s) { return Replace(s, "hexagram\t64\t未济\t火水未济\n", ""); },
         "/names.txt: no name for hexagram 64"},
        {"an unknown key", "names.txt",
         [](std::string s) { return Replace(s, "position\t6\t", "position\t7\t"); }, "/names.txt:"},
        {"a missing field", "names.txt",
         [](std::string s) { return Replace(s, "\t乾\t天", "\t乾"); }, "/names.txt:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        CopyWith(dir, c.file, c.mend);
        ClassicalScriptSource source;
        std::string error;
        EXPECT_EQ(ReadClassicalScript(dir.Path(), &source, &error), c.error == nullptr);
        if (c.error != nullptr) {
            EXPECT_EQ(error.substr(0, dir.Path().size() + std::strlen(c.error)),
                      dir.Path() + c.error);
        }
    }
}

TEST(ClassicalSourceTest, TableSourceQuotesEveryText) {
    ClassicalScriptSource source;
    source.extraWord = "a\"b\\c\td";
    const std::string table = ClassicalTablesSource(source, source);
    EXPECT_NE(table.find("\"a\\\"b\\\\c\\011d\""), std::string::npos) << table.substr(0, 200);
}

} // namespace
} // namespace zandrel
