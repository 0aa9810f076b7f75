#pragma once

#include <array>
#include <span>
#include <string_view>

// The names and classical texts of every language folder of res/languages/, compiled in at
// build time (see tools/make_language_tables.cpp). Read through text/names.h, the trigrams'
// correspondences through app/trigram_correspondences.h.

namespace zandrel {

// Title, judgement, lines 1..6 and the extra statement ("" but for hexagrams 1 and 2) of each
// hexagram.
using ClassicalTextTable = std::array<std::array<std::string_view, 9>, 64>;

// correspondences.txt: the label of each field and its text for each trigram (by trigram number
// - 1), the fields in the order of the file's kinds (tools/language_source.h's
// CorrespondenceKeys()): nature, quality, family, body, animal, earlier-direction,
// later-direction, colour, season, earlier-number, later-number, objects.
struct CorrespondenceTable {
    std::array<std::string_view, 12> labels;
    std::array<std::array<std::string_view, 8>, 12> values;
};

// One folder. Each kind of its names.txt has its own member, empty where the folder does not
// give the kind.
struct LanguageData {
    std::string_view code;           // the folder's name, a code of text/language.h's table
    const ClassicalTextTable* texts; // null where the language has no classical texts
    CorrespondenceTable correspondences;
    std::array<std::string_view, 8> trigramNames;
    std::array<std::string_view, 8> trigramImages;
    std::array<std::string_view, 5> elementNames;
    std::array<std::string_view, 64> shortNames;
    std::array<std::string_view, 64> fullNames;
    std::array<std::string_view, 2> lineWords;     // solid, broken
    std::array<std::string_view, 6> positionWords; // lines 1..6
    std::string_view extraWord;
    std::array<std::string_view, 7> termNames;
    std::array<std::string_view, 5> relationNames;
    std::array<std::string_view, 5> relationPhrases;
    std::array<std::string_view, 10> stemNames;
    std::array<std::string_view, 12> branchNames;
    std::array<std::string_view, 10> numerals;
    std::array<std::string_view, 7> lunarWords;
    std::array<std::string_view, 24> solarTermNames;
    std::array<std::string_view, 5> strengthNames;
};

// Every folder, in the order of their names.
std::span<const LanguageData> LanguageDataTable();

} // namespace zandrel
