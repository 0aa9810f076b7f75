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

// A record as one JSON object of the export.
QJsonObject CaseRecordJson(const CaseRecord& record);
// The record of such an object; none where a field is missing or of the wrong type.
std::optional<CaseRecord> CaseRecordFromJson(const QJsonObject& json);

enum class ExportFormat { Json, Csv, Markdown };
std::optional<ExportFormat> ExportFormatNamed(std::string_view name);

// Writes the export of `records` one at a time: begin, each record, end.
class CaseExportWriter {
public:
    CaseExportWriter(std::ostream& out, ExportFormat format);
    void Begin();
    void Add(const CaseRecord& record);
    void End();

private:
    std::ostream& out_;
    ExportFormat format_;
    bool first_ = true;
};

// What an import file holds.
struct CaseImport {
    enum class Kind { Export, Log, Neither };
    Kind kind = Kind::Neither;
    std::vector<CaseRecord> records;
};

// Reads an import file's bytes: a JSON export of a case book, or a query log.
CaseImport ReadCaseImport(std::string_view bytes);

} // namespace zandrel
