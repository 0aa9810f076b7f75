#pragma once

#include <array>
#include <cstddef>

// What one folder of res/languages/ says, declared once for the program's compiled table and for
// the generator that reads the folders into it. Standard library only, so that the generator
// includes it without linking anything of text/.

namespace zandrel {

// The fields of correspondences.txt, in the order of its kinds (tools/language_source.h's
// CorrespondenceKeys()): nature, quality, family, body, animal, earlier-direction,
// later-direction, colour, season, earlier-number, later-number, objects.
inline constexpr std::size_t kCorrespondenceFields = 12;

// Title, judgement, lines 1..6 and the extra statement (empty but for hexagrams 1 and 2) of one
// hexagram, in the order of a hexagram file.
template <class Text> using HexagramTexts = std::array<Text, 9>;

// correspondences.txt: the label of each field, and its text for each trigram (by trigram
// number - 1).
template <class Text> struct CorrespondenceRecord {
    std::array<Text, kCorrespondenceFields> labels;
    std::array<std::array<Text, 8>, kCorrespondenceFields> values;
};

// One folder, its words held as `Text`. `Texts` holds the classical texts of the 64 hexagrams (by
// hexagram number - 1), and is empty where the language has none. Each kind of names.txt has its
// own member, empty where the folder does not give the kind.
template <class Text, class Texts> struct LanguageRecord {
    Text code; // the folder's name, a code of text/language.h's table
    Texts texts;
    // correspondences.txt, which every language gives.
    CorrespondenceRecord<Text> correspondences;
    std::array<Text, 8> trigramNames; // by trigram number - 1
    std::array<Text, 8> trigramImages;
    std::array<Text, 5> elementNames; // in the order of core's Element
    std::array<Text, 64> shortNames;  // by hexagram number - 1
    std::array<Text, 64> fullNames;
    std::array<Text, 2> lineWords;     // solid, broken
    std::array<Text, 6> positionWords; // lines 1..6
    Text extraWord;
    // body, use, nuclear, original, final, opposite, reversed
    std::array<Text, 7> termNames;
    // Both in the order same, use feeds body, body controls use, body feeds use, use controls
    // body.
    std::array<Text, 5> relationNames;
    std::array<Text, 5> relationPhrases;
    std::array<Text, 10> stemNames;
    std::array<Text, 12> branchNames;
    std::array<Text, 10> numerals; // 1..10
    // year, month, first month, leap, hour, day prefix, twenty: text/names.h's LunarWord.
    std::array<Text, 7> lunarWords;
    std::array<Text, 24> solarTermNames; // 立春 .. 大寒
    // prosperous, strong, resting, confined, dead: core's Strength.
    std::array<Text, 5> strengthNames;
};

} // namespace zandrel
