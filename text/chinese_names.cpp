#include "text/chinese_names.h"

#include "text/classical_tables.h"

namespace zandrel {
namespace {

const ClassicalTable& Table(ChineseScript script) {
    return kClassicalTables[script == ChineseScript::Traditional ? 1 : 0];
}

// The entry of a 1-based number in a table of names; empty outside it.
template <std::size_t N>
std::string_view Numbered(const std::array<std::string_view, N>& names, int number) {
    return number >= 1 && number <= static_cast<int>(N)
               ? names[static_cast<std::size_t>(number - 1)]
               : std::string_view();
}

constexpr bool IsHexagram(Hexagram n) {
    return n >= 1 && n <= 64;
}

// The solid or broken word of line k of hexagram n, found through the hexagram table.
std::string_view LineWord(const ClassicalTable& table, Hexagram n, int k) {
    for (Trigram outer = 1; outer <= 8; ++outer) {
        for (Trigram inner = 1; inner <= 8; ++inner) {
            if (HexagramTable(outer, inner) == n) {
                return table.lineWords[HexagramLine(outer, inner, k) == Line::Solid ? 0 : 1];
            }
        }
    }
    return {};
}

} // namespace

std::optional<ChineseScript> ScriptOf(Language language) {
    switch (language) {
    case Language::SimplifiedChinese:
        return ChineseScript::Simplified;
    case Language::TraditionalChinese:
        return ChineseScript::Traditional;
    case Language::English:
        break;
    }
    return std::nullopt;
}

std::string_view TrigramName(ChineseScript script, Trigram t) {
    return Numbered(Table(script).trigramNames, t);
}

std::string_view TrigramImage(ChineseScript script, Trigram t) {
    return Numbered(Table(script).trigramImages, t);
}

std::string_view ElementName(ChineseScript script, Element e) {
    return Numbered(Table(script).elementNames, static_cast<int>(e) + 1);
}

std::string_view HexagramShortName(ChineseScript script, Hexagram n) {
    return Numbered(Table(script).shortNames, n);
}

std::string_view HexagramFullName(ChineseScript script, Hexagram n) {
    return Numbered(Table(script).fullNames, n);
}

std::string LineName(ChineseScript script, Hexagram n, int k) {
    if (!IsHexagram(n) || k < 1 || k > 6) {
        return {};
    }
    const ClassicalTable& table = Table(script);
    const std::string_view word = LineWord(table, n, k);
    const std::string_view position = table.positionWords[static_cast<std::size_t>(k - 1)];
    // The bottom and top lines name their position first (初九, 上六), the others their line
    // (九二, 六五).
    return k == 1 || k == 6 ? std::string(position) + std::string(word)
                            : std::string(word) + std::string(position);
}

std::string ExtraStatementName(ChineseScript script, Hexagram n) {
    if (ClassicalExtraText(script, n).empty()) {
        return {};
    }
    // Hexagrams 1 and 2 are all solid or all broken: the extra statement takes their one word.
    const ClassicalTable& table = Table(script);
    return std::string(table.extraWord) + std::string(LineWord(table, n, 1));
}

std::string_view TermName(ChineseScript script, ReadingTerm term) {
    return Numbered(Table(script).termNames, static_cast<int>(term) + 1);
}

std::string_view RelationName(ChineseScript script, Relation relation) {
    int index = 0;
    switch (relation) {
    case Relation::SameElement:
        index = 1;
        break;
    case Relation::UseFeedsBody:
        index = 2;
        break;
    case Relation::BodyControlsUse:
        index = 3;
        break;
    case Relation::BodyFeedsUse:
        index = 4;
        break;
    case Relation::UseControlsBody:
        index = 5;
        break;
    }
    return Numbered(Table(script).relationNames, index);
}

EightTexts ClassicalTexts(ChineseScript script, Hexagram n) {
    EightTexts texts;
    if (IsHexagram(n)) {
        const auto& source = Table(script).texts[static_cast<std::size_t>(n - 1)];
        for (std::size_t i = 0; i < texts.size(); ++i) {
            texts[i] = source[i];
        }
    }
    return texts;
}

std::string_view ClassicalExtraText(ChineseScript script, Hexagram n) {
    return IsHexagram(n) ? Table(script).texts[static_cast<std::size_t>(n - 1)][8]
                         : std::string_view();
}

std::string HexagramOrdinal(Hexagram n) {
    if (!IsHexagram(n)) {
        return {};
    }
    static constexpr std::array<std::string_view, 10> kDigits = {"",   "一", "二", "三", "四",
                                                                 "五", "六", "七", "八", "九"};
    const int tens = n / 10;
    const int units = n % 10;
    std::string numeral;
    if (tens > 1) {
        numeral += kDigits[static_cast<std::size_t>(tens)];
    }
    if (tens > 0) {
        numeral += "十";
    }
    numeral += kDigits[static_cast<std::size_t>(units)];
    return "第" + numeral + "卦";
}

} // namespace zandrel
