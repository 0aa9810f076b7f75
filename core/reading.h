#pragma once

#include "core/range.h"
#include "core/trigrams.h"

#include <array>

namespace zandrel {

// The six trigram positions whose element is shown, in display order.
enum class Position : std::uint8_t {
    Outer,
    Inner,
    NuclearUpper,
    NuclearLower,
    FinalOuter,
    FinalInner
};
inline constexpr int kPositionCount = 6;

// The element of one trigram position and how it stands to the body's element.
struct ElementMark {
    Element element = Element::Metal;
    // The body's own position in the original hexagram, which is not judged against itself.
    bool isBody = false;
    Relation relation = Relation::SameElement;

    bool Favourable() const { return IsFavourable(relation); }
    friend bool operator==(const ElementMark&, const ElementMark&) = default;
};

// Everything one cast derives from its outer trigram, inner trigram and change line.
struct Reading {
    Trigram outer = 0;
    Trigram inner = 0;
    int changeLine = 0; // 1 = bottom line .. 6 = top line
    Hexagram original = 0;
    bool bodyIsOuter = false; // the change line lies in the inner trigram
    Trigram body = 0;
    Trigram use = 0;
    Trigram nuclearUpper = 0; // lines 3, 4, 5
    Trigram nuclearLower = 0; // lines 2, 3, 4
    Trigram finalOuter = 0;
    Trigram finalInner = 0;
    Hexagram final = 0;
    Element bodyElement = Element::Metal;
    std::array<ElementMark, kPositionCount> marks;

    Trigram TrigramAt(Position p) const;
    // Outer or Inner: where the body stands in the original hexagram.
    Position BodyPosition() const { return bodyIsOuter ? Position::Outer : Position::Inner; }
    const ElementMark& Mark(Position p) const {
        return marks[RangeIndex(static_cast<int>(p), 0, kPositionCount - 1)];
    }
};

// outer and inner 1..8, changeLine 1..6.
Reading ComputeReading(Trigram outer, Trigram inner, int changeLine);

} // namespace zandrel
