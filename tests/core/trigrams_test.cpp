#include "core/reading.h"
#include "core/trigrams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace zandrel {
namespace {

// The figure of a hexagram as six bits, line 1 (the bottom) in bit 0, a broken line set.
int Figure(Trigram outer, Trigram inner) {
    int figure = 0;
    for (int k = 1; k <= 6; ++k) {
        figure |= (HexagramLine(outer, inner, k) == Line::Broken ? 1 : 0) << (k - 1);
    }
    return figure;
}

int UpsideDown(int figure) {
    int turned = 0;
    for (int k = 0; k < 6; ++k) {
        turned |= ((figure >> k) & 1) << (5 - k);
    }
    return turned;
}

TEST(HexagramTableTest, NumbersEveryFigureOnceInPairs) {
    std::map<int, int> figureOf; // by hexagram number
    std::set<int> figures;
    for (int outer = 1; outer <= 8; ++outer) {
        for (int inner = 1; inner <= 8; ++inner) {
            const int n = HexagramTable(outer, inner);
            EXPECT_TRUE(figureOf.emplace(n, Figure(outer, inner)).second) << "twice: " << n;
            figures.insert(Figure(outer, inner));
        }
    }
    ASSERT_EQ(figureOf.size(), 64U);
    EXPECT_EQ(figureOf.begin()->first, 1);
    EXPECT_EQ(figureOf.rbegin()->first, 64);
    EXPECT_EQ(figures.size(), 64U);
    // Hexagrams 2k - 1 and 2k are one figure turned upside down, or, where turning changes
    // nothing, one figure with every line changed.
    for (int k = 1; k <= 32; ++k) {
        const int first = figureOf[2 * k - 1];
        const int second = figureOf[2 * k];
        const int expected = UpsideDown(first) != first ? UpsideDown(first) : first ^ 0x3F;
        EXPECT_EQ(second, expected) << "hexagrams " << 2 * k - 1 << " and " << 2 * k;
    }
}

TEST(HexagramTableTest, KnownEntries) {
    EXPECT_EQ(HexagramTable(1, 1), 1);
    EXPECT_EQ(HexagramTable(8, 8), 2);
    EXPECT_EQ(HexagramTable(6, 3), 63);
    EXPECT_EQ(HexagramTable(3, 6), 64);
    EXPECT_EQ(HexagramTable(1, 5), 44);
}

TEST(HexagramLineTest, ReadsBitsFromBottomToTop) {
    // Trigram 5 (code 100) has a broken bottom line; trigram 2 (code 001) a broken top line.
    EXPECT_EQ(HexagramLine(1, 5, 1), Line::Broken);
    EXPECT_EQ(HexagramLine(1, 5, 2), Line::Solid);
    EXPECT_EQ(HexagramLine(2, 1, 6), Line::Broken);
    EXPECT_EQ(HexagramLine(2, 1, 4), Line::Solid);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(HexagramLine(1, 1, k), Line::Solid);
        EXPECT_EQ(HexagramLine(8, 8, k), Line::Broken);
    }
}

TEST(ElementTest, TrigramElements) {
    const Element expected[8] = {Element::Metal, Element::Metal, Element::Fire,  Element::Wood,
                                 Element::Wood,  Element::Water, Element::Earth, Element::Earth};
    for (int t = 1; t <= 8; ++t) {
        EXPECT_EQ(ElementOfTrigram(t), expected[t - 1]) << "trigram " << t;
    }
}

TEST(ElementTest, RelationFollowsTheCycleRule) {
    // Position on the cycle Wood, Fire, Earth, Metal, Water of each element number.
    const int cyclePosition[kElementCount] = {3, 0, 4, 1, 2};
    const int gradeOfSteps[kElementCount] = {3, -1, 1, -2, 2};
    for (int x = 0; x < kElementCount; ++x) {
        std::multiset<int> row;
        for (int y = 0; y < kElementCount; ++y) {
            const int d = (cyclePosition[y] - cyclePosition[x] + kElementCount) % kElementCount;
            const int r = ElementRelation(static_cast<Element>(x), static_cast<Element>(y));
            EXPECT_EQ(r, gradeOfSteps[d]) << x << "," << y;
            row.insert(r);
        }
        EXPECT_EQ(row, (std::multiset<int>{-2, -1, 1, 2, 3}));
    }
}

// The classical relations, from the two cycles as the texts teach them: each element gives
// rise to the next of Wood, Fire, Earth, Metal, Water, and overcomes the one after that.
TEST(ElementTest, RelationsAreTheClassicalOnes) {
    using E = Element;
    const std::pair<E, E> feeds[] = {{E::Wood, E::Fire},
                                     {E::Fire, E::Earth},
                                     {E::Earth, E::Metal},
                                     {E::Metal, E::Water},
                                     {E::Water, E::Wood}};
    const std::pair<E, E> overcomes[] = {{E::Wood, E::Earth},
                                         {E::Earth, E::Water},
                                         {E::Water, E::Fire},
                                         {E::Fire, E::Metal},
                                         {E::Metal, E::Wood}};
    const auto in = [](const auto& pairs, E a, E b) {
        return std::find(std::begin(pairs), std::end(pairs), std::pair(a, b)) != std::end(pairs);
    };
    for (int x = 0; x < kElementCount; ++x) {
        for (int y = 0; y < kElementCount; ++y) {
            const auto body = static_cast<E>(x);
            const auto judged = static_cast<E>(y);
            Relation expected = Relation::SameElement;
            if (in(feeds, judged, body)) {
                expected = Relation::UseFeedsBody;
            } else if (in(feeds, body, judged)) {
                expected = Relation::BodyFeedsUse;
            } else if (in(overcomes, body, judged)) {
                expected = Relation::BodyControlsUse;
            } else if (in(overcomes, judged, body)) {
                expected = Relation::UseControlsBody;
            }
            EXPECT_EQ(RelationToBody(body, judged), expected) << x << "," << y;
            // The favourable relations are those the relation table grades above 0.
            EXPECT_EQ(IsFavourable(RelationToBody(body, judged)),
                      ElementRelation(body, judged) > 0);
        }
    }
}

// A value outside a table's range stops a debug build before anything is read past the table.
TEST(RangeTest, ValuesOutsideTheTablesStopADebugBuild) {
#ifdef NDEBUG
    GTEST_SKIP() << "the ranges are checked in debug builds";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(HexagramTable(0, 1), "outside its table");
    EXPECT_DEATH(HexagramTable(1, 9), "outside its table");
    EXPECT_DEATH(HexagramLine(1, 1, 7), "outside its table");
    EXPECT_DEATH(ElementOfTrigram(9), "outside its table");
    EXPECT_DEATH(ComputeReading(1, 1, 0), "outside its table");
    EXPECT_DEATH(ComputeReading(1, 1, 7), "outside its table");
    EXPECT_DEATH(ComputeReading(9, 1, 1), "outside its table");
    EXPECT_DEATH(ComputeReading(1, 1, 1).Mark(static_cast<Position>(6)), "outside its table");
#endif
}

} // namespace
} // namespace zandrel
