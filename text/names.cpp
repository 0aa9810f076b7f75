#include "text/names.h"

#include "text/language_tables.h"

namespace zandrel {
namespace {

// The compiled folder of the language; none where its row has no folder.
const LanguageData* DataOf(Language language) {
    const std::string_view code = LanguageCode(language);
    for (const LanguageData& data : LanguageDataTable()) {
        if (data.code == code) {
            return &data;
        }
    }
    return nullptr;
}

// The entry of a 1-based number in a member of the language's data; empty outside it.
template <std::size_t N>
std::string_view Numbered(Language language, std::array<std::string_view, N> LanguageData::*names,
                          int number) {
    const LanguageData* data = DataOf(language);
    return data != nullptr && number >= 1 && number <= static_cast<int>(N)
               ? (data->*names)[static_cast<std::size_t>(number - 1)]
               : std::string_view();
}

constexpr bool IsHexagram(Hexagram n) {
    return n >= 1 && n <= 64;
}

// The solid or broken word of line k of hexagram n, found through the hexagram table.
std::string_view LineWord(Language language, Hexagram n, int k) {
    for (Trigram outer = 1; outer <= 8; ++outer) {
        for (Trigram inner = 1; inner <= 8; ++inner) {
            if (HexagramTable(outer, inner) == n) {
                return Numbered(language, &LanguageData::lineWords,
                                HexagramLine(outer, inner, k) == Line::Solid ? 1 : 2);
            }
        }
    }
    return {};
}

// The place of a relation in the data's tables.
int RelationNumber(Relation relation) {
    switch (relation) {
    case Relation::SameElement:
        return 1;
    case Relation::UseFeedsBody:
        return 2;
    case Relation::BodyControlsUse:
        return 3;
    case Relation::BodyFeedsUse:
        return 4;
    case Relation::UseControlsBody:
        return 5;
    }
    return 0;
}

} // namespace

std::string_view TrigramName(Language language, Trigram t) {
    return Numbered(language, &LanguageData::trigramNames, t);
}

std::string_view TrigramImage(Language language, Trigram t) {
    return Numbered(language, &LanguageData::trigramImages, t);
}

std::string_view ElementName(Language language, Element e) {
    return Numbered(language, &LanguageData::elementNames, static_cast<int>(e) + 1);
}

std::string_view HexagramShortName(Language language, Hexagram n) {
    return Numbered(language, &LanguageData::shortNames, n);
}

std::string_view HexagramFullName(Language language, Hexagram n) {
    return Numbered(language, &LanguageData::fullNames, n);
}

std::string LineName(Language language, Hexagram n, int k) {
    if (!IsHexagram(n) || k < 1 || k > 6) {
        return {};
    }
    const std::string_view word = LineWord(language, n, k);
    const std::string_view position = Numbered(language, &LanguageData::positionWords, k);
    if (word.empty() || position.empty()) {
        return {};
    }
    // The bottom and top lines name their position first (初九, 上六), the others their line
    // (九二, 六五).
    return k == 1 || k == 6 ? std::string(position) + std::string(word)
                            : std::string(word) + std::string(position);
}

std::string ExtraStatementName(Language language, Hexagram n) {
    const LanguageData* data = DataOf(language);
    if (data == nullptr || data->extraWord.empty() || ClassicalExtraText(language, n).empty()) {
        return {};
    }
    // Hexagrams 1 and 2 are all solid or all broken: the extra statement takes their one word.
    return std::string(data->extraWord) + std::string(LineWord(language, n, 1));
}

std::string_view TermName(Language language, ReadingTerm term) {
    return Numbered(language, &LanguageData::termNames, static_cast<int>(term) + 1);
}

std::string_view RelationName(Language language, Relation relation) {
    return Numbered(language, &LanguageData::relationNames, RelationNumber(relation));
}

std::string_view RelationPhrase(Language language, Relation relation) {
    const std::string_view phrase =
        Numbered(language, &LanguageData::relationPhrases, RelationNumber(relation));
    return phrase.empty() ? RelationName(language, relation) : phrase;
}

std::string_view StemName(Language language, int stem) {
    return Numbered(language, &LanguageData::stemNames, stem);
}

std::string_view BranchName(Language language, int branch) {
    return Numbered(language, &LanguageData::branchNames, branch);
}

std::string_view LunarWordName(Language language, LunarWord word) {
    return Numbered(language, &LanguageData::lunarWords, static_cast<int>(word) + 1);
}

std::string_view SolarTermName(Language language, int term) {
    return Numbered(language, &LanguageData::solarTermNames, term + 1);
}

std::string_view StrengthName(Language language, int strength) {
    return Numbered(language, &LanguageData::strengthNames, strength + 1);
}

std::string_view Numeral(Language language, int n) {
    return Numbered(language, &LanguageData::numerals, n);
}

bool HasClassicalTexts(Language language) {
    const LanguageData* data = DataOf(language);
    return data != nullptr && data->texts != nullptr;
}

EightTexts ClassicalTexts(Language language, Hexagram n) {
    EightTexts texts;
    if (IsHexagram(n) && HasClassicalTexts(language)) {
        const auto& source = (*DataOf(language)->texts)[static_cast<std::size_t>(n - 1)];
        for (std::size_t i = 0; i < texts.size(); ++i) {
            texts[i] = source[i];
        }
    }
    return texts;
}

std::string_view ClassicalExtraText(Language language, Hexagram n) {
    return IsHexagram(n) && HasClassicalTexts(language)
               ? (*DataOf(language)->texts)[static_cast<std::size_t>(n - 1)][8]
               : std::string_view();
}

std::string HexagramOrdinal(Language language, Hexagram n) {
    if (!IsHexagram(n) || Numeral(language, 10).empty()) {
        return {};
    }
    // 二十, 四十四: the tens' digit (none for 10..19), 十, the units' digit (none for 20).
    const int tens = n / 10;
    const int units = n % 10;
    std::string numeral;
    if (tens > 1) {
        numeral += Numeral(language, tens);
    }
    if (tens > 0) {
        numeral += Numeral(language, 10);
    }
    numeral += Numeral(language, units);
    return "第" + numeral + "卦";
}

} // namespace zandrel
