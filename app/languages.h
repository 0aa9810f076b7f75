#pragma once

#include "text/language.h"

#include <QStringList>

#include <optional>
#include <string_view>

// How the language is chosen: from a name on the command line or from the desktop's languages,
// as Qt programs choose. The languages themselves are text/language.h's table.

namespace zandrel {

// A language as a locale or the command line names it ("en", "en_GB", "zh_CN", "zh-TW",
// "zh_Hant_HK", "zh_TW.UTF-8"); none when the program does not speak it.
std::optional<Language> LanguageNamed(std::string_view name);

// The first of `uiLanguages` that the program speaks, English when it speaks none of them.
Language LanguageOfLocales(const QStringList& uiLanguages);
// The same for the desktop's languages (QLocale::uiLanguages of the system locale, which
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG set).
Language DesktopLanguage();

} // namespace zandrel
