#include "core/reading_details.h"

#include "core/range.h"

#include <array>

namespace zandrel {
namespace {

// The three lines of a trigram's code in the other order (bottom and top swapped).
int ReversedCode(int code) {
    return ((code & 1) << 2) | (code & 2) | ((code >> 2) & 1);
}

} // namespace

Element BranchElement(int branch) {
    constexpr std::array<Element, 12> kElements = {
        Element::Water, Element::Earth, Element::Wood,  Element::Wood,
        Element::Earth, Element::Fire,  Element::Fire,  Element::Earth,
        Element::Metal, Element::Metal, Element::Earth, Element::Water,
    };
    return kElements[RangeIndex(branch, 1, 12)];
}

Element SeasonElement(int monthBranch, bool inEarthDays, EarthRule rule) {
    if (rule == EarthRule::EarthMonths) {
        return BranchElement(monthBranch);
    }
    if (inEarthDays) {
        return Element::Earth;
    }
    // Each season's three months: 寅 卯 辰 spring .. 亥 子 丑 winter.
    constexpr std::array<Element, 12> kSeasons = {
        Element::Water, Element::Water, Element::Wood,  Element::Wood,
        Element::Wood,  Element::Fire,  Element::Fire,  Element::Fire,
        Element::Metal, Element::Metal, Element::Metal, Element::Water,
    };
    return kSeasons[RangeIndex(monthBranch, 1, 12)];
}

Strength StrengthIn(Element element, Element season) {
    // The relation of the element to the season's element, as core/trigrams judges one element
    // against another.
    switch (RelationToBody(season, element)) {
    case Relation::SameElement:
        return Strength::Prosperous;
    case Relation::BodyFeedsUse:
        return Strength::Strong;
    case Relation::UseFeedsBody:
        return Strength::Resting;
    case Relation::UseControlsBody:
        return Strength::Confined;
    case Relation::BodyControlsUse:
        return Strength::Dead;
    }
    return Strength::Dead;
}

std::vector<Position> StagePositions(const Reading& reading, Stage stage) {
    switch (stage) {
    case Stage::Original:
        return {reading.bodyIsOuter ? Position::Inner : Position::Outer};
    case Stage::Nuclear:
        return {Position::NuclearUpper, Position::NuclearLower};
    case Stage::Final:
        return {reading.bodyIsOuter ? Position::FinalInner : Position::FinalOuter};
    }
    return {};
}

Trigram OuterTrigram(Hexagram h) {
    RangeIndex(h, 1, 64);
    for (Trigram outer = 1; outer <= 8; ++outer) {
        for (Trigram inner = 1; inner <= 8; ++inner) {
            if (HexagramTable(outer, inner) == h) {
                return outer;
            }
        }
    }
    return 0;
}

Trigram InnerTrigram(Hexagram h) {
    const Trigram outer = OuterTrigram(h);
    for (Trigram inner = 1; inner <= 8; ++inner) {
        if (HexagramTable(outer, inner) == h) {
            return inner;
        }
    }
    return 0;
}

Hexagram NuclearHexagram(Hexagram h) {
    const NuclearPair pair = NuclearTrigrams(OuterTrigram(h), InnerTrigram(h));
    return HexagramTable(pair.upper, pair.lower);
}

Hexagram OppositeHexagram(Hexagram h) {
    return HexagramTable(TrigramOfCode(TrigramCode(OuterTrigram(h)) ^ 7),
                         TrigramOfCode(TrigramCode(InnerTrigram(h)) ^ 7));
}

Hexagram ReversedHexagram(Hexagram h) {
    // Upside down, the inner trigram's lines become the outer's in the other order.
    return HexagramTable(TrigramOfCode(ReversedCode(TrigramCode(InnerTrigram(h)))),
                         TrigramOfCode(ReversedCode(TrigramCode(OuterTrigram(h)))));
}

TimingHints TimingHintsOf(const Reading& reading) {
    TimingHints hints;
    hints.bodyNumber = reading.body;
    hints.useNumber = reading.use;
    for (int e = 0; e < kElementCount; ++e) {
        const auto element = static_cast<Element>(e);
        if (RelationToBody(reading.bodyElement, element) == Relation::UseFeedsBody) {
            hints.feedsBody = element;
        }
    }
    for (int branch = 1; branch <= 12; ++branch) {
        if (BranchElement(branch) == hints.feedsBody) {
            hints.feedingBranches.push_back(branch);
        }
    }
    return hints;
}

} // namespace zandrel
