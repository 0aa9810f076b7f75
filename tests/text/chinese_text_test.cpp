// The reading text and the browser's text composed in Chinese: headings from the line names
// and the hexagram's ordinal, the classical texts as defaults, custom texts as written.
#include "core/reading.h"
#include "text/hexagram_text.h"
#include "text/names.h"
#include "text/reading_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zandrel {
namespace {

constexpr Language kSimplified = Language::SimplifiedChinese;
constexpr Language kTraditional = Language::TraditionalChinese;

std::size_t CountCrLf(const std::string& s) {
    std::size_t count = 0;
    for (std::size_t at = s.find("\r\n"); at != std::string::npos; at = s.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

TEST(ChineseTextTest, ReadingTextOfHexagram1Line1) {
    const HexagramTexts texts;
    const Reading reading = ComputeReading(1, 1, 1); // original 1, final 44
    ReadingText t = ComposeReadingText(texts, reading, kSimplified);
    EXPECT_EQ(t.originalText, "第一卦　乾为天\r\n乾：元亨利贞。\r\n");
    EXPECT_EQ(t.lineText, "初九\r\n潜龙勿用。\r\n");
    EXPECT_EQ(t.finalText, "第四十四卦　天风姤\r\n姤：女壮，勿用取女。\r\n");
    t = ComposeReadingText(texts, reading, kTraditional);
    EXPECT_EQ(t.originalText + t.lineText + t.finalText,
              "第一卦　乾為天\r\n乾：元亨利貞。\r\n初九\r\n潛龍勿用。\r\n"
              "第四十四卦　天風姤\r\n姤：女壯，勿用取女。\r\n");
}

TEST(ChineseTextTest, LineHeadingsFollowTheLines) {
    const struct {
        int hexagram;
        const char* headings[6];
    } cases[] = {
        {1, {"初九", "九二", "九三", "九四", "九五", "上九"}},
        {2, {"初六", "六二", "六三", "六四", "六五", "上六"}},
        {3, {"初九", "六二", "六三", "六四", "九五", "上六"}},  // 水雷屯
        {44, {"初六", "九二", "九三", "九四", "九五", "上九"}}, // 天风姤
        {63, {"初九", "六二", "九三", "六四", "九五", "上六"}}, // 水火既济
        {64, {"初六", "九二", "六三", "九四", "六五", "上九"}}, // 火水未济
    };
    const HexagramTexts texts;
    for (const auto& c : cases) {
        for (int k = 1; k <= 6; ++k) {
            SCOPED_TRACE(testing::Message() << "hexagram " << c.hexagram << " line " << k);
            EXPECT_EQ(LineName(kTraditional, c.hexagram, k), c.headings[k - 1]);
            EXPECT_EQ(LineBlock(texts, c.hexagram, k, kSimplified).substr(0, 8),
                      std::string(c.headings[k - 1]) + "\r\n");
        }
    }
    EXPECT_EQ(ExtraStatementName(kSimplified, 1), "用九");
    EXPECT_EQ(ExtraStatementName(kTraditional, 2), "用六");
    EXPECT_EQ(ExtraStatementName(kSimplified, 3), "");
    EXPECT_EQ(LineName(kSimplified, 1, 7), "");
    EXPECT_EQ(LineName(kSimplified, 65, 1), "");
}

TEST(ChineseTextTest, OrdinalsInChineseNumerals) {
    const std::pair<int, const char*> cases[] = {
        {1, "第一卦"},      {9, "第九卦"},      {10, "第十卦"}, {11, "第十一卦"}, {20, "第二十卦"},
        {44, "第四十四卦"}, {64, "第六十四卦"}, {0, ""},        {65, ""},
    };
    for (const auto& [n, ordinal] : cases) {
        EXPECT_EQ(HexagramOrdinal(kTraditional, n), ordinal) << n;
    }
    // English names the hexagrams by their number, not by numerals.
    EXPECT_EQ(HexagramOrdinal(Language::English, 1), "");
}

TEST(ChineseTextTest, EveryDefaultBlockHasTheShapeOfAnEnglishOne) {
    const HexagramTexts texts;
    for (const Language language : {kSimplified, kTraditional}) {
        for (int n = 1; n <= 64; ++n) {
            for (int k = 0; k <= 6; ++k) {
                SCOPED_TRACE(testing::Message() << "hexagram " << n << " part " << k);
                const std::string block =
                    k == 0 ? HeaderBlock(texts, n, language) : LineBlock(texts, n, k, language);
                EXPECT_EQ(CountCrLf(block), 2U);
                EXPECT_EQ(block.substr(block.size() - 2), "\r\n");
            }
        }
    }
}

TEST(ChineseTextTest, BrowserAddsTheExtraStatementOfHexagrams1And2) {
    HexagramTexts texts;
    const std::string first = FullHexagramText(texts, 1, kSimplified);
    EXPECT_EQ(CountCrLf(first), 16U);
    EXPECT_EQ(first.substr(0, first.find("初九")), "第一卦　乾为天\r\n乾：元亨利贞。\r\n");
    EXPECT_TRUE(first.ends_with("上九\r\n亢龙有悔。\r\n用九\r\n见群龙无首，吉。\r\n")) << first;
    EXPECT_TRUE(FullHexagramText(texts, 2, kTraditional).ends_with("用六\r\n利永貞。\r\n"));
    const std::string third = FullHexagramText(texts, 3, kTraditional);
    EXPECT_EQ(CountCrLf(third), 14U);
    EXPECT_TRUE(third.ends_with("上六\r\n乘馬班如，泣血漣如。\r\n")) << third;
    // English keeps its fourteen lines for hexagram 1.
    EXPECT_EQ(CountCrLf(FullHexagramText(texts, 1)), 14U);
    // A custom text replaces the whole set: no extra statement beside it.
    texts[0].state = CustomTextState::Active;
    texts[0].lineTexts[5] = "six";
    EXPECT_TRUE(FullHexagramText(texts, 1, kSimplified).ends_with("上九\r\nsix\r\n"));
}

TEST(ChineseTextTest, CustomTextKeepsItsWordsUnderChineseHeadings) {
    HexagramTexts texts;
    // Outer 1, inner 8, change line 5: original 12 (天地否), final 35 (火地晋).
    texts[11].state = CustomTextState::Active;
    texts[11].title = "Custom";
    texts[11].mainText = "Main";
    texts[34].state = CustomTextState::PendingSave; // not in effect
    texts[34].title = "Hidden";
    const ReadingText t = ComposeReadingText(texts, ComputeReading(1, 8, 5), kTraditional);
    EXPECT_EQ(t.originalText, "第十二卦　Custom\r\nMain\r\n");
    EXPECT_EQ(t.lineText, "九五\r\n\r\n");
    EXPECT_EQ(t.finalText, "第三十五卦　火地晉\r\n晉：康侯用錫馬蕃庶，晝日三接。\r\n");
}

TEST(ChineseTextTest, TheStoreComposesInItsLanguage) {
    TextStore store;
    const Reading reading = ComputeReading(6, 3, 2); // original 63, final 5
    const ReadingText english = ComposeReadingText(store, reading);
    EXPECT_EQ(english.originalText, HeaderBlock(store.hexagramTexts, 63));
    EXPECT_EQ(FullHexagramText(store, 63), FullHexagramText(store.hexagramTexts, 63));
    store.language = kTraditional;
    const ReadingText chinese = ComposeReadingText(store, reading);
    EXPECT_EQ(chinese.originalText, "第六十三卦　水火既濟\r\n既濟：亨小，利貞。初吉終亂。\r\n");
    EXPECT_EQ(chinese.lineText, "六二\r\n婦喪其茀，勿逐，七日得。\r\n");
    EXPECT_EQ(chinese.finalText, HeaderBlock(store.hexagramTexts, 5, kTraditional));
    EXPECT_EQ(FullHexagramText(store, 63), FullHexagramText(store.hexagramTexts, 63, kTraditional));
}

} // namespace
} // namespace zandrel
