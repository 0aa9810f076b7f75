#include "app/count_requests.h"

#include "app/reading_words.h"
#include "core/periods.h"
#include "core/strokes.h"
#include "platform/qt_text.h"

#include <QChar>
#include <QJsonArray>

#include <algorithm>

namespace zandrel {
namespace {

QJsonArray NumbersJson(const std::vector<std::int64_t>& numbers) {
    QJsonArray array;
    for (const std::int64_t n : numbers) {
        array.append(static_cast<qint64>(n));
    }
    return array;
}

QJsonObject StepJson(const CountStep& step) {
    return {{"terms", NumbersJson(step.terms)},     {"hour_term", step.hasHour},
            {"sum", static_cast<qint64>(step.sum)}, {"divisor", step.divisor},
            {"remainder", step.remainder},          {"value", step.value}};
}

// The facts every cast from counts has: its moment, the rule and the arithmetic.
QJsonObject CountFacts(const CastMoment& moment, const CountRule* rule,
                       const std::optional<CountArithmetic>& arithmetic) {
    QJsonObject facts{{"date", ToQString(CivilDateText(moment.date))},
                      {"time", ToQString(ClockTimeText(moment.time))},
                      {"hour_branch", moment.HourBranch()}};
    if (rule != nullptr) {
        facts["rule"] = ToQString(rule->key);
    }
    if (arithmetic) {
        facts["arithmetic"] = QJsonObject{{"outer", StepJson(arithmetic->outer)},
                                          {"inner", StepJson(arithmetic->inner)},
                                          {"change_line", StepJson(arithmetic->line)}};
    }
    return facts;
}

std::optional<CastValues> ValuesOf(const std::optional<CountArithmetic>& arithmetic) {
    return arithmetic ? std::optional(arithmetic->Values()) : std::nullopt;
}

std::optional<CountArithmetic> ArithmeticOf(const CountRule* rule,
                                            const std::vector<std::int64_t>& inputs,
                                            const CastMoment& moment) {
    if (rule == nullptr || static_cast<int>(inputs.size()) < InputCount(*rule)) {
        return std::nullopt;
    }
    const bool usable = std::all_of(inputs.begin(), inputs.end(), [](std::int64_t n) {
        return n >= 0 && n <= kMaxCastNumber * 3;
    });
    if (!usable) {
        return std::nullopt;
    }
    return CountCast(*rule, inputs, moment.HourBranch());
}

// "2024-02-10 12:00" and the arithmetic, the two lines every description of a cast from counts
// ends in.
std::string MomentAndArithmetic(const Vocabulary& words, const CastMoment& moment,
                                const std::optional<CountArithmetic>& arithmetic) {
    std::string text = CivilDateText(moment.date) + " " + ClockTimeText(moment.time);
    if (arithmetic) {
        text += "\n" + ArithmeticText(words, *arithmetic);
    }
    return text;
}

// The code points of UTF-8 text.
std::u32string CodePoints(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU32String();
}

// The trigrams by their images, as English writers name them; in Chinese by their names.
constexpr const char* kTrigramWords[] = {
    QT_TRANSLATE_NOOP("Trigrams", "Heaven"),   QT_TRANSLATE_NOOP("Trigrams", "Lake"),
    QT_TRANSLATE_NOOP("Trigrams", "Fire"),     QT_TRANSLATE_NOOP("Trigrams", "Thunder"),
    QT_TRANSLATE_NOOP("Trigrams", "Wind"),     QT_TRANSLATE_NOOP("Trigrams", "Water"),
    QT_TRANSLATE_NOOP("Trigrams", "Mountain"), QT_TRANSLATE_NOOP("Trigrams", "Earth"),
};

std::string NumbersText(const std::vector<std::int64_t>& numbers) {
    std::string text;
    for (const std::int64_t n : numbers) {
        text += (text.empty() ? "" : " ") + std::to_string(n);
    }
    return text;
}

} // namespace

int CastMoment::HourBranch() const {
    return PeriodOfHour(time.hour);
}

// Numbers.

const CountRule* NumbersCast::Rule() const {
    const int size = static_cast<int>(numbers.size());
    return rule.empty() ? DefaultRule(CountMethod::Numbers, size)
                        : FindRule(CountMethod::Numbers, rule, size);
}

std::optional<CountArithmetic> NumbersCast::Arithmetic() const {
    const bool inRange = std::all_of(numbers.begin(), numbers.end(),
                                     [](std::int64_t n) { return n >= 1 && n <= kMaxCastNumber; });
    return inRange ? ArithmeticOf(Rule(), numbers, moment) : std::nullopt;
}

std::optional<CastValues> NumbersCast::Values(std::string_view) const {
    return ValuesOf(Arithmetic());
}

QJsonObject NumbersCast::Facts() const {
    QJsonObject facts = CountFacts(moment, Rule(), Arithmetic());
    facts["numbers"] = NumbersJson(numbers);
    return facts;
}

std::string NumbersCast::Description(const Vocabulary& words) const {
    const CountRule* used = Rule();
    return FillIn(words.translate("Casts", "Cast by numbers: %1 (%2), %3"),
                  {NumbersText(numbers), used ? RuleText(words, *used) : std::string(),
                   MomentAndArithmetic(words, moment, Arithmetic())});
}

// Characters.

std::string_view StrokeCountKey(StrokeCount count) {
    return count == StrokeCount::Kangxi ? "kangxi" : "modern";
}

std::optional<StrokeCount> StrokeCountNamed(std::string_view key) {
    for (const StrokeCount count : {StrokeCount::Modern, StrokeCount::Kangxi}) {
        if (StrokeCountKey(count) == key) {
            return count;
        }
    }
    return std::nullopt;
}

bool IsHanCharacter(char32_t c) {
    return QChar::script(c) == QChar::Script_Han && QChar::isLetter(c);
}

std::vector<CountedCharacter> CharactersCast::Counted() const {
    std::vector<CountedCharacter> counted;
    for (const char32_t c : CodePoints(text)) {
        if (!IsHanCharacter(c)) {
            continue;
        }
        CountedCharacter entry{c, 0, CountSource::Unknown};
        if (const auto given = counts.find(c); given != counts.end()) {
            entry = {c, given->second, CountSource::User};
        } else if (const std::optional<int> numeral = NumeralValue(c);
                   numeral && strokes == StrokeCount::Kangxi) {
            entry = {c, *numeral, CountSource::Numeral};
        } else if (const std::optional<StrokeCounts> table = StrokesOf(c)) {
            entry = {c, strokes == StrokeCount::Kangxi ? table->kangxi : table->modern,
                     CountSource::Table};
        }
        counted.push_back(entry);
    }
    return counted;
}

std::u32string CharactersCast::LeftOut() const {
    std::u32string left;
    for (const char32_t c : CodePoints(text)) {
        if (!IsHanCharacter(c) && !QChar::isSpace(c) && left.find(c) == std::u32string::npos) {
            left += c;
        }
    }
    return left;
}

std::optional<std::array<std::int64_t, 2>> CharactersCast::Parts() const {
    if (parts) {
        return parts;
    }
    const std::vector<CountedCharacter> counted = Counted();
    if (counted.size() != 1) {
        return std::nullopt;
    }
    const char32_t c = counted.front().character;
    const std::optional<StrokeParts> split =
        strokes == StrokeCount::Kangxi ? KangxiPartsOf(c) : ModernPartsOf(c);
    if (!split) {
        return std::nullopt;
    }
    return std::array<std::int64_t, 2>{split->radical, split->rest};
}

const CountRule* CharactersCast::Rule() const {
    const int size = static_cast<int>(Counted().size());
    return rule.empty() ? DefaultRule(CountMethod::Characters, size)
                        : FindRule(CountMethod::Characters, rule, size);
}

std::optional<CountArithmetic> CharactersCast::Arithmetic() const {
    const CountRule* used = Rule();
    const std::vector<CountedCharacter> counted = Counted();
    if (used == nullptr) {
        return std::nullopt;
    }
    std::vector<std::int64_t> strokeCounts;
    for (const CountedCharacter& entry : counted) {
        if (entry.source == CountSource::Unknown && used->split != Split::CountHalves &&
            used->split != Split::Parts) {
            return std::nullopt;
        }
        strokeCounts.push_back(entry.strokes);
    }
    std::array<std::int64_t, 2> twoParts{};
    if (used->split == Split::Parts) {
        const std::optional<std::array<std::int64_t, 2>> given = Parts();
        if (!given) {
            return std::nullopt;
        }
        twoParts = *given;
    }
    return ArithmeticOf(used, CharacterInputs(*used, strokeCounts, twoParts), moment);
}

std::optional<CastValues> CharactersCast::Values(std::string_view) const {
    return ValuesOf(Arithmetic());
}

QJsonObject CharactersCast::Facts() const {
    QJsonObject facts = CountFacts(moment, Rule(), Arithmetic());
    facts["characters"] = ToQString(text);
    facts["strokes"] = ToQString(StrokeCountKey(strokes));
    QJsonArray counted;
    for (const CountedCharacter& entry : Counted()) {
        constexpr std::string_view kSources[] = {"table", "numeral", "user", "unknown"};
        counted.append(
            QJsonObject{{"character", ToQString(CharacterText(entry.character))},
                        {"count", static_cast<qint64>(entry.strokes)},
                        {"source", ToQString(kSources[static_cast<int>(entry.source)])}});
    }
    facts["counts"] = counted;
    if (const CountRule* used = Rule(); used && used->split == Split::Parts) {
        if (const auto two = Parts()) {
            facts["parts"] =
                QJsonArray{static_cast<qint64>((*two)[0]), static_cast<qint64>((*two)[1])};
        }
    }
    const std::u32string left = LeftOut();
    facts["left_out"] = QString::fromStdU32String(left);
    return facts;
}

std::string CharactersCast::Description(const Vocabulary& words) const {
    const CountRule* used = Rule();
    return FillIn(words.translate("Casts", "Cast by characters: %1 (%2, %3), %4"),
                  {CountedText(words, *this), StrokeCountText(words, strokes),
                   used ? RuleText(words, *used) : std::string(),
                   MomentAndArithmetic(words, moment, Arithmetic())});
}

std::string CountedText(const Vocabulary& words, const CharactersCast& cast) {
    std::string text;
    for (const CountedCharacter& entry : cast.Counted()) {
        text += (text.empty() ? "" : "  ") + CharacterText(entry.character) + " " +
                (entry.source == CountSource::Unknown ? "?" : std::to_string(entry.strokes));
    }
    std::string left;
    for (const char32_t c : cast.LeftOut()) {
        left += (left.empty() ? "" : " ") + CharacterText(c);
    }
    if (!left.empty()) {
        text += FillIn(words.translate("Casts", "; left out: %1"), {left});
    }
    return text;
}

// Trigrams.

const CountRule* TrigramsCast::Rule() const {
    return DefaultRule(CountMethod::Trigrams, line ? 3 : 2);
}

std::optional<CountArithmetic> TrigramsCast::Arithmetic() const {
    if (outer < 1 || outer > 8 || inner < 1 || inner > 8 || (line && (*line < 1 || *line > 6))) {
        return std::nullopt;
    }
    std::vector<std::int64_t> inputs{outer, inner};
    if (line) {
        inputs.push_back(*line);
    }
    return ArithmeticOf(Rule(), inputs, moment);
}

std::optional<CastValues> TrigramsCast::Values(std::string_view) const {
    return ValuesOf(Arithmetic());
}

QJsonObject TrigramsCast::Facts() const {
    QJsonObject facts = CountFacts(moment, Rule(), Arithmetic());
    facts["trigrams"] = QJsonArray{outer, inner};
    if (line) {
        facts["line"] = *line;
    }
    return facts;
}

std::string TrigramsCast::Description(const Vocabulary& words) const {
    return FillIn(words.translate("Casts", "Cast by trigrams: %1 over %2 (%3), %4"),
                  {TrigramCastName(words, outer), TrigramCastName(words, inner),
                   RuleText(words, *Rule()), MomentAndArithmetic(words, moment, Arithmetic())});
}

// Words.

std::string CharacterText(char32_t c) {
    return ToUtf8(QString::fromUcs4(&c, 1));
}

std::string_view TrigramImageWord(Trigram trigram) {
    return kTrigramWords[std::clamp(trigram, 1, 8) - 1];
}

std::string TrigramCastName(const Vocabulary& words, Trigram trigram) {
    return ToUtf8(words.translate("Trigrams", kTrigramWords[std::clamp(trigram, 1, 8) - 1]));
}

std::string StrokeCountText(const Vocabulary& words, StrokeCount count) {
    return ToUtf8(count == StrokeCount::Kangxi ? words.translate("Casts", "Kangxi strokes")
                                               : words.translate("Casts", "modern strokes"));
}

std::string RuleText(const Vocabulary& words, const CountRule& rule) {
    struct RuleWords {
        std::string_view key;
        CountMethod method;
        const char* text;
    };
    using M = CountMethod;
    static constexpr RuleWords kWords[] = {
        {"inner-from-hour", M::Numbers,
         QT_TRANSLATE_NOOP("Casts", "outer from the number, inner from the hour, line from both")},
        {"inner-from-sum", M::Numbers,
         QT_TRANSLATE_NOOP("Casts", "outer from the number, inner and line from it and the hour")},
        {"line-without-hour", M::Numbers, QT_TRANSLATE_NOOP("Casts", "line from their sum")},
        {"line-with-hour", M::Numbers,
         QT_TRANSLATE_NOOP("Casts",
                           "line from their sum and the hour (a measure in zhang and chi)")},
        {"line-from-third", M::Numbers, QT_TRANSLATE_NOOP("Casts", "line from the third number")},
        {"line-from-sum", M::Numbers, QT_TRANSLATE_NOOP("Casts", "line from the sum of the three")},
        {"parts", M::Characters, QT_TRANSLATE_NOOP("Casts", "by its two parts, left or top above")},
        {"strokes-and-hour", M::Characters,
         QT_TRANSLATE_NOOP("Casts", "by its strokes above, the hour below")},
        {"halves", M::Characters,
         QT_TRANSLATE_NOOP("Casts",
                           "first half above (the smaller), the rest below, line from all")},
        {"count", M::Characters,
         QT_TRANSLATE_NOOP("Casts", "by how many characters each half has")},
        {"line-from-hour", M::Trigrams,
         QT_TRANSLATE_NOOP("Casts", "line from the two trigrams' numbers and the hour")},
        {"line-given", M::Trigrams, QT_TRANSLATE_NOOP("Casts", "line as given")},
    };
    for (const RuleWords& entry : kWords) {
        if (entry.method == rule.method && entry.key == rule.key) {
            return ToUtf8(words.translate("Casts", entry.text));
        }
    }
    return std::string(rule.key);
}

std::string ArithmeticText(const Vocabulary& words, const CountArithmetic& arithmetic) {
    const auto stepText = [&words](const CountStep& step, const QString& pattern,
                                   const std::string& result) {
        std::string terms;
        for (std::size_t i = 0; i < step.terms.size(); ++i) {
            const bool isHour = step.hasHour && i + 1 == step.terms.size();
            const std::string term =
                isHour ? FillIn(words.translate("Casts", "hour %2 %1",
                                                "the hour's branch name and number"),
                                {std::to_string(step.terms[i]),
                                 std::string(words.BranchName(static_cast<int>(step.terms[i])))})
                       : std::to_string(step.terms[i]);
            terms += (i == 0 ? "" : " + ") + term;
        }
        if (step.terms.size() > 1) {
            terms = "(" + terms + ")";
        }
        return FillIn(
            pattern, {terms, std::to_string(step.divisor), std::to_string(step.remainder), result});
    };
    const auto trigramResult = [&words](const CountStep& step) {
        const std::string name = TrigramCastName(words, step.value);
        return step.remainder == 0 ? "→ " + std::to_string(step.value) + " " + name : name;
    };
    const std::string lineResult =
        arithmetic.line.remainder == 0 ? "→ " + std::to_string(arithmetic.line.value) : "";
    //: The arithmetic of a cast: %1 the terms, %2 the divisor, %3 the remainder, %4 the trigram
    const QString outer = words.translate("Casts", "outer %1 mod %2 = %3 %4");
    const QString inner = words.translate("Casts", "inner %1 mod %2 = %3 %4");
    const QString line = words.translate("Casts", "change line %1 mod %2 = %3 %4");
    std::string text = stepText(arithmetic.outer, outer, trigramResult(arithmetic.outer)) +
                       ToUtf8(words.translate("Casts", "; ")) +
                       stepText(arithmetic.inner, inner, trigramResult(arithmetic.inner)) +
                       ToUtf8(words.translate("Casts", "; ")) +
                       stepText(arithmetic.line, line, lineResult);
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

} // namespace zandrel
