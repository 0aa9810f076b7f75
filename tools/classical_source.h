#pragma once

#include <array>
#include <string>

// The Chinese names and classical texts of one script as res/languages/ holds them: a folder
// with names.txt and hexagram01.txt to hexagram64.txt. Read by the tool that compiles them into
// the program and by the test that checks the program's table against them.

namespace zandrel {

// Title, judgement, lines 1..6 and the extra statement after line 6 (empty but for
// hexagrams 1 and 2), in the order of a hexagram file.
using HexagramFileTexts = std::array<std::string, 9>;

struct ClassicalScriptSource {
    std::array<HexagramFileTexts, 64> texts; // by hexagram number - 1
    std::array<std::string, 8> trigramNames; // by trigram number - 1
    std::array<std::string, 8> trigramImages;
    std::array<std::string, 5> elementNames; // in the order of core's Element
    std::array<std::string, 64> shortNames;
    std::array<std::string, 64> fullNames;
    std::array<std::string, 2> lineWords;     // solid, broken
    std::array<std::string, 6> positionWords; // lines 1..6
    std::string extraWord;
    std::array<std::string, 5> termNames;     // body, use, nuclear, original, final
    std::array<std::string, 5> relationNames; // same, use feeds body, body controls use,
                                              // body feeds use, use controls body
};

// Reads one script's folder. Every name must be given exactly once and every hexagram file
// must hold its eight lines (nine for hexagrams 1 and 2), each a non-empty UTF-8 text ended by
// CR LF. On failure returns false with a message naming the file and the line.
bool ReadClassicalScript(const std::string& folder, ClassicalScriptSource* source,
                         std::string* error);

// The C++ source of the program's table, text/classical_tables.h's kClassicalTables, from the
// simplified and the traditional script.
std::string ClassicalTablesSource(const ClassicalScriptSource& simplified,
                                  const ClassicalScriptSource& traditional);

} // namespace zandrel
