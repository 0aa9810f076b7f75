// The program's own command line read once: a wrong line is told by its first fault, in the
// language the line names wherever it names it, else in the desktop's (English here).

#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zandrel {
namespace {

TEST(CommandLineTest, TellsItsFirstFaultInTheLanguageItNames) {
    constexpr auto kSimplified = Language::SimplifiedChinese;
    constexpr auto kTraditional = Language::TraditionalChinese;
    const struct {
        std::vector<std::string> arguments;
        std::optional<Language> language;
        std::string text;
    } cases[] = {
        // Each fault in the desktop's words.
        {{"--bogus"}, std::nullopt, "unknown option '--bogus'"},
        {{"--help", "extra"}, std::nullopt, "unexpected argument 'extra'"},
        {{"-platform"}, std::nullopt, "option '-platform' needs a value"},
        {{"--user-data", "--language"}, std::nullopt, "option '--language' needs a value"},
        {{"--language", "fr"}, std::nullopt, "unknown language 'fr': give en, zh_CN or zh_TW"},
        // In the language named, before the fault or after it.
        {{"--language", "zh_CN", "--bogus"}, kSimplified, "未知选项“--bogus”"},
        {{"--bogus", "--language", "zh_CN"}, kSimplified, "未知选项“--bogus”"},
        {{"extra", "--user-data", "--language=zh_TW"}, kTraditional, "多餘的參數「extra」"},
        {{"-platform", "offscreen", "--version", "-x", "--language", "zh_TW"},
         kTraditional,
         "未知選項「-x」"},
        // The first fault is told, whatever follows it.
        {{"--bogus", "extra", "--language", "zh_CN", "-platform"},
         kSimplified,
         "未知选项“--bogus”"},
        {{"--bogus", "--language", "fr"}, std::nullopt, "unknown option '--bogus'"},
        {{"--language", "fr", "--bogus", "--language", "zh_CN"},
         kSimplified,
         "未知语言“fr”：请给出 en、zh_CN 或 zh_TW"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.action, CommandLine::Action::Error);
        EXPECT_EQ(line.language, c.language);
        EXPECT_EQ(CommandLineErrorText(Vocabulary::Of(line.language.value_or(Language::English)),
                                       line.error),
                  c.text);
    }
}

} // namespace
} // namespace zandrel
