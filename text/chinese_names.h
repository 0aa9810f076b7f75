#pragma once

#include "core/trigrams.h"
#include "text/custom_file.h"
#include "text/language.h"

#include <optional>
#include <string>
#include <string_view>

// The Chinese names of the method and the classical texts, in either script, as the data files
// of res/languages/ give them. Every lookup outside its range gives an empty text.

namespace zandrel {

enum class ChineseScript : std::uint8_t { Simplified, Traditional };

// The script of a Chinese language; none for English.
std::optional<ChineseScript> ScriptOf(Language language);

std::string_view TrigramName(ChineseScript script, Trigram t);        // 乾 .. 坤
std::string_view TrigramImage(ChineseScript script, Trigram t);       // 天 .. 地
std::string_view ElementName(ChineseScript script, Element e);        // 金 木 水 火 土
std::string_view HexagramShortName(ChineseScript script, Hexagram n); // 乾, 姤, 小畜
std::string_view HexagramFullName(ChineseScript script, Hexagram n);  // 乾为天, 天风姤

// Line k (1..6) of hexagram n named by its position and whether it is solid (九) or broken
// (六): 初九, 六二 .. 上六.
std::string LineName(ChineseScript script, Hexagram n, int k);
// The statement hexagrams 1 and 2 add after their six lines: 用九, 用六; empty for the others.
std::string ExtraStatementName(ChineseScript script, Hexagram n);

enum class ReadingTerm : std::uint8_t { Body, Use, Nuclear, Original, Final };
// 体 用 互卦 本卦 变卦 (體 用 互卦 本卦 變卦).
std::string_view TermName(ChineseScript script, ReadingTerm term);
// 比和 用生体 体克用 体生用 用克体.
std::string_view RelationName(ChineseScript script, Relation relation);

// The classical texts of hexagram n in the order of a custom text file: its full name as the
// title, the judgement (卦辞) and the statements of lines 1 to 6 (爻辞).
EightTexts ClassicalTexts(ChineseScript script, Hexagram n);
// The text of the extra statement of hexagrams 1 and 2; empty for the others.
std::string_view ClassicalExtraText(ChineseScript script, Hexagram n);

// "第一卦" .. "第六十四卦": the ordinal of hexagram n in Chinese numerals.
std::string HexagramOrdinal(Hexagram n);

} // namespace zandrel
