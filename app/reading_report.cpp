#include "app/reading_report.h"

#include "app/languages.h"
#include "app/lunar_words.h"
#include "platform/qt_text.h"

#include <QJsonArray>

#include <array>
#include <variant>

namespace zandrel {
namespace {

// The JSON keeps the English words in every language.
const Vocabulary& JsonWords() {
    return Vocabulary::Of(Language::English);
}

QString Q(std::string_view text) {
    return ToQString(text);
}

} // namespace

ReadingReport ReportOf(const CastResult& result) {
    ReadingReport report;
    report.method = MethodKey(result.request);
    if (const auto* target = std::get_if<TargetTime>(&result.request)) {
        report.date = target->date;
        report.time = target->time;
        report.period = target->period;
    } else if (const auto* traditional = std::get_if<Traditional>(&result.request)) {
        report.date = traditional->date;
        report.time = traditional->time;
        if (const std::optional<LunarDate> lunar = LunarDateOf(traditional->date)) {
            report.lunar = LunarFacts{*lunar, HourBranch(traditional->Time())};
        }
    }
    report.question = result.question;
    report.reading = result.reading;
    report.text = result.text.originalText + result.text.lineText + result.text.finalText;
    return report;
}

std::string_view PositionKey(Position position) {
    constexpr std::array<std::string_view, kPositionCount> kKeys = {
        "outer", "inner", "nuclear_upper", "nuclear_lower", "final_outer", "final_inner"};
    return kKeys[static_cast<std::size_t>(position)];
}

QJsonObject LunarJson(const LunarDate& date, std::optional<int> hourBranch) {
    const Vocabulary& words = JsonWords();
    const Vocabulary& chinese = Vocabulary::Of(RowOf(words.Speaks()).chineseDates);
    QJsonObject object{
        {"year", date.year},
        {"year_stem", date.yearStem},
        {"year_branch", date.yearBranch},
        {"year_name", Q(StemBranchName(words, date.yearStem, date.yearBranch))},
        {"animal", Q(words.AnimalName(date.yearBranch))},
        {"month", date.month},
        {"leap", date.leap},
        {"day", date.day},
        {"text", Q(LunarDateText(words, date, hourBranch))},
        {"chinese", Q(LunarDateChineseText(chinese, date, hourBranch))},
    };
    if (hourBranch) {
        object["hour_branch"] = *hourBranch;
        object["hour_name"] = Q(words.BranchName(*hourBranch));
    }
    return object;
}

QJsonObject ReportJson(const ReadingReport& report) {
    const Vocabulary& words = JsonWords();
    const Reading& reading = report.reading;
    QJsonObject json{{"method", Q(report.method)}, {"question", Q(report.question)}};
    if (report.date) {
        json["date"] = Q(CivilDateText(*report.date));
    }
    if (report.time) {
        json["time"] = Q(ClockTimeText(*report.time));
    }
    if (report.lunar) {
        json["lunar"] = LunarJson(report.lunar->date, report.lunar->hourBranch);
    } else if (report.period) {
        json["period"] = *report.period;
    }
    json["outer"] = reading.outer;
    json["inner"] = reading.inner;
    json["change_line"] = reading.changeLine;
    json["original"] = reading.original;
    json["final"] = reading.final;
    json["body"] = reading.bodyIsOuter ? "outer" : "inner";
    QJsonArray trigrams;
    for (int p = 0; p < kPositionCount; ++p) {
        const auto position = static_cast<Position>(p);
        const ElementMark& mark = reading.Mark(position);
        QJsonObject trigram{
            {"position", Q(PositionKey(position))},
            {"trigram", reading.TrigramAt(position)},
            {"element", Q(words.ElementName(mark.element))},
            {"body", mark.isBody},
        };
        if (!mark.isBody) {
            trigram["favourable"] = mark.Favourable();
            trigram["relation"] = Q(words.RelationName(mark.relation));
        }
        trigrams.append(trigram);
    }
    json["trigrams"] = trigrams;
    json["text"] = Q(report.text);
    return json;
}

} // namespace zandrel
