// How the interface's language is chosen: from a name on the command line or from the
// desktop's languages; and the commands in Chinese, with their JSON in English words.

#include "core/reading.h"
#include "log/query_log.h"
#include "tests/support/fault_helpers.h"
#include "text/chinese_names.h"
#include "ui/commands.h"
#include "ui/interface_language.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

CommandRun RunIn(std::string_view command, const std::vector<std::string>& arguments,
                 Language language = Language::English) {
    std::ostringstream out;
    std::ostringstream err;
    CommandRun run;
    run.status = RunCommand(command, arguments, out, err, language);
    run.out = out.str();
    run.err = err.str();
    return run;
}

class ChineseCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir.Path());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    fixtures::TempDir dir;

private:
    std::filesystem::path previous_;
};

TEST_F(ChineseCommandsTest, TextPrintsTheClassicalTextInTheScriptAsked) {
    const CommandRun simplified = RunIn("text", {"1", "--language", "zh_CN"});
    EXPECT_EQ(simplified.status, 0) << simplified.err;
    EXPECT_TRUE(simplified.out.starts_with("第一卦　乾为天\n乾：元亨利贞。\n初九\n潜龙勿用。\n"))
        << simplified.out;
    EXPECT_TRUE(simplified.out.ends_with("用九\n见群龙无首，吉。\n")) << simplified.out;
    const CommandRun traditional = RunIn("text", {"--language=zh_HK", "1"});
    EXPECT_TRUE(traditional.out.starts_with("第一卦　乾為天\n乾：元亨利貞。\n")) << traditional.out;
    // The desktop's language, when the command names none; English by a name.
    EXPECT_EQ(RunIn("text", {"1"}, Language::TraditionalChinese).out, traditional.out);
    EXPECT_TRUE(RunIn("text", {"1", "--language", "en"}, Language::TraditionalChinese)
                    .out.starts_with("Hexagram 1 "));
    // A custom text replaces the classical one in every language.
    std::ofstream("custom1.txt") << "Mine\r\nmain\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n";
    EXPECT_TRUE(
        RunIn("text", {"1", "--language", "zh_CN"}).out.starts_with("第一卦　Mine\nmain\n"));
}

TEST_F(ChineseCommandsTest, CastSpeaksChineseButItsJsonKeepsItsEnglishWords) {
    const std::vector<std::string> cast = {"cast",  "--date",     "2024-02-10", "--time",
                                           "12:00", "--question", "天"};
    std::vector<std::string> arguments(cast.begin() + 1, cast.end());
    arguments.insert(arguments.end(), {"--language", "zh_TW"});
    const CommandRun text = RunIn("cast", arguments);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.substr(0, text.out.find("\n\n")),
              "指定時間起卦：2024-02-10 12:00，時辰 7：午時 (11–13)\n"
              "問題：天\n"
              "本卦 48 水風井，動爻 5，變卦 46 地風升\n"
              "外卦                   6 坎  水     用；有利：用生體\n"
              "內卦                   5 巽  木     體\n"
              "互卦上卦               3 離  火     不利：體生用\n"
              "互卦下卦               2 兌  金     不利：用克體\n"
              "變卦外卦               8 坤  土     有利：體克用\n"
              "變卦內卦               5 巽  木     有利：比和");
    EXPECT_NE(text.out.find("第四十八卦　水風井\n"), std::string::npos);

    arguments.push_back("--json");
    const CommandRun json = RunIn("cast", arguments);
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(object["method"].toString(), "target time");
    const QJsonObject outer = object["trigrams"].toArray()[0].toObject();
    EXPECT_EQ(outer["element"].toString(), "Water");
    EXPECT_EQ(outer["relation"].toString(), "use feeds body");
    EXPECT_TRUE(object["text"].toString().startsWith(QStringLiteral("第四十八卦　水風井\r\n")));
}

TEST_F(ChineseCommandsTest, TheLogKeepsItsFrameInEveryLanguage) {
    const CommandRun run = RunIn("cast", {"--date", "2024-02-10", "--period", "7", "--question",
                                          "问", "--log", "--language", "zh_CN"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::ifstream file("auvrel.log", std::ios::binary);
    const std::string log((std::istreambuf_iterator<char>(file)), {});
    EXPECT_TRUE(log.starts_with("[Your query on ")) << log;
    const std::string reply = "]\r\n问\r\n\r\n[Auvrel's reply]\r\n第";
    EXPECT_NE(log.find(reply), std::string::npos) << log;
    EXPECT_TRUE(log.ends_with("\r\n\r\n\r\n"));
}

TEST_F(ChineseCommandsTest, WordsOfBadInputAndAnUnknownLanguage) {
    const CommandRun period =
        RunIn("cast", {"--date", "2024-02-10", "--period", "13", "--language", "zh_CN"});
    EXPECT_EQ(period.status, 2);
    EXPECT_EQ(period.err,
              "zandrel cast: “13”不是时辰：请给出 1（子时 (23–1)）到 12（亥时 (21–23)）\n");
    EXPECT_EQ(RunIn("lunar", {"2024-02-10", "12:00", "--language", "zh_TW"}).out,
              "甲辰年 正月 初一 午時\n生肖屬龍；午時：11–13 點\n");
    const CommandRun unknown = RunIn("text", {"1", "--language", "fr"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "zandrel text: unknown language 'fr': give en, zh_CN or zh_TW\n");
    EXPECT_EQ(RunIn("text", {"1", "--language"}).err,
              "zandrel text: option '--language' needs a value\n");
    EXPECT_EQ(RunIn("text", {"65"}, Language::SimplifiedChinese).err,
              "zandrel text: “65”不是卦：请给出 1 到 64\n");
}

} // namespace
} // namespace zandrel
