// The Chinese data of res/languages/: complete in both scripts, the same text in both scripts
// by the folder's own conversion table, names that agree with the hexagram table, and a
// compiled table that is exactly what the files say.
#include "text/chinese_names.h"
#include "tools/classical_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zandrel {
namespace {

const std::string kFolder = ZANDREL_CLASSICAL_DIR;

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const ClassicalScriptSource& Source(ChineseScript script) {
    static const auto read = [](const char* folder) {
        ClassicalScriptSource source;
        std::string error;
        EXPECT_TRUE(ReadClassicalScript(kFolder + "/" + folder, &source, &error)) << error;
        return source;
    };
    static const ClassicalScriptSource simplified = read("zh_CN");
    static const ClassicalScriptSource traditional = read("zh_TW");
    return script == ChineseScript::Simplified ? simplified : traditional;
}

// Every text and name of a script, each with a label that says where it comes from.
std::vector<std::pair<std::string, std::string>> Fields(const ClassicalScriptSource& s) {
    std::vector<std::pair<std::string, std::string>> fields;
    const auto add = [&](const std::string& label, const auto& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            fields.emplace_back(label + " " + std::to_string(i + 1), texts[i]);
        }
    };
    for (std::size_t n = 0; n < s.texts.size(); ++n) {
        add("hexagram " + std::to_string(n + 1) + " text", s.texts[n]);
    }
    add("trigram name", s.trigramNames);
    add("trigram image", s.trigramImages);
    add("element", s.elementNames);
    add("short name", s.shortNames);
    add("full name", s.fullNames);
    add("line word", s.lineWords);
    add("position", s.positionWords);
    add("term", s.termNames);
    add("relation", s.relationNames);
    fields.emplace_back("extra word", s.extraWord);
    return fields;
}

// The UTF-8 characters of a text, one string each.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

// conversion.txt: pairs of forms (characters or words) and the characters written alike.
struct Conversion {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::set<std::string> alike;
};

Conversion ReadConversion() {
    Conversion table;
    std::istringstream lines(ReadBytes(kFolder + "/conversion.txt"));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) {
            fields.push_back(field);
        }
        if (fields[0] == "=") {
            table.alike.insert(fields.at(1));
        } else {
            table.pairs.emplace_back(fields.at(0), fields.at(1));
        }
    }
    return table;
}

// `text` with every form of one side replaced by its partner, the longest forms first.
std::string Convert(const std::string& text, const Conversion& table, bool toTraditional) {
    std::vector<std::pair<std::string, std::string>> forms;
    for (const auto& [simplified, traditional] : table.pairs) {
        forms.emplace_back(toTraditional ? simplified : traditional,
                           toTraditional ? traditional : simplified);
    }
    std::stable_sort(forms.begin(), forms.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto form = std::find_if(forms.begin(), forms.end(), [&](const auto& f) {
            return text.compare(i, f.first.size(), f.first) == 0;
        });
        if (form != forms.end()) {
            out += form->second;
            i += form->first.size();
        } else {
            const std::string character = Characters(text.substr(i, 4)).front();
            out += character;
            i += character.size();
        }
    }
    return out;
}

TEST(ClassicalDataTest, CompiledTableIsWhatTheFilesSay) {
    for (const ChineseScript script : {ChineseScript::Simplified, ChineseScript::Traditional}) {
        const char* const folder = script == ChineseScript::Simplified ? "zh_CN" : "zh_TW";
        SCOPED_TRACE(folder);
        // Each hexagram file byte for byte, read without the tool's reader.
        for (int n = 1; n <= 64; ++n) {
            char name[32];
            std::snprintf(name, sizeof name, "/hexagram%02d.txt", n);
            std::string compiled;
            for (const std::string& text : ClassicalTexts(script, n)) {
                compiled += text + "\r\n";
            }
            if (const std::string_view extra = ClassicalExtraText(script, n); !extra.empty()) {
                compiled += std::string(extra) + "\r\n";
            }
            EXPECT_EQ(compiled, ReadBytes(kFolder + "/" + folder + name)) << "hexagram " << n;
        }
        // Every name, as names.txt gives it.
        const ClassicalScriptSource& s = Source(script);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(TrigramName(script, i + 1), s.trigramNames[i]);
            EXPECT_EQ(TrigramImage(script, i + 1), s.trigramImages[i]);
        }
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(ElementName(script, static_cast<Element>(i)), s.elementNames[i]);
            EXPECT_EQ(TermName(script, static_cast<ReadingTerm>(i)), s.termNames[i]);
        }
        for (int n = 1; n <= 64; ++n) {
            EXPECT_EQ(HexagramShortName(script, n), s.shortNames[n - 1]);
            EXPECT_EQ(HexagramFullName(script, n), s.fullNames[n - 1]);
        }
        const Relation relations[] = {Relation::SameElement, Relation::UseFeedsBody,
                                      Relation::BodyControlsUse, Relation::BodyFeedsUse,
                                      Relation::UseControlsBody};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(RelationName(script, relations[i]), s.relationNames[i]);
        }
        const std::string solid = s.lineWords[0], broken = s.lineWords[1];
        EXPECT_EQ(LineName(script, 1, 1), s.positionWords[0] + solid);
        EXPECT_EQ(LineName(script, 2, 3), broken + s.positionWords[2]);
        EXPECT_EQ(LineName(script, 2, 6), s.positionWords[5] + broken);
        EXPECT_EQ(ExtraStatementName(script, 1), s.extraWord + solid);
    }
}

TEST(ClassicalDataTest, EveryHexagramHasItsNamesAndTextsInBothScripts) {
    for (const ChineseScript script : {ChineseScript::Simplified, ChineseScript::Traditional}) {
        for (int n = 1; n <= 64; ++n) {
            SCOPED_TRACE(testing::Message() << "hexagram " << n);
            EXPECT_FALSE(HexagramShortName(script, n).empty());
            EXPECT_FALSE(HexagramFullName(script, n).empty());
            const EightTexts texts = ClassicalTexts(script, n);
            EXPECT_EQ(texts[0], HexagramFullName(script, n)) << "the title is the full name";
            for (const std::string& text : texts) {
                EXPECT_FALSE(text.empty());
                EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
            }
            EXPECT_EQ(ClassicalExtraText(script, n).empty(), n > 2) << "用九 and 用六 only";
        }
    }
}

TEST(ClassicalDataTest, FullNamesNameTheOuterAndInnerTrigrams) {
    for (const ChineseScript script : {ChineseScript::Simplified, ChineseScript::Traditional}) {
        const std::string doubled = script == ChineseScript::Simplified ? "为" : "為";
        for (Trigram outer = 1; outer <= 8; ++outer) {
            for (Trigram inner = 1; inner <= 8; ++inner) {
                const Hexagram n = HexagramTable(outer, inner);
                SCOPED_TRACE(testing::Message() << "hexagram " << n);
                const std::string shortName(HexagramShortName(script, n));
                const std::string outerImage(TrigramImage(script, outer));
                if (outer == inner) {
                    EXPECT_EQ(shortName, TrigramName(script, outer));
                    EXPECT_EQ(HexagramFullName(script, n), shortName + doubled + outerImage);
                } else {
                    EXPECT_EQ(HexagramFullName(script, n),
                              outerImage + std::string(TrigramImage(script, inner)) + shortName);
                }
            }
        }
    }
}

TEST(ClassicalDataTest, TheTwoScriptsAreOneTextByTheConversionTable) {
    const Conversion table = ReadConversion();
    const auto simplified = Fields(Source(ChineseScript::Simplified));
    const auto traditional = Fields(Source(ChineseScript::Traditional));
    ASSERT_EQ(simplified.size(), traditional.size());
    for (std::size_t i = 0; i < simplified.size(); ++i) {
        SCOPED_TRACE(simplified[i].first);
        EXPECT_EQ(Convert(simplified[i].second, table, true), traditional[i].second);
        EXPECT_EQ(Convert(traditional[i].second, table, false), simplified[i].second);
    }
}

TEST(ClassicalDataTest, NoCharacterOfOneScriptInTheOther) {
    const Conversion table = ReadConversion();
    // The characters in which the two sides of a pair differ belong to their side only,
    // unless the table says both scripts write them alike (乾 and 干 in the words of 噬嗑, 蛊).
    std::set<std::string> simplifiedOnly, traditionalOnly, singles;
    for (const auto& [s, t] : table.pairs) {
        const auto sc = Characters(s), tc = Characters(t);
        ASSERT_EQ(sc.size(), tc.size()) << s << " / " << t;
        for (std::size_t i = 0; i < sc.size(); ++i) {
            if (sc[i] != tc[i] && !table.alike.count(sc[i])) {
                simplifiedOnly.insert(sc[i]);
            }
            if (sc[i] != tc[i] && !table.alike.count(tc[i])) {
                traditionalOnly.insert(tc[i]);
            }
        }
        if (sc.size() == 1) {
            EXPECT_TRUE(singles.insert(s).second) << s << " paired twice";
            EXPECT_TRUE(singles.insert(t).second) << t << " paired twice";
            EXPECT_FALSE(table.alike.count(s) || table.alike.count(t))
                << s << " / " << t << " is paired and said to be written alike";
        }
    }
    const auto check = [](const ClassicalScriptSource& source, const std::set<std::string>& other,
                          const char* script) {
        for (const auto& [label, text] : Fields(source)) {
            for (const std::string& c : Characters(text)) {
                EXPECT_FALSE(other.count(c)) << c << " in the " << script << " " << label;
            }
        }
    };
    check(Source(ChineseScript::Traditional), simplifiedOnly, "traditional");
    check(Source(ChineseScript::Simplified), traditionalOnly, "simplified");
}

TEST(ClassicalDataTest, KeepsTheFormsAConversionGetsWrong) {
    using S = ChineseScript;
    const struct {
        ChineseScript script;
        int hexagram;
        int part; // 0 title, 1 judgement, 2..7 lines 1..6
        const char* holds;
    } cases[] = {
        {S::Simplified, 1, 0, "乾为天"},     {S::Traditional, 1, 0, "乾為天"},
        {S::Traditional, 1, 5, "无咎"},      {S::Traditional, 25, 0, "天雷无妄"},
        {S::Simplified, 2, 1, "先迷后得主"}, {S::Traditional, 2, 1, "先迷後得主"},
        {S::Traditional, 13, 1, "同人于野"}, {S::Traditional, 53, 2, "鴻漸于干"},
        {S::Simplified, 21, 5, "噬干胏"},    {S::Traditional, 21, 5, "噬乾胏"},
        {S::Simplified, 18, 2, "干父之蛊"},  {S::Traditional, 18, 2, "幹父之蠱"},
        {S::Traditional, 21, 4, "噬腊肉"},   {S::Traditional, 59, 3, "渙奔其机"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(ClassicalTexts(c.script, c.hexagram)[c.part].find(c.holds), std::string::npos)
            << c.holds;
    }
    // The classical text writes 于, 凶 and (in both scripts) 无 throughout.
    for (const S script : {S::Simplified, S::Traditional}) {
        for (const auto& [label, text] : Fields(Source(script))) {
            for (const char* modern : {"於", "兇", "無"}) {
                EXPECT_EQ(text.find(modern), std::string::npos) << modern << " in " << label;
            }
        }
    }
}

} // namespace
} // namespace zandrel
