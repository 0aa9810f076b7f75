// The names of the method in every language, as the compiled data of res/languages/ gives them:
// English as the program has always written it, Chinese in both scripts, and nothing where a
// language has no such name or a number lies outside its range.
#include "text/names.h"

#include <gtest/gtest.h>

#include <string>

namespace zandrel {
namespace {

constexpr Language kEnglish = Language::English;
constexpr Language kSimplified = Language::SimplifiedChinese;
constexpr Language kTraditional = Language::TraditionalChinese;

TEST(NamesTest, NamesOfTheMethodInEveryLanguage) {
    const struct {
        std::string_view name;
        std::string_view expected;
    } cases[] = {
        {ElementName(kEnglish, Element::Metal), "Metal"},
        {ElementName(kEnglish, Element::Wood), "Wood"},
        {ElementName(kEnglish, Element::Water), "Water"},
        {ElementName(kEnglish, Element::Fire), "Fire"},
        {ElementName(kEnglish, Element::Earth), "Earth"},
        {TermName(kEnglish, ReadingTerm::Body), "Body"},
        {TermName(kEnglish, ReadingTerm::Use), "Use"},
        {RelationName(kEnglish, Relation::SameElement), "same element"},
        {RelationName(kEnglish, Relation::UseFeedsBody), "use feeds body"},
        {RelationName(kEnglish, Relation::BodyControlsUse), "body controls use"},
        {RelationName(kEnglish, Relation::BodyFeedsUse), "body feeds use"},
        {RelationName(kEnglish, Relation::UseControlsBody), "use controls body"},
        {RelationPhrase(kEnglish, Relation::SameElement), "Same element as the body"},
        {RelationPhrase(kEnglish, Relation::UseFeedsBody), "Use feeds the body"},
        {RelationPhrase(kEnglish, Relation::BodyControlsUse), "The body controls use"},
        {RelationPhrase(kEnglish, Relation::BodyFeedsUse), "The body feeds use"},
        {RelationPhrase(kEnglish, Relation::UseControlsBody), "Use controls the body"},
        {StemName(kEnglish, 1), "甲"},
        {BranchName(kEnglish, 12), "亥"},
        // English names trigrams and hexagrams by number and writes no lunar words of its own.
        {TrigramName(kEnglish, 1), ""},
        {HexagramFullName(kEnglish, 1), ""},
        {Numeral(kEnglish, 1), ""},
        {LunarWordName(kEnglish, LunarWord::Year), ""},

        {TrigramName(kSimplified, 3), "离"},
        {TrigramName(kTraditional, 3), "離"},
        {TrigramImage(kTraditional, 5), "風"},
        {ElementName(kSimplified, Element::Metal), "金"},
        {ElementName(kTraditional, Element::Earth), "土"},
        {HexagramShortName(kSimplified, 9), "小畜"},
        {HexagramFullName(kTraditional, 33), "天山遯"},
        {TermName(kSimplified, ReadingTerm::Body), "体"},
        {TermName(kTraditional, ReadingTerm::Body), "體"},
        {TermName(kTraditional, ReadingTerm::Nuclear), "互卦"},
        {TermName(kSimplified, ReadingTerm::Final), "变卦"},
        {TermName(kTraditional, ReadingTerm::Final), "變卦"},
        {RelationName(kSimplified, Relation::SameElement), "比和"},
        {RelationName(kSimplified, Relation::UseFeedsBody), "用生体"},
        {RelationName(kTraditional, Relation::BodyControlsUse), "體克用"},
        {RelationName(kSimplified, Relation::BodyFeedsUse), "体生用"},
        {RelationName(kTraditional, Relation::UseControlsBody), "用克體"},
        // Chinese gives no phrases: the relation's name begins the sentence.
        {RelationPhrase(kTraditional, Relation::UseFeedsBody), "用生體"},
        {StemName(kTraditional, 10), "癸"},
        {BranchName(kSimplified, 2), "丑"},
        {BranchName(kTraditional, 2), "丑"},
        {Numeral(kSimplified, 1), "一"},
        {Numeral(kTraditional, 10), "十"},
        {LunarWordName(kSimplified, LunarWord::FirstMonth), "正月"},
        {LunarWordName(kSimplified, LunarWord::Leap), "闰"},
        {LunarWordName(kTraditional, LunarWord::Leap), "閏"},
        {LunarWordName(kSimplified, LunarWord::Hour), "时"},
        {LunarWordName(kTraditional, LunarWord::Hour), "時"},
        {LunarWordName(kTraditional, LunarWord::Twenty), "廿"},

        // Outside their ranges.
        {TrigramName(kSimplified, 0), ""},
        {HexagramFullName(kSimplified, 65), ""},
        {StemName(kSimplified, 0), ""},
        {StemName(kSimplified, 11), ""},
        {BranchName(kEnglish, 13), ""},
        {Numeral(kTraditional, 0), ""},
        {Numeral(kTraditional, 11), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.name, c.expected);
    }
}

TEST(NamesTest, OnlyTheChineseLanguagesHaveClassicalTexts) {
    EXPECT_FALSE(HasClassicalTexts(kEnglish));
    EXPECT_EQ(ClassicalTexts(kEnglish, 1), EightTexts());
    EXPECT_EQ(ClassicalExtraText(kEnglish, 1), "");
    EXPECT_EQ(LineName(kEnglish, 1, 1), "");
    EXPECT_EQ(ExtraStatementName(kEnglish, 1), "");
    for (const Language language : {kSimplified, kTraditional}) {
        EXPECT_TRUE(HasClassicalTexts(language));
        EXPECT_EQ(ClassicalTexts(language, 1)[0], HexagramFullName(language, 1));
        EXPECT_EQ(ClassicalTexts(language, 0), EightTexts());
        EXPECT_EQ(ClassicalExtraText(language, 65), "");
    }
}

} // namespace
} // namespace zandrel
