#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The names and classical texts of one language as res/languages/ holds them: a folder named by
// the language's code with names.txt, correspondences.txt and, where the language has classical
// texts, hexagram01.txt to hexagram64.txt. Read by the tool that compiles them into the program and
// by the tests that check the program's table against them.

namespace zandrel {

// Title, judgement, lines 1..6 and the extra statement after line 6 (empty but for
// hexagrams 1 and 2), in the order of a hexagram file.
using HexagramFileTexts = std::array<std::string, 9>;

// The fields of correspondences.txt, in the order of CorrespondenceKeys().
inline constexpr std::size_t kCorrespondenceFields = 12;
// "nature", "quality", "family", "body", "animal", "earlier-direction", "later-direction",
// "colour", "season", "earlier-number", "later-number", "objects": each a kind of the file,
// and the key of its label.
std::array<std::string_view, kCorrespondenceFields> CorrespondenceKeys();

// Each kind of names.txt has its own member; a kind the folder does not give stays empty.
struct LanguageSource {
    std::string code; // the folder's name
    bool hasTexts = false;
    std::array<HexagramFileTexts, 64> texts; // by hexagram number - 1
    // correspondences.txt, which every language gives: each field's label, and its text for
    // each trigram (by trigram number - 1).
    std::array<std::string, kCorrespondenceFields> correspondenceLabels;
    std::array<std::array<std::string, 8>, kCorrespondenceFields> correspondences;
    std::array<std::string, 8> trigramNames; // by trigram number - 1
    std::array<std::string, 8> trigramImages;
    std::array<std::string, 5> elementNames; // in the order of core's Element
    std::array<std::string, 64> shortNames;
    std::array<std::string, 64> fullNames;
    std::array<std::string, 2> lineWords;     // solid, broken
    std::array<std::string, 6> positionWords; // lines 1..6
    std::string extraWord;
    // body, use, nuclear, original, final, opposite, reversed
    std::array<std::string, 7> termNames;
    // Both in the order same, use feeds body, body controls use, body feeds use, use controls
    // body.
    std::array<std::string, 5> relationNames;
    std::array<std::string, 5> relationPhrases;
    std::array<std::string, 10> stemNames;
    std::array<std::string, 12> branchNames;
    std::array<std::string, 10> numerals; // 1..10
    // year, month, first month, leap, hour, day prefix, twenty: text/names.h's LunarWord.
    std::array<std::string, 7> lunarWords;
    std::array<std::string, 24> solarTermNames; // 立春 .. 大寒
    // prosperous, strong, resting, confined, dead: core's Strength.
    std::array<std::string, 5> strengthNames;
};

// Reads one language's folder. Every key of a kind that names.txt gives must be given exactly
// once; element, term, relation, stem, branch, solar-term and strength must be given, and
// correspondences.txt must give every field for every trigram and its label in the same way; a
// folder with hexagram files must hold all 64 and the line words that head their statements,
// each file its eight lines (nine for hexagrams 1 and 2), each a non-empty UTF-8 text ended by
// CR LF. On failure returns false with a message naming the file and, where there is one, the
// line.
bool ReadLanguage(const std::string& folder, LanguageSource* source, std::string* error);

// The C++ source of the program's table, text/language_tables.h's LanguageDataTable().
std::string LanguageTablesSource(const std::vector<LanguageSource>& languages);

} // namespace zandrel
