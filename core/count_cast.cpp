#include "core/count_cast.h"

#include <algorithm>
#include <numeric>

namespace zandrel {
namespace {

using M = CountMethod;

// Numbers: one number is an object's count (its trigram above the hour's) or a sound's (the
// hour joins the number below); two numbers make the two trigrams, the hour joining the line
// where a measure in 丈 and 尺 is cast; three numbers name the line with the third, or their
// sum does. Characters: see CharacterInputs. Trigrams: what was seen gives the two trigrams
// and the hour moves the line, or the line is given with them.
constexpr CountRule kRules[] = {
    {M::Numbers, "inner-from-hour", 1, 1, kFirst, kHour, kFirst | kHour, true},
    {M::Numbers, "inner-from-sum", 1, 1, kFirst, kFirst | kHour, kFirst | kHour, false},
    {M::Numbers, "line-without-hour", 2, 2, kFirst, kSecond, kFirst | kSecond, true},
    {M::Numbers, "line-with-hour", 2, 2, kFirst, kSecond, kFirst | kSecond | kHour, false},
    {M::Numbers, "line-from-third", 3, 3, kFirst, kSecond, kThird, true},
    {M::Numbers, "line-from-sum", 3, 3, kFirst, kSecond, kFirst | kSecond | kThird, false},
    {M::Characters, "parts", 1, 1, kFirst, kSecond, kFirst | kSecond, true, Split::Parts},
    {M::Characters, "strokes-and-hour", 1, 1, kFirst, kHour, kFirst | kHour, false, Split::Whole},
    {M::Characters, "halves", 2, kMostCharactersByStrokes, kFirst, kSecond, kFirst | kSecond, true,
     Split::StrokeHalves},
    {M::Characters, "count", kMostCharactersByStrokes + 1, 1 << 30, kFirst, kSecond,
     kFirst | kSecond, true, Split::CountHalves},
    {M::Trigrams, "line-from-hour", 2, 2, kFirst, kSecond, kFirst | kSecond | kHour, true},
    {M::Trigrams, "line-given", 3, 3, kFirst, kSecond, kThird, true},
};

CountStep Step(std::uint8_t terms, std::span<const std::int64_t> inputs, int hourBranch,
               int divisor) {
    CountStep step;
    step.divisor = divisor;
    for (std::size_t i = 0; i < 3; ++i) {
        if ((terms & (1U << i)) != 0 && i < inputs.size()) {
            step.terms.push_back(inputs[i]);
        }
    }
    if ((terms & kHour) != 0) {
        step.terms.push_back(hourBranch);
        step.hasHour = true;
    }
    step.sum = std::accumulate(step.terms.begin(), step.terms.end(), std::int64_t{0});
    step.remainder = static_cast<int>(step.sum % divisor);
    step.value = step.remainder == 0 ? divisor : step.remainder;
    return step;
}

} // namespace

std::span<const CountRule> CountRules() {
    return kRules;
}

std::vector<const CountRule*> RulesFor(CountMethod method, int size) {
    std::vector<const CountRule*> rules;
    for (const CountRule& rule : kRules) {
        if (rule.method == method && rule.firstSize <= size && size <= rule.lastSize) {
            rules.push_back(&rule);
        }
    }
    std::stable_partition(rules.begin(), rules.end(),
                          [](const CountRule* rule) { return rule->isDefault; });
    return rules;
}

const CountRule* DefaultRule(CountMethod method, int size) {
    const std::vector<const CountRule*> rules = RulesFor(method, size);
    return rules.empty() ? nullptr : rules.front();
}

const CountRule* FindRule(CountMethod method, std::string_view key, int size) {
    for (const CountRule* rule : RulesFor(method, size)) {
        if (rule->key == key) {
            return rule;
        }
    }
    return nullptr;
}

int InputCount(const CountRule& rule) {
    const unsigned used = rule.outer | rule.inner | rule.line;
    return (used & kThird) != 0 ? 3 : (used & kSecond) != 0 ? 2 : 1;
}

CountArithmetic CountCast(const CountRule& rule, std::span<const std::int64_t> inputs,
                          int hourBranch) {
    return {Step(rule.outer, inputs, hourBranch, 8), Step(rule.inner, inputs, hourBranch, 8),
            Step(rule.line, inputs, hourBranch, 6)};
}

std::vector<std::int64_t> CharacterInputs(const CountRule& rule,
                                          std::span<const std::int64_t> strokes,
                                          std::array<std::int64_t, 2> parts) {
    const auto half = static_cast<std::ptrdiff_t>(OuterHalf(static_cast<int>(strokes.size())));
    const auto sum = [](auto first, auto last) {
        return std::accumulate(first, last, std::int64_t{0});
    };
    switch (rule.split) {
    case Split::Parts:
        return {parts[0], parts[1]};
    case Split::Whole:
        return {sum(strokes.begin(), strokes.end())};
    case Split::CountHalves:
        return {half, static_cast<std::int64_t>(strokes.size()) - half};
    case Split::StrokeHalves:
        return {sum(strokes.begin(), strokes.begin() + half),
                sum(strokes.begin() + half, strokes.end())};
    case Split::None:
        break;
    }
    return {strokes.begin(), strokes.end()};
}

Trigram LaterHeavenTrigram(Direction direction) {
    // 离 坤 兑 乾 坎 艮 震 巽, clockwise from the south.
    constexpr Trigram kTrigrams[kDirectionCount] = {3, 8, 2, 1, 6, 7, 4, 5};
    return kTrigrams[static_cast<int>(direction)];
}

} // namespace zandrel
