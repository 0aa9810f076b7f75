// The words of a reading in every language: the element marks and the relations to the body,
// the numbers with their names, and the entries of the target-time lists.

#include "app/reading_words.h"
#include "core/periods.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zandrel {
namespace {

constexpr Language kLanguages[] = {Language::English, Language::SimplifiedChinese,
                                   Language::TraditionalChinese};

// The body's own mark, a favourable one and an unfavourable one, and what the element label's
// tooltip says of each.
TEST(ReadingWordsTest, MarksAndRelationsInEveryLanguage) {
    const ElementMark body{Element::Metal, true, Relation::SameElement};
    const ElementMark feeds{Element::Earth, false, Relation::UseFeedsBody};
    const ElementMark drains{Element::Water, false, Relation::BodyFeedsUse};
    const struct {
        Language language;
        const char* marks[3];
        const char* sentences[3];
    } cases[] = {
        {Language::English,
         {"(Metal)", "+Earth+", "-Water-"},
         {"The body: the element the others are judged against", "Use feeds the body: favourable",
          "The body feeds use: unfavourable"}},
        {Language::SimplifiedChinese,
         {"(金)", "+土+", "-水-"},
         {"体：其余各卦与之论生克", "用生体：有利", "体生用：不利"}},
        {Language::TraditionalChinese,
         {"(金)", "+土+", "-水-"},
         {"體：其餘各卦與之論生克", "用生體：有利", "體生用：不利"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.language));
        const Vocabulary& words = Vocabulary::Of(c.language);
        const ElementMark marks[] = {body, feeds, drains};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(ElementMarkText(words, marks[i]), c.marks[i]);
            EXPECT_EQ(RelationSentence(words, marks[i]), c.sentences[i]);
        }
    }
    // Every relation has its own name in every language.
    for (Language language : kLanguages) {
        const Vocabulary& words = Vocabulary::Of(language);
        std::set<std::string_view> names;
        for (Relation r :
             {Relation::UseControlsBody, Relation::BodyFeedsUse, Relation::BodyControlsUse,
              Relation::UseFeedsBody, Relation::SameElement}) {
            names.insert(words.RelationName(r));
        }
        EXPECT_EQ(names.size(), 5U) << static_cast<int>(language);
    }
}

// A language that names hexagrams and trigrams puts the name after the number; English
// gives the number alone, as it always has.
TEST(ReadingWordsTest, NumbersWithTheirNames) {
    const Vocabulary& english = Vocabulary::Of(Language::English);
    const Vocabulary& simplified = Vocabulary::Of(Language::SimplifiedChinese);
    const Vocabulary& traditional = Vocabulary::Of(Language::TraditionalChinese);
    EXPECT_EQ(HexagramWords(english, 12), "12");
    EXPECT_EQ(HexagramWords(simplified, 48), "48 水风井");
    EXPECT_EQ(HexagramWords(traditional, 48), "48 水風井");
    EXPECT_EQ(TrigramWords(english, 1), "1");
    EXPECT_EQ(TrigramWords(simplified, 2), "2 兑");
    EXPECT_EQ(TrigramWords(traditional, 2), "2 兌");
}

// The lists hold every entry once, in order, and each period's entry names the hours that
// core gives the period.
TEST(ReadingWordsTest, ListEntriesInEveryLanguage) {
    const auto years = YearEntries();
    ASSERT_EQ(years.size(), 102U);
    EXPECT_EQ(years.front(), "1998");
    EXPECT_EQ(years.back(), "2099");
    const auto days = DayEntries();
    ASSERT_EQ(days.size(), 31U);
    EXPECT_EQ(days.front(), "1");
    EXPECT_EQ(days.back(), "31");

    const struct {
        Language language;
        const char* firstMonth;
        const char* lastMonth;
        const char* periods[3]; // 1, 8 and 12
    } cases[] = {
        {Language::English, "Jan", "Dec", {"11PM - 1AM", "1PM - 3-PM", "9PM - 11PM"}},
        {Language::SimplifiedChinese,
         "一月",
         "十二月",
         {"子时 (23–1)", "未时 (13–15)", "亥时 (21–23)"}},
        {Language::TraditionalChinese,
         "一月",
         "十二月",
         {"子時 (23–1)", "未時 (13–15)", "亥時 (21–23)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.language));
        const Vocabulary& words = Vocabulary::Of(c.language);
        const auto months = MonthEntries(words);
        ASSERT_EQ(months.size(), 12U);
        EXPECT_EQ(months.front(), c.firstMonth);
        EXPECT_EQ(months.back(), c.lastMonth);
        EXPECT_EQ(std::set<std::string>(months.begin(), months.end()).size(), 12U);
        const auto periods = PeriodEntries(words);
        ASSERT_EQ(periods.size(), 12U);
        EXPECT_EQ(periods[0], c.periods[0]);
        EXPECT_EQ(periods[7], c.periods[1]);
        EXPECT_EQ(periods[11], c.periods[2]);
        if (c.language != Language::English) {
            for (int p = 1; p <= kPeriodCount; ++p) {
                const std::string hours = "(" + std::to_string(PeriodStartHour(p)) + "–" +
                                          std::to_string(PeriodEndHour(p)) + ")";
                EXPECT_NE(periods[static_cast<std::size_t>(p - 1)].find(hours), std::string::npos)
                    << periods[static_cast<std::size_t>(p - 1)];
            }
        }
    }
}

TEST(ReadingWordsTest, ElementOutsideItsTableStopsADebugBuild) {
#ifdef NDEBUG
    GTEST_SKIP() << "the ranges are checked in debug builds";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(Vocabulary::Of(Language::English).ElementName(static_cast<Element>(5)),
                 "outside its table");
#endif
}

} // namespace
} // namespace zandrel
