// The details of a reading: the conventions kept in the settings file, the moment each way of
// casting gives, and the facts and words of the details.

#include "app/lunar_words.h"
#include "app/reading_details.h"
#include "tests/support/fault_helpers.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <cmath>

namespace zandrel {
namespace {

using fixtures::TempDir;

TEST(ReadingConventionsTest, SettingsFileKeepsThemAndDefaultsWhatIsWrong) {
    const TempDir dir;
    EXPECT_EQ(LoadConventions(dir.Path()), ReadingConventions{});
    EXPECT_TRUE(dir.Entries().empty()) << "reading the settings writes nothing";

    ReadingConventions chosen;
    chosen.pillars = {YearStart::Lichun, ZiHour::NextDay, 116.4};
    chosen.keptLongitude = 116.4;
    chosen.earth = EarthRule::EarthDays;
    ASSERT_TRUE(SaveConventions(dir.Path(), chosen));
    EXPECT_EQ(LoadConventions(dir.Path()), chosen);
    EXPECT_NE(dir.Read(std::string(kSettingsFileName)).find("year_start=lichun"),
              std::string::npos);

    // A session reads them for the details of its casts.
    const Session session(dir.Path(), Language::English);
    const std::optional<CastResult> cast =
        session.Cast(Traditional{{2024, 2, 4}, 9, ClockTime{16, 28}}, "");
    ASSERT_TRUE(cast);
    EXPECT_EQ(DetailsOf(session, *cast).pillars->year, (StemBranch{1, 5})); // 甲辰 from 立春

    // Turned off, the longitude is kept for the next time.
    chosen.pillars.longitude.reset();
    ASSERT_TRUE(SaveConventions(dir.Path(), chosen));
    EXPECT_EQ(LoadConventions(dir.Path()), chosen);

    dir.Write(std::string(kSettingsFileName),
              "[reading]\nyear_start=spring\nzi_hour=next-day\ntrue_solar_time=true\n"
              "longitude=nan\nearth=\xff\n");
    ReadingConventions expected;
    expected.pillars.ziHour = ZiHour::NextDay;
    EXPECT_EQ(LoadConventions(dir.Path()), expected);

    // A file far larger than settings ever are is not read.
    dir.Write(std::string(kSettingsFileName),
              "[reading]\nzi_hour=next-day\n" + std::string(70 * 1024, '#') + "\n");
    EXPECT_EQ(LoadConventions(dir.Path()), ReadingConventions{});
}

TEST(ReadingConventionsTest, Longitudes) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"116.4", 116.4}, {"-70.5", -70.5}, {"+180", 180.0}, {"0", 0.0},   {"180.01", {}},
        {"-181", {}},     {"1e2", {}},      {"nan", {}},     {" 120", {}}, {"", {}},
        {".", {}},        {"-", {}},        {"1.2.3", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadLongitude(c.text), c.value) << c.text;
    }
}

CastResult ResultOf(CastRequest request, Reading reading = ComputeReading(7, 6, 2)) {
    CastResult result{std::move(request), "", reading, {}, {}};
    result.castAt = {{2030, 6, 1}, {9, 45}};
    return result;
}

// The traditional and target time queries and the casts from counts read the moment the user
// gave; the general query, and a target date the calendar does not hold, the moment of the cast.
TEST(ReadingDetailsTest, MomentOfEachWayOfCasting) {
    NumbersCast numbers;
    numbers.numbers = {27, 15};
    numbers.moment = {{2025, 7, 25}, {8, 30}};
    const struct {
        CastRequest request;
        CastMoment moment;
        MomentSource source;
    } cases[] = {
        {Traditional{{2023, 3, 22}, 7, ClockTime{12, 0}},
         {{2023, 3, 22}, {12, 0}},
         MomentSource::Given},
        {Traditional{{2024, 2, 9}, 1, std::nullopt}, {{2024, 2, 9}, {23, 0}}, MomentSource::Given},
        {TargetTime{{2001, 3, 15}, 5, std::nullopt}, {{2001, 3, 15}, {7, 0}}, MomentSource::Given},
        {TargetTime{{2001, 2, 31}, 5, std::nullopt}, {{2030, 6, 1}, {9, 45}}, MomentSource::Cast},
        {GeneralDraw{{3, 5, 4}}, {{2030, 6, 1}, {9, 45}}, MomentSource::Cast},
        {numbers, {{2025, 7, 25}, {8, 30}}, MomentSource::Given},
    };
    for (const auto& c : cases) {
        MomentSource source = MomentSource::Given;
        const CastMoment moment = MomentOf(ResultOf(c.request), &source);
        EXPECT_EQ(moment.date, c.moment.date) << MethodKey(c.request);
        EXPECT_EQ(moment.time, c.moment.time) << MethodKey(c.request);
        EXPECT_EQ(source, c.source) << MethodKey(c.request);
    }
}

// The traditional cast of 2023-03-22 12:00 (艮 over 坎, line 2): every key of the details, the
// conventions in force, and the pillars as each language writes them.
TEST(ReadingDetailsTest, FactsAndWordsOfATraditionalCast) {
    const CastResult result = ResultOf(Traditional{{2023, 3, 22}, 7, ClockTime{12, 0}});
    const ReadingDetails details = DetailsOf(result, {});
    const QJsonObject json = DetailsJson(details);
    const QJsonObject pillars = json["pillars"].toObject();
    EXPECT_EQ(pillars["year"].toObject()["name"].toString(), "癸卯");
    EXPECT_EQ(pillars["month"].toObject()["name"].toString(), "乙卯");
    EXPECT_EQ(pillars["day"].toObject()["name"].toString(), "己卯");
    EXPECT_EQ(pillars["hour"].toObject()["name"].toString(), "庚午");
    EXPECT_EQ(pillars["moment"].toString(), "given");
    EXPECT_FALSE(pillars.contains("solar_time"));
    const QJsonObject term = json["solar_term"].toObject();
    EXPECT_EQ(term["name"].toString(), "Spring Equinox");
    EXPECT_EQ(term["chinese"].toString(), "春分");
    EXPECT_EQ(term["next"].toObject()["chinese"].toString(), "清明");
    // Wood rules 卯: the body 艮 (earth) is dead, the use 坎 (water) resting.
    const QJsonObject strength = json["strength"].toObject();
    EXPECT_EQ(strength["season"].toString(), "Wood");
    EXPECT_EQ(strength["body"].toObject()["strength"].toString(), "dead");
    EXPECT_EQ(strength["trigrams"].toArray()[1].toObject()["strength"].toString(), "resting");
    const QJsonArray stages = json["stages"].toArray();
    ASSERT_EQ(stages.size(), 3);
    EXPECT_EQ(stages[0].toObject()["trigrams"].toArray()[0].toObject()["relation"].toString(),
              "body controls use");
    EXPECT_EQ(stages[1].toObject()["trigrams"].toArray().size(), 2);
    EXPECT_EQ(json["nuclear"].toInt(), 24);
    EXPECT_EQ(json["opposite"].toInt(), 49);
    EXPECT_EQ(json["reversed"].toInt(), 3);
    EXPECT_EQ(json["timing"].toObject()["feeds_body"].toString(), "Fire");
    EXPECT_EQ(json["conventions"].toObject()["year_start"].toString(), "lunar");
    // What body (艮) and use (坎) stand for, body first.
    const QJsonArray correspondences = json["correspondences"].toArray();
    ASSERT_EQ(correspondences.size(), 2);
    EXPECT_EQ(correspondences[0].toObject()["role"].toString(), "body");
    EXPECT_EQ(correspondences[0].toObject()["trigram"].toInt(), 7);
    EXPECT_EQ(correspondences[0].toObject()["animal"].toString(), "dog");
    EXPECT_EQ(correspondences[1].toObject()["role"].toString(), "use");
    EXPECT_EQ(correspondences[1].toObject()["animal"].toString(), "pig");

    // The lines keep their keys in every language.
    std::vector<std::string> keys;
    for (const DetailLine& line : DetailLines(Vocabulary::Of(Language::English), details)) {
        if (!line.key.empty()) {
            keys.push_back(line.key);
        }
    }
    const std::vector<std::string> expected = {"moment",
                                               "pillars",
                                               "solar_term",
                                               "season",
                                               "strength_outer",
                                               "strength_inner",
                                               "strength_nuclear_upper",
                                               "strength_nuclear_lower",
                                               "strength_final_outer",
                                               "strength_final_inner",
                                               "stage_original",
                                               "stage_nuclear",
                                               "stage_final",
                                               "nuclear",
                                               "opposite",
                                               "reversed",
                                               "body_nature",
                                               "body_quality",
                                               "body_family",
                                               "body_body_part",
                                               "body_animal",
                                               "body_earlier_direction",
                                               "body_later_direction",
                                               "body_colour",
                                               "body_season",
                                               "body_earlier_number",
                                               "body_later_number",
                                               "body_objects",
                                               "use_nature",
                                               "use_quality",
                                               "use_family",
                                               "use_body_part",
                                               "use_animal",
                                               "use_earlier_direction",
                                               "use_later_direction",
                                               "use_colour",
                                               "use_season",
                                               "use_earlier_number",
                                               "use_later_number",
                                               "use_objects",
                                               "timing_numbers",
                                               "timing_season",
                                               "year_start",
                                               "zi_hour",
                                               "time",
                                               "earth"};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(PillarsText(Vocabulary::Of(Language::SimplifiedChinese), *details.pillars),
              "癸卯年 乙卯月 己卯日 庚午时");
    EXPECT_EQ(PillarsText(Vocabulary::Of(Language::TraditionalChinese), *details.pillars),
              "癸卯年 乙卯月 己卯日 庚午時");
    const std::string text = DetailsText(Vocabulary::Of(Language::English), details);
    EXPECT_NE(text.find("Outer trigram: Earth, dead (body)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Opposite Hexagram: 49\n"), std::string::npos) << text;
    const std::string chinese = DetailsText(Vocabulary::Of(Language::SimplifiedChinese), details);
    EXPECT_LT(chinese.find("动物：狗\n"), chinese.find("动物：豕\n")) << chinese;
    EXPECT_NE(chinese.find("动物：豕\n"), std::string::npos) << chinese;
    EXPECT_NE(DetailsText(Vocabulary::Of(Language::TraditionalChinese), details)
                  .find("錯卦：49 澤火革\n"),
              std::string::npos);
}

// Under the conventions chosen: 立春 moves the year pillar of a January cast and nothing else,
// true solar time shows the corrected time, and a moment outside the calendar has no pillars.
TEST(ReadingDetailsTest, ConventionsAndTheCalendarsEdge) {
    const CastResult january = ResultOf(Traditional{{2023, 1, 25}, 7, ClockTime{12, 0}});
    ReadingConventions lichun;
    lichun.pillars.yearStart = YearStart::Lichun;
    lichun.pillars.longitude = 90.0;
    const ReadingDetails lunar = DetailsOf(january, {});
    const ReadingDetails spring = DetailsOf(january, lichun);
    EXPECT_EQ(StemBranchName(Vocabulary::Of(Language::English), lunar.pillars->year.stem,
                             lunar.pillars->year.branch),
              "癸卯");
    EXPECT_EQ(StemBranchName(Vocabulary::Of(Language::English), spring.pillars->year.stem,
                             spring.pillars->year.branch),
              "壬寅");
    EXPECT_EQ(spring.pillars->month, lunar.pillars->month);
    EXPECT_EQ(spring.reading.original, lunar.reading.original);
    const QJsonObject json = DetailsJson(spring);
    EXPECT_EQ(json["pillars"].toObject()["solar_time"].toString().left(13), "2023-01-25 09");
    EXPECT_EQ(json["conventions"].toObject()["longitude"].toDouble(), 90.0);

    CastResult late = ResultOf(GeneralDraw{{3, 5, 4}});
    late.castAt = {{2100, 1, 1}, {0, 5}};
    const ReadingDetails outside = DetailsOf(late, {});
    EXPECT_FALSE(outside.pillars);
    const QJsonObject none = DetailsJson(outside);
    EXPECT_TRUE(none["pillars"].isNull());
    EXPECT_TRUE(none["strength"].isNull());
    EXPECT_EQ(none["opposite"].toInt(), OppositeHexagram(outside.reading.original));
    EXPECT_NE(DetailsText(Vocabulary::Of(Language::English), outside)
                  .find("Four pillars: outside the calendar (1998 to 2099)\n"),
              std::string::npos);
}

} // namespace
} // namespace zandrel
