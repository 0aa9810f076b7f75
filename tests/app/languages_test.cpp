// How the language is chosen: from a name on the command line or from the desktop's
// languages.

#include "app/languages.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zandrel {
namespace {

TEST(InterfaceLanguageTest, NamesOfTheLanguages) {
    const struct {
        const char* name;
        std::optional<Language> language;
    } cases[] = {
        {"en", Language::English},
        {"en_GB.UTF-8", Language::English},
        {"zh", Language::SimplifiedChinese},
        {"zh_CN", Language::SimplifiedChinese},
        {"zh-SG", Language::SimplifiedChinese},
        {"zh_CN.UTF-8", Language::SimplifiedChinese},
        {"zh-Hans-HK", Language::SimplifiedChinese}, // the script named decides
        {"zh_TW", Language::TraditionalChinese},
        {"zh_HK.UTF-8", Language::TraditionalChinese},
        {"zh-MO", Language::TraditionalChinese},
        {"zh-Hant", Language::TraditionalChinese},
        {"ZH_tw", Language::TraditionalChinese},
        {"fr_FR", std::nullopt},
        {"C", std::nullopt},
        {"", std::nullopt},
        {"zhx", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageNamed(c.name), c.language) << c.name;
    }
}

TEST(InterfaceLanguageTest, TheFirstOfTheDesktopsLanguagesThatItSpeaks) {
    using L = QStringList;
    EXPECT_EQ(LanguageOfLocales(L{"fr-FR", "zh-Hant-TW", "zh-TW", "en-US"}),
              Language::TraditionalChinese);
    EXPECT_EQ(LanguageOfLocales(L{"en-US", "zh-CN"}), Language::English);
    EXPECT_EQ(LanguageOfLocales(L{"de-DE", "fr"}), Language::English);
    EXPECT_EQ(LanguageOfLocales(L{}), Language::English);
    EXPECT_EQ(LanguageOfLocales(L{"zh-Hans-SG", "zh-SG", "zh"}), Language::SimplifiedChinese);
}

TEST(InterfaceLanguageTest, LanguageAndLangChooseIt) {
    // QLocale reads the environment once per process, so each case runs in a child.
    const struct {
        const char* language;
        const char* lang;
        Language expected;
    } cases[] = {
        {"zh_TW:en", "C", Language::TraditionalChinese},
        {"", "zh_CN.UTF-8", Language::SimplifiedChinese},
        {"", "zh_HK.UTF-8", Language::TraditionalChinese},
        {"fr:zh_CN", "en_US.UTF-8", Language::SimplifiedChinese},
        {"", "C.UTF-8", Language::English},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.lang);
        EXPECT_EXIT(
            {
                setenv("LANGUAGE", c.language, 1);
                setenv("LANG", c.lang, 1);
                unsetenv("LC_ALL");
                unsetenv("LC_MESSAGES");
                std::exit(static_cast<int>(DesktopLanguage()));
            },
            testing::ExitedWithCode(static_cast<int>(c.expected)), "");
    }
}

} // namespace
} // namespace zandrel
