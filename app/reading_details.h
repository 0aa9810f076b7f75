#pragma once

#include "app/reading_conventions.h"
#include "app/session.h"
#include "app/vocabulary.h"
#include "core/pillars.h"
#include "core/reading_details.h"

#include <QJsonObject>

#include <array>
#include <optional>
#include <string>
#include <vector>

// The details of a reading beyond its hexagrams: the four pillars and the solar term of the
// cast's moment, the season's strength of each trigram's element, body and use at each stage,
// the related hexagrams, the conditions of timing and the conventions they were read by, as
// facts under stable keys and as lines of words.

namespace zandrel {

// Where the moment of the details comes from: the date and time the user gave (a traditional
// or target time query, a cast from counts), or the moment the cast was made (the general
// query, and a target time query whose date the calendar does not hold, February 31).
enum class MomentSource : std::uint8_t { Given, Cast };

struct ReadingDetails {
    ReadingConventions conventions;
    CastMoment moment;
    MomentSource source = MomentSource::Given;
    // None where the moment lies outside the calendar (1998-2099); the season and the
    // strengths then are none too.
    std::optional<FourPillars> pillars;
    bool inEarthDays = false;        // the 18 days before a season's start
    Element season = Element::Earth; // the element that rules the month
    // By trigram position, in the order of core's Position.
    std::array<Strength, kPositionCount> strengths{};
    Hexagram nuclear = 0;
    Hexagram opposite = 0;
    Hexagram reversed = 0;
    TimingHints timing;
    // The reading they are the details of.
    Reading reading;
};

// The moment of a cast, as MomentSource says.
CastMoment MomentOf(const CastResult& result, MomentSource* source = nullptr);

// The whole details of a cast under `conventions`.
ReadingDetails DetailsOf(const CastResult& result, const ReadingConventions& conventions);
// The same under the conventions of the session's settings file: what a window shows for the
// cast it has just made. DetailLines gives them as lines to show.
ReadingDetails DetailsOf(const Session& session, const CastResult& result);

// The details as JSON, keys beside a reading report's: "pillars" (with the moment and, under
// true solar time, the corrected time and its correction), "solar_term", "strength",
// "stages", "nuclear", "opposite", "reversed", "timing" and "conventions". "pillars",
// "solar_term" and "strength" are null outside the calendar.
QJsonObject DetailsJson(const ReadingDetails& details);

// One line of the details as the user reads it: a stable key, a label and the value, in the
// words of a language. The lines come in sections, each headed by a line with no key.
struct DetailLine {
    std::string key; // "pillars", "solar_term", ...; empty for a section's heading
    std::string label;
    std::string value;
};
std::vector<DetailLine> DetailLines(const Vocabulary& words, const ReadingDetails& details);
// The lines as text: a heading on its own line, "label: value" for the others.
std::string DetailsText(const Vocabulary& words, const ReadingDetails& details);

// The pillars as one line, "Year 癸卯, month 乙卯, day 己卯, hour 庚午", and the solar term:
// "Spring Equinox (春分), from 2023-03-21 05:24; next: Pure Brightness, 2023-04-05 09:13".
std::string PillarsText(const Vocabulary& words, const FourPillars& pillars);
std::string SolarTermText(const Vocabulary& words, const FourPillars& pillars);

// Each convention's choice in words, as the details state it and a window offers it: "at the
// lunar New Year", "the same day", "the months 辰戌丑未".
std::string YearStartText(const Vocabulary& words, YearStart start);
std::string ZiHourText(const Vocabulary& words, ZiHour ziHour);
std::string EarthRuleText(const Vocabulary& words, EarthRule rule);

// The JSON of the pillars and of the solar term, as DetailsJson keeps them.
QJsonObject PillarsJson(const FourPillars& pillars, const CastMoment& moment, MomentSource source);
QJsonObject SolarTermJson(const FourPillars& pillars);

} // namespace zandrel
