#pragma once

#include "app/session.h"
#include "core/civil_date.h"
#include "core/lunar_calendar.h"

#include <QJsonObject>

#include <optional>
#include <string>
#include <string_view>

// A cast as facts, each under a stable key, from which the command line makes its JSON and its
// table. The keys and their values never change with the language: the words among them are
// the English vocabulary's, and a new fact is a new key.

namespace zandrel {

// The lunar date and hour a traditional cast was made by.
struct LunarFacts {
    LunarDate date;
    std::optional<int> hourBranch;
};

struct ReadingReport {
    std::string_view method; // MethodKey
    // The date and the hour as the user gave them, where the method takes a date.
    std::optional<CivilDate> date;
    std::optional<ClockTime> time;
    std::optional<int> period; // the target time query's
    std::optional<LunarFacts> lunar;
    std::string question;
    Reading reading;
    // The reading text as the window shows it and the log keeps it, CR LF and all.
    std::string text;
};

ReadingReport ReportOf(const CastResult& result);

// "outer", "inner", "nuclear_upper", "nuclear_lower", "final_outer", "final_inner".
std::string_view PositionKey(Position position);

// The report as one JSON object: "method", "date", "time", "period", "lunar", "question",
// "outer", "inner", "change_line", "original", "final", "body", "trigrams" and "text".
QJsonObject ReportJson(const ReadingReport& report);
// A lunar date as JSON: "year", "year_stem", "year_branch", "year_name", "animal", "month",
// "leap", "day", "text", "chinese", and with an hour "hour_branch" and "hour_name".
QJsonObject LunarJson(const LunarDate& date, std::optional<int> hourBranch);

} // namespace zandrel
