#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The languages the program speaks, and what it knows of each.

namespace zandrel {

// The language the texts of a reading and of the browser are composed in. English is the
// default; a language whose folder of res/languages/ has classical texts takes its default
// texts and headings from them.
enum class Language : std::uint8_t {
    English,
    SimplifiedChinese,  // zh_CN
    TraditionalChinese, // zh_TW
};

// What the program knows of a language it speaks. Adding a language is its enumerator above, a
// row of this table, its folder of names in res/languages/ and its .ts file.
struct LanguageRow {
    Language language;
    // "zh_CN": the name of its folder in res/languages/ and of its translation file, and its
    // name on the command line.
    std::string_view code;
    // The locale language it answers to ("zh"), and what chooses it among the rows of the same
    // locale language: a script named in the locale ("hans"), else a region ("tw"); a row that
    // neither chooses is the first row of its locale language.
    std::string_view primary;
    std::string_view script;
    std::array<std::string_view, 3> regions;
    // The language whose words write a lunar date in Chinese characters for this one: itself
    // where it is Chinese, else the script such dates are shown in beside its own words.
    Language chineseDates;
    // The face drawn after the dialog font's own, for the characters it lacks, in this
    // language's glyph forms; empty when the dialog font has every character.
    std::string_view fontFamily;
};

// Every language, English first.
std::span<const LanguageRow> LanguageTable();
const LanguageRow& RowOf(Language language);

// "en", "zh_CN" or "zh_TW".
std::string_view LanguageCode(Language language);

} // namespace zandrel
