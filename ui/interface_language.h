#pragma once

#include "text/language.h"

#include <QLocale>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QCoreApplication;
class QTranslator;

// The language the interface speaks: English, or Chinese in simplified or traditional script,
// chosen from the desktop's languages as Qt programs do, or named on the command line.

namespace zandrel {

// A language as a locale or the command line names it ("en", "en_GB", "zh_CN", "zh-TW",
// "zh_Hant_HK", "zh_TW.UTF-8"); none when it is neither English nor Chinese. A script named
// in it decides; otherwise Taiwan, Hong Kong and Macao write traditional characters and the
// others simplified.
std::optional<Language> LanguageNamed(std::string_view name);

// What the command line says of a language it does not know.
std::string UnknownLanguageText(std::string_view name);

// The first of `uiLanguages` that the program speaks, English when it speaks none of them.
Language LanguageOfLocales(const QStringList& uiLanguages);
// The same for the desktop's languages (QLocale::uiLanguages of the system locale, which
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG set).
Language DesktopLanguage();

// The language whose words the interface shows: English unless a LanguageSession is in force.
Language InterfaceLanguage();

// "en", "zh_CN" or "zh_TW": the name of a language's translation files.
std::string_view LanguageCode(Language language);

// Makes `language` the interface's for as long as it lives: the program's own translation
// (compiled in) and Qt's (qtbase, from Qt's translations folder), the default locale, and a
// CJK face after the dialog font in that script's glyph forms. English installs nothing.
// Needs the application object; one session at a time.
class LanguageSession {
public:
    explicit LanguageSession(Language language);
    ~LanguageSession();
    LanguageSession(const LanguageSession&) = delete;
    LanguageSession& operator=(const LanguageSession&) = delete;

    // False when a translation it should have loaded was missing (the interface then falls
    // back to English words for what that translation holds).
    bool Complete() const { return complete_; }

private:
    Language previous_;
    QLocale previousLocale_;
    std::vector<std::unique_ptr<QTranslator>> translators_;
    bool complete_ = true;
};

// A LanguageSession for what prints without a window, with the application object that the
// translations need where there is none yet. English needs neither.
class PrintingLanguage {
public:
    explicit PrintingLanguage(Language language);
    ~PrintingLanguage();
    PrintingLanguage(const PrintingLanguage&) = delete;
    PrintingLanguage& operator=(const PrintingLanguage&) = delete;

private:
    std::unique_ptr<QCoreApplication> application_;
    std::unique_ptr<LanguageSession> session_;
};

} // namespace zandrel
