#pragma once

#include "casebook/case_book.h"
#include "casebook/exchange.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class QIODevice;

// Reading an import file as a stream: a JSON export of a case book record by record, a query log
// entry by entry, so that a file of any size needs the memory of one record. What is neither is
// told from the file's first bytes, without reading on.

namespace zandrel {

// The most bytes of the file that one record may take: its JSON with the blanks and the comma
// before it, or one entry of a log. A larger record is refused, not held.
inline constexpr std::size_t kMaxImportRecordBytes = std::size_t{8} << 20;
// The most bytes that one text of a record (a string of its JSON) may take in the file.
inline constexpr std::size_t kMaxImportTextBytes = std::size_t{4} << 20;
// The bytes at the start of a file within which an export's head (all before its records) or a
// log's first entry must begin: beyond them the file is neither.
inline constexpr std::size_t kImportHeadBytes = std::size_t{64} << 10;

// What stopped an import file from being read to its end.
struct CaseImportProblem {
    enum class Kind {
        None,
        // The file could not be read; `detail` says why.
        Unreadable,
        // Neither an export of a case book nor a query log, from its first bytes.
        NotAnImport,
        // The record is not one of a case book: not JSON, or a field missing or of a wrong type.
        BadRecord,
        // The record is longer than kMaxImportRecordBytes.
        RecordTooLong,
        // A text of the record is longer than kMaxImportTextBytes.
        TextTooLong,
        // The file ends before the record (or the export) does.
        CutShort,
        // What follows the record, the last one, is not the end of an export.
        NotTheEnd,
    };
    Kind kind = Kind::None;
    // The record it concerns, counted from 1 (0: before the first), and the byte of the file
    // at which that record starts.
    std::int64_t record = 0;
    std::int64_t offset = 0;
    std::string detail{};
};

// The records of an import file, one at a time, for CaseBook::Merge. The device is read from
// where it stands, in pieces; it is never sought.
class CaseImportReader : public CaseRecordSource {
public:
    // Reads the first bytes of `device`, as few as tell what it holds.
    explicit CaseImportReader(QIODevice& device);

    // Export or Log, or Neither (Failed() then tells why).
    CaseImport::Kind Kind() const { return kind_; }
    std::optional<CaseRecord> Next() override;
    bool Failed() const override { return problem_.kind != CaseImportProblem::Kind::None; }
    const CaseImportProblem& Problem() const { return problem_; }
    // How many bytes were read from the device so far.
    std::int64_t BytesRead() const { return read_; }

private:
    enum class Scan { Done, TooLong, TextTooLong, CutShort, Unreadable };

    // The buffered bytes not yet taken, from position 0 on; positions below are relative to
    // where the untaken bytes start.
    std::size_t Available() const { return buffer_.size() - taken_; }
    char At(std::size_t position) const { return buffer_[taken_ + position]; }
    std::string_view View(std::size_t from, std::size_t to) const;
    // Reads until `count` bytes are available or the device ends; false when it fails.
    bool Fill(std::size_t count);
    void Take(std::size_t count);
    std::int64_t OffsetOf(std::size_t position) const;

    Scan SkipSpace(std::size_t* position, std::size_t limit);
    Scan ScanValue(std::size_t from, std::size_t limit, std::size_t* end);
    bool ReadHead();
    std::optional<CaseRecord> NextOfExport();
    bool ReadEnd();
    std::optional<std::size_t> FindLogHead(std::size_t from, std::size_t limit);
    std::optional<CaseRecord> NextOfLog();

    std::optional<CaseRecord> Fail(CaseImportProblem::Kind kind, std::size_t position);
    std::optional<CaseRecord> FailScan(Scan scan, std::size_t position);

    QIODevice& device_;
    std::string buffer_;
    std::size_t taken_ = 0;
    // The offset in the file of buffer_[0].
    std::int64_t base_ = 0;
    std::int64_t read_ = 0;
    bool ended_ = false;

    CaseImport::Kind kind_ = CaseImport::Kind::Neither;
    CaseImportProblem problem_;
    std::int64_t records_ = 0;
    bool finished_ = false;
    // The first record of a log, read to tell a log with whole entries from one without.
    std::optional<CaseRecord> peeked_;
};

} // namespace zandrel
