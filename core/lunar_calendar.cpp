#include "core/lunar_calendar.h"

#include "core/lunar_table.h"

#include <cstdio>

namespace zandrel {
namespace {

// Trigram and line numbers count 8 and 6 where the remainder is 0.
int Wrapped(int total, int modulus) {
    const int r = total % modulus;
    return r == 0 ? modulus : r;
}

} // namespace

CalendarError CheckDate(CivilDate date) {
    if (!IsRealDate(date)) {
        return CalendarError::NotADate;
    }
    const long days = DaysSinceEpoch(date);
    if (days < DaysSinceEpoch(kFirstLunarDate) || days > DaysSinceEpoch(kLastLunarDate)) {
        return CalendarError::OutsideRange;
    }
    return CalendarError::None;
}

CalendarError CheckTime(ClockTime time) {
    const bool valid = time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59;
    return valid ? CalendarError::None : CalendarError::NotATime;
}

std::optional<LunarDate> LunarDateOf(CivilDate date) {
    if (CheckDate(date) != CalendarError::None) {
        return std::nullopt;
    }
    const std::span<const LunarYearEntry> table = LunarYearTable();
    const long days = DaysSinceEpoch(date);

    // The lunar year is the one named after the civil year, or the one before it when the
    // date comes before New Year's Day.
    auto entry = table.begin() + (date.year - table.front().year);
    long newYear = DaysSinceEpoch({entry->year, entry->newYearMonth, entry->newYearDay});
    if (days < newYear) {
        --entry;
        newYear = DaysSinceEpoch({entry->year, entry->newYearMonth, entry->newYearDay});
    }

    LunarDate lunar;
    lunar.year = entry->year;
    lunar.yearStem = Wrapped(entry->year - 3, 10); // 1984 was a 甲子 year
    lunar.yearBranch = Wrapped(entry->year - 3, 12);
    long dayInYear = days - newYear;
    int month = 1;
    for (const char longMonth : entry->longMonths) {
        const int length = longMonth == '1' ? 30 : 29;
        if (dayInYear < length) {
            lunar.month = month;
            lunar.day = static_cast<int>(dayInYear) + 1;
            return lunar;
        }
        dayInYear -= length;
        if (month == entry->leapMonth && !lunar.leap) {
            lunar.leap = true;
        } else {
            lunar.leap = false;
            ++month;
        }
    }
    return std::nullopt; // not reached: the table's years follow each other without a gap
}

std::string ClockTimeText(ClockTime time) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
    return text;
}

std::optional<int> HourBranch(ClockTime time) {
    if (CheckTime(time) != CalendarError::None) {
        return std::nullopt;
    }
    return PeriodOfHour(time.hour);
}

std::optional<CastValues> TraditionalCast(CivilDate date, ClockTime time) {
    const std::optional<LunarDate> lunar = LunarDateOf(date);
    const std::optional<int> hour = HourBranch(time);
    if (!lunar || !hour) {
        return std::nullopt;
    }
    const int upper = lunar->yearBranch + lunar->month + lunar->day;
    const int total = upper + *hour;
    CastValues values;
    values.outer = Wrapped(upper, 8);
    values.inner = Wrapped(total, 8);
    values.changeLine = Wrapped(total, 6);
    return values;
}

} // namespace zandrel
