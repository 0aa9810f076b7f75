#include "ui/reading_labels.h"

#include "core/casting.h"
#include "core/range.h"

#include <array>
#include <string_view>

namespace zandrel {
namespace {

constexpr std::array<std::string_view, kElementCount> kElementNames = {
    "Metal", "Wood", "Water", "Fire", "Earth",
};

constexpr std::array<std::string_view, kMonthCount> kMonths = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
};

// "1PM - 3-PM" is written that way on purpose: it is the entry users have always seen.
constexpr std::array<std::string_view, kPeriodCount> kPeriods = {
    "11PM - 1AM", "1AM - 3AM",  "3AM - 5AM", "5AM - 7AM", "7AM - 9AM", "9AM - 11AM",
    "11AM - 1PM", "1PM - 3-PM", "3PM - 5PM", "5PM - 7PM", "7PM - 9PM", "9PM - 11PM",
};

template <std::size_t N>
std::vector<std::string> Strings(const std::array<std::string_view, N>& a) {
    return {a.begin(), a.end()};
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

std::string ElementMarkText(const ElementMark& mark) {
    const std::string name = ElementName(mark.element);
    if (mark.isBody) {
        return "(" + name + ")";
    }
    const char sign = mark.Favourable() ? '+' : '-';
    return sign + name + sign;
}

std::string RoleText(bool isBody) {
    return isBody ? "Body" : "Use";
}

std::string NumberText(int value) {
    return std::to_string(value);
}

std::vector<std::string> YearEntries() {
    return Numbers(kFirstYear, kYearCount);
}

std::vector<std::string> MonthEntries() {
    return Strings(kMonths);
}

std::vector<std::string> DayEntries() {
    return Numbers(1, kDayCount);
}

std::vector<std::string> PeriodEntries() {
    return Strings(kPeriods);
}

} // namespace zandrel
