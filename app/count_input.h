#pragma once

#include "app/cast_request.h"
#include "app/count_requests.h"
#include "app/vocabulary.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The inputs of the casts from counts as a user types them, in the dialog and on the command
// line, and the one line that says what is wrong with them.

namespace zandrel {

// The items of a line: separated by blanks or commas (also the Chinese 、 and ，).
std::vector<std::string> InputItems(std::string_view text);

// One, two or three whole numbers 1..kMaxCastNumber.
struct NumbersInput {
    std::vector<std::int64_t> numbers;
    std::string error;
};
NumbersInput ReadCastNumbers(const Vocabulary& words, const std::vector<std::string>& items);

// A trigram by its number 1..8, its name (乾, 離, Qian), its image (Heaven, 天) or the direction
// the later-heaven arrangement gives it (south, 南), in any letter case.
std::optional<Trigram> ReadTrigram(std::string_view text);

// Two trigrams and perhaps the change line 1..6.
struct TrigramsInput {
    Trigram outer = 0;
    Trigram inner = 0;
    std::optional<int> line;
    std::string error;
};
TrigramsInput ReadTrigrams(const Vocabulary& words, const std::vector<std::string>& items);

// Counts a user gives characters, as "逃=9" (one a line or separated by blanks), and a single
// character's two parts as "逃=3+6".
struct CountsInput {
    std::map<char32_t, std::int64_t> counts;
    std::optional<std::array<std::int64_t, 2>> parts;
    std::string error;
};
CountsInput ReadCounts(const Vocabulary& words, const std::vector<std::string>& items);

// A cast from counts as a form gives it: the method, what was typed for it (numbers, characters,
// trigrams and perhaps the line), the counts given for characters, the stroke count, the rule's
// key (empty for the default) and the moment.
struct CountCastForm {
    CountMethod method = CountMethod::Numbers;
    std::vector<std::string> items;  // for characters, the text as one item
    std::vector<std::string> counts; // "字=6" or "字=3+3"
    StrokeCount strokes = StrokeCount::Modern;
    std::string rule;
    CastMoment moment;
};
struct CountCastInput {
    std::optional<CastRequest> request;
    std::string error;
};
// The cast by characters of a form, with the counts given that could be read.
CharactersCast CharactersOf(const Vocabulary& words, const CountCastForm& form);

// The request of the form, or the one line that says why it cannot be cast.
CountCastInput ReadCountCast(const Vocabulary& words, const CountCastForm& form);

// What keeps a cast from counts from being made, in one line; empty when it can be cast.
std::string CastProblem(const Vocabulary& words, const NumbersCast& cast);
std::string CastProblem(const Vocabulary& words, const CharactersCast& cast);
std::string CastProblem(const Vocabulary& words, const TrigramsCast& cast);

} // namespace zandrel
