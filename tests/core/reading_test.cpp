#include "core/reading.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

namespace zandrel {
namespace {

// A mark as the reading display writes it, "(Metal)", "+Wood+" or "-Fire-", read back as the
// meaning it stands for, so that the worked examples can be given as they are shown.
ElementMark MarkOf(const std::string& shown, Element bodyElement) {
    static const std::map<std::string, Element> kNames = {{"Metal", Element::Metal},
                                                          {"Wood", Element::Wood},
                                                          {"Water", Element::Water},
                                                          {"Fire", Element::Fire},
                                                          {"Earth", Element::Earth}};
    const Element element = kNames.at(shown.substr(1, shown.size() - 2));
    return {element, shown.front() == '(', RelationToBody(bodyElement, element)};
}

struct ReadingCase {
    int outer, inner, changeLine;
    int original, body, use;
    bool bodyIsOuter;
    int nuclearUpper, nuclearLower, finalOuter, finalInner, final;
    std::array<const char*, kPositionCount> marks;
};

const ReadingCase kReadings[] = {
    {1,
     1,
     1,
     1,
     1,
     1,
     true,
     1,
     1,
     1,
     5,
     44,
     {"(Metal)", "+Metal+", "+Metal+", "+Metal+", "+Metal+", "+Wood+"}},
    {1,
     3,
     1,
     13,
     1,
     3,
     true,
     1,
     5,
     1,
     7,
     33,
     {"(Metal)", "-Fire-", "+Metal+", "+Wood+", "+Metal+", "+Earth+"}},
    {1,
     3,
     4,
     13,
     3,
     1,
     false,
     1,
     5,
     5,
     3,
     37,
     {"+Metal+", "(Fire)", "+Metal+", "+Wood+", "+Wood+", "+Fire+"}},
    {4,
     2,
     6,
     54,
     2,
     4,
     false,
     6,
     3,
     3,
     2,
     38,
     {"+Wood+", "(Metal)", "-Water-", "-Fire-", "-Fire-", "+Metal+"}},
    {6,
     3,
     2,
     63,
     6,
     3,
     true,
     3,
     6,
     6,
     1,
     5,
     {"(Water)", "+Fire+", "+Fire+", "+Water+", "+Water+", "+Metal+"}},
    {8,
     8,
     6,
     2,
     8,
     8,
     false,
     8,
     8,
     7,
     8,
     23,
     {"+Earth+", "(Earth)", "+Earth+", "+Earth+", "+Earth+", "+Earth+"}},
    // Outer 1 over inner 8, with the change line in the outer and in the inner trigram.
    {1,
     8,
     5,
     12,
     8,
     1,
     false,
     5,
     7,
     3,
     8,
     35,
     {"-Metal-", "(Earth)", "-Wood-", "+Earth+", "+Fire+", "+Earth+"}},
    {1,
     8,
     2,
     12,
     1,
     8,
     true,
     5,
     7,
     1,
     6,
     6,
     {"(Metal)", "+Earth+", "+Wood+", "+Earth+", "+Metal+", "-Water-"}},
};

TEST(ComputeReadingTest, DerivesEveryValue) {
    for (const ReadingCase& c : kReadings) {
        SCOPED_TRACE(testing::Message() << c.outer << "," << c.inner << "," << c.changeLine);
        const Reading r = ComputeReading(c.outer, c.inner, c.changeLine);
        EXPECT_EQ(r.original, c.original);
        EXPECT_EQ(r.body, c.body);
        EXPECT_EQ(r.use, c.use);
        EXPECT_EQ(r.bodyIsOuter, c.bodyIsOuter);
        EXPECT_EQ(r.nuclearUpper, c.nuclearUpper);
        EXPECT_EQ(r.nuclearLower, c.nuclearLower);
        EXPECT_EQ(r.finalOuter, c.finalOuter);
        EXPECT_EQ(r.finalInner, c.finalInner);
        EXPECT_EQ(r.final, c.final);
        for (int p = 0; p < kPositionCount; ++p) {
            const std::string shown = c.marks[static_cast<std::size_t>(p)];
            const ElementMark& mark = r.Mark(static_cast<Position>(p));
            EXPECT_EQ(mark, MarkOf(shown, r.bodyElement)) << "position " << p;
            if (!mark.isBody) {
                EXPECT_EQ(mark.Favourable(), shown.front() == '+') << "position " << p;
            }
        }
    }
}

TEST(ComputeReadingTest, BodySwitchesBetweenLinesThreeAndFour) {
    EXPECT_TRUE(ComputeReading(2, 7, 3).bodyIsOuter);
    EXPECT_EQ(ComputeReading(2, 7, 3).body, 2);
    EXPECT_FALSE(ComputeReading(2, 7, 4).bodyIsOuter);
    EXPECT_EQ(ComputeReading(2, 7, 4).body, 7);
}

// Flips line k of the hexagram of outer over inner, as the change of a reading does.
std::pair<int, int> FlipLine(int outer, int inner, int k) {
    if (k >= 4) {
        return {((outer - 1) ^ (1 << (6 - k))) + 1, inner};
    }
    return {outer, ((inner - 1) ^ (1 << (3 - k))) + 1};
}

TEST(ComputeReadingTest, InvariantsOverAllInputs) {
    for (int outer = 1; outer <= 8; ++outer) {
        for (int inner = 1; inner <= 8; ++inner) {
            for (int line = 1; line <= 6; ++line) {
                SCOPED_TRACE(testing::Message() << outer << "," << inner << "," << line);
                const Reading r = ComputeReading(outer, inner, line);
                EXPECT_NE(r.final, r.original);

                const auto [backOuter, backInner] = FlipLine(r.finalOuter, r.finalInner, line);
                EXPECT_EQ(HexagramTable(backOuter, backInner), r.original);

                for (int k = 1; k <= 6; ++k) {
                    const bool same = HexagramLine(outer, inner, k) ==
                                      HexagramLine(r.finalOuter, r.finalInner, k);
                    EXPECT_EQ(same, k != line) << "line " << k;
                }

                const Position bodyFinal =
                    r.bodyIsOuter ? Position::FinalOuter : Position::FinalInner;
                EXPECT_EQ(r.TrigramAt(bodyFinal), r.body);
                EXPECT_FALSE(r.Mark(bodyFinal).isBody);
                EXPECT_EQ(r.Mark(bodyFinal).relation, Relation::SameElement);

                // The nuclear trigrams are lines 2..4 and 3..5 read bottom up.
                for (int k = 0; k < 3; ++k) {
                    EXPECT_EQ(HexagramLine(r.nuclearLower, r.nuclearLower, 1 + k),
                              HexagramLine(outer, inner, 2 + k));
                    EXPECT_EQ(HexagramLine(r.nuclearUpper, r.nuclearUpper, 1 + k),
                              HexagramLine(outer, inner, 3 + k));
                }

                const Position bodyOwn = r.bodyIsOuter ? Position::Outer : Position::Inner;
                for (int p = 0; p < kPositionCount; ++p) {
                    const auto pos = static_cast<Position>(p);
                    const ElementMark& mark = r.Mark(pos);
                    EXPECT_EQ(mark.element, ElementOfTrigram(r.TrigramAt(pos)));
                    EXPECT_EQ(mark.isBody, pos == bodyOwn);
                    EXPECT_EQ(mark.relation, RelationToBody(r.bodyElement, mark.element));
                }
            }
        }
    }
}

} // namespace
} // namespace zandrel
