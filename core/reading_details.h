#pragma once

#include "core/reading.h"
#include "core/trigrams.h"

#include <cstdint>
#include <span>
#include <vector>

// What a practitioner reads beyond the body, the use and their elements: how strong each element
// is in the season of the cast, how use stands to body at each stage, the hexagrams related to
// the original one, and the conditions of timing the classical text gives.

namespace zandrel {

// The season's strength of an element (旺 相 休 囚 死): ruling the season, fed by it, resting
// after feeding it, confined by overcoming it in vain, and dead, overcome by it.
enum class Strength : std::uint8_t { Prosperous, Strong, Resting, Confined, Dead };
inline constexpr int kStrengthCount = 5;

// When earth rules the season: in the months 辰 戌 丑 未 (the most common reading), or in the 18
// days before each season's start (土旺用事), the rest of those months then belonging to the
// season they end.
enum class EarthRule : std::uint8_t { EarthMonths, EarthDays };

// The element of a branch 1..12: 寅 卯 wood, 巳 午 fire, 申 酉 metal, 亥 子 water, 辰 戌 丑 未
// earth.
Element BranchElement(int branch);
// The element that rules the month of branch 1..12; `inEarthDays` tells whether the moment lies
// in the 18 days before a season's start, which counts under EarthRule::EarthDays only.
Element SeasonElement(int monthBranch, bool inEarthDays, EarthRule rule);
// How strong `element` is in a season ruled by `season`.
Strength StrengthIn(Element element, Element season);

// The three stages of body and use: the original hexagram (the use trigram), the nuclear pair
// (both nuclear trigrams) and the final hexagram (the trigram the use changed into; the body's
// does not change). Each is judged by the marks of core/reading.
enum class Stage : std::uint8_t { Original, Nuclear, Final };
inline constexpr int kStageCount = 3;
// The positions whose marks make up a stage of `reading`, in display order.
std::vector<Position> StagePositions(const Reading& reading, Stage stage);

// The hexagrams related to hexagram h (1..64): the nuclear hexagram (互卦: the upper nuclear
// trigram over the lower), the opposite (错卦: every line changed) and the reversed (综卦: the
// lines upside down).
Hexagram NuclearHexagram(Hexagram h);
Hexagram OppositeHexagram(Hexagram h);
Hexagram ReversedHexagram(Hexagram h);
// The outer and inner trigrams of hexagram h.
Trigram OuterTrigram(Hexagram h);
Trigram InnerTrigram(Hexagram h);

// The conditions of timing (应期) the classical text names: the Earlier Heaven numbers of the
// body and the use (乾 1 兑 2 离 3 震 4 巽 5 坎 6 艮 7 坤 8, which are the trigram numbers here),
// the element that feeds the body and the branches of the months and days it rules. Conditions
// only: no date follows from them by rule.
struct TimingHints {
    int bodyNumber = 0;
    int useNumber = 0;
    Element feedsBody = Element::Earth;
    std::vector<int> feedingBranches; // 1..12, in order
};
TimingHints TimingHintsOf(const Reading& reading);

} // namespace zandrel
