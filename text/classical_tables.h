#pragma once

#include <array>
#include <string_view>

// The Chinese names and classical texts compiled in from res/languages/ at build time (see
// tools/make_classical_tables.cpp). Read through text/chinese_names.h.

namespace zandrel {

struct ClassicalTable {
    // Title, judgement, lines 1..6 and the extra statement ("" but for hexagrams 1 and 2).
    std::array<std::array<std::string_view, 9>, 64> texts;
    std::array<std::string_view, 8> trigramNames;
    std::array<std::string_view, 8> trigramImages;
    std::array<std::string_view, 5> elementNames;
    std::array<std::string_view, 64> shortNames;
    std::array<std::string_view, 64> fullNames;
    std::array<std::string_view, 2> lineWords;     // solid, broken
    std::array<std::string_view, 6> positionWords; // lines 1..6
    std::string_view extraWord;
    std::array<std::string_view, 5> termNames;
    std::array<std::string_view, 5> relationNames;
};

// [0] the simplified script, [1] the traditional one.
extern const ClassicalTable kClassicalTables[2];

} // namespace zandrel
