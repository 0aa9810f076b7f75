#pragma once

#include "core/pillars.h"
#include "core/reading_details.h"

#include <QJsonObject>

#include <optional>
#include <string>
#include <string_view>

// The conventions practitioners disagree on, as the details of a reading use them: where the
// year of the year pillar begins, the day of the hour 23:00-24:00, true solar time and when
// earth rules the season. Kept in the data folder's settings file, defaulting to the most
// common use; a front end may override any of them for one reading.

namespace zandrel {

struct ReadingConventions {
    // Lunar New Year, the same day, the clock time: the defaults.
    PillarConventions pillars;
    // The longitude kept for true solar time while it is off, so that turning it on again
    // finds it; the pillars use pillars.longitude alone.
    std::optional<double> keptLongitude;
    EarthRule earth = EarthRule::EarthMonths;

    friend bool operator==(const ReadingConventions&, const ReadingConventions&) = default;
};

// The settings file of the data folder, in Qt's INI format: "zandrel.ini". Its group
// "reading" holds year_start (lunar, lichun), zi_hour (same-day, next-day), true_solar_time
// (true, false), longitude (degrees east, -180..180) and earth (months, days).
inline constexpr std::string_view kSettingsFileName = "zandrel.ini";

// The conventions of the settings file in `dataDirectory`; the default of each one the file
// does not give or gives wrongly (a missing or unreadable file, or one of more than 64 KiB,
// gives every default).
ReadingConventions LoadConventions(const std::string& dataDirectory);
// Writes them to the settings file; false where it could not be written.
bool SaveConventions(const std::string& dataDirectory, const ReadingConventions& conventions);

// The keys of each convention, as the settings file, the command line and the JSON write them.
std::string_view YearStartKey(YearStart start); // "lunar", "lichun"
std::string_view ZiHourKey(ZiHour ziHour);      // "same-day", "next-day"
std::string_view EarthRuleKey(EarthRule rule);  // "months", "days"
std::optional<YearStart> YearStartNamed(std::string_view key);
std::optional<ZiHour> ZiHourNamed(std::string_view key);
std::optional<EarthRule> EarthRuleNamed(std::string_view key);
// A longitude written in decimal ("116.4", "-70.5"), -180..180; nothing for another text.
std::optional<double> ReadLongitude(std::string_view text);

// "year_start", "zi_hour", "true_solar_time", "longitude" (where on) and "earth".
QJsonObject ConventionsJson(const ReadingConventions& conventions);

} // namespace zandrel
