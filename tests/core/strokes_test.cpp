#include "core/strokes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <span>
#include <string>

namespace zandrel {
namespace {

struct StrokeCase {
    char32_t character;
    int modern;
    int kangxi;
};

std::string Hex(char32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
    return text;
}

void ExpectCounts(std::span<const StrokeCase> cases) {
    for (const StrokeCase& c : cases) {
        const std::optional<StrokeCounts> counts = StrokesOf(c.character);
        ASSERT_TRUE(counts) << Hex(c.character);
        EXPECT_EQ(counts->modern, c.modern) << Hex(c.character);
        EXPECT_EQ(counts->kangxi, c.kangxi) << Hex(c.character);
    }
}

// Counted by hand: the Kangxi radical in full form plus the residual strokes.
TEST(StrokesOfTest, CountsEachRadicalInFullForm) {
    const StrokeCase cases[] = {
        {U'江', 6, 7},   // 氵 as 水 4, + 3
        {U'打', 5, 6},   // 扌 as 手 4, + 2
        {U'情', 11, 12}, // 忄 as 心 4, + 8
        {U'花', 7, 10},  // 艹 as 艸 6, + 4
        {U'道', 12, 16}, // 辶 as 辵 7, + 9
        {U'陳', 10, 16}, // 阝 on the left as 阜 8, + 8
        {U'鄭', 14, 19}, // 阝 on the right as 邑 7, + 12
        {U'理', 11, 12}, // 王 as 玉 5, + 7
        {U'王', 4, 4},   // 玉 5, - 1
        {U'福', 13, 14}, // 礻 as 示 5, + 9
        {U'狗', 8, 9},   // 犭 as 犬 4, + 5
        {U'肝', 7, 9},   // 月 filed under 肉 6, + 3
        {U'朋', 8, 8},   // 月 filed under 月 4, + 4
        {U'初', 7, 7},   // filed under 刀 2, + 5: its 衤 is not the radical
    };
    ExpectCounts(cases);
}

TEST(StrokesOfTest, SimplifiedCharactersCountAsTheirTraditionalForm) {
    const StrokeCase cases[] = {
        {U'语', 9, 14},
        {U'語', 14, 14},
        {U'龙', 5, 16},
        {U'龍', 16, 16},
        {U'陈', 7, 16}, // as 陳
        // Unihan lists these beside their own traditional form too; as their form.
        {U'郑', 8, 19}, // 鄭
        {U'这', 7, 14}, // 這
        {U'万', 3, 15}, // 萬
        {U'会', 6, 13}, // 會
        // ...unless they are common traditional characters themselves: 后 (queen), 丑 (the
        // earthly branch) are not 後 and 醜.
        {U'后', 6, 6},
        {U'丑', 4, 4},
        {U'䜦', 17, 17}, // under the simplified 讠 with no traditional form: as written
    };
    ExpectCounts(cases);
}

// A single character's parts: its radical, as written or in full form, and the rest.
TEST(StrokesOfTest, PartsAreTheRadicalAndTheRest) {
    const struct {
        char32_t character;
        std::optional<StrokeParts> modern;
        std::optional<StrokeParts> kangxi;
    } cases[] = {
        {U'明', StrokeParts{4, 4}, StrokeParts{4, 4}},
        {U'江', StrokeParts{3, 3}, StrokeParts{4, 3}}, // 氵 as 水
        {U'逃', StrokeParts{3, 6}, StrokeParts{7, 6}}, // 辶 as 辵
        {U'语', StrokeParts{2, 7}, StrokeParts{7, 7}}, // as 語: 言 7
        {U'王', std::nullopt, std::nullopt},           // its own radical
        {U'一', std::nullopt, std::nullopt},
        {U'A', std::nullopt, std::nullopt},
    };
    const auto same = [](const std::optional<StrokeParts>& a, const std::optional<StrokeParts>& b) {
        return a.has_value() == b.has_value() &&
               (!a || (a->radical == b->radical && a->rest == b->rest));
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(same(ModernPartsOf(c.character), c.modern)) << Hex(c.character);
        EXPECT_TRUE(same(KangxiPartsOf(c.character), c.kangxi)) << Hex(c.character);
    }
}

TEST(StrokesOfTest, CorrectedRadicalsAndCharacters) {
    const StrokeCase cases[] = {
        {U'建', 8, 9},   // 廴 3, not Unihan's 2
        {U'禹', 9, 9},   // 禸 5, not 4
        {U'魏', 17, 18}, // 鬼 10, not 9
        {U'骨', 9, 10},  // 骨 10, Unihan's second count
        {U'勸', 19, 20}, // 雚 18 as elsewhere, not kRSKangXi's 17
        {U'搜', 12, 14}, // 叟 10 as elsewhere, not kRSKangXi's 9
    };
    ExpectCounts(cases);
}

TEST(StrokesOfTest, NoneOutsideTheIdeographs) {
    for (const char32_t c : {U'\0', U'A', U'。', U'，', U'⼀', U'䷀', char32_t{0x33FF},
                             char32_t{0xA000}, char32_t{0xF8FF}, char32_t{0x2FFFF},
                             char32_t{0x10FFFF}, char32_t{0x110000}, char32_t{0xFFFFFFFF}}) {
        EXPECT_FALSE(StrokesOf(c)) << Hex(c);
    }
    // The first and last of a run of code points are in it.
    for (const char32_t c :
         {U'㐀', U'䶿', U'一', char32_t{0x9FFF}, char32_t{0x3134A}, char32_t{0x323AF}}) {
        EXPECT_TRUE(StrokesOf(c)) << Hex(c);
    }
}

TEST(NumeralValueTest, OneToTenOnly) {
    const char32_t numerals[] = {U'一', U'二', U'三', U'四', U'五',
                                 U'六', U'七', U'八', U'九', U'十'};
    for (int value = 1; value <= 10; ++value) {
        EXPECT_EQ(NumeralValue(numerals[value - 1]), value);
    }
    for (const char32_t c : {U'〇', U'零', U'百', U'壹', U'廿', U'1'}) {
        EXPECT_EQ(NumeralValue(c), std::nullopt) << Hex(c);
    }
    // The table keeps their strokes; a convention that counts their value applies it itself.
    EXPECT_EQ(StrokesOf(U'九')->kangxi, 2);
    EXPECT_EQ(StrokesOf(U'四')->kangxi, 5);
}

} // namespace
} // namespace zandrel
