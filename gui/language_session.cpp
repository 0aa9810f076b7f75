#include "gui/language_session.h"

#include "app/languages.h"
#include "platform/dialog_style.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zandrel {

LanguageSession::LanguageSession(Language language) : previousLocale_(QLocale()) {
    if (language == Language::English) {
        return;
    }
    const LanguageRow& row = RowOf(language);
    const QString code = QString::fromLatin1(row.code);
    const auto install = [this](const QString& file, const QString& folder) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(file, folder) ||
            !QCoreApplication::installTranslator(translator.get())) {
            complete_ = false;
            return;
        }
        translators_.push_back(std::move(translator));
    };
    // Qt's first, so that the program's own words win where both have one.
    install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(QStringLiteral("zandrel_") + code, QStringLiteral(":/i18n"));
    QLocale::setDefault(QLocale(code));
    if (!row.fontFamily.empty()) {
        SetDialogFontFallback(QString::fromLatin1(row.fontFamily));
        fontFallback_ = true;
    }
}

LanguageSession::~LanguageSession() {
    for (const auto& translator : translators_) {
        QCoreApplication::removeTranslator(translator.get());
    }
    if (fontFallback_) {
        SetDialogFontFallback({});
    }
    QLocale::setDefault(previousLocale_);
}

} // namespace zandrel
