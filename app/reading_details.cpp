#include "app/reading_details.h"

#include "app/languages.h"
#include "app/lunar_words.h"
#include "app/reading_report.h"
#include "app/reading_words.h"
#include "app/trigram_correspondences.h"
#include "core/periods.h"
#include "platform/qt_text.h"

#include <QJsonArray>

#include <cstdio>
#include <cstdlib>
#include <type_traits>

namespace zandrel {
namespace {

// The JSON keeps the English words in every language, and the Chinese names in the script the
// English vocabulary writes lunar dates in.
const Vocabulary& JsonWords() {
    return Vocabulary::Of(Language::English);
}
const Vocabulary& ChineseOf(const Vocabulary& words) {
    return Vocabulary::Of(RowOf(words.Speaks()).chineseDates);
}

QString Q(std::string_view text) {
    return ToQString(text);
}

std::string DateTimeText(BeijingSeconds seconds, bool withSeconds) {
    const CivilDate date = DateOfSeconds(seconds);
    std::string text = CivilDateText(date) + " " + ClockTimeText(TimeOfSeconds(seconds));
    if (withSeconds) {
        char s[8];
        std::snprintf(s, sizeof s, ":%02d", static_cast<int>(((seconds % 60) + 60) % 60));
        text += s;
    }
    return text;
}

std::string MomentText(const CastMoment& moment) {
    return CivilDateText(moment.date) + " " + ClockTimeText(moment.time);
}

// "+5:12", "-14:10": minutes and seconds.
std::string CorrectionText(int seconds) {
    char text[24];
    std::snprintf(text, sizeof text, "%c%d:%02d", seconds < 0 ? '-' : '+', std::abs(seconds) / 60,
                  std::abs(seconds) % 60);
    return text;
}

std::string PairName(const Vocabulary& words, StemBranch p) {
    return StemBranchName(words, p.stem, p.branch);
}

// A solar term's name, with its Chinese name after it where the language is not Chinese:
// "Spring Equinox (春分)"; "春分".
std::string TermWithChinese(const Vocabulary& words, int term) {
    const Vocabulary& chinese = ChineseOf(words);
    const std::string name(words.SolarTermName(term));
    if (&chinese == &words || chinese.Speaks() == words.Speaks()) {
        return name;
    }
    return name + " (" + std::string(chinese.SolarTermName(term)) + ")";
}

QJsonObject PairJson(StemBranch p) {
    return {{"stem", p.stem}, {"branch", p.branch}, {"name", Q(PairName(JsonWords(), p))}};
}

QJsonObject TermJson(const SolarTerm& term, const char* instantKey) {
    return {{"number", term.term + 1},
            {"name", Q(JsonWords().SolarTermName(term.term))},
            {"chinese", Q(ChineseOf(JsonWords()).SolarTermName(term.term))},
            {"section", IsSectionTerm(term.term)},
            {instantKey, Q(DateTimeText(term.begins, true))}};
}

std::string_view StageKey(Stage stage) {
    constexpr std::string_view kKeys[] = {"original", "nuclear", "final"};
    return kKeys[static_cast<std::size_t>(stage)];
}

ReadingTerm StageTerm(Stage stage) {
    constexpr ReadingTerm kTerms[] = {ReadingTerm::Original, ReadingTerm::Nuclear,
                                      ReadingTerm::Final};
    return kTerms[static_cast<std::size_t>(stage)];
}

std::string_view StrengthWord(const Vocabulary& words, Strength strength) {
    return words.StrengthName(static_cast<int>(strength));
}

// The branches of the months 辰 戌 丑 未, as earth rules them.
std::string EarthMonthsText(const Vocabulary& words) {
    return std::string(words.BranchName(5)) + std::string(words.BranchName(11)) +
           std::string(words.BranchName(2)) + std::string(words.BranchName(8));
}

} // namespace

CastMoment MomentOf(const CastResult& result, MomentSource* source) {
    MomentSource from = MomentSource::Given;
    CastMoment moment = result.castAt;
    std::visit(
        [&](const auto& request) {
            using Request = std::decay_t<decltype(request)>;
            if constexpr (std::is_same_v<Request, GeneralDraw>) {
                from = MomentSource::Cast;
            } else if constexpr (std::is_same_v<Request, Traditional>) {
                moment = {request.date, request.Time()};
            } else if constexpr (std::is_same_v<Request, TargetTime>) {
                if (IsRealDate(request.date)) {
                    moment = {request.date,
                              request.time.value_or(ClockTime{PeriodStartHour(request.period), 0})};
                } else {
                    from = MomentSource::Cast;
                }
            } else {
                moment = request.moment;
            }
        },
        result.request);
    if (source != nullptr) {
        *source = from;
    }
    return moment;
}

ReadingDetails DetailsOf(const CastResult& result, const ReadingConventions& conventions) {
    ReadingDetails d;
    d.conventions = conventions;
    d.reading = result.reading;
    d.moment = MomentOf(result, &d.source);
    d.pillars = PillarsOf(d.moment.date, d.moment.time, conventions.pillars);
    if (d.pillars) {
        d.inEarthDays = InEarthDays(d.pillars->clock);
        d.season = SeasonElement(d.pillars->month.branch, d.inEarthDays, conventions.earth);
        for (int p = 0; p < kPositionCount; ++p) {
            d.strengths[static_cast<std::size_t>(p)] =
                StrengthIn(result.reading.Mark(static_cast<Position>(p)).element, d.season);
        }
    }
    d.nuclear = NuclearHexagram(result.reading.original);
    d.opposite = OppositeHexagram(result.reading.original);
    d.reversed = ReversedHexagram(result.reading.original);
    d.timing = TimingHintsOf(result.reading);
    return d;
}

ReadingDetails DetailsOf(const Session& session, const CastResult& result) {
    return DetailsOf(result, LoadConventions(session.DataDirectory()));
}

QJsonObject PillarsJson(const FourPillars& pillars, const CastMoment& moment, MomentSource source) {
    QJsonObject json{
        {"year", PairJson(pillars.year)},
        {"month", PairJson(pillars.month)},
        {"day", PairJson(pillars.day)},
        {"hour", PairJson(pillars.hour)},
        {"date", Q(CivilDateText(moment.date))},
        {"time", Q(ClockTimeText(moment.time))},
        {"moment", source == MomentSource::Cast ? "cast" : "given"},
    };
    if (pillars.solar != pillars.clock || pillars.correctionSeconds != 0) {
        json["solar_time"] = Q(DateTimeText(pillars.solar, false));
        json["correction_seconds"] = pillars.correctionSeconds;
    }
    return json;
}

QJsonObject SolarTermJson(const FourPillars& pillars) {
    QJsonObject json = TermJson(pillars.term, "began");
    json["next"] = TermJson(pillars.nextTerm, "begins");
    return json;
}

QJsonObject DetailsJson(const ReadingDetails& d) {
    const Vocabulary& words = JsonWords();
    const Reading& reading = d.reading;
    QJsonObject json;
    if (d.pillars) {
        json["pillars"] = PillarsJson(*d.pillars, d.moment, d.source);
        json["solar_term"] = SolarTermJson(*d.pillars);
        QJsonArray trigrams;
        for (int p = 0; p < kPositionCount; ++p) {
            const auto position = static_cast<Position>(p);
            trigrams.append(QJsonObject{
                {"position", Q(PositionKey(position))},
                {"trigram", reading.TrigramAt(position)},
                {"element", Q(words.ElementName(reading.Mark(position).element))},
                {"strength", Q(StrengthWord(words, d.strengths[static_cast<std::size_t>(p)]))},
            });
        }
        const auto body = static_cast<std::size_t>(reading.BodyPosition());
        json["strength"] = QJsonObject{
            {"season", Q(words.ElementName(d.season))},
            {"month_branch", d.pillars->month.branch},
            {"earth_days", d.inEarthDays},
            {"body", QJsonObject{{"element", Q(words.ElementName(reading.bodyElement))},
                                 {"strength", Q(StrengthWord(words, d.strengths[body]))}}},
            {"trigrams", trigrams},
        };
    } else {
        json["pillars"] = QJsonValue::Null;
        json["solar_term"] = QJsonValue::Null;
        json["strength"] = QJsonValue::Null;
    }
    QJsonArray stages;
    for (int s = 0; s < kStageCount; ++s) {
        const auto stage = static_cast<Stage>(s);
        QJsonArray trigrams;
        for (const Position position : StagePositions(reading, stage)) {
            const ElementMark& mark = reading.Mark(position);
            trigrams.append(QJsonObject{
                {"position", Q(PositionKey(position))},
                {"trigram", reading.TrigramAt(position)},
                {"element", Q(words.ElementName(mark.element))},
                {"relation", Q(words.RelationName(mark.relation))},
                {"favourable", mark.Favourable()},
            });
        }
        stages.append(QJsonObject{{"stage", Q(StageKey(stage))}, {"trigrams", trigrams}});
    }
    json["stages"] = stages;
    json["nuclear"] = d.nuclear;
    json["opposite"] = d.opposite;
    json["reversed"] = d.reversed;
    // The correspondences of the body and the use trigram, in the language of the details,
    // each field under its stable key.
    QJsonArray correspondences;
    for (const Position position : {Position::Outer, Position::Inner}) {
        const Trigram trigram = reading.TrigramAt(position);
        const TrigramCorrespondences c = CorrespondencesOf(words.Speaks(), trigram);
        correspondences.append(QJsonObject{
            {"role", reading.Mark(position).isBody ? "body" : "use"},
            {"trigram", trigram},
            {"nature", Q(c.nature.value)},
            {"quality", Q(c.quality.value)},
            {"family", Q(c.family.value)},
            {"body_part", Q(c.bodyPart.value)},
            {"animal", Q(c.animal.value)},
            {"earlier_direction", Q(c.earlierDirection.value)},
            {"later_direction", Q(c.laterDirection.value)},
            {"colour", Q(c.colour.value)},
            {"season", Q(c.season.value)},
            {"earlier_number", Q(c.earlierNumber.value)},
            {"later_number", Q(c.laterNumber.value)},
            {"objects", Q(c.objects.value)},
        });
    }
    json["correspondences"] = correspondences;
    QJsonArray branches;
    for (const int branch : d.timing.feedingBranches) {
        branches.append(branch);
    }
    json["timing"] = QJsonObject{
        {"body_number", d.timing.bodyNumber},
        {"use_number", d.timing.useNumber},
        {"feeds_body", Q(words.ElementName(d.timing.feedsBody))},
        {"feeding_branches", branches},
    };
    json["conventions"] = ConventionsJson(d.conventions);
    return json;
}

std::string PillarsText(const Vocabulary& words, const FourPillars& p) {
    //: The four pillars of a moment, each a heavenly stem and an earthly branch: "Year 癸卯,
    //: month 乙卯, day 己卯, hour 庚午"
    return ToUtf8(words.translate("ReadingDetails", "Year %1, month %2, day %3, hour %4")
                      .arg(Q(PairName(words, p.year)), Q(PairName(words, p.month)),
                           Q(PairName(words, p.day)), Q(PairName(words, p.hour))));
}

std::string SolarTermText(const Vocabulary& words, const FourPillars& p) {
    //: The solar term in force, the moment it began, and the next term with its moment:
    //: "Spring Equinox (春分), from 2023-03-21 05:24; next: Pure Brightness (清明), 2023-04-05
    //: 09:13"
    return ToUtf8(words.translate("ReadingDetails", "%1, from %2; next: %3, %4")
                      .arg(Q(TermWithChinese(words, p.term.term)),
                           Q(DateTimeText(p.term.begins, false)),
                           Q(TermWithChinese(words, p.nextTerm.term)),
                           Q(DateTimeText(p.nextTerm.begins, false))));
}

std::vector<DetailLine> DetailLines(const Vocabulary& words, const ReadingDetails& d) {
    const Reading& reading = d.reading;
    std::vector<DetailLine> lines;
    const auto heading = [&](std::string text) { lines.push_back({{}, std::move(text), {}}); };
    const auto line = [&](std::string key, std::string label, std::string value) {
        lines.push_back({std::move(key), std::move(label), std::move(value)});
    };

    //: The heading of the moment of a reading, its four pillars and its solar term
    heading(ToUtf8(words.translate("ReadingDetails", "The moment")));
    std::string moment = MomentText(d.moment);
    if (d.source == MomentSource::Cast) {
        //: The moment of a reading when it is the moment the cast was made: "2024-02-10 12:00
        //: (when cast)"
        moment = ToUtf8(words.translate("ReadingDetails", "%1 (when cast)").arg(Q(moment)));
    }
    //: The date and time a reading's pillars are counted from
    line("moment", ToUtf8(words.translate("ReadingDetails", "Date and time")), moment);
    if (!d.pillars) {
        line("pillars", ToUtf8(words.translate("ReadingDetails", "Four pillars")),
             //: The moment lies outside the years the calendar covers
             ToUtf8(words.translate("ReadingDetails", "outside the calendar (1998 to 2099)")));
    } else {
        if (d.conventions.pillars.longitude) {
            line("solar_time", ToUtf8(words.translate("ReadingDetails", "True solar time")),
                 //: The local apparent solar time of a reading and its difference from the
                 //: clock in minutes and seconds: "11:45 (-14:15)"
                 ToUtf8(words.translate("ReadingDetails", "%1 (%2)")
                            .arg(Q(DateTimeText(d.pillars->solar, false)),
                                 Q(CorrectionText(d.pillars->correctionSeconds)))));
        }
        line("pillars", ToUtf8(words.translate("ReadingDetails", "Four pillars")),
             PillarsText(words, *d.pillars));
        line("solar_term", ToUtf8(words.translate("ReadingDetails", "Solar term")),
             SolarTermText(words, *d.pillars));

        //: The heading of the strength of each trigram's element in the season
        heading(ToUtf8(words.translate("ReadingDetails", "Strength in the season")));
        const std::string branch(words.BranchName(d.pillars->month.branch));
        const QString element = Q(words.ElementName(d.season));
        line("season", ToUtf8(words.translate("ReadingDetails", "Season")),
             ToUtf8(
                 d.inEarthDays && d.conventions.earth == EarthRule::EarthDays
                     //: The element that rules the season, in the 18 days before a season's
                     //: start, and the month's branch: "Earth (month 辰, the days before a
                     //: season's start)"
                     ? words
                           .translate("ReadingDetails",
                                      "%1 (month %2, the days before a season's start)")
                           .arg(element, Q(branch))
                     //: The element that rules the month and the month's branch: "Wood
                     //: (month 卯)"
                     : words.translate("ReadingDetails", "%1 (month %2)").arg(element, Q(branch))));
        for (int p = 0; p < kPositionCount; ++p) {
            const auto position = static_cast<Position>(p);
            const ElementMark& mark = reading.Mark(position);
            const QString value =
                mark.isBody
                    //: The body's element and its strength in the season: "Metal, confined
                    //: (body)"
                    ? words.translate("ReadingDetails", "%1, %2 (body)")
                    //: An element and its strength in the season: "Metal, confined"
                    : words.translate("ReadingDetails", "%1, %2");
            const std::string strength(
                StrengthWord(words, d.strengths[static_cast<std::size_t>(p)]));
            line("strength_" + std::string(PositionKey(position)), words.PositionName(position),
                 ToUtf8(value.arg(Q(words.ElementName(mark.element)), Q(strength))));
        }
    }

    //: The heading of how use stands to the body in the original, nuclear and final hexagrams
    heading(ToUtf8(words.translate("ReadingDetails", "Body and use at each stage")));
    for (int s = 0; s < kStageCount; ++s) {
        const auto stage = static_cast<Stage>(s);
        std::string value;
        for (const Position position : StagePositions(reading, stage)) {
            const ElementMark& mark = reading.Mark(position);
            //: A trigram with its element and how it stands to the body: "5 Wood: use
            //: controls body"
            const std::string one = ToUtf8(
                words.translate("ReadingDetails", "%1 %2: %3")
                    .arg(Q(TrigramWords(words, reading.TrigramAt(position))),
                         Q(words.ElementName(mark.element)), Q(words.RelationName(mark.relation))));
            value = value.empty()
                        ? one
                        //: Two trigrams of a stage, one after the other: "2 Metal: use
                        //: controls body; 5 Wood: same element"
                        : ToUtf8(words.translate("ReadingDetails", "%1; %2").arg(Q(value), Q(one)));
        }
        line("stage_" + std::string(StageKey(stage)), std::string(words.TermName(StageTerm(stage))),
             value);
    }

    //: The heading of the nuclear, opposite and reversed hexagrams
    heading(ToUtf8(words.translate("ReadingDetails", "Related hexagrams")));
    line("nuclear", std::string(words.TermName(ReadingTerm::Nuclear)),
         HexagramWords(words, d.nuclear));
    line("opposite", std::string(words.TermName(ReadingTerm::Opposite)),
         HexagramWords(words, d.opposite));
    line("reversed", std::string(words.TermName(ReadingTerm::Reversed)),
         HexagramWords(words, d.reversed));

    // What the body and the use trigram stand for, body first: a heading each, then a line a
    // field.
    for (const bool body : {true, false}) {
        const Position position =
            reading.Mark(Position::Outer).isBody == body ? Position::Outer : Position::Inner;
        const Trigram trigram = reading.TrigramAt(position);
        //: The heading of what a trigram stands for: "Body: 1 Heaven"
        heading(ToUtf8(words.translate("ReadingDetails", "%1: %2")
                           .arg(Q(words.RoleName(body)), Q(TrigramWords(words, trigram)))));
        const std::string key = body ? "body_" : "use_";
        const TrigramCorrespondences c = CorrespondencesOf(words.Speaks(), trigram);
        static constexpr const char* kFieldKeys[] = {
            "nature", "quality",           "family",          "body_part",
            "animal", "earlier_direction", "later_direction", "colour",
            "season", "earlier_number",    "later_number",    "objects"};
        const auto fields = c.Fields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            line(key + kFieldKeys[i], std::string(fields[i].label), std::string(fields[i].value));
        }
    }

    //: The heading of the conditions of timing
    heading(ToUtf8(words.translate("ReadingDetails", "Timing")));
    std::string branches;
    for (const int branch : d.timing.feedingBranches) {
        branches += std::string(words.BranchName(branch));
    }
    //: The numbers of the body and use trigrams in the earlier-heaven order: "body 1, use 8"
    line("timing_numbers", ToUtf8(words.translate("ReadingDetails", "Numbers")),
         ToUtf8(words.translate("ReadingDetails", "body %1, use %2")
                    .arg(d.timing.bodyNumber)
                    .arg(d.timing.useNumber)));
    //: The element that feeds the body and the branches of the months and days it rules:
    //: "Earth, in the months and days 丑辰未戌"
    line("timing_season", ToUtf8(words.translate("ReadingDetails", "Feeds the body")),
         ToUtf8(words.translate("ReadingDetails", "%1, in the months and days %2")
                    .arg(Q(words.ElementName(d.timing.feedsBody)), Q(branches))));

    //: The heading of the conventions a reading's details follow
    heading(ToUtf8(words.translate("ReadingDetails", "Conventions")));
    const PillarConventions& c = d.conventions.pillars;
    line("year_start", ToUtf8(words.translate("ReadingDetails", "The year begins")),
         YearStartText(words, c.yearStart));
    //: The day to which the hour 23:00 to 24:00 belongs
    line("zi_hour", ToUtf8(words.translate("ReadingDetails", "23:00 to 24:00")),
         ZiHourText(words, c.ziHour));
    line("time", ToUtf8(words.translate("ReadingDetails", "Time")),
         c.longitude
             //: True solar time at a longitude in degrees east: "true solar time at 116.4°"
             ? ToUtf8(words.translate("ReadingDetails", "true solar time at %1°")
                          .arg(*c.longitude, 0, 'f', 1))
             //: The clock time, taken as Beijing time
             : ToUtf8(words.translate("ReadingDetails", "the clock, as Beijing time")));
    line("earth", ToUtf8(words.translate("ReadingDetails", "Earth rules")),
         EarthRuleText(words, d.conventions.earth));
    return lines;
}

std::string YearStartText(const Vocabulary& words, YearStart start) {
    return start == YearStart::Lunar
               //: Where the year of the year pillar begins
               ? ToUtf8(words.translate("ReadingDetails", "at the lunar New Year"))
               : ToUtf8(words.translate("ReadingDetails", "at %1")
                            .arg(Q(TermWithChinese(words, kBeginningOfSpring))));
}

std::string ZiHourText(const Vocabulary& words, ZiHour ziHour) {
    return ziHour == ZiHour::SameDay ? ToUtf8(words.translate("ReadingDetails", "the same day"))
                                     : ToUtf8(words.translate("ReadingDetails", "the next day"));
}

std::string EarthRuleText(const Vocabulary& words, EarthRule rule) {
    return rule == EarthRule::EarthMonths
               //: The months of earth's season, by their branches: "the months 辰戌丑未"
               ? ToUtf8(words.translate("ReadingDetails", "the months %1")
                            .arg(Q(EarthMonthsText(words))))
               : ToUtf8(
                     words.translate("ReadingDetails", "the 18 days before each season's start"));
}

std::string DetailsText(const Vocabulary& words, const ReadingDetails& details) {
    std::string text;
    for (const DetailLine& line : DetailLines(words, details)) {
        if (line.key.empty()) {
            text += (text.empty() ? "" : "\n") + line.label + "\n";
        } else {
            //: A line of a reading's details: its label and its value
            text +=
                ToUtf8(
                    words.translate("ReadingDetails", "%1: %2").arg(Q(line.label), Q(line.value))) +
                "\n";
        }
    }
    return text;
}

} // namespace zandrel
