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

// 一 to 十 as 1 to 10, for the convention that counts the numerals by their value instead
// of their strokes; none for any other character.
std::optional<int> NumeralValue(char32_t c);

} // namespace zandrel
