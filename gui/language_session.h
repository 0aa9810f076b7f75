#pragma once

#include "text/language.h"

#include <QLocale>

#include <memory>
#include <vector>

class QTranslator;

namespace zandrel {

// Makes `language` the window's for as long as it lives: the program's translation and Qt's
// (qtbase, from Qt's translations folder) installed for every tr() of the dialogs and of Qt's
// own widgets, the default locale, and the language's face after the dialog font in its glyph
// forms. English installs nothing. The words of a reading do not depend on it: they come from
// the session's vocabulary. Needs the application object; one session at a time.
class LanguageSession {
public:
    explicit LanguageSession(Language language);
    ~LanguageSession();
    LanguageSession(const LanguageSession&) = delete;
    LanguageSession& operator=(const LanguageSession&) = delete;

    // False when a translation it should have loaded was missing (the window then falls back
    // to English words for what that translation holds).
    bool Complete() const { return complete_; }

private:
    QLocale previousLocale_;
    std::vector<std::unique_ptr<QTranslator>> translators_;
    bool fontFallback_ = false;
    bool complete_ = true;
};

} // namespace zandrel
