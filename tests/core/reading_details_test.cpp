#include "core/reading_details.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace zandrel {
namespace {

// Each element's strength in the month of each branch, as the classical table gives it with
// earth ruling 辰 戌 丑 未: P 旺, S 相, R 休, C 囚, D 死, for metal, wood, water, fire, earth.
TEST(StrengthTest, EveryElementInEveryMonth) {
    const std::array<const char*, 12> kTable = {
        "RSPDC", // 子 water
        "SCDRP", // 丑 earth
        "CPRSD", // 寅 wood
        "CPRSD", // 卯 wood
        "SCDRP", // 辰 earth
        "DRCPS", // 巳 fire
        "DRCPS", // 午 fire
        "SCDRP", // 未 earth
        "PDSCR", // 申 metal
        "PDSCR", // 酉 metal
        "SCDRP", // 戌 earth
        "RSPDC", // 亥 water
    };
    const std::string kLetters = "PSRCD"; // in the order of Strength
    for (int branch = 1; branch <= 12; ++branch) {
        for (int e = 0; e < kElementCount; ++e) {
            const auto element = static_cast<Element>(e);
            const Element season = SeasonElement(branch, false, EarthRule::EarthMonths);
            EXPECT_EQ(kLetters[static_cast<std::size_t>(StrengthIn(element, season))],
                      kTable[static_cast<std::size_t>(branch - 1)][e])
                << "branch " << branch << ", element " << e;
            // Under the earth months the 18 days change nothing.
            EXPECT_EQ(SeasonElement(branch, true, EarthRule::EarthMonths), season);
        }
    }
}

// With earth ruling the 18 days before each season's start, 辰 戌 丑 未 belong to the season
// they end, and earth rules only those days, in whichever month they fall.
TEST(StrengthTest, EarthDays) {
    const std::array<Element, 12> kSeasons = {
        Element::Water, Element::Water, Element::Wood,  Element::Wood,
        Element::Wood,  Element::Fire,  Element::Fire,  Element::Fire,
        Element::Metal, Element::Metal, Element::Metal, Element::Water,
    };
    for (int branch = 1; branch <= 12; ++branch) {
        EXPECT_EQ(SeasonElement(branch, false, EarthRule::EarthDays), kSeasons[branch - 1])
            << branch;
        EXPECT_EQ(SeasonElement(branch, true, EarthRule::EarthDays), Element::Earth) << branch;
    }
}

// All 64 hexagrams: the nuclear (互), the opposite (错) and the reversed (综), as the classical
// tables list them.
TEST(RelatedHexagramsTest, AllSixtyFour) {
    const int kNuclear[64] = {1,  2,  23, 24, 38, 37, 24, 23, 38, 37, 54, 53, 44, 43, 40, 39,
                              53, 54, 24, 23, 39, 40, 2,  2,  53, 54, 2,  1,  27, 28, 44, 43,
                              44, 43, 39, 40, 64, 63, 64, 63, 24, 23, 1,  1,  53, 54, 37, 38,
                              44, 43, 39, 40, 64, 63, 28, 28, 38, 37, 27, 27, 27, 28, 64, 63};
    const int kOpposite[64] = {2,  1,  50, 49, 35, 36, 13, 14, 16, 15, 12, 11, 7,  8,  10, 9,
                               18, 17, 33, 34, 48, 47, 43, 44, 46, 45, 28, 27, 30, 29, 41, 42,
                               19, 20, 5,  6,  40, 39, 38, 37, 31, 32, 23, 24, 26, 25, 22, 21,
                               4,  3,  57, 58, 54, 53, 59, 60, 51, 52, 55, 56, 62, 61, 64, 63};
    const int kReversed[64] = {1,  2,  4,  3,  6,  5,  8,  7,  10, 9,  12, 11, 14, 13, 16, 15,
                               18, 17, 20, 19, 22, 21, 24, 23, 26, 25, 27, 28, 29, 30, 32, 31,
                               34, 33, 36, 35, 38, 37, 40, 39, 42, 41, 44, 43, 46, 45, 48, 47,
                               50, 49, 52, 51, 54, 53, 56, 55, 58, 57, 60, 59, 61, 62, 64, 63};
    for (Hexagram h = 1; h <= 64; ++h) {
        EXPECT_EQ(NuclearHexagram(h), kNuclear[h - 1]) << h;
        EXPECT_EQ(OppositeHexagram(h), kOpposite[h - 1]) << h;
        EXPECT_EQ(ReversedHexagram(h), kReversed[h - 1]) << h;
        EXPECT_EQ(HexagramTable(OuterTrigram(h), InnerTrigram(h)), h);
    }
}

// The stages judge the use, then both nuclear trigrams, then the trigram the use became.
TEST(StagesTest, PositionsOfEachStage) {
    // 天风姤 (乾 over 巽), line 2: the body is 乾 above; 巽 becomes 艮.
    const Reading low = ComputeReading(1, 5, 2);
    EXPECT_EQ(StagePositions(low, Stage::Original), std::vector<Position>{Position::Inner});
    EXPECT_EQ(StagePositions(low, Stage::Nuclear),
              (std::vector<Position>{Position::NuclearUpper, Position::NuclearLower}));
    EXPECT_EQ(StagePositions(low, Stage::Final), std::vector<Position>{Position::FinalInner});
    EXPECT_EQ(low.Mark(Position::FinalInner).relation, Relation::UseFeedsBody); // 艮 earth
    // Line 5: the body is 巽 below; 乾 becomes 离.
    const Reading high = ComputeReading(1, 5, 5);
    EXPECT_EQ(StagePositions(high, Stage::Original), std::vector<Position>{Position::Outer});
    EXPECT_EQ(StagePositions(high, Stage::Final), std::vector<Position>{Position::FinalOuter});
    EXPECT_EQ(high.Mark(Position::FinalOuter).relation, Relation::BodyFeedsUse); // 离 fire
}

// The element that feeds the body and the branches it rules, for a body of each element.
TEST(TimingHintsTest, FeedingElementAndItsBranches) {
    struct Case {
        Trigram outer, inner;
        int line;
        int body, use;
        Element feeds;
        std::vector<int> branches;
    };
    const Case cases[] = {
        {1, 8, 1, 1, 8, Element::Earth, {2, 5, 8, 11}}, // 乾 metal: earth, 丑 辰 未 戌
        {4, 6, 5, 6, 4, Element::Metal, {9, 10}},       // 坎 water: metal, 申 酉
        {3, 5, 2, 3, 5, Element::Wood, {3, 4}},         // 离 fire: wood, 寅 卯
        {5, 7, 6, 7, 5, Element::Fire, {6, 7}},         // 艮 earth: fire, 巳 午
        {4, 2, 3, 4, 2, Element::Water, {1, 12}},       // 震 wood: water, 子 亥
    };
    for (const Case& c : cases) {
        const TimingHints hints = TimingHintsOf(ComputeReading(c.outer, c.inner, c.line));
        EXPECT_EQ(hints.bodyNumber, c.body);
        EXPECT_EQ(hints.useNumber, c.use);
        EXPECT_EQ(hints.feedsBody, c.feeds);
        EXPECT_EQ(hints.feedingBranches, c.branches);
    }
}

} // namespace
} // namespace zandrel
