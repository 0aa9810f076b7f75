#include "app/count_input.h"

#include "platform/qt_text.h"
#include "text/names.h"

#include <QRegularExpression>
#include <QString>
#include <QStringDecoder>

#include <algorithm>

namespace zandrel {
namespace {

// The trigrams' names in pinyin, 1..8; their Chinese names and images come from the languages'
// data, their English images from the words the casts show.
constexpr std::string_view kPinyin[] = {"qian", "dui", "li", "zhen", "xun", "kan", "gen", "kun"};

// Whether `name` (lower case) names trigram `t`: its number, pinyin, English image, or its name
// or image in either Chinese script.
bool NamesTrigram(std::string_view name, Trigram t) {
    if (name == std::to_string(t) || name == kPinyin[t - 1] ||
        name == ToUtf8(ToQString(TrigramImageWord(t)).toLower())) {
        return true;
    }
    for (const Language language : {Language::SimplifiedChinese, Language::TraditionalChinese}) {
        if (name == TrigramName(language, t) || name == TrigramImage(language, t)) {
            return true;
        }
    }
    return false;
}

// The compass directions in English, abbreviated, and in both scripts.
struct DirectionNames {
    Direction direction;
    std::string_view names[4];
};
constexpr DirectionNames kDirectionNames[] = {
    {Direction::South, {"south", "s", "南"}},
    {Direction::Southwest, {"southwest", "sw", "西南"}},
    {Direction::West, {"west", "w", "西"}},
    {Direction::Northwest, {"northwest", "nw", "西北"}},
    {Direction::North, {"north", "n", "北"}},
    {Direction::Northeast, {"northeast", "ne", "东北", "東北"}},
    {Direction::East, {"east", "e", "东", "東"}},
    {Direction::Southeast, {"southeast", "se", "东南", "東南"}},
};

bool Names(const DirectionNames& entry, std::string_view name) {
    return !name.empty() &&
           std::find(std::begin(entry.names), std::end(entry.names), name) != std::end(entry.names);
}

// A whole number written in ASCII digits, no sign; none past twelve digits.
std::optional<std::int64_t> WholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 12) {
        return std::nullopt;
    }
    std::int64_t n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        n = n * 10 + (c - '0');
    }
    return n;
}

std::string RuleProblem(const Vocabulary& words, CountMethod method, const std::string& rule,
                        int size) {
    std::string known;
    for (const CountRule* candidate : RulesFor(method, size)) {
        known += (known.empty() ? "" : ", ") + std::string(candidate->key);
    }
    return FillIn(words.translate("Casts", "there is no rule '%1' for this input; rules: %2"),
                  {rule, known});
}

} // namespace

std::vector<std::string> InputItems(std::string_view text) {
    static const QRegularExpression separators(QStringLiteral("[\\s,，、]+"));
    std::vector<std::string> items;
    for (const QString& item : ToQString(text).split(separators, Qt::SkipEmptyParts)) {
        items.push_back(ToUtf8(item));
    }
    return items;
}

NumbersInput ReadCastNumbers(const Vocabulary& words, const std::vector<std::string>& items) {
    NumbersInput input;
    if (items.empty() || items.size() > 3) {
        input.error = ToUtf8(words.translate("Casts", "give one, two or three numbers"));
        return input;
    }
    for (const std::string& item : items) {
        const std::optional<std::int64_t> n = WholeNumber(item);
        if (!n || *n < 1 || *n > kMaxCastNumber) {
            input.error = FillIn(
                words.translate("Casts", "'%1' is not a whole number from 1 to 999999999"), {item});
            input.numbers.clear();
            return input;
        }
        input.numbers.push_back(*n);
    }
    return input;
}

std::optional<Trigram> ReadTrigram(std::string_view text) {
    const std::string name = ToUtf8(ToQString(text).trimmed().toLower());
    for (Trigram t = 1; t <= 8; ++t) {
        if (NamesTrigram(name, t)) {
            return t;
        }
    }
    for (const DirectionNames& entry : kDirectionNames) {
        if (Names(entry, name)) {
            return LaterHeavenTrigram(entry.direction);
        }
    }
    return std::nullopt;
}

TrigramsInput ReadTrigrams(const Vocabulary& words, const std::vector<std::string>& items) {
    TrigramsInput input;
    if (items.size() < 2 || items.size() > 3) {
        input.error = ToUtf8(words.translate(
            "Casts", "give the outer and the inner trigram, and the change line if you have it"));
        return input;
    }
    for (std::size_t i = 0; i < 2; ++i) {
        const std::optional<Trigram> trigram = ReadTrigram(items[i]);
        if (!trigram) {
            input.error =
                FillIn(words.translate("Casts",
                                       "'%1' is not a trigram: give 1 to 8, a name or a direction"),
                       {items[i]});
            return input;
        }
        (i == 0 ? input.outer : input.inner) = *trigram;
    }
    if (items.size() == 3) {
        const std::optional<std::int64_t> line = WholeNumber(items[2]);
        if (!line || *line < 1 || *line > 6) {
            input.error = FillIn(words.translate("Casts", "'%1' is not a change line: give 1 to 6"),
                                 {items[2]});
            return input;
        }
        input.line = static_cast<int>(*line);
    }
    return input;
}

CountsInput ReadCounts(const Vocabulary& words, const std::vector<std::string>& items) {
    CountsInput input;
    for (const std::string& item : items) {
        const QString text = ToQString(item);
        const qsizetype equals = text.indexOf(u'=');
        const std::u32string character = text.left(equals).toStdU32String();
        const QStringList values = text.mid(equals + 1).split(u'+');
        std::vector<std::int64_t> numbers;
        for (const QString& value : values) {
            if (const std::optional<std::int64_t> n = WholeNumber(ToUtf8(value));
                n && *n >= 1 && *n <= 99) {
                numbers.push_back(*n);
            }
        }
        if (equals < 0 || character.size() != 1 || !IsHanCharacter(character.front()) ||
            numbers.size() != static_cast<std::size_t>(values.size()) || numbers.size() > 2) {
            input.error =
                FillIn(words.translate("Casts", "'%1' is not a count: write it as 字=6, "
                                                "or 字=3+3 for one character's two parts"),
                       {item});
            return input;
        }
        if (numbers.size() == 2) {
            input.parts = std::array<std::int64_t, 2>{numbers[0], numbers[1]};
            input.counts[character.front()] = numbers[0] + numbers[1];
        } else {
            input.counts[character.front()] = numbers[0];
        }
    }
    return input;
}

std::string CastProblem(const Vocabulary& words, const NumbersCast& cast) {
    if (cast.Rule() == nullptr) {
        return RuleProblem(words, CountMethod::Numbers, cast.rule,
                           static_cast<int>(cast.numbers.size()));
    }
    return {};
}

std::string CastProblem(const Vocabulary& words, const CharactersCast& cast) {
    const std::vector<CountedCharacter> counted = cast.Counted();
    if (counted.empty()) {
        return ToUtf8(words.translate("Casts", "there is no Chinese character to count"));
    }
    const CountRule* rule = cast.Rule();
    if (rule == nullptr) {
        return RuleProblem(words, CountMethod::Characters, cast.rule,
                           static_cast<int>(counted.size()));
    }
    if (rule->split == Split::Parts) {
        if (!cast.Parts()) {
            return FillIn(
                words.translate("Casts", "give the strokes of the two parts of %1 as %1=3+6"),
                {CharacterText(counted.front().character)});
        }
        return {};
    }
    if (rule->split != Split::CountHalves) {
        for (const CountedCharacter& entry : counted) {
            if (entry.source == CountSource::Unknown) {
                return FillIn(
                    words.translate("Casts", "the strokes of %1 are not known: give them as %1=N"),
                    {CharacterText(entry.character)});
            }
        }
    }
    return {};
}

std::string CastProblem(const Vocabulary&, const TrigramsCast&) {
    return {};
}

CharactersCast CharactersOf(const Vocabulary& words, const CountCastForm& form) {
    const CountsInput counts = ReadCounts(words, form.counts);
    std::string text;
    for (const std::string& item : form.items) {
        text += item;
    }
    return {text, form.strokes, form.rule, counts.counts, counts.parts, form.moment};
}

CountCastInput ReadCountCast(const Vocabulary& words, const CountCastForm& form) {
    const auto checked = [&words](auto cast) {
        std::string problem = CastProblem(words, cast);
        return problem.empty() ? CountCastInput{CastRequest(std::move(cast)), {}}
                               : CountCastInput{std::nullopt, std::move(problem)};
    };
    switch (form.method) {
    case CountMethod::Numbers: {
        const NumbersInput input = ReadCastNumbers(words, form.items);
        if (!input.error.empty()) {
            return {std::nullopt, input.error};
        }
        return checked(NumbersCast{input.numbers, form.rule, form.moment});
    }
    case CountMethod::Trigrams: {
        const TrigramsInput input = ReadTrigrams(words, form.items);
        if (!input.error.empty()) {
            return {std::nullopt, input.error};
        }
        return checked(TrigramsCast{input.outer, input.inner, input.line, form.moment});
    }
    case CountMethod::Characters: {
        for (const std::string& item : form.items) {
            QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            const QString decoded =
                utf8(QByteArrayView(item.data(), static_cast<qsizetype>(item.size())));
            if (utf8.hasError()) {
                return {std::nullopt,
                        ToUtf8(words.translate("Casts", "the characters are not UTF-8 text"))};
            }
        }
        const CountsInput counts = ReadCounts(words, form.counts);
        if (!counts.error.empty()) {
            return {std::nullopt, counts.error};
        }
        return checked(CharactersOf(words, form));
    }
    }
    return {};
}

} // namespace zandrel
