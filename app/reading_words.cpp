#include "app/reading_words.h"

#include "core/casting.h"
#include "platform/qt_text.h"

namespace zandrel {
namespace {

std::vector<std::string> Numbers(int first, int count) {
    std::vector<std::string> numbers;
    for (int n = first; n < first + count; ++n) {
        numbers.push_back(NumberText(n));
    }
    return numbers;
}

// A number and, where there is one, its name.
std::string Named(int number, std::string_view name) {
    return name.empty() ? NumberText(number) : NumberText(number) + " " + std::string(name);
}

} // namespace

std::string ElementMarkText(const Vocabulary& words, const ElementMark& mark) {
    const std::string name(words.ElementName(mark.element));
    if (mark.isBody) {
        return "(" + name + ")";
    }
    const char sign = mark.Favourable() ? '+' : '-';
    return sign + name + sign;
}

std::string RelationSentence(const Vocabulary& words, const ElementMark& mark) {
    if (mark.isBody) {
        return ToUtf8(words.translate("ReadingLabels",
                                      "The body: the element the others are judged against"));
    }
    const QString relation = ToQString(words.RelationPhrase(mark.relation));
    return ToUtf8(mark.Favourable()
                      ? words.translate("ReadingLabels", "%1: favourable").arg(relation)
                      : words.translate("ReadingLabels", "%1: unfavourable").arg(relation));
}

std::string NumberText(int value) {
    return std::to_string(value);
}

std::string HexagramWords(const Vocabulary& words, Hexagram hexagram) {
    return Named(hexagram, words.HexagramName(hexagram));
}

std::string TrigramWords(const Vocabulary& words, Trigram trigram) {
    return Named(trigram, words.TrigramName(trigram));
}

std::string ChangeLineWords(const Vocabulary& words, Hexagram hexagram, int line) {
    const std::string name = LineName(words.Speaks(), hexagram, line);
    return name.empty() ? NumberText(line) : name;
}

std::string PeriodWords(const Vocabulary& words, int period) {
    const std::string name = words.PeriodName(period);
    return name.empty() ? words.PeriodEntry(period) : name;
}

std::vector<std::string> YearEntries() {
    return Numbers(kFirstYear, kYearCount);
}

std::vector<std::string> MonthEntries(const Vocabulary& words) {
    std::vector<std::string> entries;
    for (int month = 1; month <= kMonthCount; ++month) {
        entries.push_back(words.MonthEntry(month));
    }
    return entries;
}

std::vector<std::string> DayEntries() {
    return Numbers(1, kDayCount);
}

std::vector<std::string> PeriodEntries(const Vocabulary& words) {
    std::vector<std::string> entries;
    for (int period = 1; period <= kPeriodCount; ++period) {
        entries.push_back(words.PeriodEntry(period));
    }
    return entries;
}

} // namespace zandrel
