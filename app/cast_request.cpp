#include "app/cast_request.h"

#include "app/date_input.h"
#include "app/reading_words.h"
#include "core/periods.h"
#include "platform/qt_text.h"

namespace zandrel {

std::optional<CastValues> GeneralDraw::Values(std::string_view) const {
    return drawn;
}

TargetTime TargetTime::FromLists(int yearIndex, int monthIndex, int dayIndex, int periodIndex) {
    return {{kFirstYear + yearIndex, monthIndex + 1, dayIndex + 1}, periodIndex + 1, std::nullopt};
}

std::optional<CastValues> TargetTime::Values(std::string_view question) const {
    return TimeCast(date.year - kFirstYear, date.month - 1, date.day - 1, period - 1, question);
}

ClockTime Traditional::Time() const {
    return time.value_or(ClockTime{PeriodStartHour(period), 0});
}

std::optional<CastValues> Traditional::Values(std::string_view) const {
    return TraditionalCast(date, Time());
}

std::string_view MethodKey(const CastRequest& request) {
    return std::visit([](const auto& method) { return method.kMethod; }, request);
}

std::optional<CastValues> CastValuesOf(const CastRequest& request, std::string_view question) {
    return std::visit([question](const auto& method) { return method.Values(question); }, request);
}

std::optional<int> ReadPeriod(std::string_view text) {
    if (text.empty() || text.size() > 3) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= kPeriodCount ? std::optional<int>(value) : std::nullopt;
}

DateAndHourInput ReadDateAndHour(const Vocabulary& words, std::string_view date,
                                 const std::string* period, const std::string* time) {
    const DateInput dateInput = ReadCalendarDate(words, date);
    if (!dateInput.date) {
        return {std::nullopt, dateInput.error};
    }
    DateAndHour value{*dateInput.date, 1, std::nullopt};
    if (period != nullptr) {
        const std::optional<int> number = ReadPeriod(*period);
        if (!number) {
            const std::vector<std::string> entries = PeriodEntries(words);
            return {
                std::nullopt,
                FillIn(words.translate("Commands", "'%1' is not a period: give 1 (%2) to 12 (%3)"),
                       {*period, entries.front(), entries.back()})};
        }
        value.period = *number;
    } else if (time != nullptr) {
        const TimeInput timeInput = ReadClockTime(words, *time);
        if (!timeInput.time) {
            return {std::nullopt, timeInput.error};
        }
        value.time = timeInput.time;
        value.period = PeriodOfHour(timeInput.time->hour);
    }
    return {value, {}};
}

} // namespace zandrel
