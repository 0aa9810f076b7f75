#include "ui/interface_language.h"

#include "platform/dialog_style.h"
#include "platform/qt_text.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cctype>
#include <string>

namespace zandrel {
namespace {

class InterfaceLanguageWords {
    Q_DECLARE_TR_FUNCTIONS(InterfaceLanguageWords)
};

Language currentLanguage = Language::English;

// The parts of a locale name, lowercase: "zh_Hant_HK.UTF-8@x" gives zh, hant, hk.
std::vector<std::string> NameParts(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    std::vector<std::string> parts(1);
    for (char c : name) {
        if (c == '_' || c == '-') {
            parts.emplace_back();
        } else {
            parts.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return parts;
}

// The CJK face drawn after the dialog font's own: the script's glyph forms differ in some
// characters that both scripts share (骨, 述, 角 ...), so each has its own.
QString CjkFamily(Language language) {
    return language == Language::TraditionalChinese ? QStringLiteral("Noto Sans CJK TC")
                                                    : QStringLiteral("Noto Sans CJK SC");
}

} // namespace

std::optional<Language> LanguageNamed(std::string_view name) {
    const std::vector<std::string> parts = NameParts(name);
    if (parts.front() == "en") {
        return Language::English;
    }
    if (parts.front() != "zh") {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i] == "hant") {
            return Language::TraditionalChinese;
        }
        if (parts[i] == "hans") {
            return Language::SimplifiedChinese;
        }
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i] == "tw" || parts[i] == "hk" || parts[i] == "mo") {
            return Language::TraditionalChinese;
        }
    }
    return Language::SimplifiedChinese;
}

std::string UnknownLanguageText(std::string_view name) {
    return FillIn(InterfaceLanguageWords::tr("unknown language '%1': give en, zh_CN or zh_TW"),
                  {name});
}

Language LanguageOfLocales(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        if (const std::optional<Language> language = LanguageNamed(name.toStdString())) {
            return *language;
        }
    }
    return Language::English;
}

Language DesktopLanguage() {
    return LanguageOfLocales(QLocale::system().uiLanguages());
}

Language InterfaceLanguage() {
    return currentLanguage;
}

std::string_view LanguageCode(Language language) {
    switch (language) {
    case Language::SimplifiedChinese:
        return "zh_CN";
    case Language::TraditionalChinese:
        return "zh_TW";
    case Language::English:
        break;
    }
    return "en";
}

LanguageSession::LanguageSession(Language language)
    : previous_(currentLanguage), previousLocale_(QLocale()) {
    currentLanguage = language;
    if (language == Language::English) {
        return;
    }
    const QString code = QString::fromLatin1(LanguageCode(language));
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
    SetDialogFontFallback(CjkFamily(language));
}

LanguageSession::~LanguageSession() {
    for (const auto& translator : translators_) {
        QCoreApplication::removeTranslator(translator.get());
    }
    if (currentLanguage != Language::English) {
        SetDialogFontFallback({});
    }
    QLocale::setDefault(previousLocale_);
    currentLanguage = previous_;
}

PrintingLanguage::PrintingLanguage(Language language) {
    if (language == Language::English) {
        return;
    }
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "zandrel";
        static char* argv[] = {name, nullptr};
        application_ = std::make_unique<QCoreApplication>(argc, argv);
    }
    session_ = std::make_unique<LanguageSession>(language);
}

PrintingLanguage::~PrintingLanguage() {
    session_.reset(); // before the application object it uses
}

} // namespace zandrel
