#include "tools/classical_source.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>
#include <vector>

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
int NumberIndex(std::string_view key, int count) {
    int value = 0;
    if (key.empty() || key.size() > 2 || key.front() == '0') {
        return -1;
    }
    for (const char c : key) {
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= count ? value - 1 : -1;
}

template <std::size_t N>
int KeyIndex(std::string_view key, const std::array<std::string_view, N>& keys) {
    for (std::size_t i = 0; i < N; ++i) {
        if (keys[i] == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

constexpr std::array<std::string_view, 5> kElementKeys = {"metal", "wood", "water", "fire",
                                                          "earth"};
constexpr std::array<std::string_view, 2> kLineKeys = {"solid", "broken"};
constexpr std::array<std::string_view, 5> kTermKeys = {"body", "use", "nuclear", "original",
                                                       "final"};
constexpr std::array<std::string_view, 5> kRelationKeys = {
    "same", "use-feeds-body", "body-controls-use", "body-feeds-use", "use-controls-body"};

class NamesReader {
public:
    explicit NamesReader(ClassicalScriptSource& s) : s_(s) {}

    // The fields of one names line; an empty string when they fill their slot, else the fault.
    std::string Take(const std::vector<std::string_view>& f) {
        const std::string_view kind = f[0];
        const std::string_view key = f.size() > 1 ? f[1] : std::string_view();
        std::vector<std::string*> targets;
        int i = -1;
        if (kind == "trigram" && (i = NumberIndex(key, 8)) >= 0) {
            targets = {&s_.trigramNames[i], &s_.trigramImages[i]};
        } else if (kind == "element" && (i = KeyIndex(key, kElementKeys)) >= 0) {
            targets = {&s_.elementNames[i]};
        } else if (kind == "hexagram" && (i = NumberIndex(key, 64)) >= 0) {
            targets = {&s_.shortNames[i], &s_.fullNames[i]};
        } else if (kind == "line" && (i = KeyIndex(key, kLineKeys)) >= 0) {
            targets = {&s_.lineWords[i]};
        } else if (kind == "position" && (i = NumberIndex(key, 6)) >= 0) {
            targets = {&s_.positionWords[i]};
        } else if (kind == "extra" && key == "all") {
            targets = {&s_.extraWord};
        } else if (kind == "term" && (i = KeyIndex(key, kTermKeys)) >= 0) {
            targets = {&s_.termNames[i]};
        } else if (kind == "relation" && (i = KeyIndex(key, kRelationKeys)) >= 0) {
            targets = {&s_.relationNames[i]};
        } else {
            return "unknown name \"" + std::string(kind) + " " + std::string(key) + "\"";
        }
        if (f.size() != targets.size() + 2) {
            return "expected " + std::to_string(targets.size()) + " name(s) after the key";
        }
        if (!targets.front()->empty()) {
            return "given twice";
        }
        for (std::size_t k = 0; k < targets.size(); ++k) {
            if (f[k + 2].empty() || !IsUtf8(f[k + 2])) {
                return "a name is empty or not UTF-8";
            }
            *targets[k] = f[k + 2];
        }
        return {};
    }

    // The first name left out, or an empty string when every one is given.
    std::string Missing() const {
        const auto check = [](const auto& names, std::string_view what) -> std::string {
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (names[i].empty()) {
                    return std::string(what) + " " + std::to_string(i + 1);
                }
            }
            return {};
        };
        for (std::string missing :
             {check(s_.trigramNames, "trigram"), check(s_.elementNames, "element"),
              check(s_.shortNames, "hexagram"), check(s_.lineWords, "line"),
              check(s_.positionWords, "position"), check(s_.termNames, "term"),
              check(s_.relationNames, "relation"),
              s_.extraWord.empty() ? std::string("extra") : std::string()}) {
            if (!missing.empty()) {
                return missing;
            }
        }
        return {};
    }

private:
    ClassicalScriptSource& s_;
};

bool ReadNames(const std::string& path, ClassicalScriptSource* source, std::string* error) {
    std::string bytes;
    if (!ReadWholeFile(path, &bytes)) {
        *error = path + ": cannot be read";
        return false;
    }
    NamesReader reader(*source);
    std::istringstream lines(bytes);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (std::string fault = reader.Take(SplitTabs(line)); !fault.empty()) {
            *error = path + ":" + std::to_string(number) + ": " + fault;
            return false;
        }
    }
    if (std::string missing = reader.Missing(); !missing.empty()) {
        *error = path + ": no name for " + missing;
        return false;
    }
    return true;
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
    out += "}},\n";
}

void AppendScript(std::string& out, const ClassicalScriptSource& s) {
    out += "    {\n        {{\n";
    for (const HexagramFileTexts& texts : s.texts) {
        out += "            ";
        AppendArray(out, texts, "            ");
    }
    out += "        }},\n";
    for (const auto* names : {&s.trigramNames, &s.trigramImages}) {
        out += "        ";
        AppendArray(out, *names, "        ");
    }
    out += "        ";
    AppendArray(out, s.elementNames, "        ");
    for (const auto* names : {&s.shortNames, &s.fullNames}) {
        out += "        ";
        AppendArray(out, *names, "        ");
    }
    out += "        ";
    AppendArray(out, s.lineWords, "        ");
    out += "        ";
    AppendArray(out, s.positionWords, "        ");
    out += "        ";
    AppendLiteral(out, s.extraWord);
    out += ",\n        ";
    AppendArray(out, s.termNames, "        ");
    out += "        ";
    AppendArray(out, s.relationNames, "        ");
    out += "    },\n";
}

} // namespace

bool ReadClassicalScript(const std::string& folder, ClassicalScriptSource* source,
                         std::string* error) {
    *source = ClassicalScriptSource();
    if (!ReadNames(folder + "/names.txt", source, error)) {
        return false;
    }
    for (int n = 1; n <= 64; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "/hexagram%02d.txt", n);
        if (!ReadHexagram(folder + name, n, &source->texts[n - 1], error)) {
            return false;
        }
    }
    return true;
}

std::string ClassicalTablesSource(const ClassicalScriptSource& simplified,
                                  const ClassicalScriptSource& traditional) {
    std::string out = "// Made by make_classical_tables from res/languages/ at build time: mend "
                      "those files, not this one.\n"
                      "#include \"text/classical_tables.h\"\n\n"
                      "namespace zandrel {\n\n"
                      "const ClassicalTable kClassicalTables[2] = {\n";
    AppendScript(out, simplified);
    AppendScript(out, traditional);
    out += "};\n\n} // namespace zandrel\n";
    return out;
}

} // namespace zandrel
