#pragma once

#include <cstdint>

namespace zandrel {

// A trigram is a number 1..8. Its code (number - 1) holds the bottom line in bit 2, the
// middle line in bit 1 and the top line in bit 0; a set bit is a broken line.
using Trigram = int;
// A hexagram is a number 1..64, the numbering of the hexagram texts.
using Hexagram = int;

enum class Element : std::uint8_t { Metal, Wood, Water, Fire, Earth };
inline constexpr int kElementCount = 5;

enum class Line : std::uint8_t { Solid, Broken };

constexpr int TrigramCode(Trigram t) {
    return t - 1;
}
constexpr Trigram TrigramOfCode(int code) {
    return code + 1;
}

// The hexagram of an outer (upper) trigram over an inner (lower) one, both 1..8.
Hexagram HexagramTable(Trigram outer, Trigram inner);

// Line k (1 = bottom .. 6 = top) of the hexagram of outer over inner.
Line HexagramLine(Trigram outer, Trigram inner, int k);

// The nuclear trigrams of the hexagram of outer over inner: lines 3, 4, 5 above lines 2, 3, 4.
struct NuclearPair {
    Trigram upper = 0;
    Trigram lower = 0;
};
NuclearPair NuclearTrigrams(Trigram outer, Trigram inner);

Element ElementOfTrigram(Trigram t);

// How the element judged (column) stands to the body's element (row): 3, 2, 1, -1 or -2.
// Only the sign is shown to the user.
int ElementRelation(Element body, Element judged);

// The five classical relations of an element to the body's element, named as if the element
// judged were the use. Each has the grade ElementRelation gives it, so the favourable ones
// are those above 0.
enum class Relation : std::int8_t {
    UseControlsBody = -2, // the judged element overcomes the body's
    BodyFeedsUse = -1,    // the body's element gives rise to the judged one and is drained
    BodyControlsUse = 1,  // the body's element overcomes the judged one
    UseFeedsBody = 2,     // the judged element gives rise to the body's
    SameElement = 3,
};

Relation RelationToBody(Element body, Element judged);

constexpr bool IsFavourable(Relation relation) {
    return static_cast<int>(relation) > 0;
}

} // namespace zandrel
