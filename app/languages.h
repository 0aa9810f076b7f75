#pragma once

#include "text/language.h"

#include <QStringList>

#include <array>
#include <optional>
#include <span>
#include <string_view>

// The languages the program speaks, and how one is chosen: from a name on the command line or
// from the desktop's languages, as Qt programs choose.

namespace zandrel {

// What the program knows of a language it speaks. Adding a language is a row of this table
// (with its enumerator in text/language.h), its folder of names in res/ and its .ts file.
struct LanguageRow {
    Language language;
    // "zh_CN": the name of its translation file, and its name on the command line.
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

// A language as a locale or the command line names it ("en", "en_GB", "zh_CN", "zh-TW",
// "zh_Hant_HK", "zh_TW.UTF-8"); none when the program does not speak it.
std::optional<Language> LanguageNamed(std::string_view name);

// The first of `uiLanguages` that the program speaks, English when it speaks none of them.
Language LanguageOfLocales(const QStringList& uiLanguages);
// The same for the desktop's languages (QLocale::uiLanguages of the system locale, which
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG set).
Language DesktopLanguage();

} // namespace zandrel
