#include "casebook/rows.h"

#include <cstdio>

namespace zandrel::casebook {

std::string JoinTags(const std::vector<std::string>& tags) {
    std::string joined;
    for (const std::string& tag : tags) {
        // A tag is one line; an empty one is no tag.
        std::string clean;
        for (const char c : tag) {
            clean += c == '\n' || c == '\r' ? ' ' : c;
        }
        if (clean.find_first_not_of(' ') == std::string::npos) {
            continue;
        }
        if (!joined.empty()) {
            joined += '\n';
        }
        joined += clean;
    }
    return joined;
}

std::vector<std::string> SplitTags(const std::string& joined) {
    std::vector<std::string> tags;
    std::size_t start = 0;
    while (start < joined.size()) {
        std::size_t end = joined.find('\n', start);
        if (end == std::string::npos) {
            end = joined.size();
        }
        tags.push_back(joined.substr(start, end - start));
        start = end + 1;
    }
    return tags;
}

std::string TextDigest(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

void BindRecord(sql::Statement& statement, const CaseRecord& r, std::string& tags) {
    tags = JoinTags(r.tags);
    for (const sql::Value& value : {sql::Value(r.id),
                                    sql::Value(r.castUtc),
                                    sql::Value(std::int64_t{r.utcOffsetMinutes}),
                                    sql::Value(r.method),
                                    sql::Value(r.inputs),
                                    sql::Value(r.question),
                                    sql::Value(r.person),
                                    sql::Value(tags),
                                    sql::Value(std::int64_t{r.outer}),
                                    sql::Value(std::int64_t{r.inner}),
                                    sql::Value(std::int64_t{r.changeLine}),
                                    sql::Value(std::int64_t{r.original}),
                                    sql::Value(std::int64_t{r.final}),
                                    sql::Value(r.readingText),
                                    sql::Value(r.language),
                                    sql::Value(r.notes),
                                    sql::Value(r.outcomeDate),
                                    sql::Value(r.outcomeWhat),
                                    sql::Value(VerdictKey(r.verdict)),
                                    sql::Value(r.modifiedUtc)}) {
        statement.Add(value);
    }
}

CaseRecord ReadRecord(const sql::Statement& q, int first) {
    const auto number = [&](int column) { return static_cast<int>(q.Int(first + column)); };
    const auto text = [&](int column) { return q.Text(first + column); };
    CaseRecord r;
    r.id = text(0);
    r.castUtc = text(1);
    r.utcOffsetMinutes = number(2);
    r.method = text(3);
    r.inputs = text(4);
    r.question = text(5);
    r.person = text(6);
    r.tags = SplitTags(text(7));
    r.outer = number(8);
    r.inner = number(9);
    r.changeLine = number(10);
    r.original = number(11);
    r.final = number(12);
    r.readingText = text(13);
    r.language = text(14);
    r.notes = text(15);
    r.outcomeDate = text(16);
    r.outcomeWhat = text(17);
    r.verdict = VerdictNamed(text(18)).value_or(Verdict::Pending);
    r.modifiedUtc = text(19);
    return r;
}

WriteTransaction::WriteTransaction(Connection& connection, CaseBookError* error)
    : connection_(connection), lock_(connection.Mutex()), error_(error) {
    sql::Failure failure;
    if (!connection_.Writable()) {
        sql::Fail(error_, connection_.Path(),
                  sql::Failure{8, "the case book was opened to be read"},
                  CaseBookError::Kind::CannotWrite);
        return;
    }
    begun_ = sql::Exec(connection_.Db(), "BEGIN IMMEDIATE", &failure);
    if (!begun_) {
        sql::Fail(error_, connection_.Path(), failure, CaseBookError::Kind::CannotWrite);
    }
}

WriteTransaction::~WriteTransaction() {
    if (begun_) {
        sql::Exec(connection_.Db(), "ROLLBACK", nullptr);
    }
}

bool WriteTransaction::Commit() {
    if (!begun_) {
        return false;
    }
    sql::Failure failure;
    if (!sql::Exec(connection_.Db(), "UPDATE book SET generation = generation + 1", &failure) ||
        !sql::Exec(connection_.Db(), "COMMIT", &failure)) {
        sql::Fail(error_, connection_.Path(), failure, CaseBookError::Kind::CannotWrite);
        return false;
    }
    begun_ = false;
    connection_.CountCommit();
    return true;
}

bool WriteTransaction::Fail(const sql::Statement& failed, CaseBookError::Kind otherwise) {
    return sql::Fail(error_, connection_.Path(), failed, otherwise);
}

} // namespace zandrel::casebook
