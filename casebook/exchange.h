#pragma once

#include "casebook/record.h"

#include <QJsonObject>

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The files a case book is exported to and imported from. The files keep every field under stable
// English keys, in every language.

namespace zandrel {

// The head of a JSON export, before its records: {"format":"zandrel-casebook","version":1.
inline constexpr std::string_view kCaseExportFormat = "zandrel-casebook";
inline constexpr int kCaseExportVersion = 1;

// A record as one JSON object of the export.
QJsonObject CaseRecordJson(const CaseRecord& record);
// The record of such an object; none where a field is missing or of the wrong type.
std::optional<CaseRecord> CaseRecordFromJson(const QJsonObject& json);

enum class ExportFormat { Json, Csv, Markdown };
std::optional<ExportFormat> ExportFormatNamed(std::string_view name);

// How an export shows the texts of its records, where a file's exact bytes are not wanted: a
// terminal's view of each, for example.
using ShownText = std::string (*)(std::string_view text);

// Writes the export of `records` one at a time: begin, each record, end. The JSON is always
// exact (and inert on a terminal, see platform/json_text.h). The CSV and the Markdown keep
// every text's bytes as they are, or, with `shown`, write each text of a record as `shown` makes
// it, inside the same quoting, records and lines.
class CaseExportWriter {
public:
    CaseExportWriter(std::ostream& out, ExportFormat format, ShownText shown = nullptr);
    void Begin();
    void Add(const CaseRecord& record);
    void End();

private:
    void Write(const CaseRecord& record);

    std::ostream& out_;
    ExportFormat format_;
    ShownText shown_;
    bool first_ = true;
};

// What an import file holds.
struct CaseImport {
    enum class Kind { Export, Log, Neither };
    Kind kind = Kind::Neither;
    std::vector<CaseRecord> records;
};

// Reads an import file's bytes, all of them in memory: a JSON export of a case book, or a query
// log. Neither, with no records, where they are neither or where anything in them is wrong;
// CaseImportReader (casebook/import_reader.h) reads a file of any size and says what is wrong.
CaseImport ReadCaseImport(std::string_view bytes);

} // namespace zandrel
