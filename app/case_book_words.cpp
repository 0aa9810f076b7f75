#include "app/case_book_words.h"

#include "app/cast_request.h"
#include "platform/qt_text.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace zandrel {

std::string CaseBookErrorMessage(const Vocabulary& words, const CaseBookError& error) {
    const std::string_view path = error.path;
    switch (error.kind) {
    case CaseBookError::Kind::None:
        break;
    case CaseBookError::Kind::CannotOpen:
        //: %1 is the case book's file, %2 what SQLite said of it
        return FillIn(words.translate("CaseBookWords", "The case book %1 could not be opened: %2"),
                      {path, error.detail});
    case CaseBookError::Kind::CannotWrite:
        //: %1 is the case book's file, %2 what SQLite said of it
        return FillIn(words.translate("CaseBookWords", "The case book %1 could not be written: %2"),
                      {path, error.detail});
    case CaseBookError::Kind::NotACaseBook:
        return FillIn(
            words.translate("CaseBookWords", "%1 is not a case book. It was left as it is."),
            {path});
    case CaseBookError::Kind::NewerVersion:
        return FillIn(words.translate("CaseBookWords",
                                      "The case book %1 was made by a newer version of Zandrel. "
                                      "It was left as it is."),
                      {path});
    case CaseBookError::Kind::Damaged:
        return FillIn(words.translate("CaseBookWords",
                                      "The case book %1 is damaged. It was left as it is: "
                                      "restore your last export, or recover it with SQLite's "
                                      "own tools."),
                      {path});
    case CaseBookError::Kind::TextTooLong:
        //: %1 is the case book's file
        return FillIn(words.translate("CaseBookWords",
                                      "The text is longer than the case book %1 keeps (4 MiB in "
                                      "a field, so that every record can be exported and "
                                      "imported again whole). It was not saved."),
                      {path});
    case CaseBookError::Kind::ForeignLog:
        //: %1 is the file beside the case book that holds changes waiting to be written to it
        //: (SQLite's write-ahead log, casebook.sqlite-wal), which came from another database
        return FillIn(words.translate("CaseBookWords",
                                      "%1 holds changes of another database, not of the case "
                                      "book beside it. Neither was changed: move %1 away to use "
                                      "the case book."),
                      {path});
    }
    return {};
}

std::string VerdictName(const Vocabulary& words, Verdict verdict) {
    switch (verdict) {
    case Verdict::True:
        //: The verdict on a reading: what it foretold happened
        return words.Tr("CaseBookWords", QT_TRANSLATE_NOOP("CaseBookWords", "came true"));
    case Verdict::Partly:
        //: The verdict on a reading: part of what it foretold happened
        return words.Tr("CaseBookWords", QT_TRANSLATE_NOOP("CaseBookWords", "partly"));
    case Verdict::False:
        //: The verdict on a reading: what it foretold did not happen
        return words.Tr("CaseBookWords", QT_TRANSLATE_NOOP("CaseBookWords", "did not"));
    case Verdict::Pending:
        break;
    }
    //: The verdict on a reading: not known yet
    return words.Tr("CaseBookWords", QT_TRANSLATE_NOOP("CaseBookWords", "not yet"));
}

std::string MethodName(const Vocabulary& words, std::string_view method) {
    struct Named {
        std::string_view key;
        const char* name;
    };
    static constexpr Named kNames[] = {
        {kGeneralMethod, QT_TRANSLATE_NOOP("CaseBookWords", "General query")},
        {kTargetTimeMethod, QT_TRANSLATE_NOOP("CaseBookWords", "Target time query")},
        {kTraditionalMethod, QT_TRANSLATE_NOOP("CaseBookWords", "Traditional time query")},
        {kNumbersMethod, QT_TRANSLATE_NOOP("CaseBookWords", "By numbers")},
        {kCharactersMethod, QT_TRANSLATE_NOOP("CaseBookWords", "By characters")},
        {kTrigramsMethod, QT_TRANSLATE_NOOP("CaseBookWords", "By trigrams")},
        //: A record taken from an entry of the query log, whose way of casting is unknown
        {"log", QT_TRANSLATE_NOOP("CaseBookWords", "From the query log")},
    };
    for (const Named& named : kNames) {
        if (named.key == method) {
            return words.Tr("CaseBookWords", named.name);
        }
    }
    return std::string(method);
}

namespace {

std::string CountsLine(const Vocabulary& words, const VerdictCounts& counts) {
    const auto n = [](std::int64_t value) { return std::to_string(value); };
    //: %1 is how many records; then each verdict's count
    std::string line = FillIn(
        words.translate("CaseBookWords", "records %1: %2 %3, %4 %5, %6 %7, %8 %9"),
        {n(counts.total), VerdictName(words, Verdict::True), n(counts.cameTrue),
         VerdictName(words, Verdict::Partly), n(counts.partly), VerdictName(words, Verdict::False),
         n(counts.wrong), VerdictName(words, Verdict::Pending), n(counts.pending)});
    if (const std::optional<double> share = counts.ShareTrue()) {
        //: %1 is a whole percentage, %2 how many records have a verdict
        line += FillIn(words.translate("CaseBookWords", "; %1% came true of %2 judged"),
                       {n(std::lround(*share * 100)), n(counts.Judged())});
    } else {
        line += ToUtf8(words.translate("CaseBookWords", "; none judged yet"));
    }
    return line;
}

} // namespace

std::string CastMomentText(const std::string& castUtc, int utcOffsetMinutes) {
    QDateTime moment = QDateTime::fromString(QString::fromStdString(castUtc), Qt::ISODate);
    if (!moment.isValid()) {
        return castUtc;
    }
    moment = moment.toUTC().addSecs(static_cast<qint64>(utcOffsetMinutes) * 60);
    return ToUtf8(moment.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

std::string InputsText(const Vocabulary& words, const CaseRecord& record) {
    std::string text = MethodName(words, record.method);
    QJsonObject inputs = QJsonDocument::fromJson(QByteArray::fromStdString(record.inputs)).object();
    // What the reading itself shows is left to the reading.
    for (const char* shown :
         {"method", "outer", "inner", "change_line", "original", "final", "body", "trigrams"}) {
        inputs.remove(QLatin1String(shown));
    }
    for (auto it = inputs.begin(); it != inputs.end(); ++it) {
        const QJsonValue value = it.value();
        QString shown;
        if (value.isString()) {
            shown = value.toString();
        } else if (value.isObject()) {
            shown =
                QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
        } else if (value.isArray()) {
            shown =
                QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
        } else {
            shown =
                QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
                    .mid(1)
                    .chopped(1);
        }
        text += "\r\n" + ToUtf8(it.key()) + ": " + ToUtf8(shown);
    }
    return text;
}

std::string StatisticsText(const Vocabulary& words, const CaseStatistics& statistics) {
    //: Heading of the line that counts every record
    std::string text = FillIn(words.translate("CaseBookWords", "All methods: %1"),
                              {CountsLine(words, statistics.overall)});
    for (const VerdictCounts& method : statistics.perMethod) {
        //: %1 is the name of a way of casting, %2 its counts
        text += "\r\n" + FillIn(words.translate("CaseBookWords", "%1: %2"),
                                {MethodName(words, method.method), CountsLine(words, method)});
    }
    return text;
}

} // namespace zandrel
