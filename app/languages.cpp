#include "app/languages.h"

#include <QLocale>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace zandrel {
namespace {

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

} // namespace

std::optional<Language> LanguageNamed(std::string_view name) {
    const std::vector<std::string> parts = NameParts(name);
    std::vector<const LanguageRow*> candidates;
    for (const LanguageRow& row : LanguageTable()) {
        if (row.primary == parts.front()) {
            candidates.push_back(&row);
        }
    }
    if (candidates.empty()) {
        return std::nullopt;
    }
    const auto chosenBy = [&](auto matches) -> const LanguageRow* {
        for (std::size_t i = 1; i < parts.size(); ++i) {
            for (const LanguageRow* row : candidates) {
                if (matches(*row, parts[i])) {
                    return row;
                }
            }
        }
        return nullptr;
    };
    // A script named in the locale decides before its region does.
    const LanguageRow* row = chosenBy([](const LanguageRow& r, const std::string& part) {
        return !r.script.empty() && r.script == part;
    });
    if (row == nullptr) {
        row = chosenBy([](const LanguageRow& r, const std::string& part) {
            return !part.empty() &&
                   std::find(r.regions.begin(), r.regions.end(), part) != r.regions.end();
        });
    }
    return (row != nullptr ? row : candidates.front())->language;
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

} // namespace zandrel
