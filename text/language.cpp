#include "text/language.h"

#include <algorithm>
#include <cassert>
#include <iterator>

namespace zandrel {
namespace {

constexpr LanguageRow kLanguages[] = {
    {Language::English, "en", "en", "", {}, Language::TraditionalChinese, ""},
    {Language::SimplifiedChinese,
     "zh_CN",
     "zh",
     "hans",
     {},
     Language::SimplifiedChinese,
     "Noto Sans CJK SC"},
    {Language::TraditionalChinese,
     "zh_TW",
     "zh",
     "hant",
     {"tw", "hk", "mo"},
     Language::TraditionalChinese,
     "Noto Sans CJK TC"},
};

} // namespace

std::span<const LanguageRow> LanguageTable() {
    return kLanguages;
}

const LanguageRow& RowOf(Language language) {
    const auto* row =
        std::find_if(std::begin(kLanguages), std::end(kLanguages),
                     [language](const LanguageRow& r) { return r.language == language; });
    assert(row != std::end(kLanguages) && "every language has its row");
    return row != std::end(kLanguages) ? *row : kLanguages[0];
}

std::string_view LanguageCode(Language language) {
    return RowOf(language).code;
}

} // namespace zandrel
