#include "app/date_input.h"

#include "platform/qt_text.h"

#include <cctype>

namespace zandrel {
namespace {

QString Q(std::string_view text) {
    return ToQString(text);
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Reads `minDigits` to `maxDigits` decimal digits from the front of `text`.
std::optional<int> TakeNumber(std::string_view& text, std::size_t minDigits,
                              std::size_t maxDigits) {
    std::size_t n = 0;
    int value = 0;
    while (n < text.size() && n < maxDigits &&
           std::isdigit(static_cast<unsigned char>(text[n])) != 0) {
        value = value * 10 + (text[n] - '0');
        ++n;
    }
    if (n < minDigits) {
        return std::nullopt;
    }
    text.remove_prefix(n);
    return value;
}

bool TakeChar(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

int DaysInMonth(int year, int month) {
    int days = 28;
    while (days < 31 && IsRealDate({year, month, days + 1})) {
        ++days;
    }
    return days;
}

// Why a date of the right form does not exist.
std::string MissingDateReason(const Vocabulary& words, CivilDate date) {
    if (date.month < 1 || date.month > 12) {
        return ToUtf8(words.translate("DateInputWords", "there is no month %1").arg(date.month));
    }
    if (date.day < 1) {
        return ToUtf8(words.translate("DateInputWords", "there is no day 0"));
    }
    //: "February 2023 has 28 days": the month's name, the year and its number of days
    return ToUtf8(words.translate("DateInputWords", "%1 %2 has %3 days")
                      .arg(Q(words.MonthName(date.month)))
                      .arg(date.year)
                      .arg(DaysInMonth(date.year, date.month)));
}

} // namespace

std::optional<int> ReadNumber(std::string_view text, int first, int last) {
    std::string_view digits = text;
    const std::optional<int> value = TakeNumber(digits, 1, 3);
    if (!value || !digits.empty() || *value < first || *value > last) {
        return std::nullopt;
    }
    return value;
}

std::optional<CivilDate> ParseDate(std::string_view text) {
    text = Trimmed(text);
    const auto year = TakeNumber(text, 4, 4);
    if (!year || !TakeChar(text, '-')) {
        return std::nullopt;
    }
    const auto month = TakeNumber(text, 1, 2);
    if (!month || !TakeChar(text, '-')) {
        return std::nullopt;
    }
    const auto day = TakeNumber(text, 1, 2);
    if (!day || !text.empty()) {
        return std::nullopt;
    }
    return CivilDate{*year, *month, *day};
}

std::optional<ClockTime> ParseTime(std::string_view text) {
    text = Trimmed(text);
    const auto hour = TakeNumber(text, 1, 2);
    if (!hour || !TakeChar(text, ':')) {
        return std::nullopt;
    }
    const auto minute = TakeNumber(text, 2, 2);
    if (!minute || !text.empty()) {
        return std::nullopt;
    }
    return ClockTime{*hour, *minute};
}

DateInput ReadCalendarDate(const Vocabulary& words, std::string_view text) {
    const std::optional<CivilDate> date = ParseDate(text);
    if (!date) {
        return {std::nullopt,
                FillIn(words.translate(
                           "DateInputWords",
                           "'%1' is not a date: write it as YYYY-MM-DD, for example 2024-02-10."),
                       {Trimmed(text)})};
    }
    switch (CheckDate(*date)) {
    case CalendarError::None:
        return {date, {}};
    case CalendarError::OutsideRange:
        return {std::nullopt,
                ToUtf8(words
                           .translate("DateInputWords",
                                      "%1 is outside the calendar, which runs from %2 to %3.")
                           .arg(Q(CivilDateText(*date)), Q(CivilDateText(kFirstLunarDate)),
                                Q(CivilDateText(kLastLunarDate))))};
    case CalendarError::NotADate:
    case CalendarError::NotATime:
        break;
    }
    return {std::nullopt,
            ToUtf8(words.translate("DateInputWords", "%1 does not exist: %2.")
                       .arg(Q(CivilDateText(*date)), Q(MissingDateReason(words, *date))))};
}

TimeInput ReadClockTime(const Vocabulary& words, std::string_view text) {
    const std::optional<ClockTime> time = ParseTime(text);
    if (!time || CheckTime(*time) != CalendarError::None) {
        return {
            std::nullopt,
            FillIn(words.translate("DateInputWords",
                                   "'%1' is not a time: write it as HH:MM, from 00:00 to 23:59."),
                   {Trimmed(text)})};
    }
    return {time, {}};
}

} // namespace zandrel
