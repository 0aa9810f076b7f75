#pragma once

#include "text/language_record.h"

#include <array>
#include <span>
#include <string_view>

// The names and classical texts of every language folder of res/languages/, compiled in at
// build time (see tools/make_language_tables.cpp). Read through text/names.h, the trigrams'
// correspondences through app/trigram_correspondences.h.

namespace zandrel {

using ClassicalTextTable = std::array<HexagramTexts<std::string_view>, 64>;
using CorrespondenceTable = CorrespondenceRecord<std::string_view>;

// One folder as compiled in: its classical texts null where the language has none.
using LanguageData = LanguageRecord<std::string_view, const ClassicalTextTable*>;

// Every folder, in the order of their names.
std::span<const LanguageData> LanguageDataTable();

} // namespace zandrel
