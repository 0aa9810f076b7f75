#pragma once

#include "app/vocabulary.h"
#include "core/civil_date.h"
#include "core/count_cast.h"
#include "core/lunar_calendar.h"

#include <QJsonObject>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The casts from counts as requests: by numbers, by characters and by trigrams. Each holds what
// the user gave, the rule in force (the default of its method where none was chosen) and the
// moment whose hour joins the sums; its facts hold the inputs, the rule and every step of the
// arithmetic.

namespace zandrel {

inline constexpr std::string_view kNumbersMethod = "numbers";
inline constexpr std::string_view kCharactersMethod = "characters";
inline constexpr std::string_view kTrigramsMethod = "trigrams";

// The date and time of a cast from counts: the hour's branch number joins the sums that take it.
struct CastMoment {
    CivilDate date{kFirstYear, 1, 1};
    ClockTime time;

    int HourBranch() const;
};

// One, two or three whole numbers 1..kMaxCastNumber.
struct NumbersCast {
    static constexpr std::string_view kMethod = kNumbersMethod;

    std::vector<std::int64_t> numbers;
    std::string rule; // a rule's key; empty for the default
    CastMoment moment;

    const CountRule* Rule() const;
    std::optional<CountArithmetic> Arithmetic() const;
    std::optional<CastValues> Values(std::string_view question) const;
    QJsonObject Facts() const;
    std::string Description(const Vocabulary& words) const;
};

// How strokes are counted: as the character is written today, or as the Kangxi dictionary
// counts them (the radical in its full form, the numerals 一 to 十 as 1 to 10).
enum class StrokeCount : std::uint8_t { Modern, Kangxi };
std::string_view StrokeCountKey(StrokeCount count); // "modern", "kangxi"
std::optional<StrokeCount> StrokeCountNamed(std::string_view key);

// Where a character's count comes from.
enum class CountSource : std::uint8_t { Table, Numeral, User, Unknown };

struct CountedCharacter {
    char32_t character = 0;
    std::int64_t strokes = 0; // 0 where unknown
    CountSource source = CountSource::Unknown;
};

// A phrase or name in Chinese characters. Only Han characters count; the others are left out
// and named.
struct CharactersCast {
    static constexpr std::string_view kMethod = kCharactersMethod;

    std::string text;
    StrokeCount strokes = StrokeCount::Modern;
    std::string rule; // a rule's key; empty for the default
    // Counts the user gave, in place of the table's; of a single character counted by its parts,
    // the two parts.
    std::map<char32_t, std::int64_t> counts;
    std::optional<std::array<std::int64_t, 2>> parts;
    CastMoment moment;

    // The Han characters of the text, in order, with their counts.
    std::vector<CountedCharacter> Counted() const;
    // The characters of the text that are not counted, each once, in order.
    std::u32string LeftOut() const;
    // The two parts of a single character: the user's, else its radical and the rest.
    std::optional<std::array<std::int64_t, 2>> Parts() const;
    const CountRule* Rule() const;
    std::optional<CountArithmetic> Arithmetic() const;
    std::optional<CastValues> Values(std::string_view question) const;
    QJsonObject Facts() const;
    std::string Description(const Vocabulary& words) const;
};

// Two trigrams picked for what was seen, and the change line where it was given.
struct TrigramsCast {
    static constexpr std::string_view kMethod = kTrigramsMethod;

    Trigram outer = 1;
    Trigram inner = 1;
    std::optional<int> line;
    CastMoment moment;

    const CountRule* Rule() const;
    std::optional<CountArithmetic> Arithmetic() const;
    std::optional<CastValues> Values(std::string_view question) const;
    QJsonObject Facts() const;
    std::string Description(const Vocabulary& words) const;
};

// Whether `c` is a Han character, which a cast by characters counts.
bool IsHanCharacter(char32_t c);

// The arithmetic as practitioners write it: "outer 27 mod 8 = 3 Fire; inner 15 mod 8 = 7
// Mountain; change line (27 + 15) mod 6 = 0 → 6"; in Chinese "上卦 27 ÷ 8 余 3 离；…".
std::string ArithmeticText(const Vocabulary& words, const CountArithmetic& arithmetic);
// The characters counted with their counts, "天 4  地 6  人 2" ("?" for a count not known), and
// those left out: "; left out: a b".
std::string CountedText(const Vocabulary& words, const CharactersCast& cast);
// What the rule does, in a few words.
std::string RuleText(const Vocabulary& words, const CountRule& rule);
std::string StrokeCountText(const Vocabulary& words, StrokeCount count);
// The trigram by the name a caster gives it: Fire; 离. TrigramImageWord is the English word
// ("Fire"), which the other languages translate.
std::string TrigramCastName(const Vocabulary& words, Trigram trigram);
std::string_view TrigramImageWord(Trigram trigram);

// A character as UTF-8.
std::string CharacterText(char32_t c);

} // namespace zandrel
