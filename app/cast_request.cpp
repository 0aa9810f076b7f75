#include "app/cast_request.h"

#include "app/date_input.h"
#include "app/lunar_facts.h"
#include "app/lunar_words.h"
#include "app/reading_words.h"
#include "core/periods.h"
#include "platform/qt_text.h"

namespace zandrel {
namespace {

// The date and, where one was given, the time, as the facts of a request give them.
QJsonObject DateAndTimeFacts(CivilDate date, const std::optional<ClockTime>& time) {
    QJsonObject facts{{"date", ToQString(CivilDateText(date))}};
    if (time) {
        facts["time"] = ToQString(ClockTimeText(*time));
    }
    return facts;
}

// "2024-02-10" or "2024-02-10 12:00".
QString DateAndTimeText(CivilDate date, const std::optional<ClockTime>& time) {
    return ToQString(CivilDateText(date) + (time ? " " + ClockTimeText(*time) : std::string()));
}

} // namespace

std::optional<CastValues> GeneralDraw::Values(std::string_view) const {
    return drawn;
}

QJsonObject GeneralDraw::Facts() const {
    return {};
}

std::string GeneralDraw::Description(const Vocabulary& words) const {
    return ToUtf8(words.translate("Commands", "General query"));
}

TargetTime TargetTime::FromLists(int yearIndex, int monthIndex, int dayIndex, int periodIndex) {
    return {{kFirstYear + yearIndex, monthIndex + 1, dayIndex + 1}, periodIndex + 1, std::nullopt};
}

std::optional<CastValues> TargetTime::Values(std::string_view question) const {
    return TimeCast(date.year - kFirstYear, date.month - 1, date.day - 1, period - 1, question);
}

QJsonObject TargetTime::Facts() const {
    QJsonObject facts = DateAndTimeFacts(date, time);
    facts["period"] = period;
    return facts;
}

std::string TargetTime::Description(const Vocabulary& words) const {
    // A language that names the periods by their branch says 午时 with its clock hours; the
    // others say the period's number and its entry in the period list.
    const QString entry = ToQString(words.PeriodEntry(period));
    const QString hour = words.PeriodName(period).empty()
                             ? words.translate("Commands", "period %1 (%2)")
                                   .arg(ToQString(NumberText(period)), entry)
                             : entry;
    return ToUtf8(words.translate("Commands", "Target time query: %1, %2")
                      .arg(DateAndTimeText(date, time), hour));
}

ClockTime Traditional::Time() const {
    return time.value_or(ClockTime{PeriodStartHour(period), 0});
}

std::optional<CastValues> Traditional::Values(std::string_view) const {
    return TraditionalCast(date, Time());
}

QJsonObject Traditional::Facts() const {
    QJsonObject facts = DateAndTimeFacts(date, time);
    if (const std::optional<LunarDate> lunar = LunarDateOf(date)) {
        facts["lunar"] = LunarJson(*lunar, HourBranch(Time()));
    }
    return facts;
}

std::string Traditional::Description(const Vocabulary& words) const {
    const LunarDate lunar = LunarDateOf(date).value_or(LunarDate{});
    const std::optional<int> hour = HourBranch(Time());
    return ToUtf8(
        words.translate("Commands", "Traditional time query: %1, %2")
            .arg(DateAndTimeText(date, time), ToQString(LunarDateLine(words, lunar, hour))));
}

std::string_view MethodKey(const CastRequest& request) {
    return std::visit([](const auto& method) { return method.kMethod; }, request);
}

std::optional<CastValues> CastValuesOf(const CastRequest& request, std::string_view question) {
    return std::visit([question](const auto& method) { return method.Values(question); }, request);
}

QJsonObject InputFacts(const CastRequest& request) {
    return std::visit([](const auto& method) { return method.Facts(); }, request);
}

std::string CastDescription(const Vocabulary& words, const CastRequest& request) {
    return std::visit([&words](const auto& method) { return method.Description(words); }, request);
}

std::optional<CountArithmetic> CountArithmeticOf(const CastRequest& request) {
    return std::visit(
        [](const auto& method) -> std::optional<CountArithmetic> {
            if constexpr (requires { method.Arithmetic(); }) {
                return method.Arithmetic();
            } else {
                return std::nullopt;
            }
        },
        request);
}

std::optional<int> ReadPeriod(std::string_view text) {
    return ReadNumber(text, 1, kPeriodCount);
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
            return {
                std::nullopt,
                FillIn(words.translate("Commands", "'%1' is not a period: give 1 (%2) to 12 (%3)"),
                       {*period, PeriodWords(words, 1), PeriodWords(words, kPeriodCount)})};
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
