#pragma once

#include "text/language_record.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The names and classical texts of one language as res/languages/ holds them: a folder named by
// the language's code with names.txt, correspondences.txt and, where the language has classical
// texts, hexagram01.txt to hexagram64.txt. Read by the tool that compiles them into the program and
// by the tests that check the program's table against them.

namespace zandrel {

// One hexagram file's texts, as read.
using HexagramFileTexts = HexagramTexts<std::string>;

// "nature", "quality", "family", "body", "animal", "earlier-direction", "later-direction",
// "colour", "season", "earlier-number", "later-number", "objects": each a kind of
// correspondences.txt, and the key of its label.
std::array<std::string_view, kCorrespondenceFields> CorrespondenceKeys();

// One folder as read: the same record as the program's table holds, its classical texts absent
// where the folder has no hexagram files.
using LanguageSource =
    LanguageRecord<std::string, std::optional<std::array<HexagramFileTexts, 64>>>;

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
