#include "app/cast_record.h"

#include "app/reading_report.h"
#include "platform/json_text.h"

#include <QDateTime>
#include <QJsonObject>

namespace zandrel {

CaseRecord CaseRecordOf(const CastResult& result, const Vocabulary& words, std::time_t moment) {
    CaseRecord record;
    record.id = NewCaseId();
    const QDateTime local = QDateTime::fromSecsSinceEpoch(moment);
    record.castUtc = local.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")).toStdString();
    record.utcOffsetMinutes = local.offsetFromUtc() / 60;
    record.method = std::string(MethodKey(result.request));
    const ReadingReport report = ReportOf(result);
    // The inputs and conventions are the report's facts without what the record keeps apart.
    QJsonObject inputs = ReportJson(report);
    inputs.remove(QStringLiteral("question"));
    inputs.remove(QStringLiteral("text"));
    record.inputs = CompactJson(inputs);
    record.question = result.question;
    record.outer = result.reading.outer;
    record.inner = result.reading.inner;
    record.changeLine = result.reading.changeLine;
    record.original = result.reading.original;
    record.final = result.reading.final;
    record.readingText = report.text;
    record.language = std::string(LanguageCode(words.Speaks()));
    record.modifiedUtc = CaseStampNow();
    return record;
}

} // namespace zandrel
