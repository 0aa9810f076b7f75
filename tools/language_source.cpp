#include "tools/language_source.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <span>
#include <sstream>
#include <string_view>
#include <utility>

namespace zandrel {
namespace {

bool ReadWholeFile(const std::string& path, std::string* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Whole UTF-8 sequences only (overlong three- and four-byte forms are not looked for).
bool IsUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t length = 0;
        if (c < 0x80) {
            length = 1;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
        } else {
            return false;
        }
        if (i + length > s.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

// A key 1..count written in decimal, as an index 0..count-1; -1 when it is not one.
int NumberIndex(std::string_view key, std::size_t count) {
    std::size_t value = 0;
    if (key.empty() || key.size() > 2 || key.front() == '0') {
        return -1;
    }
    for (const char c : key) {
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    return value >= 1 && value <= count ? static_cast<int>(value - 1) : -1;
}

const std::vector<std::string_view> kRelationKeys = {"same", "use-feeds-body", "body-controls-use",
                                                     "body-feeds-use", "use-controls-body"};

// One kind of names.txt: its keys, whether every language gives it, and the members of the
// table its names go to (one per name after the key, each with an entry per key).
struct Kind {
    std::string_view name;
    std::vector<std::string_view> keys; // none: the keys are the numbers 1..the members' size
    bool required;
    std::vector<std::pair<std::string_view, std::span<std::string>>> members;

    std::size_t Size() const { return members.front().second.size(); }
    int Index(std::string_view key) const {
        if (keys.empty()) {
            return NumberIndex(key, Size());
        }
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == key) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    std::string Key(std::size_t index) const {
        return keys.empty() ? std::to_string(index + 1) : std::string(keys[index]);
    }
};

std::vector<Kind> Kinds(LanguageSource& s) {
    return {
        {"trigram",
         {},
         false,
         {{"trigramNames", s.trigramNames}, {"trigramImages", s.trigramImages}}},
        {"element",
         {"metal", "wood", "water", "fire", "earth"},
         true,
         {{"elementNames", s.elementNames}}},
        {"hexagram", {}, false, {{"shortNames", s.shortNames}, {"fullNames", s.fullNames}}},
        {"line", {"solid", "broken"}, false, {{"lineWords", s.lineWords}}},
        {"position", {}, false, {{"positionWords", s.positionWords}}},
        {"extra", {"all"}, false, {{"extraWord", std::span(&s.extraWord, 1)}}},
        {"term",
         {"body", "use", "nuclear", "original", "final", "opposite", "reversed"},
         true,
         {{"termNames", s.termNames}}},
        {"relation", kRelationKeys, true, {{"relationNames", s.relationNames}}},
        {"relation-phrase", kRelationKeys, false, {{"relationPhrases", s.relationPhrases}}},
        {"stem", {}, true, {{"stemNames", s.stemNames}}},
        {"branch", {}, true, {{"branchNames", s.branchNames}}},
        {"numeral", {}, false, {{"numerals", s.numerals}}},
        {"lunar",
         {"year", "month", "first-month", "leap", "hour", "day-prefix", "twenty"},
         false,
         {{"lunarWords", s.lunarWords}}},
        {"solar-term", {}, true, {{"solarTermNames", s.solarTermNames}}},
        {"strength",
         {"prosperous", "strong", "resting", "confined", "dead"},
         true,
         {{"strengthNames", s.strengthNames}}},
    };
}

// correspondences.txt: the label of each field, then each field with the trigrams 1..8 as keys.
std::vector<Kind> CorrespondenceKinds(LanguageSource& s) {
    const auto keys = CorrespondenceKeys();
    std::vector<Kind> kinds = {{"label",
                                std::vector<std::string_view>(keys.begin(), keys.end()),
                                true,
                                {{"labels", s.correspondences.labels}}}};
    for (std::size_t f = 0; f < kCorrespondenceFields; ++f) {
        kinds.push_back({keys[f], {}, true, {{"values", s.correspondences.values[f]}}});
    }
    return kinds;
}

// The kinds that head the statements of the hexagram files: the line names and the ordinal.
constexpr std::string_view kKindsOfTexts[] = {"line", "position", "extra", "numeral"};

class NamesReader {
public:
    explicit NamesReader(std::vector<Kind> kinds)
        : kinds_(std::move(kinds)), firstLines_(kinds_.size()) {}

    // The fields of line `number`; an empty string when they fill their slots, else the fault.
    std::string Take(const std::vector<std::string_view>& f, int number) {
        const std::string_view key = f.size() > 1 ? f[1] : std::string_view();
        std::size_t k = 0;
        while (k < kinds_.size() && kinds_[k].name != f[0]) {
            ++k;
        }
        const int i = k < kinds_.size() ? kinds_[k].Index(key) : -1;
        if (i < 0) {
            return "unknown name \"" + std::string(f[0]) + " " + std::string(key) + "\"";
        }
        const auto& members = kinds_[k].members;
        if (f.size() != members.size() + 2) {
            return "expected " + std::to_string(members.size()) + " name(s) after the key";
        }
        if (!members.front().second[static_cast<std::size_t>(i)].empty()) {
            return "given twice";
        }
        for (std::size_t m = 0; m < members.size(); ++m) {
            if (f[m + 2].empty() || !IsUtf8(f[m + 2])) {
                return "a name is empty or not UTF-8";
            }
            members[m].second[static_cast<std::size_t>(i)] = f[m + 2];
        }
        if (firstLines_[k] == 0) {
            firstLines_[k] = number;
        }
        return {};
    }

    // The first fault of the names as a whole, after `path`: a required kind not given, or a
    // kind given for some of its keys only; an empty string when there is none.
    std::string Fault(const std::string& path, bool hasTexts) const {
        for (std::size_t k = 0; k < kinds_.size(); ++k) {
            const Kind& kind = kinds_[k];
            if (firstLines_[k] == 0) {
                const bool forTexts =
                    hasTexts && std::find(std::begin(kKindsOfTexts), std::end(kKindsOfTexts),
                                          kind.name) != std::end(kKindsOfTexts);
                if (kind.required || forTexts) {
                    return path + ": no " + std::string(kind.name) + " names; " +
                           (kind.required ? "every language gives them"
                                          : "the hexagram texts are headed by them");
                }
                continue;
            }
            for (std::size_t i = 0; i < kind.Size(); ++i) {
                if (kind.members.front().second[i].empty()) {
                    return path + ":" + std::to_string(firstLines_[k]) + ": " +
                           std::string(kind.name) + " names begin here, but " + kind.Key(i) +
                           " has none";
                }
            }
        }
        return {};
    }

private:
    std::vector<Kind> kinds_;
    std::vector<int> firstLines_; // of each kind's first name; 0 while it has none
};

// A file of names.txt's shape (names.txt, correspondences.txt) into the members of `kinds`.
bool ReadNames(const std::string& path, std::vector<Kind> kinds, bool hasTexts,
               std::string* error) {
    std::string bytes;
    if (!ReadWholeFile(path, &bytes)) {
        *error = path + ": cannot be read";
        return false;
    }
    NamesReader reader(std::move(kinds));
    std::istringstream lines(bytes);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (std::string fault = reader.Take(SplitTabs(line), number); !fault.empty()) {
            *error = path + ":" + std::to_string(number) + ": " + fault;
            return false;
        }
    }
    *error = reader.Fault(path, hasTexts);
    return error->empty();
}

// "zh_CN" of "res/languages/zh_CN/".
std::string FolderName(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return std::filesystem::path(folder).filename().string();
}

std::string HexagramFileName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "/hexagram%02d.txt", n);
    return name;
}

bool ReadHexagram(const std::string& path, int n, HexagramFileTexts* texts, std::string* error) {
    std::string bytes;
    if (!ReadWholeFile(path, &bytes)) {
        *error = path + ": cannot be read";
        return false;
    }
    const std::size_t expected = n <= 2 ? 9 : 8;
    std::size_t count = 0;
    for (std::size_t start = 0; start < bytes.size(); ++count) {
        const std::size_t end = bytes.find("\r\n", start);
        const std::string where = path + ":" + std::to_string(count + 1) + ": ";
        if (end == std::string::npos) {
            *error = where + "the line does not end in CR LF";
            return false;
        }
        const std::string_view text = std::string_view(bytes).substr(start, end - start);
        if (count >= expected) {
            *error = where + "more than " + std::to_string(expected) + " lines";
            return false;
        }
        if (text.empty() || text.find_first_of("\r\n") != std::string_view::npos || !IsUtf8(text)) {
            *error = where + "the text is empty, holds a lone CR or LF, or is not UTF-8";
            return false;
        }
        (*texts)[count] = text;
        start = end + 2;
    }
    if (count != expected) {
        *error =
            path + ": " + std::to_string(count) + " lines instead of " + std::to_string(expected);
        return false;
    }
    return true;
}

void AppendLiteral(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

template <class Names> void AppendArray(std::string& out, const Names& names, const char* indent) {
    out += "{{";
    for (std::size_t i = 0; i < names.size(); ++i) {
        out += i == 0 ? "" : ",";
        out += "\n";
        out += indent;
        out += "    ";
        AppendLiteral(out, names[i]);
    }
    out += "}}";
}

void AppendTexts(std::string& out, const LanguageSource& s, std::size_t index) {
    out += "const ClassicalTextTable kTexts" + std::to_string(index) + " = {{\n";
    for (const HexagramFileTexts& texts : *s.texts) {
        out += "    ";
        AppendArray(out, texts, "    ");
        out += ",\n";
    }
    out += "}};\n\n";
}

// One row of the table, each member named, so that the compiler holds the names and the order
// of the members it writes to text/language_record.h's record.
void AppendLanguage(std::string& out, LanguageSource s, std::size_t index) {
    out += "    {\n        .code = ";
    AppendLiteral(out, s.code);
    out += ",\n        .texts = ";
    out += s.texts ? "&kTexts" + std::to_string(index) : std::string("nullptr");
    out += ",\n        .correspondences =\n            {\n                .labels = ";
    AppendArray(out, s.correspondences.labels, "                ");
    out += ",\n                .values = {{";
    for (const auto& values : s.correspondences.values) {
        out += "\n                    ";
        AppendArray(out, values, "                    ");
        out += ",";
    }
    out += "\n                }},\n            },\n";
    for (const Kind& kind : Kinds(s)) {
        for (const auto& [member, names] : kind.members) {
            out += "        .";
            out += member;
            out += " = ";
            if (kind.keys.size() == 1) {
                AppendLiteral(out, names.front());
            } else {
                AppendArray(out, names, "        ");
            }
            out += ",\n";
        }
    }
    out += "    },\n";
}

} // namespace

std::array<std::string_view, kCorrespondenceFields> CorrespondenceKeys() {
    return {"nature", "quality",           "family",          "body",
            "animal", "earlier-direction", "later-direction", "colour",
            "season", "earlier-number",    "later-number",    "objects"};
}

bool ReadLanguage(const std::string& folder, LanguageSource* source, std::string* error) {
    *source = LanguageSource();
    source->code = FolderName(folder);
    for (int n = 1; n <= 64 && !source->texts; ++n) {
        if (std::filesystem::exists(folder + HexagramFileName(n))) {
            source->texts.emplace();
        }
    }
    const bool hasTexts = source->texts.has_value();
    if (!ReadNames(folder + "/names.txt", Kinds(*source), hasTexts, error) ||
        !ReadNames(folder + "/correspondences.txt", CorrespondenceKinds(*source), false, error)) {
        return false;
    }
    for (int n = 1; n <= 64 && hasTexts; ++n) {
        if (!ReadHexagram(folder + HexagramFileName(n), n, &(*source->texts)[n - 1], error)) {
            return false;
        }
    }
    return true;
}

std::string LanguageTablesSource(const std::vector<LanguageSource>& languages) {
    std::string out = "// Made by make_language_tables from res/languages/ at build time: mend "
                      "those files, not this one.\n"
                      "#include \"text/language_tables.h\"\n\n"
                      "namespace zandrel {\n"
                      "namespace {\n\n";
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].texts) {
            AppendTexts(out, languages[i], i);
        }
    }
    out += "const LanguageData kLanguages[] = {\n";
    for (std::size_t i = 0; i < languages.size(); ++i) {
        AppendLanguage(out, languages[i], i);
    }
    out += "};\n\n} // namespace\n\n"
           "std::span<const LanguageData> LanguageDataTable() {\n"
           "    return kLanguages;\n"
           "}\n\n"
           "} // namespace zandrel\n";
    return out;
}

} // namespace zandrel
