#include "core/reading.h"

#include "core/range.h"

namespace zandrel {

Trigram Reading::TrigramAt(Position p) const {
    switch (p) {
    case Position::Outer:
        return outer;
    case Position::Inner:
        return inner;
    case Position::NuclearUpper:
        return nuclearUpper;
    case Position::NuclearLower:
        return nuclearLower;
    case Position::FinalOuter:
        return finalOuter;
    case Position::FinalInner:
        return finalInner;
    }
    return 0;
}

Reading ComputeReading(Trigram outer, Trigram inner, int changeLine) {
    RangeIndex(changeLine, 1, 6); // the trigrams are checked by the tables below
    Reading r;
    r.outer = outer;
    r.inner = inner;
    r.changeLine = changeLine;
    r.original = HexagramTable(outer, inner);

    r.bodyIsOuter = changeLine <= 3;
    r.body = r.bodyIsOuter ? outer : inner;
    r.use = r.bodyIsOuter ? inner : outer;

    const NuclearPair nuclear = NuclearTrigrams(outer, inner);
    r.nuclearUpper = nuclear.upper;
    r.nuclearLower = nuclear.lower;
    const int oc = TrigramCode(outer);
    const int ic = TrigramCode(inner);

    // Only the use trigram changes: the change line is flipped in the trigram that holds it.
    if (changeLine >= 4) {
        r.finalOuter = TrigramOfCode(oc ^ (1 << (6 - changeLine)));
        r.finalInner = inner;
    } else {
        r.finalOuter = outer;
        r.finalInner = TrigramOfCode(ic ^ (1 << (3 - changeLine)));
    }
    r.final = HexagramTable(r.finalOuter, r.finalInner);
    r.bodyElement = ElementOfTrigram(r.body);

    // Every position is judged against the body, the body's copy in the final hexagram too;
    // only the body's own position is marked as the body instead.
    for (int i = 0; i < kPositionCount; ++i) {
        const auto p = static_cast<Position>(i);
        const Element e = ElementOfTrigram(r.TrigramAt(p));
        r.marks[static_cast<std::size_t>(i)] =
            ElementMark{e, p == r.BodyPosition(), RelationToBody(r.bodyElement, e)};
    }
    return r;
}

} // namespace zandrel
