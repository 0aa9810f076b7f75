#include "ui/reading_labels.h"

#include "core/casting.h"
#include "core/range.h"
#include "platform/qt_text.h"
#include "text/chinese_names.h"
#include "ui/interface_language.h"

#include <QCoreApplication>

#include <array>
#include <string_view>

namespace zandrel {
namespace {

class ReadingLabels {
    Q_DECLARE_TR_FUNCTIONS(ReadingLabels)
};

constexpr std::array<std::string_view, kElementCount> kElementNames = {
    "Metal", "Wood", "Water", "Fire", "Earth",
};

//: The entries of the month list of the target time query
constexpr std::array<const char*, kMonthCount> kMonths = {
    QT_TRANSLATE_NOOP("ReadingLabels", "Jan"), QT_TRANSLATE_NOOP("ReadingLabels", "Feb"),
    QT_TRANSLATE_NOOP("ReadingLabels", "Mar"), QT_TRANSLATE_NOOP("ReadingLabels", "Apr"),
    QT_TRANSLATE_NOOP("ReadingLabels", "May"), QT_TRANSLATE_NOOP("ReadingLabels", "Jun"),
    QT_TRANSLATE_NOOP("ReadingLabels", "Jul"), QT_TRANSLATE_NOOP("ReadingLabels", "Aug"),
    QT_TRANSLATE_NOOP("ReadingLabels", "Sep"), QT_TRANSLATE_NOOP("ReadingLabels", "Oct"),
    QT_TRANSLATE_NOOP("ReadingLabels", "Nov"), QT_TRANSLATE_NOOP("ReadingLabels", "Dec"),
};

// The two-hour periods, named in Chinese by their earthly branch with the clock hours.
// "1PM - 3-PM" is written that way on purpose: it is the entry users have always seen.
constexpr std::array<const char*, kPeriodCount> kPeriods = {
    QT_TRANSLATE_NOOP("ReadingLabels", "11PM - 1AM"),
    QT_TRANSLATE_NOOP("ReadingLabels", "1AM - 3AM"),
    QT_TRANSLATE_NOOP("ReadingLabels", "3AM - 5AM"),
    QT_TRANSLATE_NOOP("ReadingLabels", "5AM - 7AM"),
    QT_TRANSLATE_NOOP("ReadingLabels", "7AM - 9AM"),
    QT_TRANSLATE_NOOP("ReadingLabels", "9AM - 11AM"),
    QT_TRANSLATE_NOOP("ReadingLabels", "11AM - 1PM"),
    QT_TRANSLATE_NOOP("ReadingLabels", "1PM - 3-PM"),
    QT_TRANSLATE_NOOP("ReadingLabels", "3PM - 5PM"),
    QT_TRANSLATE_NOOP("ReadingLabels", "5PM - 7PM"),
    QT_TRANSLATE_NOOP("ReadingLabels", "7PM - 9PM"),
    QT_TRANSLATE_NOOP("ReadingLabels", "9PM - 11PM"),
};

template <std::size_t N> std::vector<std::string> Translated(const std::array<const char*, N>& a) {
    std::vector<std::string> entries;
    for (const char* entry : a) {
        entries.push_back(ToUtf8(ReadingLabels::tr(entry)));
    }
    return entries;
}

// The relations as the English interface names them; Chinese takes the classical names.
std::string RelationPhrase(Relation relation) {
    switch (relation) {
    case Relation::UseControlsBody:
        return "Use controls the body";
    case Relation::BodyFeedsUse:
        return "The body feeds use";
    case Relation::BodyControlsUse:
        return "The body controls use";
    case Relation::UseFeedsBody:
        return "Use feeds the body";
    case Relation::SameElement:
        break;
    }
    return "Same element as the body";
}

std::vector<std::string> Numbers(int first, int count) {
    std::vector<std::string> numbers;
    for (int n = first; n < first + count; ++n) {
        numbers.push_back(NumberText(n));
    }
    return numbers;
}

} // namespace

std::string ElementName(Element element) {
    return std::string(kElementNames[RangeIndex(static_cast<int>(element), 0, kElementCount - 1)]);
}

std::string ElementWord(Element element) {
    if (const auto script = ScriptOf(InterfaceLanguage())) {
        return std::string(ElementName(*script, element));
    }
    return ElementName(element);
}

std::string ElementMarkText(const ElementMark& mark) {
    const std::string name = ElementWord(mark.element);
    if (mark.isBody) {
        return "(" + name + ")";
    }
    const char sign = mark.Favourable() ? '+' : '-';
    return sign + name + sign;
}

std::string RelationText(Relation relation) {
    switch (relation) {
    case Relation::UseControlsBody:
        return "use controls body";
    case Relation::BodyFeedsUse:
        return "body feeds use";
    case Relation::BodyControlsUse:
        return "body controls use";
    case Relation::UseFeedsBody:
        return "use feeds body";
    case Relation::SameElement:
        break;
    }
    return "same element";
}

std::string RelationSentence(const ElementMark& mark) {
    if (mark.isBody) {
        return ToUtf8(ReadingLabels::tr("The body: the element the others are judged against"));
    }
    // Chinese has a classical name for each relation; the translation only frames it.
    const auto script = ScriptOf(InterfaceLanguage());
    const QString relation = ToQString(script ? std::string(RelationName(*script, mark.relation))
                                              : RelationPhrase(mark.relation));
    return ToUtf8(mark.Favourable() ? ReadingLabels::tr("%1: favourable").arg(relation)
                                    : ReadingLabels::tr("%1: unfavourable").arg(relation));
}

std::string RoleText(bool isBody) {
    if (const auto script = ScriptOf(InterfaceLanguage())) {
        return std::string(TermName(*script, isBody ? ReadingTerm::Body : ReadingTerm::Use));
    }
    return isBody ? "Body" : "Use";
}

std::string NumberText(int value) {
    return std::to_string(value);
}

std::vector<std::string> YearEntries() {
    return Numbers(kFirstYear, kYearCount);
}

std::vector<std::string> MonthEntries() {
    return Translated(kMonths);
}

std::vector<std::string> DayEntries() {
    return Numbers(1, kDayCount);
}

std::vector<std::string> PeriodEntries() {
    return Translated(kPeriods);
}

} // namespace zandrel
