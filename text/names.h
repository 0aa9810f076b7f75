#pragma once

#include "core/trigrams.h"
#include "text/custom_file.h"
#include "text/language.h"

#include <cstdint>
#include <string>
#include <string_view>

// The names of the method and the classical texts of each language, as its folder of
// res/languages/ gives them. A lookup outside its range, or of a kind of name the language's
// folder does not give, gives an empty text.

namespace zandrel {

std::string_view TrigramName(Language language, Trigram t);        // 乾 .. 坤
std::string_view TrigramImage(Language language, Trigram t);       // 天 .. 地
std::string_view ElementName(Language language, Element e);        // Metal; 金
std::string_view HexagramShortName(Language language, Hexagram n); // 乾, 姤, 小畜
std::string_view HexagramFullName(Language language, Hexagram n);  // 乾为天, 天风姤

// Line k (1..6) of hexagram n named by its position and whether it is solid (九) or broken
// (六): 初九, 六二 .. 上六.
std::string LineName(Language language, Hexagram n, int k);
// The statement hexagrams 1 and 2 add after their six lines: 用九, 用六; empty for the others.
std::string ExtraStatementName(Language language, Hexagram n);

enum class ReadingTerm : std::uint8_t { Body, Use, Nuclear, Original, Final, Opposite, Reversed };
// Body, Use ..; 体 用 互卦 本卦 变卦 错卦 综卦 (體 用 互卦 本卦 變卦 錯卦 綜卦).
std::string_view TermName(Language language, ReadingTerm term);
// use feeds body; 比和 用生体 体克用 体生用 用克体.
std::string_view RelationName(Language language, Relation relation);
// The relation as a sentence begins with it: "Use feeds the body"; the relation's name where
// the language gives no such phrases.
std::string_view RelationPhrase(Language language, Relation relation);

// 甲 .. 癸 for the stems 1..10 and 子 .. 亥 for the branches 1..12.
std::string_view StemName(Language language, int stem);
std::string_view BranchName(Language language, int branch);

// The words the Chinese lunar calendar writes dates with.
enum class LunarWord : std::uint8_t {
    Year,       // 年
    Month,      // 月
    FirstMonth, // 正月
    Leap,       // 闰 (閏)
    Hour,       // 时 (時)
    DayPrefix,  // 初, before the days 1 to 10
    Twenty,     // 廿, before the days 21 to 29
};
std::string_view LunarWordName(Language language, LunarWord word);
// 一 .. 十 for 1 .. 10.
std::string_view Numeral(Language language, int n);

// The 24 solar terms, 0 (立春) .. 23 (大寒) as core numbers them.
std::string_view SolarTermName(Language language, int term);
// The season's strengths of core's Strength, 0 (旺) .. 4 (死).
std::string_view StrengthName(Language language, int strength);

// Whether the language's folder holds the classical texts, which are then its default texts.
bool HasClassicalTexts(Language language);
// The classical texts of hexagram n in the order of a custom text file: its full name as the
// title, the judgement (卦辞) and the statements of lines 1 to 6 (爻辞).
EightTexts ClassicalTexts(Language language, Hexagram n);
// The text of the extra statement of hexagrams 1 and 2; empty for the others.
std::string_view ClassicalExtraText(Language language, Hexagram n);

// "第一卦" .. "第六十四卦": the ordinal of hexagram n in the language's numerals.
std::string HexagramOrdinal(Language language, Hexagram n);

} // namespace zandrel
