// Merging records from elsewhere (an export of another case book, a query log) into the book.

#include "casebook/case_book.h"
#include "casebook/rows.h"

namespace zandrel {
namespace {

class VectorSource : public CaseRecordSource {
public:
    explicit VectorSource(const std::vector<CaseRecord>& records) : records_(records) {}
    std::optional<CaseRecord> Next() override {
        if (next_ == records_.size()) {
            return std::nullopt;
        }
        return records_[next_++];
    }
    bool Failed() const override { return false; }

private:
    const std::vector<CaseRecord>& records_;
    std::size_t next_ = 0;
};

} // namespace

bool CaseBook::Merge(const std::vector<CaseRecord>& records, ImportCounts* counts,
                     CaseBookError* error) {
    VectorSource source(records);
    return Merge(source, counts, error);
}

bool CaseBook::Merge(CaseRecordSource& source, ImportCounts* counts, CaseBookError* error) {
    casebook::WriteTransaction write(*connection_, error);
    if (!write.Begun()) {
        return false;
    }
    sqlite3* db = connection_->Db();
    sql::Statement present(db, "SELECT modified_utc FROM records WHERE id = ?");
    // The same cast told by what the log keeps of it: its local moment, question and text.
    sql::Statement same(db, std::string("SELECT 1 FROM records WHERE ") + casebook::kLocalMoment +
                                " = datetime(?, ? || ' minutes') AND question = ? AND"
                                " reading_text = ? LIMIT 1");
    sql::Statement insert(db, std::string("INSERT INTO records (") + casebook::kColumns +
                                  ") VALUES (" + casebook::kPlaces + ")");
    sql::Statement replace(db, std::string("UPDATE records SET (") + casebook::kColumns + ") = (" +
                                   casebook::kPlaces + ") WHERE id = ?");
    ImportCounts done;
    std::string tags;
    while (std::optional<CaseRecord> record = source.Next()) {
        present.Bind({record->id});
        if (present.Next()) {
            // A copy changed later than this one replaces it; a record made from a log's
            // entry, never changed, is older than any.
            if (record->modifiedUtc <= present.Text(0)) {
                ++done.skipped;
                continue;
            }
            replace.Bind({});
            casebook::BindRecord(replace, *record, tags);
            replace.Add(std::string_view(record->id));
            if (!replace.Run()) {
                return write.Fail(replace);
            }
            ++done.updated;
            continue;
        }
        if (present.Failed()) {
            return write.Fail(present);
        }
        if (record->method == kLogMethod) {
            same.Bind({record->castUtc, std::int64_t{record->utcOffsetMinutes}, record->question,
                       record->readingText});
            if (same.Next()) {
                ++done.skipped;
                continue;
            }
            if (same.Failed()) {
                return write.Fail(same);
            }
        }
        insert.Bind({});
        casebook::BindRecord(insert, *record, tags);
        if (!insert.Run()) {
            return write.Fail(insert);
        }
        ++done.added;
    }
    if (source.Failed() || !write.Commit()) {
        return false;
    }
    if (counts != nullptr) {
        *counts = done;
    }
    return true;
}

} // namespace zandrel
