// The casts from counts as typed: numbers, trigram names and directions, characters' counts, what
// is refused and why, the arithmetic as practitioners write it, and the facts a cast keeps.

#include "app/count_input.h"
#include "app/session.h"
#include "tests/support/fault_helpers.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace zandrel {
namespace {

const Vocabulary& English() {
    return Vocabulary::Of(Language::English);
}

CountCastInput Read(CountMethod method, std::string_view input,
                    std::vector<std::string> counts = {}, std::string rule = {},
                    StrokeCount strokes = StrokeCount::Modern) {
    CountCastForm form;
    form.method = method;
    form.items = method == CountMethod::Characters ? std::vector<std::string>{std::string(input)}
                                                   : InputItems(input);
    form.counts = std::move(counts);
    form.rule = std::move(rule);
    form.strokes = strokes;
    form.moment = {{2024, 2, 10}, {12, 0}}; // the hour 午, 7
    return ReadCountCast(English(), form);
}

std::optional<CastValues> Values(const CountCastInput& input) {
    return input.request ? CastValuesOf(*input.request, "") : std::nullopt;
}

TEST(CountInputTest, NumbersAreWholeAndInRange) {
    const struct {
        const char* input;
        std::optional<CastValues> values;
    } cases[] = {
        {"27 15", CastValues{3, 7, 6}},
        {"27,15", CastValues{3, 7, 6}},
        {" 27，15 ", CastValues{3, 7, 6}},
        {"999999999", CastValues{7, 7, 4}}, // 999999999 + 7 = 1000000006, % 6 = 4
        {"", std::nullopt},
        {"0", std::nullopt},
        {"-5", std::nullopt},
        {"+5", std::nullopt},
        {"1e3", std::nullopt},
        {"1000000000", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"١٢", std::nullopt}, // digits of another script
        {"1 2 3 4", std::nullopt},
    };
    for (const auto& c : cases) {
        const CountCastInput read = Read(CountMethod::Numbers, c.input);
        EXPECT_EQ(Values(read), c.values) << c.input;
        EXPECT_EQ(read.error.empty(), c.values.has_value()) << c.input << ": " << read.error;
    }
    EXPECT_EQ(Read(CountMethod::Numbers, "0").error,
              "'0' is not a whole number from 1 to 999999999");
}

TEST(CountInputTest, RulesAreChosenByKeyForTheirSize) {
    EXPECT_EQ(Values(Read(CountMethod::Numbers, "27 15", {}, "line-with-hour")),
              (CastValues{3, 7, 1})); // 27 + 15 + 7 = 49
    const CountCastInput wrong = Read(CountMethod::Numbers, "27", {}, "line-with-hour");
    EXPECT_FALSE(wrong.request);
    EXPECT_EQ(wrong.error, "there is no rule 'line-with-hour' for this input; rules: "
                           "inner-from-hour, inner-from-sum");
}

TEST(CountInputTest, TrigramsByNumberNameImageOrDirection) {
    const struct {
        const char* text;
        std::optional<Trigram> trigram;
    } cases[] = {
        {"3", 3},
        {"离", 3},
        {"離", 3},
        {"LI", 3},
        {"Fire", 3},
        {"火", 3},
        {"south", 3},
        {"S", 3},
        {"南", 3},
        {"東北", 7},
        {"东北", 7},
        {"ne", 7},
        {"兌", 2},
        {"west", 2},
        {"坤", 8},
        {"sw", 8},
        {"9", std::nullopt},
        {"0", std::nullopt},
        {"", std::nullopt},
        {"北东", std::nullopt},
        {"fires", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadTrigram(c.text), c.trigram) << c.text;
    }
    EXPECT_EQ(Values(Read(CountMethod::Trigrams, "south north")), (CastValues{3, 6, 4}));
    EXPECT_EQ(Values(Read(CountMethod::Trigrams, "south north 2")), (CastValues{3, 6, 2}));
    for (const char* refused : {"south", "south north 7", "south north 0", "south x", "1 2 3 4"}) {
        const CountCastInput read = Read(CountMethod::Trigrams, refused);
        EXPECT_FALSE(read.request) << refused;
        EXPECT_FALSE(read.error.empty()) << refused;
    }
}

TEST(CountInputTest, CharactersCountOnlyHanAndNameWhatIsLeftOut) {
    const CountCastInput read = Read(CountMethod::Characters, "abc天 地!人");
    ASSERT_TRUE(read.request) << read.error;
    const auto& cast = std::get<CharactersCast>(*read.request);
    EXPECT_EQ(cast.LeftOut(), U"abc!");
    EXPECT_EQ(CountedText(English(), cast), "天 4  地 6  人 2; left out: a b c !");
    EXPECT_EQ(Values(read), (CastValues{4, 8, 6}));

    for (const char* nothing : {"", "abc 123 ,.!", "   "}) {
        EXPECT_EQ(Read(CountMethod::Characters, nothing).error,
                  "there is no Chinese character to count")
            << nothing;
    }
}

TEST(CountInputTest, CountsGivenReplaceTheTables) {
    // 今日 by the table: 4 and 4; with 日 given as 5: 4 over 5, line 9 % 6 = 3.
    EXPECT_EQ(Values(Read(CountMethod::Characters, "今日")), (CastValues{4, 4, 2}));
    EXPECT_EQ(Values(Read(CountMethod::Characters, "今日", {"日=5"})), (CastValues{4, 5, 3}));
    // One character by its parts: 逃 as 辶 3 + 兆 6 gives 未济 moving in the third line, read
    // from its radical or given; in the Kangxi count 辵 7 + 6, the line 13 % 6 = 1.
    EXPECT_EQ(Values(Read(CountMethod::Characters, "逃")), (CastValues{3, 6, 3}));
    EXPECT_EQ(Values(Read(CountMethod::Characters, "逃", {"逃=3+6"})), (CastValues{3, 6, 3}));
    EXPECT_EQ(Values(Read(CountMethod::Characters, "逃", {}, {}, StrokeCount::Kangxi)),
              (CastValues{7, 6, 1}));
    // A character that is its own radical has no parts to read: they are asked for.
    EXPECT_EQ(Read(CountMethod::Characters, "王").error,
              "give the strokes of the two parts of 王 as 王=3+6");
    EXPECT_EQ(Values(Read(CountMethod::Characters, "王", {"王=2+2"})), (CastValues{2, 2, 4}));
    for (const char* wrong : {"a=3", "逃=", "逃=0", "逃=3+6+1", "逃逃=3", "=3", "逃=x"}) {
        const CountCastInput read = Read(CountMethod::Characters, "逃", {wrong});
        EXPECT_FALSE(read.request) << wrong;
        EXPECT_NE(read.error.find("is not a count"), std::string::npos) << wrong;
    }
}

// The Kangxi count takes the radical in its full form and the numerals by their value: 五 has
// four strokes and counts 5, 四 has five and counts 4.
TEST(CountInputTest, KangxiCountsNumeralsByValue) {
    const auto counts = [](std::string_view text, StrokeCount strokes) {
        const CountCastInput read = Read(CountMethod::Characters, text, {}, {}, strokes);
        std::vector<std::int64_t> found;
        for (const CountedCharacter& c : std::get<CharactersCast>(*read.request).Counted()) {
            found.push_back(c.strokes);
        }
        return found;
    };
    EXPECT_EQ(counts("五四江", StrokeCount::Modern), (std::vector<std::int64_t>{4, 5, 6}));
    EXPECT_EQ(counts("五四江", StrokeCount::Kangxi), (std::vector<std::int64_t>{5, 4, 7}));
}

// "上卦 27 ÷ 8 余 3 离；下卦 15 ÷ 8 余 7 艮；动爻 (27 + 15) ÷ 6 余 0 → 6", as practitioners write
// it.
TEST(CountInputTest, ArithmeticIsWrittenAsPractitionersWriteIt) {
    const CountCastInput read = Read(CountMethod::Numbers, "27 15");
    const std::optional<CountArithmetic> arithmetic = CountArithmeticOf(*read.request);
    ASSERT_TRUE(arithmetic);
    EXPECT_EQ(ArithmeticText(English(), *arithmetic),
              "outer 27 mod 8 = 3 Fire; inner 15 mod 8 = 7 Mountain; "
              "change line (27 + 15) mod 6 = 0 → 6");
    EXPECT_EQ(ArithmeticText(Vocabulary::Of(Language::SimplifiedChinese), *arithmetic),
              "上卦 27 ÷ 8 余 3 离；下卦 15 ÷ 8 余 7 艮；动爻 (27 + 15) ÷ 6 余 0 → 6");
    const CountCastInput withHour = Read(CountMethod::Numbers, "16");
    EXPECT_EQ(ArithmeticText(Vocabulary::Of(Language::TraditionalChinese),
                             *CountArithmeticOf(*withHour.request)),
              "上卦 16 ÷ 8 餘 0 → 8 坤；下卦 午時 7 ÷ 8 餘 7 艮；動爻 (16 + 午時 7) ÷ 6 餘 5");
}

// The facts name the method, the rule in force and each step, as the JSON and the case record
// keep them.
TEST(CountInputTest, FactsHoldTheInputsTheRuleAndEachStep) {
    const fixtures::TempDir dir;
    const Session session(dir.Path(), Language::English);
    const CountCastInput read = Read(CountMethod::Characters, "天地人x");
    const QJsonObject facts = InputFacts(*read.request);
    EXPECT_EQ(MethodKey(*read.request), "characters");
    EXPECT_EQ(facts["rule"].toString(), "halves");
    EXPECT_EQ(facts["strokes"].toString(), "modern");
    EXPECT_EQ(facts["left_out"].toString(), "x");
    EXPECT_EQ(facts["hour_branch"].toInt(), 7);
    EXPECT_EQ(facts["counts"].toArray().size(), 3);
    const QJsonObject line = facts["arithmetic"].toObject()["change_line"].toObject();
    EXPECT_EQ(line["sum"].toInt(), 12);
    EXPECT_EQ(line["remainder"].toInt(), 0);
    EXPECT_EQ(line["value"].toInt(), 6);
    const std::optional<CastResult> cast = session.Cast(*read.request, "");
    ASSERT_TRUE(cast);
    EXPECT_EQ(cast->reading.original, HexagramTable(4, 8));
}

} // namespace
} // namespace zandrel
