#include "casebook/case_book.h"

#include "casebook/import_reader.h"
#include "casebook/rows.h"
#include "casebook/sql.h"
#include "platform/json_text.h"

#include <sqlite3.h>

#include <algorithm>
#include <map>

namespace zandrel {

using casebook::Connection;
using casebook::WriteTransaction;
using Kind = CaseBookError::Kind;

namespace {

// The words of a search, each of which a record must hold.
std::vector<std::string> SearchWords(const std::string& search) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < search.size()) {
        const std::size_t start = search.find_first_not_of(" \t\r\n\f\v", at);
        if (start == std::string::npos) {
            break;
        }
        std::size_t end = search.find_first_of(" \t\r\n\f\v", start);
        if (end == std::string::npos) {
            end = search.size();
        }
        words.push_back(search.substr(start, end - start));
        at = end;
    }
    return words;
}

// Characters of UTF-8 text: the bytes that do not continue a character.
std::size_t Characters(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return count;
}

// The WHERE clause of `filter`, and the values of its places.
struct Where {
    std::string clause;
    std::vector<std::string> values;
    // What the full-text index is asked for: every phrase of three characters and more, all of
    // which a record must hold. Empty when the search has none.
    std::string match;

    // `inOrder` finds the index's matches while walking the records in their order, instead
    // of taking every match and sorting them: quicker for the first page of a common word.
    explicit Where(const CaseFilter& filter, bool inOrder = false) {
        std::vector<std::string> terms;
        for (const std::string& word : SearchWords(filter.search)) {
            if (Characters(word) >= 3) {
                // One phrase of the trigram index; quotes inside it are doubled.
                match += match.empty() ? "\"" : " AND \"";
                for (const char c : word) {
                    match += c;
                    if (c == '"') {
                        match += '"';
                    }
                }
                match += '"';
            } else {
                // Shorter words are too short for trigrams: looked for in the text itself.
                terms.push_back("instr(lower(question || char(10) || notes || char(10) || tags),"
                                " lower(?)) > 0");
                values.push_back(word);
            }
        }
        if (!match.empty()) {
            // The index finds the records that hold every phrase at once; the unary plus keeps
            // SQLite from starting at those matches.
            terms.insert(terms.begin(),
                         std::string(inOrder ? "+" : "") +
                             "seq IN (SELECT rowid FROM records_text WHERE records_text MATCH ?)");
            values.insert(values.begin(), match);
        }
        if (!filter.tag.empty()) {
            terms.push_back("instr(char(10) || tags || char(10), char(10) || ? || char(10)) > 0");
            values.push_back(filter.tag);
        }
        if (!filter.method.empty()) {
            terms.push_back("method = ?");
            values.push_back(filter.method);
        }
        if (filter.verdict) {
            terms.push_back("verdict = ?");
            values.push_back(std::string(VerdictKey(*filter.verdict)));
        }
        if (!filter.since.empty()) {
            terms.push_back("cast_utc >= ?");
            values.push_back(filter.since);
        }
        if (!filter.until.empty()) {
            terms.push_back("substr(cast_utc, 1, 10) <= ?");
            values.push_back(filter.until);
        }
        for (std::size_t i = 0; i < terms.size(); ++i) {
            clause += (i == 0 ? " WHERE " : " AND ") + terms[i];
        }
    }

    // The clause followed by one more term.
    std::string And(const std::string& term) const {
        return clause + (clause.empty() ? " WHERE " : " AND ") + term;
    }

    void Bind(sql::Statement& statement) const {
        statement.Bind({});
        for (const std::string& value : values) {
            statement.Add(std::string_view(value));
        }
    }
};

// Whether `text` fits a text of an export, as the import reads it back.
bool FitsAnExport(const std::string& text) {
    // The text's JSON string with its quotes and the brackets around it.
    return CompactJson(
               QJsonArray{QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))})
               .size() <= kMaxImportTextBytes + 4;
}

// A search interrupted by its caller: SQLite asks every few thousand steps.
int Interrupted(void* cancel) {
    return static_cast<const std::atomic<bool>*>(cancel)->load() ? 1 : 0;
}

} // namespace

std::unique_ptr<CaseBook> CaseBook::Open(const std::string& dataDirectory, CaseBookError* error,
                                         CaseBookAccess access) {
    std::unique_ptr<CaseBook> book =
        OpenFile(dataDirectory + "/" + kCaseBookFileName, error, access);
    if (book && book->Writable()) {
        // Records the log holds and the book does not are completed; a failure here only
        // leaves them for the next open.
        std::int64_t added = 0;
        book->CompleteFromLog(dataDirectory, &added, nullptr);
    }
    return book;
}

std::unique_ptr<CaseBook> CaseBook::OpenFile(const std::string& path, CaseBookError* error,
                                             CaseBookAccess access) {
    std::shared_ptr<Connection> connection = Connection::Of(path, access, error);
    if (!connection) {
        return nullptr;
    }
    return std::unique_ptr<CaseBook>(new CaseBook(std::move(connection)));
}

CaseBook::CaseBook(std::shared_ptr<Connection> connection) : connection_(std::move(connection)) {}

CaseBook::~CaseBook() = default;

const std::string& CaseBook::Path() const {
    return connection_->Path();
}

bool CaseBook::Writable() const {
    return connection_->Writable();
}

bool CaseBook::Add(const CaseRecord& record, CaseBookError* error) {
    WriteTransaction write(*connection_, error);
    if (!write.Begun()) {
        return false;
    }
    sqlite3* db = connection_->Db();
    std::string tags;
    // The record the log's entry of this cast gave, where the log was compared with the book
    // before this record came.
    sql::Statement twin(db, std::string("SELECT seq, modified_utc FROM records WHERE ") +
                                casebook::kLocalMoment +
                                " = datetime(?, ? || ' minutes') AND method = 'log' AND"
                                " question = ? AND reading_text = ? LIMIT 1");
    twin.Bind({record.castUtc, std::int64_t{record.utcOffsetMinutes}, record.question,
               record.readingText});
    if (twin.Next()) {
        const std::int64_t seq = twin.Int(0);
        // What the user wrote in it stays, and so does its id, by which a window may hold it;
        // the rest comes from the cast.
        const bool edited = !twin.Text(1).empty();
        sql::Statement replace(
            db, std::string("UPDATE records SET cast_utc = ?, utc_offset = ?, method = ?,"
                            " inputs = ?, outer_trigram = ?, inner_trigram = ?, change_line = ?,"
                            " original = ?, final = ?, language = ?") +
                    (edited ? "" : ", modified_utc = ?") + " WHERE seq = ?");
        replace.Bind({record.castUtc, std::int64_t{record.utcOffsetMinutes}, record.method,
                      record.inputs, std::int64_t{record.outer}, std::int64_t{record.inner},
                      std::int64_t{record.changeLine}, std::int64_t{record.original},
                      std::int64_t{record.final}, record.language});
        if (!edited) {
            replace.Add(std::string_view(record.modifiedUtc));
        }
        replace.Add(seq);
        if (!replace.Run()) {
            return write.Fail(replace);
        }
        return write.Commit();
    }
    if (twin.Failed()) {
        return write.Fail(twin);
    }
    sql::Statement insert(db, std::string("INSERT INTO records (") + casebook::kColumns +
                                  ") VALUES (" + casebook::kPlaces + ")");
    insert.Bind({});
    casebook::BindRecord(insert, record, tags);
    if (!insert.Run()) {
        return write.Fail(insert);
    }
    return write.Commit();
}

std::optional<std::string> CaseBook::ResolveId(std::string_view prefix, CaseBookError* error) {
    if (prefix.empty()) {
        return std::nullopt;
    }
    const std::lock_guard lock(connection_->Mutex());
    // ids are lowercase hexadecimal and hyphens, so a range finds those that start alike.
    sql::Statement q(connection_->Db(),
                     "SELECT id FROM records WHERE id >= ? AND id < ? ORDER BY id LIMIT 2");
    std::string low(prefix);
    for (char& c : low) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    q.Bind({low, low + "\xff"});
    std::vector<std::string> ids;
    while (q.Next()) {
        ids.push_back(q.Text(0));
    }
    if (q.Failed()) {
        sql::Fail(error, Path(), q, Kind::CannotOpen);
        return std::nullopt;
    }
    if (ids.size() == 1 || (!ids.empty() && ids.front() == low)) {
        return ids.front();
    }
    return std::nullopt;
}

std::optional<CaseRecord> CaseBook::Find(std::string_view id, CaseBookError* error) {
    const std::lock_guard lock(connection_->Mutex());
    const std::optional<std::string> whole = ResolveId(id, error);
    if (!whole) {
        return std::nullopt;
    }
    sql::Statement q(connection_->Db(),
                     std::string("SELECT ") + casebook::kColumns + " FROM records WHERE id = ?");
    q.Bind({*whole});
    if (!q.Next()) {
        if (q.Failed()) {
            sql::Fail(error, Path(), q, Kind::CannotOpen);
        }
        return std::nullopt;
    }
    return casebook::ReadRecord(q);
}

std::optional<std::int64_t> CaseBook::Count(const CaseFilter& filter, CaseBookError* error,
                                            const std::atomic<bool>* cancel) {
    const Where where(filter);
    const std::lock_guard lock(connection_->Mutex());
    sqlite3* db = connection_->Db();
    if (cancel != nullptr) {
        // Only this count runs on the connection meanwhile: the handler stops nothing else.
        sqlite3_progress_handler(db, 4000, Interrupted,
                                 const_cast<void*>(static_cast<const void*>(cancel)));
    }
    sql::Statement q(db, "SELECT count(*) FROM records" + where.clause);
    where.Bind(q);
    const bool counted = q.Next();
    if (cancel != nullptr) {
        sqlite3_progress_handler(db, 0, nullptr, nullptr);
    }
    if (!counted) {
        if ((q.failure().code & 0xff) != SQLITE_INTERRUPT) {
            sql::Fail(error, Path(), q, Kind::CannotOpen);
        }
        return std::nullopt;
    }
    return q.Int(0);
}

namespace {

// The columns of a summary, newest first, and the summary of the row a statement stands on.
constexpr const char* kSummaryColumns =
    "SELECT id, cast_utc, utc_offset, method, question, tags, original, final, verdict"
    " FROM records";
constexpr const char* kNewestFirst = " ORDER BY cast_utc DESC, seq DESC";

CaseSummary SummaryOf(const sql::Statement& q) {
    return {q.Text(0),
            q.Text(1),
            static_cast<int>(q.Int(2)),
            q.Text(3),
            q.Text(4),
            casebook::SplitTags(q.Text(5)),
            static_cast<int>(q.Int(6)),
            static_cast<int>(q.Int(7)),
            VerdictNamed(q.Text(8)).value_or(Verdict::Pending)};
}

// Whether the rows `offset` to `offset + limit` of a search whose index query is `match` are
// found sooner by walking the records newest first than by taking every match and sorting
// them. The index counts its matches in a few milliseconds; a walk costs some 0.2 us a record,
// a match taken and sorted some 3 us.
bool WalkInOrder(sqlite3* db, const std::string& match, std::int64_t rows) {
    if (match.empty()) {
        return false;
    }
    sql::Statement last(db, "SELECT max(seq) FROM records");
    sql::Statement count(db, "SELECT count(*) FROM records_text WHERE records_text MATCH ?");
    count.Bind({match});
    if (!last.Next() || !count.Next() || count.Int(0) == 0) {
        return false;
    }
    const auto records = static_cast<double>(last.Int(0));
    const auto matches = static_cast<double>(count.Int(0));
    const double walked = std::min(records, static_cast<double>(rows) * records / matches);
    return walked * 0.2 < matches * 3.0;
}

} // namespace

std::vector<CaseSummary> CaseBook::Page(const CaseFilter& filter, std::int64_t offset, int limit,
                                        CaseBookError* error) {
    const std::lock_guard lock(connection_->Mutex());
    const Where where(filter, WalkInOrder(connection_->Db(), Where(filter).match, offset + limit));
    sql::Statement q(connection_->Db(),
                     kSummaryColumns + where.clause + kNewestFirst + " LIMIT ? OFFSET ?");
    where.Bind(q);
    q.Add(std::int64_t{limit}).Add(offset);
    std::vector<CaseSummary> rows;
    while (q.Next()) {
        rows.push_back(SummaryOf(q));
    }
    if (q.Failed()) {
        sql::Fail(error, Path(), q, Kind::CannotOpen);
    }
    return rows;
}

bool CaseBook::ForEachSummary(const CaseFilter& filter,
                              const std::function<bool(const CaseSummary&)>& visit,
                              CaseBookError* error) {
    const Where where(filter);
    const std::lock_guard lock(connection_->Mutex());
    sql::Statement q(connection_->Db(), kSummaryColumns + where.clause + kNewestFirst);
    where.Bind(q);
    while (q.Next()) {
        if (!visit(SummaryOf(q))) {
            return true;
        }
    }
    return !q.Failed() || sql::Fail(error, Path(), q, Kind::CannotOpen);
}

std::optional<std::int64_t> CaseBook::IndexOf(const CaseFilter& filter, const std::string& id,
                                              CaseBookError* error) {
    const Where where(filter);
    const std::lock_guard lock(connection_->Mutex());
    sql::Statement found(connection_->Db(),
                         "SELECT cast_utc, seq FROM records" + where.And("id = ?"));
    where.Bind(found);
    found.Add(std::string_view(id));
    if (!found.Next()) {
        if (found.Failed()) {
            sql::Fail(error, Path(), found, Kind::CannotOpen);
        }
        return std::nullopt;
    }
    const std::string castUtc = found.Text(0);
    const std::int64_t seq = found.Int(1);
    // The records before it in Page's order: cast later, or at the same moment and added later.
    sql::Statement before(connection_->Db(),
                          "SELECT count(*) FROM records" +
                              where.And("(cast_utc > ? OR (cast_utc = ? AND seq > ?))"));
    where.Bind(before);
    before.Add(std::string_view(castUtc)).Add(std::string_view(castUtc)).Add(seq);
    if (!before.Next()) {
        sql::Fail(error, Path(), before, Kind::CannotOpen);
        return std::nullopt;
    }
    return before.Int(0);
}

bool CaseBook::ForEach(const CaseFilter& filter,
                       const std::function<bool(const CaseRecord&)>& visit, CaseBookError* error) {
    const Where where(filter);
    const std::lock_guard lock(connection_->Mutex());
    // One row at a time, however many there are.
    sql::Statement q(connection_->Db(), std::string("SELECT ") + casebook::kColumns +
                                            " FROM records" + where.clause +
                                            " ORDER BY cast_utc, seq");
    where.Bind(q);
    while (q.Next()) {
        if (!visit(casebook::ReadRecord(q))) {
            return true;
        }
    }
    return !q.Failed() || sql::Fail(error, Path(), q, Kind::CannotOpen);
}

EditResult CaseBook::Update(const std::string& id, const CaseRecord* seen, const CaseEdit& edit,
                            CaseBookError* error) {
    // What the book keeps, an export carries and an import takes back whole.
    std::string tags = edit.tags ? casebook::JoinTags(*edit.tags) : std::string();
    for (const std::string* text : std::initializer_list<const std::string*>{
             edit.person ? &*edit.person : nullptr, edit.tags ? &tags : nullptr,
             edit.notes ? &*edit.notes : nullptr, edit.outcome ? &edit.outcome->date : nullptr,
             edit.outcome ? &edit.outcome->what : nullptr}) {
        if (text != nullptr && !FitsAnExport(*text)) {
            if (error != nullptr) {
                *error = {Kind::TextTooLong, Path(), {}};
            }
            return EditResult::Failed;
        }
    }
    WriteTransaction write(*connection_, error);
    if (!write.Begun()) {
        return EditResult::Failed;
    }
    sqlite3* db = connection_->Db();
    sql::Statement now(db, "SELECT person, tags, notes, verdict, outcome_date, outcome_what"
                           " FROM records WHERE id = ?");
    now.Bind({id});
    if (!now.Next()) {
        if (now.Failed()) {
            write.Fail(now);
            return EditResult::Failed;
        }
        return EditResult::Missing;
    }
    if (seen != nullptr) {
        const bool changed = (edit.person && now.Text(0) != seen->person) ||
                             (edit.tags && now.Text(1) != casebook::JoinTags(seen->tags)) ||
                             (edit.notes && now.Text(2) != seen->notes) ||
                             (edit.outcome && (now.Text(3) != VerdictKey(seen->verdict) ||
                                               now.Text(4) != seen->outcomeDate ||
                                               now.Text(5) != seen->outcomeWhat));
        if (changed) {
            return EditResult::Changed;
        }
    }
    std::string assignments;
    std::vector<std::string> values;
    const auto set = [&](const char* column, std::string value) {
        assignments += std::string(column) + " = ?, ";
        values.push_back(std::move(value));
    };
    if (edit.person) {
        set("person", *edit.person);
    }
    if (edit.tags) {
        set("tags", casebook::JoinTags(*edit.tags));
    }
    if (edit.notes) {
        set("notes", *edit.notes);
    }
    if (edit.outcome) {
        set("verdict", std::string(VerdictKey(edit.outcome->verdict)));
        set("outcome_date", edit.outcome->date);
        set("outcome_what", edit.outcome->what);
    }
    set("modified_utc", CaseStampNow());
    assignments.resize(assignments.size() - 2);
    sql::Statement update(db, "UPDATE records SET " + assignments + " WHERE id = ?");
    update.Bind({});
    for (const std::string& value : values) {
        update.Add(std::string_view(value));
    }
    update.Add(std::string_view(id));
    if (!update.Run()) {
        write.Fail(update);
        return EditResult::Failed;
    }
    return write.Commit() ? EditResult::Saved : EditResult::Failed;
}

EditResult CaseBook::Edit(const std::string& id, const CaseRecord& seen, const CaseEdit& edit,
                          CaseBookError* error) {
    return Update(id, &seen, edit, error);
}

bool CaseBook::SetNotes(const std::string& id, const std::string& notes, CaseBookError* error) {
    return Update(id, nullptr, {.notes = notes}, error) == EditResult::Saved;
}

bool CaseBook::SetTags(const std::string& id, const std::vector<std::string>& tags,
                       CaseBookError* error) {
    return Update(id, nullptr, {.tags = tags}, error) == EditResult::Saved;
}

bool CaseBook::SetPerson(const std::string& id, const std::string& person, CaseBookError* error) {
    return Update(id, nullptr, {.person = person}, error) == EditResult::Saved;
}

bool CaseBook::SetOutcome(const std::string& id, Verdict verdict, const std::string& date,
                          const std::string& what, CaseBookError* error) {
    return Update(id, nullptr, {.outcome = CaseEdit::Outcome{verdict, date, what}}, error) ==
           EditResult::Saved;
}

bool CaseBook::Remove(const std::string& id, CaseBookError* error) {
    WriteTransaction write(*connection_, error);
    if (!write.Begun()) {
        return false;
    }
    // The cast is remembered as removed, so that comparing the book with the log does not
    // bring its record back.
    sql::Statement gone(connection_->Db(),
                        std::string("SELECT ") + casebook::kLocalMoment +
                            ", question, reading_text FROM records WHERE id = ?");
    gone.Bind({id});
    if (!gone.Next()) {
        return gone.Failed() && write.Fail(gone);
    }
    sql::Statement remember(connection_->Db(), "INSERT INTO removed VALUES (?, ?, ?)");
    remember.Bind({gone.Text(0), gone.Text(1), casebook::TextDigest(gone.Text(2))});
    if (!remember.Run()) {
        return write.Fail(remember);
    }
    sql::Statement remove(connection_->Db(), "DELETE FROM records WHERE id = ?");
    remove.Bind({id});
    if (!remove.Run()) {
        return write.Fail(remove);
    }
    return remove.Changes() > 0 && write.Commit();
}

CaseStatistics CaseBook::Statistics(CaseBookError* error) {
    CaseStatistics statistics;
    const std::lock_guard lock(connection_->Mutex());
    sql::Statement q(connection_->Db(), "SELECT method, verdict, count(*) FROM records"
                                        " GROUP BY method, verdict ORDER BY method");
    std::map<std::string, VerdictCounts> perMethod;
    const auto add = [](VerdictCounts& counts, Verdict verdict, std::int64_t n) {
        counts.total += n;
        switch (verdict) {
        case Verdict::True:
            counts.cameTrue += n;
            break;
        case Verdict::Partly:
            counts.partly += n;
            break;
        case Verdict::False:
            counts.wrong += n;
            break;
        case Verdict::Pending:
            counts.pending += n;
            break;
        }
    };
    while (q.Next()) {
        const std::string method = q.Text(0);
        const Verdict verdict = VerdictNamed(q.Text(1)).value_or(Verdict::Pending);
        VerdictCounts& counts = perMethod[method];
        counts.method = method;
        add(counts, verdict, q.Int(2));
        add(statistics.overall, verdict, q.Int(2));
    }
    if (q.Failed()) {
        sql::Fail(error, Path(), q, Kind::CannotOpen);
    }
    for (auto& [method, counts] : perMethod) {
        statistics.perMethod.push_back(counts);
    }
    return statistics;
}

std::int64_t CaseBook::DataVersion() {
    const std::lock_guard lock(connection_->Mutex());
    sql::Statement q(connection_->Db(), "PRAGMA data_version");
    const std::int64_t others = q.Next() ? q.Int(0) : -1;
    // Other connections' commits, and this process's own, which data_version leaves out.
    return others * (std::int64_t{1} << 32) + connection_->Commits();
}

} // namespace zandrel
