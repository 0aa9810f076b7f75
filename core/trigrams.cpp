#include "core/trigrams.h"

#include "core/range.h"

#include <array>

namespace zandrel {
namespace {

// Row-major: outer trigram is the row, inner trigram the column.
constexpr std::array<std::uint8_t, 64> kHexagramTable = {
    1,  10, 13, 25, 44, 6,  33, 12, //
    43, 58, 49, 17, 28, 47, 31, 45, //
    14, 38, 30, 21, 50, 64, 56, 35, //
    34, 54, 55, 51, 32, 40, 62, 16, //
    9,  61, 37, 42, 57, 59, 53, 20, //
    5,  60, 63, 3,  48, 29, 39, 8,  //
    26, 41, 22, 27, 18, 4,  52, 23, //
    11, 19, 36, 24, 46, 7,  15, 2,
};

constexpr std::array<Element, 8> kTrigramElements = {
    Element::Metal, Element::Metal, Element::Fire,  Element::Wood,
    Element::Wood,  Element::Water, Element::Earth, Element::Earth,
};

constexpr std::array<std::array<std::int8_t, kElementCount>, kElementCount> kRelations = {{
    {3, 1, -1, -2, 2},
    {-2, 3, 2, -1, 1},
    {2, -1, 3, 1, -2},
    {1, 2, -2, 3, -1},
    {-1, -2, 1, 2, 3},
}};

} // namespace

Hexagram HexagramTable(Trigram outer, Trigram inner) {
    return kHexagramTable[RangeIndex(outer, 1, 8) * 8 + RangeIndex(inner, 1, 8)];
}

Line HexagramLine(Trigram outer, Trigram inner, int k) {
    RangeIndex(outer, 1, 8);
    RangeIndex(inner, 1, 8);
    RangeIndex(k, 1, 6);
    const int bit = k <= 3 ? (TrigramCode(inner) >> (3 - k)) : (TrigramCode(outer) >> (6 - k));
    return (bit & 1) != 0 ? Line::Broken : Line::Solid;
}

NuclearPair NuclearTrigrams(Trigram outer, Trigram inner) {
    RangeIndex(outer, 1, 8);
    RangeIndex(inner, 1, 8);
    const int oc = TrigramCode(outer);
    const int ic = TrigramCode(inner);
    return {TrigramOfCode(((oc >> 1) + 4 * (ic & 1)) & 7), TrigramOfCode(((oc >> 2) + 2 * ic) & 7)};
}

Element ElementOfTrigram(Trigram t) {
    return kTrigramElements[RangeIndex(t, 1, 8)];
}

int ElementRelation(Element body, Element judged) {
    return kRelations[RangeIndex(static_cast<int>(body), 0, kElementCount - 1)]
                     [RangeIndex(static_cast<int>(judged), 0, kElementCount - 1)];
}

Relation RelationToBody(Element body, Element judged) {
    return static_cast<Relation>(ElementRelation(body, judged));
}

} // namespace zandrel
