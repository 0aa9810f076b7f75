#pragma once

#include "core/casting.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// Casting from counts: numbers that come to the caster, the strokes of written characters,
// trigrams picked for what was seen. Every such cast ends in the same arithmetic: the outer
// trigram, the inner trigram and the change line are each the sum of some of the inputs and
// perhaps the hour's branch number (子 1 .. 亥 12), divided by 8 or 6, a remainder of 0 counting
// as 8 or 6. Which sum makes which value is the rule, and the rules of every method are rows of
// one table, each named by a stable key.

namespace zandrel {

// The largest input a count cast takes: nine decimal digits.
inline constexpr std::int64_t kMaxCastNumber = 999'999'999;

// The ways of casting from counts.
enum class CountMethod : std::uint8_t { Numbers, Characters, Trigrams };

// What a sum may hold: the first, second and third input and the hour's branch number.
enum Term : std::uint8_t {
    kFirst = 1U << 0,
    kSecond = 1U << 1,
    kThird = 1U << 2,
    kHour = 1U << 3,
};

// How a cast by characters turns the characters into inputs: a single character by its two
// parts or by its strokes; two to ten by the strokes of their halves; more by the numbers of
// characters in their halves. Other methods take their inputs as given.
enum class Split : std::uint8_t { None, Parts, Whole, StrokeHalves, CountHalves };

// One rule: what it applies to and which terms make each of the three values. It applies to
// `firstSize`..`lastSize` of what the method counts: numbers, characters, or the trigrams and
// the line given.
struct CountRule {
    CountMethod method;
    std::string_view key; // stable: the JSON's "rule", the command line's --rule
    int firstSize;
    int lastSize;
    std::uint8_t outer;
    std::uint8_t inner;
    std::uint8_t line;
    bool isDefault; // the one most casters use, among the rules of its method and size
    Split split = Split::None;
};

// Every rule, the default first among those of one method and size.
std::span<const CountRule> CountRules();
// The rules of `method` for `size` numbers, characters or trigrams and line; the default first.
std::vector<const CountRule*> RulesFor(CountMethod method, int size);
const CountRule* DefaultRule(CountMethod method, int size);
// The rule of `method` named `key` that applies to `size`; none when there is no such rule.
const CountRule* FindRule(CountMethod method, std::string_view key, int size);
// How many inputs the rule adds up: the highest of first, second and third it uses.
int InputCount(const CountRule& rule);

// One value worked out: the terms added, their sum, the divisor (8 or 6) and the remainder,
// and the value it gives (the remainder, or the divisor for a remainder of 0).
struct CountStep {
    std::vector<std::int64_t> terms;
    bool hasHour = false; // the last term is the hour's branch number
    std::int64_t sum = 0;
    int divisor = 8;
    int remainder = 0;
    int value = 8;
};

struct CountArithmetic {
    CountStep outer;
    CountStep inner;
    CountStep line;

    CastValues Values() const { return {outer.value, inner.value, line.value}; }
};

// The arithmetic of `rule` for `inputs` (InputCount of them, each 0..kMaxCastNumber) at the
// hour of branch `hourBranch` (1..12).
CountArithmetic CountCast(const CountRule& rule, std::span<const std::int64_t> inputs,
                          int hourBranch);

// A cast by characters: of one character, its two parts (left and right, or top and bottom)
// make the outer and the inner trigram, or its strokes and the hour; of two to ten, the first
// half of the characters (the smaller half when their number is odd) and the rest, by their
// strokes; of eleven or more, the numbers of characters in those halves.
inline constexpr int kMostCharactersByStrokes = 10;
constexpr int OuterHalf(int characters) {
    return characters / 2;
}
// The inputs of the split `rule` for the stroke counts of the characters counted, in order;
// `parts` are the parts of a single character, for the rule that counts them.
std::vector<std::int64_t> CharacterInputs(const CountRule& rule,
                                          std::span<const std::int64_t> strokes,
                                          std::array<std::int64_t, 2> parts);

// The trigram of the later-heaven arrangement at each compass direction, clockwise from the
// south: 离 south, 坤 southwest, 兑 west, 乾 northwest, 坎 north, 艮 northeast, 震 east,
// 巽 southeast.
enum class Direction : std::uint8_t {
    South,
    Southwest,
    West,
    Northwest,
    North,
    Northeast,
    East,
    Southeast
};
inline constexpr int kDirectionCount = 8;
Trigram LaterHeavenTrigram(Direction direction);

} // namespace zandrel
