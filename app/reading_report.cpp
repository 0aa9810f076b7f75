#include "app/reading_report.h"

#include "app/languages.h"
#include "platform/qt_text.h"

#include <QJsonArray>

#include <array>

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
    return {result.request, result.question, result.reading,
            result.text.originalText + result.text.lineText + result.text.finalText};
}

std::string_view PositionKey(Position position) {
    constexpr std::array<std::string_view, kPositionCount> kKeys = {
        "outer", "inner", "nuclear_upper", "nuclear_lower", "final_outer", "final_inner"};
    return kKeys[static_cast<std::size_t>(position)];
}

QJsonObject ReportJson(const ReadingReport& report) {
    const Vocabulary& words = JsonWords();
    const Reading& reading = report.reading;
    QJsonObject json = InputFacts(report.request);
    json["method"] = Q(MethodKey(report.request));
    json["question"] = Q(report.question);
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
