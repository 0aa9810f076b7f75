#include "casebook/exchange.h"

#include "casebook/import_reader.h"
#include "platform/json_text.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUuid>

#include <algorithm>
#include <ostream>

namespace zandrel {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string S(const QString& text) {
    return text.toUtf8().toStdString();
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        joined += (joined.empty() ? "" : "\n") + line;
    }
    return joined;
}

// A fence longer than any run of backticks in `text`, so that nothing in it ends the block.
std::string FenceFor(std::string_view text) {
    std::size_t longest = 0;
    std::size_t run = 0;
    for (const char c : text) {
        run = c == '`' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return std::string(std::max<std::size_t>(3, longest + 1), '`');
}

std::string WithoutCr(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        plain += text[i];
    }
    return plain;
}

// One line of Markdown: line ends as blanks, so that a field stays one item of the list.
std::string OneLine(std::string_view text) {
    std::string line(text);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

} // namespace

QJsonObject CaseRecordJson(const CaseRecord& r) {
    QJsonArray tags;
    for (const std::string& tag : r.tags) {
        tags.append(Q(tag));
    }
    return {
        {"id", Q(r.id)},
        {"cast_utc", Q(r.castUtc)},
        {"utc_offset_minutes", r.utcOffsetMinutes},
        {"method", Q(r.method)},
        {"inputs", QJsonDocument::fromJson(QByteArray::fromStdString(r.inputs)).object()},
        {"question", Q(r.question)},
        {"person", Q(r.person)},
        {"tags", tags},
        {"outer", r.outer},
        {"inner", r.inner},
        {"change_line", r.changeLine},
        {"original", r.original},
        {"final", r.final},
        {"reading_text", Q(r.readingText)},
        {"language", Q(r.language)},
        {"notes", Q(r.notes)},
        {"outcome_date", Q(r.outcomeDate)},
        {"outcome_what", Q(r.outcomeWhat)},
        {"verdict", Q(VerdictKey(r.verdict))},
        {"modified_utc", Q(r.modifiedUtc)},
    };
}

std::optional<CaseRecord> CaseRecordFromJson(const QJsonObject& json) {
    const auto text = [&](const char* key, std::string* value) {
        const QJsonValue v = json.value(QLatin1String(key));
        if (!v.isString()) {
            return false;
        }
        *value = S(v.toString());
        return true;
    };
    const auto number = [&](const char* key, int* value) {
        const QJsonValue v = json.value(QLatin1String(key));
        if (!v.isDouble()) {
            return false;
        }
        *value = v.toInt();
        return true;
    };
    CaseRecord r;
    std::string id;
    std::string verdict;
    if (!text("id", &id) || !text("cast_utc", &r.castUtc) ||
        !number("utc_offset_minutes", &r.utcOffsetMinutes) || !text("method", &r.method) ||
        !json.value(QLatin1String("inputs")).isObject() || !text("question", &r.question) ||
        !text("person", &r.person) || !json.value(QLatin1String("tags")).isArray() ||
        !number("outer", &r.outer) || !number("inner", &r.inner) ||
        !number("change_line", &r.changeLine) || !number("original", &r.original) ||
        !number("final", &r.final) || !text("reading_text", &r.readingText) ||
        !text("language", &r.language) || !text("notes", &r.notes) ||
        !text("outcome_date", &r.outcomeDate) || !text("outcome_what", &r.outcomeWhat) ||
        !text("verdict", &verdict) || !text("modified_utc", &r.modifiedUtc)) {
        return std::nullopt;
    }
    const QUuid uuid = QUuid::fromString(Q(id));
    const std::optional<Verdict> named = VerdictNamed(verdict);
    if (uuid.isNull() || !named) {
        return std::nullopt;
    }
    r.id = S(uuid.toString(QUuid::WithoutBraces));
    r.verdict = *named;
    r.inputs = CompactJson(json.value(QLatin1String("inputs")).toObject());
    for (const QJsonValue tag : json.value(QLatin1String("tags")).toArray()) {
        if (!tag.isString()) {
            return std::nullopt;
        }
        r.tags.push_back(S(tag.toString()));
    }
    return r;
}

std::optional<ExportFormat> ExportFormatNamed(std::string_view name) {
    if (name == "json") {
        return ExportFormat::Json;
    }
    if (name == "csv") {
        return ExportFormat::Csv;
    }
    if (name == "md") {
        return ExportFormat::Markdown;
    }
    return std::nullopt;
}

CaseExportWriter::CaseExportWriter(std::ostream& out, ExportFormat format, ShownText shown)
    : out_(out), format_(format), shown_(shown) {}

void CaseExportWriter::Begin() {
    switch (format_) {
    case ExportFormat::Json:
        out_ << "{\"format\":\"" << kCaseExportFormat << "\",\"version\":" << kCaseExportVersion
             << ",\"records\":[";
        break;
    case ExportFormat::Csv:
        out_ << "id,cast_utc,utc_offset_minutes,method,inputs,question,person,tags,outer,inner,"
                "change_line,original,final,reading_text,language,notes,outcome_date,"
                "outcome_what,verdict,modified_utc\r\n";
        break;
    case ExportFormat::Markdown:
        out_ << "# Case book\n";
        break;
    }
}

void CaseExportWriter::Add(const CaseRecord& record) {
    if (shown_ == nullptr || format_ == ExportFormat::Json) {
        Write(record);
        return;
    }
    CaseRecord shown = record;
    for (std::string* text :
         {&shown.id, &shown.castUtc, &shown.method, &shown.inputs, &shown.question, &shown.person,
          &shown.readingText, &shown.language, &shown.notes, &shown.outcomeDate, &shown.outcomeWhat,
          &shown.modifiedUtc}) {
        *text = shown_(*text);
    }
    for (std::string& tag : shown.tags) {
        tag = shown_(tag);
    }
    Write(shown);
}

void CaseExportWriter::Write(const CaseRecord& r) {
    switch (format_) {
    case ExportFormat::Json:
        out_ << (first_ ? "\n" : ",\n") << CompactJson(CaseRecordJson(r));
        break;
    case ExportFormat::Csv: {
        const std::string fields[] = {r.id,
                                      r.castUtc,
                                      std::to_string(r.utcOffsetMinutes),
                                      r.method,
                                      r.inputs,
                                      r.question,
                                      r.person,
                                      JoinLines(r.tags),
                                      std::to_string(r.outer),
                                      std::to_string(r.inner),
                                      std::to_string(r.changeLine),
                                      std::to_string(r.original),
                                      std::to_string(r.final),
                                      r.readingText,
                                      r.language,
                                      r.notes,
                                      r.outcomeDate,
                                      r.outcomeWhat,
                                      std::string(VerdictKey(r.verdict)),
                                      r.modifiedUtc};
        bool firstField = true;
        for (const std::string& field : fields) {
            out_ << (firstField ? "" : ",") << CsvField(field);
            firstField = false;
        }
        out_ << "\r\n";
        break;
    }
    case ExportFormat::Markdown: {
        out_ << "\n## " << r.castUtc << " " << OneLine(r.question) << "\n\n"
             << "- id: " << r.id << "\n"
             << "- cast: " << r.castUtc << ", UTC offset " << r.utcOffsetMinutes << " minutes\n"
             << "- method: " << r.method << "\n"
             << "- inputs: `" << r.inputs << "`\n"
             << "- question: " << OneLine(r.question) << "\n"
             << "- person: " << OneLine(r.person) << "\n"
             << "- tags: " << OneLine(JoinLines(r.tags)) << "\n"
             << "- outer " << r.outer << ", inner " << r.inner << ", change line " << r.changeLine
             << ", original " << r.original << ", final " << r.final << "\n"
             << "- language: " << r.language << "\n"
             << "- verdict: " << VerdictKey(r.verdict) << "\n"
             << "- outcome date: " << OneLine(r.outcomeDate) << "\n"
             << "- what happened: " << OneLine(r.outcomeWhat) << "\n"
             << "- modified: " << r.modifiedUtc << "\n";
        for (const auto& [title, text] :
             {std::pair<const char*, const std::string&>{"Reading", r.readingText},
              std::pair<const char*, const std::string&>{"Notes", r.notes}}) {
            const std::string plain = WithoutCr(text);
            const std::string fence = FenceFor(plain);
            out_ << "\n"
                 << title << ":\n\n"
                 << fence << "text\n"
                 << plain << (plain.empty() || plain.ends_with('\n') ? "" : "\n") << fence << "\n";
        }
        break;
    }
    }
    first_ = false;
}

void CaseExportWriter::End() {
    if (format_ == ExportFormat::Json) {
        out_ << (first_ ? "]}\n" : "\n]}\n");
    }
}

CaseImport ReadCaseImport(std::string_view bytes) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    CaseImportReader reader(device);
    CaseImport import;
    while (std::optional<CaseRecord> record = reader.Next()) {
        import.records.push_back(std::move(*record));
    }
    if (reader.Failed()) {
        return {};
    }
    import.kind = reader.Kind();
    return import;
}

} // namespace zandrel
