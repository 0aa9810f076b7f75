// The reader of res/languages/ refuses a folder it cannot compile faithfully, and says where.
#include "tests/support/fault_helpers.h"
#include "tools/language_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace zandrel {
namespace {

using fixtures::TempDir;

const std::string kLanguages = ZANDREL_LANGUAGES_DIR;

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string HexagramFile(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "hexagram%02d.txt", n);
    return name;
}

// A copy of the folder `code` with one file changed by `mend` (given its bytes, "" for a file
// the folder lacks); a mended file of "\x7F" is left out. The copy is a folder named `code`
// in `dir`, as the program's folders are named.
std::string CopyWith(const TempDir& dir, const std::string& code, const std::string& file,
                     const std::function<std::string(std::string)>& mend) {
    const std::string folder = dir.File(code);
    std::filesystem::create_directory(folder);
    for (int n = -1; n <= 64; ++n) {
        const std::string name = n == -1  ? "correspondences.txt"
                                 : n == 0 ? "names.txt"
                                          : HexagramFile(n);
        const std::string path = kLanguages + "/" + code + "/" + name;
        std::string bytes = std::filesystem::exists(path) ? ReadBytes(path) : std::string();
        if (name == file) {
            bytes = mend(bytes);
        } else if (bytes.empty()) {
            continue;
        }
        if (bytes != "\x7F") {
            std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
        }
    }
    return folder;
}

std::string Replace(std::string s, const std::string& from, const std::string& to) {
    const std::size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? s : s.replace(at, from.size(), to);
}

// Every line of `s` that begins with `prefix` taken out.
std::string Without(const std::string& s, const std::string& prefix) {
    std::string kept;
    for (std::size_t start = 0; start < s.size();) {
        const std::size_t end = s.find('\n', start) + 1;
        if (s.compare(start, prefix.size(), prefix) != 0) {
            kept += s.substr(start, end - start);
        }
        start = end;
    }
    return kept;
}

// ":N" for the line of `code`'s `file` that begins with `prefix`.
std::string LineOf(const std::string& code, const std::string& prefix,
                   const std::string& file = "names.txt") {
    const std::string names = ReadBytes(kLanguages + "/" + code + "/" + file);
    const std::size_t at = names.find("\n" + prefix);
    return ":" + std::to_string(std::count(names.begin(), names.begin() + at, '\n') + 2);
}

TEST(LanguageSourceTest, RefusesAFolderItCannotUse) {
    const struct {
        const char* what;
        std::string code;
        std::string file;
        std::function<std::string(std::string)> mend;
        std::string error; // the message after the folder; empty when the folder reads
    } cases[] = {
        {"unchanged", "zh_CN", "names.txt", [](std::string s) { return s; }, ""},
        {"unchanged, without texts", "en", "names.txt", [](std::string s) { return s; }, ""},
        {"last line without CR LF", "zh_CN", HexagramFile(3),
         [](std::string s) { return s.substr(0, s.size() - 2); },
         "/hexagram03.txt:8: the line does not end in CR LF"},
        {"LF line ends", "zh_CN", HexagramFile(5),
         [](std::string s) {
             std::erase(s, '\r');
             return s;
         },
         "/hexagram05.txt:1: the line does not end in CR LF"},
        {"one LF line end", "zh_CN", HexagramFile(5),
         [](std::string s) { return Replace(s, "\r\n", "\n"); },
         "/hexagram05.txt:1: the text is empty, holds a lone CR or LF, or is not UTF-8"},
        {"hexagram 1 without its extra statement", "zh_CN", HexagramFile(1),
         [](std::string s) { return s.substr(0, s.rfind("\r\n", s.size() - 3) + 2); },
         "/hexagram01.txt: 8 lines instead of 9"},
        {"hexagram 3 with a ninth line", "zh_CN", HexagramFile(3),
         [](std::string s) { return s + "多\r\n"; }, "/hexagram03.txt:9: more than 8 lines"},
        {"an empty statement", "zh_CN", HexagramFile(4),
         [](std::string s) { return Replace(s, "困蒙，吝。", ""); },
         "/hexagram04.txt:6: the text is empty, holds a lone CR or LF, or is not UTF-8"},
        {"a text that is not UTF-8", "zh_CN", HexagramFile(6),
         [](std::string s) { return Replace(s, "讼", "\xE8\xAE"); },
         "/hexagram06.txt:1: the text is empty, holds a lone CR or LF, or is not UTF-8"},
        {"a missing hexagram file", "zh_CN", HexagramFile(64),
         [](std::string) { return std::string("\x7F"); }, "/hexagram64.txt: cannot be read"},
        {"one hexagram file of 64", "en", HexagramFile(30),
         [](std::string) { return ReadBytes(kLanguages + "/zh_CN/" + HexagramFile(30)); },
         "/names.txt: no line names; the hexagram texts are headed by them"},
        {"no names.txt", "en", "names.txt", [](std::string) { return std::string("\x7F"); },
         "/names.txt: cannot be read"},
        {"a name given twice", "zh_CN", "names.txt",
         [](std::string s) {
             return Replace(s, "trigram\t2\t", "trigram\t1\t乾\t天\ntrigram\t2\t");
         },
         "/names.txt" + LineOf("zh_CN", "trigram\t2\t") + ": given twice"},
        {"a kind given for some keys only", "zh_CN", "names.txt",
         [](std::string s) { return Without(s, "hexagram\t64\t"); },
         "/names.txt" + LineOf("zh_CN", "hexagram\t1\t") +
             ": hexagram names begin here, but 64 has none"},
        {"a named key left out", "en", "names.txt",
         [](std::string s) { return Without(s, "relation-phrase\tbody-feeds-use\t"); },
         "/names.txt" + LineOf("en", "relation-phrase\tsame\t") +
             ": relation-phrase names begin here, but body-feeds-use has none"},
        {"a kind every language gives left out", "en", "names.txt",
         [](std::string s) { return Without(s, "stem\t"); },
         "/names.txt: no stem names; every language gives them"},
        {"texts without the word of their extra statement", "zh_TW", "names.txt",
         [](std::string s) { return Without(s, "extra\t"); },
         "/names.txt: no extra names; the hexagram texts are headed by them"},
        {"an unknown key", "zh_CN", "names.txt",
         [](std::string s) { return Replace(s, "position\t6\t", "position\t7\t"); },
         "/names.txt" + LineOf("zh_CN", "position\t6\t") + ": unknown name \"position 7\""},
        {"an unknown kind", "en", "names.txt",
         [](std::string s) { return Replace(s, "stem\t1\t", "stems\t1\t"); },
         "/names.txt" + LineOf("en", "stem\t1\t") + ": unknown name \"stems 1\""},
        {"a missing field", "zh_CN", "names.txt",
         [](std::string s) { return Replace(s, "\t乾\t天", "\t乾"); },
         "/names.txt" + LineOf("zh_CN", "trigram\t1\t") + ": expected 2 name(s) after the key"},
        {"no correspondences", "en", "correspondences.txt",
         [](std::string) { return std::string("\x7F"); }, "/correspondences.txt: cannot be read"},
        {"a trigram without one correspondence", "zh_TW", "correspondences.txt",
         [](std::string s) { return Without(s, "season\t7\t"); },
         "/correspondences.txt" + LineOf("zh_TW", "season\t1\t", "correspondences.txt") +
             ": season names begin here, but 7 has none"},
        {"a correspondence without its label", "en", "correspondences.txt",
         [](std::string s) { return Without(s, "label\tobjects\t"); },
         "/correspondences.txt" + LineOf("en", "label\t", "correspondences.txt") +
             ": label names begin here, but objects has none"},
        {"a field with no text at all", "zh_CN", "correspondences.txt",
         [](std::string s) { return Without(s, "animal\t"); },
         "/correspondences.txt: no animal names; every language gives them"},
        {"a correspondence of a trigram 9", "zh_CN", "correspondences.txt",
         [](std::string s) { return Replace(s, "colour\t8\t", "colour\t9\t"); },
         "/correspondences.txt" + LineOf("zh_CN", "colour\t8\t", "correspondences.txt") +
             ": unknown name \"colour 9\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string folder = CopyWith(dir, c.code, c.file, c.mend);
        LanguageSource source;
        std::string error;
        EXPECT_EQ(ReadLanguage(folder, &source, &error), c.error.empty());
        EXPECT_EQ(error, c.error.empty() ? "" : folder + c.error);
        if (c.error.empty()) {
            EXPECT_EQ(source.code, c.code);
            EXPECT_EQ(source.texts.has_value(), c.code != "en");
        }
    }
}

TEST(LanguageSourceTest, TableSourceQuotesEveryTextAndKeysItsRowsByCode) {
    LanguageSource source;
    source.code = "xx";
    source.extraWord = "a\"b\\c\td";
    const std::string table = LanguageTablesSource({source});
    EXPECT_NE(table.find(".code = \"xx\""), std::string::npos) << table.substr(0, 400);
    EXPECT_NE(table.find(".texts = nullptr"), std::string::npos) << table.substr(0, 400);
    EXPECT_NE(table.find("\"a\\\"b\\\\c\\011d\""), std::string::npos) << table.substr(0, 400);
}

} // namespace
} // namespace zandrel
