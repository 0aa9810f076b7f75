// Casting from counts: every rule over hand-computed cases, the classical examples of casting
// by characters, the split of characters into halves, and the later-heaven directions.

#include "core/count_cast.h"

#include <gtest/gtest.h>

#include <vector>

namespace zandrel {
namespace {

struct CountCase {
    CountMethod method;
    const char* rule;
    int size; // what the rule is chosen for: numbers, characters, or trigrams and line
    std::vector<std::int64_t> inputs;
    int hour;
    CastValues expected;
};

TEST(CountCastTest, EveryRuleGivesTheHandComputedValues) {
    using M = CountMethod;
    const CountCase cases[] = {
        // One number: 27 at the hour 午 (7). 27 % 8 = 3; 27 + 7 = 34, 34 % 8 = 2, 34 % 6 = 4.
        {M::Numbers, "inner-from-hour", 1, {27}, 7, {3, 7, 4}},
        {M::Numbers, "inner-from-sum", 1, {27}, 7, {3, 2, 4}},
        // Remainders of 0 count as 8 and 6: 16 % 8 = 0, 16 + 8 = 24.
        {M::Numbers, "inner-from-hour", 1, {16}, 8, {8, 8, 6}},
        // Two numbers: 27 + 15 = 42, 42 % 6 = 0; with the hour 子 (1), 43 % 6 = 1.
        {M::Numbers, "line-without-hour", 2, {27, 15}, 7, {3, 7, 6}},
        {M::Numbers, "line-with-hour", 2, {27, 15}, 1, {3, 7, 1}},
        // Three numbers: 13 % 6 = 1; 5 + 9 + 13 = 27, 27 % 6 = 3.
        {M::Numbers, "line-from-third", 3, {5, 9, 13}, 7, {5, 1, 1}},
        {M::Numbers, "line-from-sum", 3, {5, 9, 13}, 7, {5, 1, 3}},
        // The largest numbers: 999999999 % 8 = 7, 2999999997 % 6 = 3, past 32 bits.
        {M::Numbers, "line-from-sum", 3, {999999999, 999999999, 999999999}, 12, {7, 7, 3}},
        // One character by its strokes: 9 at 子, 9 + 1 = 10, 10 % 6 = 4.
        {M::Characters, "strokes-and-hour", 1, {9}, 1, {1, 1, 4}},
        // Trigrams: 离 over 坎 at 午, 3 + 6 + 7 = 16, 16 % 6 = 4; 坤 over 坤 at 未, 24 % 6 = 0.
        {M::Trigrams, "line-from-hour", 2, {3, 6}, 7, {3, 6, 4}},
        {M::Trigrams, "line-from-hour", 2, {8, 8}, 8, {8, 8, 6}},
        {M::Trigrams, "line-given", 3, {3, 6, 2}, 7, {3, 6, 2}},
    };
    for (const CountCase& c : cases) {
        const CountRule* rule = FindRule(c.method, c.rule, c.size);
        ASSERT_NE(rule, nullptr) << c.rule;
        EXPECT_EQ(CountCast(*rule, c.inputs, c.hour).Values(), c.expected) << c.rule;
    }
}

TEST(CountCastTest, StepsShowTheTermsTheSumAndTheRemainder) {
    const CountArithmetic a =
        CountCast(*FindRule(CountMethod::Numbers, "inner-from-hour", 1), {{16}}, 8);
    EXPECT_EQ(a.outer.terms, std::vector<std::int64_t>{16});
    EXPECT_FALSE(a.outer.hasHour);
    EXPECT_EQ(a.inner.terms, std::vector<std::int64_t>{8});
    EXPECT_TRUE(a.inner.hasHour);
    EXPECT_EQ(a.line.terms, (std::vector<std::int64_t>{16, 8}));
    EXPECT_EQ(a.line.sum, 24);
    EXPECT_EQ(a.line.divisor, 6);
    EXPECT_EQ(a.line.remainder, 0);
    EXPECT_EQ(a.line.value, 6);
    EXPECT_EQ(a.outer.divisor, 8);
    EXPECT_EQ(a.outer.remainder, 0);
    EXPECT_EQ(a.outer.value, 8);
}

// The worked examples of casting by characters as the manuals of the method give them: 逃 by
// its parts 辶 3 and 兆 6 gives 未济 moving in the third line; 今日 (4, 4) gives 震 over 震
// moving in the second; 天地人 gives 天 4 over 地 6 + 人 2 = 8, the line 12 % 6 = 0, the sixth.
TEST(CountCastTest, CharactersFollowTheClassicalExamples) {
    const struct {
        int characters;
        std::vector<std::int64_t> strokes;
        std::array<std::int64_t, 2> parts;
        const char* rule;
        CastValues expected;
    } cases[] = {
        {1, {9}, {3, 6}, "parts", {3, 6, 3}},
        {2, {4, 4}, {}, "halves", {4, 4, 2}},
        {3, {4, 6, 2}, {}, "halves", {4, 8, 6}},
        // Eleven or more by count: 5 over 6, the line 11; twelve, 6 over 6.
        {11, std::vector<std::int64_t>(11, 20), {}, "count", {5, 6, 5}},
        {12, std::vector<std::int64_t>(12, 20), {}, "count", {6, 6, 6}},
    };
    for (const auto& c : cases) {
        const CountRule* rule = DefaultRule(CountMethod::Characters, c.characters);
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(rule->key, c.rule);
        const std::vector<std::int64_t> inputs = CharacterInputs(*rule, c.strokes, c.parts);
        EXPECT_EQ(CountCast(*rule, inputs, 7).Values(), c.expected) << c.rule << c.characters;
    }
}

TEST(CountCastTest, OddCharactersPutTheSmallerHalfAbove) {
    const CountRule& halves = *DefaultRule(CountMethod::Characters, 5);
    EXPECT_EQ(CharacterInputs(halves, std::vector<std::int64_t>{1, 2, 3, 4, 5}, {}),
              (std::vector<std::int64_t>{3, 12}));
    EXPECT_EQ(CharacterInputs(halves, std::vector<std::int64_t>{1, 2, 3, 4}, {}),
              (std::vector<std::int64_t>{3, 7}));
}

// Each method and size offers its default first, exactly one of them; sizes no rule takes
// offer none, and a rule is not found for a size it does not take.
TEST(CountCastTest, RulesAreOfferedByMethodAndSize) {
    const struct {
        CountMethod method;
        int size;
        std::size_t rules;
    } cases[] = {
        {CountMethod::Numbers, 0, 0},     {CountMethod::Numbers, 1, 2},
        {CountMethod::Numbers, 2, 2},     {CountMethod::Numbers, 3, 2},
        {CountMethod::Numbers, 4, 0},     {CountMethod::Characters, 0, 0},
        {CountMethod::Characters, 1, 2},  {CountMethod::Characters, 10, 1},
        {CountMethod::Characters, 11, 1}, {CountMethod::Characters, 500, 1},
        {CountMethod::Trigrams, 1, 0},    {CountMethod::Trigrams, 2, 1},
        {CountMethod::Trigrams, 3, 1},
    };
    for (const auto& c : cases) {
        const std::vector<const CountRule*> rules = RulesFor(c.method, c.size);
        EXPECT_EQ(rules.size(), c.rules) << c.size;
        if (!rules.empty()) {
            EXPECT_TRUE(rules.front()->isDefault);
            EXPECT_EQ(std::count_if(rules.begin(), rules.end(),
                                    [](const CountRule* r) { return r->isDefault; }),
                      1);
        }
    }
    EXPECT_EQ(FindRule(CountMethod::Numbers, "line-with-hour", 1), nullptr);
    EXPECT_EQ(FindRule(CountMethod::Numbers, "halves", 2), nullptr);
}

TEST(CountCastTest, LaterHeavenDirections) {
    // 离 south, 坤 southwest, 兑 west, 乾 northwest, 坎 north, 艮 northeast, 震 east, 巽 southeast.
    const Trigram expected[kDirectionCount] = {3, 8, 2, 1, 6, 7, 4, 5};
    for (int d = 0; d < kDirectionCount; ++d) {
        EXPECT_EQ(LaterHeavenTrigram(static_cast<Direction>(d)), expected[d]) << d;
    }
}

} // namespace
} // namespace zandrel
