// The data of res/languages/: a folder for every row of the language table with the names every
// language gives, the classical texts complete, the same text in both Chinese scripts by the
// conversion table, names that agree with the hexagram table, and a compiled table that is
// exactly what the files say.
#include "text/language_tables.h"
#include "text/names.h"
#include "tools/language_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zandrel {
namespace {

const std::string kFolder = ZANDREL_LANGUAGES_DIR;
const std::string kTranslations = ZANDREL_TRANSLATIONS_DIR;
constexpr Language kChinese[] = {Language::SimplifiedChinese, Language::TraditionalChinese};

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const LanguageSource& Source(Language language) {
    static std::map<Language, LanguageSource> read;
    if (!read.contains(language)) {
        std::string error;
        EXPECT_TRUE(ReadLanguage(kFolder + "/" + std::string(LanguageCode(language)),
                                 &read[language], &error))
            << error;
    }
    return read[language];
}

// Every text and name of a language, each with a label that says where it comes from.
std::vector<std::pair<std::string, std::string>> Fields(const LanguageSource& s) {
    std::vector<std::pair<std::string, std::string>> fields;
    const auto add = [&](const std::string& label, const auto& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            fields.emplace_back(label + " " + std::to_string(i + 1), texts[i]);
        }
    };
    for (std::size_t n = 0; s.texts && n < s.texts->size(); ++n) {
        add("hexagram " + std::to_string(n + 1) + " text", (*s.texts)[n]);
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
    add("relation phrase", s.relationPhrases);
    add("stem", s.stemNames);
    add("branch", s.branchNames);
    add("numeral", s.numerals);
    add("lunar word", s.lunarWords);
    add("correspondence label", s.correspondences.labels);
    for (std::size_t f = 0; f < s.correspondences.values.size(); ++f) {
        add(std::string(CorrespondenceKeys()[f]) + " of trigram", s.correspondences.values[f]);
    }
    add("solar term", s.solarTermNames);
    add("strength", s.strengthNames);
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

constexpr Relation kRelations[] = {Relation::SameElement, Relation::UseFeedsBody,
                                   Relation::BodyControlsUse, Relation::BodyFeedsUse,
                                   Relation::UseControlsBody};

TEST(LanguageDataTest, EveryLanguageHasAFolderAndEveryFolderALanguage) {
    std::set<std::string> folders;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder)) {
        if (entry.is_directory()) {
            folders.insert(entry.path().filename().string());
        }
    }
    for (const LanguageRow& row : LanguageTable()) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(folders.erase(std::string(row.code)), 1U) << "no folder in res/languages";
        // The names every language gives, compiled in under its code.
        for (int i = 0; i < kElementCount; ++i) {
            EXPECT_NE(ElementName(row.language, static_cast<Element>(i)), "");
            EXPECT_NE(TermName(row.language, static_cast<ReadingTerm>(i)), "");
            EXPECT_NE(StrengthName(row.language, i), "");
            EXPECT_NE(RelationName(row.language, kRelations[i]), "");
        }
        for (int i = 0; i < 24; ++i) {
            EXPECT_NE(SolarTermName(row.language, i), "");
        }
        for (int i = 1; i <= 12; ++i) {
            EXPECT_NE(StemName(row.language, std::min(i, 10)), "");
            EXPECT_NE(BranchName(row.language, i), "");
        }
        // The language that writes its lunar dates has their words.
        EXPECT_NE(Numeral(row.chineseDates, 10), "");
        for (int w = 0; w <= static_cast<int>(LunarWord::Twenty); ++w) {
            EXPECT_NE(LunarWordName(row.chineseDates, static_cast<LunarWord>(w)), "");
        }
    }
    EXPECT_TRUE(folders.empty()) << *folders.begin() << " is no language of the table";
}

TEST(LanguageDataTest, CompiledTableIsWhatTheFilesSay) {
    for (const LanguageRow& row : LanguageTable()) {
        const Language language = row.language;
        SCOPED_TRACE(row.code);
        const LanguageSource& s = Source(language);
        // Each hexagram file byte for byte, read without the tool's reader.
        EXPECT_EQ(HasClassicalTexts(language), s.texts.has_value());
        for (int n = 1; n <= 64; ++n) {
            char name[32];
            std::snprintf(name, sizeof name, "/hexagram%02d.txt", n);
            std::string compiled;
            for (const std::string& text : ClassicalTexts(language, n)) {
                compiled += text.empty() ? "" : text + "\r\n";
            }
            if (const std::string_view extra = ClassicalExtraText(language, n); !extra.empty()) {
                compiled += std::string(extra) + "\r\n";
            }
            EXPECT_EQ(compiled, ReadBytes(kFolder + "/" + std::string(row.code) + name))
                << "hexagram " << n;
        }
        // Every name, as names.txt gives it or leaves it out.
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(TrigramName(language, i + 1), s.trigramNames[i]);
            EXPECT_EQ(TrigramImage(language, i + 1), s.trigramImages[i]);
        }
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(TermName(language, static_cast<ReadingTerm>(i)), s.termNames[i]);
        }
        for (int i = 0; i < 24; ++i) {
            EXPECT_EQ(SolarTermName(language, i), s.solarTermNames[i]);
        }
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(ElementName(language, static_cast<Element>(i)), s.elementNames[i]);
            EXPECT_EQ(StrengthName(language, i), s.strengthNames[i]);
            EXPECT_EQ(RelationName(language, kRelations[i]), s.relationNames[i]);
            EXPECT_EQ(RelationPhrase(language, kRelations[i]),
                      s.relationPhrases[i].empty() ? s.relationNames[i] : s.relationPhrases[i]);
        }
        for (int n = 1; n <= 64; ++n) {
            EXPECT_EQ(HexagramShortName(language, n), s.shortNames[n - 1]);
            EXPECT_EQ(HexagramFullName(language, n), s.fullNames[n - 1]);
        }
        for (int i = 0; i < 12; ++i) {
            EXPECT_EQ(StemName(language, i + 1), i < 10 ? s.stemNames[i] : "");
            EXPECT_EQ(BranchName(language, i + 1), s.branchNames[i]);
            EXPECT_EQ(Numeral(language, i + 1), i < 10 ? s.numerals[i] : "");
        }
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(LunarWordName(language, static_cast<LunarWord>(i)), s.lunarWords[i]);
        }
        // The correspondences, field by field in the file's order.
        const auto data = std::find_if(LanguageDataTable().begin(), LanguageDataTable().end(),
                                       [&](const LanguageData& d) { return d.code == row.code; });
        ASSERT_NE(data, LanguageDataTable().end());
        for (std::size_t f = 0; f < kCorrespondenceFields; ++f) {
            EXPECT_EQ(data->correspondences.labels[f], s.correspondences.labels[f]);
            for (std::size_t t = 0; t < 8; ++t) {
                EXPECT_EQ(data->correspondences.values[f][t], s.correspondences.values[f][t]);
            }
        }
        const std::string solid = s.lineWords[0], broken = s.lineWords[1];
        if (!s.texts) {
            EXPECT_EQ(LineName(language, 1, 1), "");
            continue;
        }
        EXPECT_EQ(LineName(language, 1, 1), s.positionWords[0] + solid);
        EXPECT_EQ(LineName(language, 2, 3), broken + s.positionWords[2]);
        EXPECT_EQ(LineName(language, 2, 6), s.positionWords[5] + broken);
        EXPECT_EQ(ExtraStatementName(language, 1), s.extraWord + solid);
    }
}

TEST(LanguageDataTest, EveryHexagramHasItsNamesAndTextsInBothScripts) {
    for (const Language language : kChinese) {
        ASSERT_TRUE(HasClassicalTexts(language));
        for (int n = 1; n <= 64; ++n) {
            SCOPED_TRACE(testing::Message() << "hexagram " << n);
            EXPECT_FALSE(HexagramShortName(language, n).empty());
            EXPECT_FALSE(HexagramFullName(language, n).empty());
            const EightTexts texts = ClassicalTexts(language, n);
            EXPECT_EQ(texts[0], HexagramFullName(language, n)) << "the title is the full name";
            for (const std::string& text : texts) {
                EXPECT_FALSE(text.empty());
                EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos);
            }
            EXPECT_EQ(ClassicalExtraText(language, n).empty(), n > 2) << "用九 and 用六 only";
        }
    }
}

TEST(LanguageDataTest, FullNamesNameTheOuterAndInnerTrigrams) {
    for (const Language script : kChinese) {
        const std::string doubled = script == Language::SimplifiedChinese ? "为" : "為";
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

TEST(LanguageDataTest, TheTwoScriptsAreOneTextByTheConversionTable) {
    const Conversion table = ReadConversion();
    const auto simplified = Fields(Source(Language::SimplifiedChinese));
    const auto traditional = Fields(Source(Language::TraditionalChinese));
    ASSERT_EQ(simplified.size(), traditional.size());
    for (std::size_t i = 0; i < simplified.size(); ++i) {
        SCOPED_TRACE(simplified[i].first);
        EXPECT_EQ(Convert(simplified[i].second, table, true), traditional[i].second);
        EXPECT_EQ(Convert(traditional[i].second, table, false), simplified[i].second);
    }
}

TEST(LanguageDataTest, NoCharacterOfOneScriptInTheOther) {
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
    const auto check = [](const LanguageSource& source, const std::set<std::string>& other,
                          const char* script) {
        for (const auto& [label, text] : Fields(source)) {
            for (const std::string& c : Characters(text)) {
                EXPECT_FALSE(other.count(c)) << c << " in the " << script << " " << label;
            }
        }
    };
    check(Source(Language::TraditionalChinese), simplifiedOnly, "traditional");
    check(Source(Language::SimplifiedChinese), traditionalOnly, "simplified");
}

// The translated sentences of a .ts file, each with its source.
std::vector<std::pair<std::string, std::string>> Translations(const std::string& path) {
    const std::string file = ReadBytes(path);
    std::vector<std::pair<std::string, std::string>> found;
    for (std::size_t at = file.find("<translation"); at != std::string::npos;
         at = file.find("<translation", at + 1)) {
        const std::size_t start = file.find('>', at) + 1;
        const std::size_t source = file.rfind("<source>", at);
        found.emplace_back(file.substr(source + 8, file.find("</source>", source) - source - 8),
                           file.substr(start, file.find("</translation>", start) - start));
    }
    return found;
}

TEST(LanguageDataTest, EachTranslationWritesOnlyItsOwnScript) {
    const Conversion table = ReadConversion();
    // The interface holds the pairs of single characters as the data does. The table's words
    // (干父/幹父, 系于/繫于, 其丑/其醜 ..) decide a character by the classical word around it and
    // say nothing of the same character in a modern sentence, and the characters it writes alike
    // in both scripts (乾, 干, 于, 无, 丑 ..) are in no pair: both are left to the translators.
    std::set<std::string> simplifiedOnly, traditionalOnly;
    for (const auto& [s, t] : table.pairs) {
        if (Characters(s).size() == 1) {
            simplifiedOnly.insert(s);
            traditionalOnly.insert(t);
        }
    }
    const auto check = [](const std::string& file, const std::set<std::string>& other) {
        const auto translations = Translations(kTranslations + "/" + file);
        ASSERT_FALSE(translations.empty()) << file;
        for (const auto& [source, translation] : translations) {
            for (const std::string& c : Characters(translation)) {
                EXPECT_FALSE(other.count(c)) << c << " in " << file << " for " << source;
            }
        }
    };
    check("zandrel_zh_CN.ts", traditionalOnly);
    check("zandrel_zh_TW.ts", simplifiedOnly);
}

TEST(LanguageDataTest, KeepsTheFormsAConversionGetsWrong) {
    constexpr Language kSimplified = Language::SimplifiedChinese;
    constexpr Language kTraditional = Language::TraditionalChinese;
    const struct {
        Language script;
        int hexagram;
        int part; // 0 title, 1 judgement, 2..7 lines 1..6
        const char* holds;
    } cases[] = {
        {kSimplified, 1, 0, "乾为天"},
        {kTraditional, 1, 0, "乾為天"},
        {kTraditional, 1, 5, "无咎"},
        {kTraditional, 25, 0, "天雷无妄"},
        {kSimplified, 2, 1, "先迷后得主"},
        {kTraditional, 2, 1, "先迷後得主"},
        {kTraditional, 13, 1, "同人于野"},
        {kTraditional, 53, 2, "鴻漸于干"},
        {kSimplified, 21, 5, "噬干胏"},
        {kTraditional, 21, 5, "噬乾胏"},
        {kSimplified, 18, 2, "干父之蛊"},
        {kTraditional, 18, 2, "幹父之蠱"},
        {kTraditional, 21, 4, "噬腊肉"},
        {kTraditional, 59, 3, "渙奔其机"},
        // 巳日 (the sixth branch's day), not the look-alike 己日, in 革's judgement and 六二.
        {kSimplified, 49, 1, "巳日乃孚"},
        {kTraditional, 49, 1, "巳日乃孚"},
        {kSimplified, 49, 3, "巳日乃革之"},
        {kTraditional, 49, 3, "巳日乃革之"},
        // The simplified forms of 通用规范汉字表 where the table has them.
        {kSimplified, 50, 5, "覆公𫗧"},
        {kTraditional, 50, 5, "覆公餗"},
        {kSimplified, 29, 7, "系用徽𬙊"},
        {kTraditional, 29, 7, "係用徽纆"},
        {kSimplified, 63, 5, "𦈡有衣袽"},
        {kTraditional, 63, 5, "繻有衣袽"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(ClassicalTexts(c.script, c.hexagram)[c.part].find(c.holds), std::string::npos)
            << c.holds;
    }
    // The classical text writes 于, 凶 and (in both scripts) 无 throughout.
    for (const Language script : kChinese) {
        for (const auto& [label, text] : Fields(Source(script))) {
            for (const char* modern : {"於", "兇", "無"}) {
                EXPECT_EQ(text.find(modern), std::string::npos) << modern << " in " << label;
            }
        }
    }
}

} // namespace
} // namespace zandrel
