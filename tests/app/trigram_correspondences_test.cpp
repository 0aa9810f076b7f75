// The correspondences of the eight trigrams: every field of every trigram in every language,
// the well-known ones right, and the fields consistent with each other and across languages.
#include "app/trigram_correspondences.h"
#include "text/names.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace zandrel {
namespace {

using Member = Correspondence TrigramCorrespondences::*;

constexpr Language kEnglish = Language::English;
constexpr Language kSimplified = Language::SimplifiedChinese;
constexpr Language kTraditional = Language::TraditionalChinese;

// The things a value lists: 1 + its separators (", " in English, 、 in Chinese).
std::size_t ItemCount(std::string_view value) {
    std::size_t count = 1;
    for (const std::string_view separator : {", ", "、"}) {
        for (std::size_t at = value.find(separator); at != std::string_view::npos;
             at = value.find(separator, at + 1)) {
            ++count;
        }
    }
    return count;
}

TEST(TrigramCorrespondencesTest, EveryTrigramHasEveryFieldInEveryLanguage) {
    for (const LanguageRow& row : LanguageTable()) {
        SCOPED_TRACE(row.code);
        std::set<std::string_view> labels;
        for (Trigram t = 1; t <= 8; ++t) {
            SCOPED_TRACE(testing::Message() << "trigram " << t);
            const auto fields = CorrespondencesOf(row.language, t).Fields();
            for (std::size_t f = 0; f < fields.size(); ++f) {
                EXPECT_NE(fields[f].label, "") << "field " << f;
                EXPECT_NE(fields[f].value, "") << "field " << f;
                labels.insert(fields[f].label);
            }
        }
        EXPECT_EQ(labels.size(), TrigramCorrespondences::kFieldCount) << "a label given twice";
        // A number that is no trigram has nothing, but its fields are still named.
        for (const Trigram t : {0, 9, -1}) {
            for (const Correspondence& field : CorrespondencesOf(row.language, t).Fields()) {
                EXPECT_NE(field.label, "");
                EXPECT_EQ(field.value, "") << "trigram " << t;
            }
        }
    }
}

TEST(TrigramCorrespondencesTest, WellKnownCorrespondencesAndTheirLabels) {
    using T = TrigramCorrespondences;
    const struct {
        Language language;
        Trigram trigram;
        Member member;
        std::string label;
        std::string value;
    } cases[] = {
        {kEnglish, 1, &T::nature, "Nature", "heaven"},
        {kEnglish, 1, &T::family, "Family member", "father"},
        {kEnglish, 1, &T::bodyPart, "Body part", "head"},
        {kEnglish, 1, &T::animal, "Animal", "horse"},
        {kEnglish, 1, &T::laterDirection, "Later Heaven direction", "northwest"},
        {kEnglish, 1, &T::earlierDirection, "Earlier Heaven direction", "south"},
        {kEnglish, 1, &T::earlierNumber, "Earlier Heaven number", "1"},
        {kEnglish, 1, &T::laterNumber, "Later Heaven number", "6"},
        {kEnglish, 1, &T::colour, "Colour", "deep red"},
        {kEnglish, 8, &T::nature, "Nature", "earth"},
        {kEnglish, 8, &T::family, "Family member", "mother"},
        {kEnglish, 8, &T::bodyPart, "Body part", "belly"},
        {kEnglish, 8, &T::animal, "Animal", "ox"},
        {kEnglish, 8, &T::laterDirection, "Later Heaven direction", "southwest"},
        {kEnglish, 8, &T::earlierDirection, "Earlier Heaven direction", "north"},
        {kEnglish, 4, &T::family, "Family member", "eldest son"},
        {kEnglish, 4, &T::animal, "Animal", "dragon"},
        {kEnglish, 4, &T::season, "Season", "spring"},
        {kEnglish, 6, &T::bodyPart, "Body part", "ear"},
        {kEnglish, 6, &T::colour, "Colour", "black"},
        {kEnglish, 2, &T::quality, "Quality", "joyful"},
        {kSimplified, 1, &T::nature, "自然", "天"},
        {kSimplified, 1, &T::family, "家人", "父"},
        {kSimplified, 1, &T::bodyPart, "身体", "首"},
        {kSimplified, 1, &T::animal, "动物", "马"},
        {kSimplified, 1, &T::laterDirection, "后天方位", "西北"},
        {kSimplified, 1, &T::earlierDirection, "先天方位", "南"},
        {kSimplified, 8, &T::bodyPart, "身体", "腹"},
        {kSimplified, 8, &T::animal, "动物", "牛"},
        {kSimplified, 5, &T::family, "家人", "长女"},
        {kSimplified, 5, &T::animal, "动物", "鸡"},
        {kSimplified, 3, &T::laterNumber, "后天数", "9"},
        {kTraditional, 1, &T::animal, "動物", "馬"},
        {kTraditional, 8, &T::nature, "自然", "地"},
        {kTraditional, 8, &T::family, "家人", "母"},
        {kTraditional, 8, &T::laterDirection, "後天方位", "西南"},
        {kTraditional, 4, &T::family, "家人", "長男"},
        {kTraditional, 4, &T::animal, "動物", "龍"},
        {kTraditional, 4, &T::laterDirection, "後天方位", "東"},
        {kTraditional, 7, &T::bodyPart, "身體", "手"},
        {kTraditional, 7, &T::earlierDirection, "先天方位", "西北"},
        {kTraditional, 2, &T::quality, "卦德", "悅"},
        {kTraditional, 6, &T::earlierNumber, "先天數", "6"},
    };
    for (const auto& c : cases) {
        const Correspondence field = CorrespondencesOf(c.language, c.trigram).*c.member;
        EXPECT_EQ(field.label, c.label) << LanguageCode(c.language) << " trigram " << c.trigram;
        EXPECT_EQ(field.value, c.value) << LanguageCode(c.language) << " trigram " << c.trigram;
    }
}

// The Luoshu number of each trigram's Later Heaven place, by trigram number.
constexpr int kLuoshu[] = {6, 7, 9, 3, 4, 1, 8, 2};

TEST(TrigramCorrespondencesTest, NumbersAreTheEarlierHeavenOrderAndTheLuoshuSquare) {
    for (const LanguageRow& row : LanguageTable()) {
        for (Trigram t = 1; t <= 8; ++t) {
            const TrigramCorrespondences c = CorrespondencesOf(row.language, t);
            EXPECT_EQ(c.earlierNumber.value, std::to_string(t)) << row.code << " trigram " << t;
            EXPECT_EQ(c.laterNumber.value, std::to_string(kLuoshu[t - 1]))
                << row.code << " trigram " << t;
        }
    }
}

TEST(TrigramCorrespondencesTest, EachArrangementPlacesTheTrigramsRoundTheCompass) {
    const std::map<std::string_view, std::string_view> opposite = {
        {"north", "south"},         {"south", "north"},         {"east", "west"},
        {"west", "east"},           {"northeast", "southwest"}, {"southwest", "northeast"},
        {"northwest", "southeast"}, {"southeast", "northwest"}};
    // The simplified script's points; the traditional script is held to it by the conversion
    // table (tests/text/language_data_test.cpp).
    const std::map<std::string_view, std::string_view> english = {
        {"北", "north"},       {"南", "south"},       {"东", "east"},        {"西", "west"},
        {"东北", "northeast"}, {"西南", "southwest"}, {"西北", "northwest"}, {"东南", "southeast"}};
    std::set<std::string_view> earlier, later;
    for (Trigram t = 1; t <= 8; ++t) {
        SCOPED_TRACE(testing::Message() << "trigram " << t);
        const TrigramCorrespondences c = CorrespondencesOf(kEnglish, t);
        const TrigramCorrespondences chinese = CorrespondencesOf(kSimplified, t);
        ASSERT_TRUE(english.contains(chinese.earlierDirection.value));
        ASSERT_TRUE(english.contains(chinese.laterDirection.value));
        EXPECT_EQ(english.at(chinese.earlierDirection.value), c.earlierDirection.value);
        EXPECT_EQ(english.at(chinese.laterDirection.value), c.laterDirection.value);
        earlier.insert(c.earlierDirection.value);
        later.insert(c.laterDirection.value);
        ASSERT_TRUE(opposite.contains(c.earlierDirection.value));
        ASSERT_TRUE(opposite.contains(c.laterDirection.value));
        // In the Earlier Heaven arrangement each trigram faces its opposite (乾 坤, 兑 艮, 离
        // 坎, 震 巽: the trigram numbered 9 - t); in the Later Heaven one the Luoshu numbers of
        // facing places add up to 10.
        EXPECT_EQ(opposite.at(c.earlierDirection.value),
                  CorrespondencesOf(kEnglish, 9 - t).earlierDirection.value);
        for (Trigram u = 1; u <= 8; ++u) {
            EXPECT_EQ(opposite.at(c.laterDirection.value) ==
                          CorrespondencesOf(kEnglish, u).laterDirection.value,
                      kLuoshu[t - 1] + kLuoshu[u - 1] == 10)
                << "trigram " << u;
        }
    }
    EXPECT_EQ(earlier.size(), 8U);
    EXPECT_EQ(later.size(), 8U);
}

TEST(TrigramCorrespondencesTest, LanguagesAgreeWithEachOtherAndWithTheNames) {
    for (Trigram t = 1; t <= 8; ++t) {
        SCOPED_TRACE(testing::Message() << "trigram " << t);
        const auto english = CorrespondencesOf(kEnglish, t).Fields();
        for (const Language chinese : {kSimplified, kTraditional}) {
            const TrigramCorrespondences c = CorrespondencesOf(chinese, t);
            // The image is the one the trigram's names give it (天 of 乾为天).
            EXPECT_EQ(c.nature.value, TrigramImage(chinese, t));
            // Every language lists as many things in a field as English does.
            const auto fields = c.Fields();
            for (std::size_t f = 0; f < fields.size(); ++f) {
                EXPECT_EQ(ItemCount(fields[f].value), ItemCount(english[f].value))
                    << fields[f].value << " / " << english[f].value;
            }
        }
    }
}

} // namespace
} // namespace zandrel
