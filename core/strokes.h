#pragma once

#include <optional>

namespace zandrel {

// The stroke counts of a Chinese character in the two conventions practitioners use:
// `modern` as the character is written (Unihan's kTotalStrokes, the mainland count where
// Taiwan's differs), and `kangxi` with its radical counted in full form as the Kangxi
// dictionary does (氵 as 水: 江 7), a simplified character counted as its traditional form
// (语 as 語: 14).
struct StrokeCounts {
    int modern;
    int kangxi;
};

// Every CJK ideograph of Unihan has counts; anything else has none.
std::optional<StrokeCounts> StrokesOf(char32_t c);

// A character's two parts as a cast by a single character's parts takes them: its radical and
// the rest, by each count (明: 日 4 and 月 4; 江: 氵 3 and 工 3, in the Kangxi count 水 4 and
// 3). None for a character that is its own radical or is not in the table.
struct StrokeParts {
    int radical;
    int rest;
};
std::optional<StrokeParts> ModernPartsOf(char32_t c);
std::optional<StrokeParts> KangxiPartsOf(char32_t c);

// 一 to 十 as 1 to 10, for the convention that counts the numerals by their value instead
// of their strokes; none for any other character.
std::optional<int> NumeralValue(char32_t c);

} // namespace zandrel
