#include "app/case_book.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVariant>

#include <array>
#include <atomic>
#include <map>

namespace zandrel {
namespace {

// Marks the file as this program's case book ("ZCB1"), so that another program's SQLite file
// of the same name is never taken for one and written to.
constexpr int kApplicationId = 0x5a434231;
// How long a write waits for another copy of the program that holds the file.
constexpr int kBusyTimeoutMs = 5000;

// SQLite's primary result codes that tell the file's state apart.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteNotADatabase = 26;

constexpr std::array<std::string_view, 4> kVerdictKeys = {"pending", "true", "partly", "false"};

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string S(const QVariant& value) {
    return value.toString().toUtf8().toStdString();
}

int PrimaryCode(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : -1;
}

std::string DetailOf(const QSqlError& error) {
    const QString text = error.driverText().isEmpty() || error.databaseText().isEmpty()
                             ? error.text()
                             : error.databaseText();
    return text.toUtf8().toStdString();
}

// The kind a failed statement tells of: a damaged file or one that is no database are told
// apart from writes that only failed this time.
CaseBookError::Kind KindOf(const QSqlError& error, CaseBookError::Kind otherwise) {
    switch (PrimaryCode(error)) {
    case kSqliteCorrupt:
        return CaseBookError::Kind::Damaged;
    case kSqliteNotADatabase:
        return CaseBookError::Kind::NotACaseBook;
    case kSqliteCantOpen:
        return CaseBookError::Kind::CannotOpen;
    default:
        return otherwise;
    }
}

void Fail(CaseBookError* error, CaseBookError::Kind kind, const std::string& path,
          std::string detail = {}) {
    if (error != nullptr) {
        *error = {kind, path, std::move(detail)};
    }
}

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

// The statements that bring a case book of version N-1 to version N, at index N-1. Each
// migration runs in the transaction that also sets the new version.
const std::vector<std::vector<const char*>>& Migrations() {
    static const std::vector<std::vector<const char*>> migrations = {
        {
            // seq keeps the full-text index's rows stable; id is what imports merge by.
            "CREATE TABLE records ("
            " seq INTEGER PRIMARY KEY,"
            " id TEXT NOT NULL UNIQUE,"
            " cast_utc TEXT NOT NULL,"
            " utc_offset INTEGER NOT NULL,"
            " method TEXT NOT NULL,"
            " question TEXT NOT NULL,"
            " person TEXT NOT NULL,"
            " tags TEXT NOT NULL,"
            " outer_trigram INTEGER NOT NULL,"
            " inner_trigram INTEGER NOT NULL,"
            " change_line INTEGER NOT NULL,"
            " original INTEGER NOT NULL,"
            " final INTEGER NOT NULL,"
            " language TEXT NOT NULL,"
            " notes TEXT NOT NULL,"
            " outcome_date TEXT NOT NULL,"
            " outcome_what TEXT NOT NULL,"
            " verdict TEXT NOT NULL CHECK (verdict IN ('pending', 'true', 'partly', 'false')),"
            " modified_utc TEXT NOT NULL,"
            // The long texts come last, so that a search or a list reads the short columns
            // without following a record's overflow pages.
            " inputs TEXT NOT NULL,"
            " reading_text TEXT NOT NULL)",
            "CREATE INDEX records_by_cast ON records (cast_utc, seq)",
            "CREATE INDEX records_by_method ON records (method, verdict)",
            // Substrings of three characters and more are found through the trigram index:
            // Chinese writes no blanks between words, so word tokens would not find them.
            "CREATE VIRTUAL TABLE records_text USING fts5(question, notes, tags,"
            " content='records', content_rowid='seq', tokenize='trigram')",
            "CREATE TRIGGER records_text_insert AFTER INSERT ON records BEGIN"
            " INSERT INTO records_text (rowid, question, notes, tags)"
            " VALUES (new.seq, new.question, new.notes, new.tags); END",
            "CREATE TRIGGER records_text_delete AFTER DELETE ON records BEGIN"
            " INSERT INTO records_text (records_text, rowid, question, notes, tags)"
            " VALUES ('delete', old.seq, old.question, old.notes, old.tags); END",
            "CREATE TRIGGER records_text_update AFTER UPDATE OF question, notes, tags ON records"
            " BEGIN"
            " INSERT INTO records_text (records_text, rowid, question, notes, tags)"
            " VALUES ('delete', old.seq, old.question, old.notes, old.tags);"
            " INSERT INTO records_text (rowid, question, notes, tags)"
            " VALUES (new.seq, new.question, new.notes, new.tags); END",
            "PRAGMA application_id = 1514357297", // kApplicationId
        },
    };
    return migrations;
}
static_assert(kApplicationId == 1514357297);

constexpr const char* kColumns =
    "id, cast_utc, utc_offset, method, inputs, question, person, tags, outer_trigram,"
    " inner_trigram, change_line, original, final, reading_text, language, notes, outcome_date,"
    " outcome_what, verdict, modified_utc";

QVariantList ValuesOf(const CaseRecord& r) {
    return {Q(r.id),
            Q(r.castUtc),
            r.utcOffsetMinutes,
            Q(r.method),
            Q(r.inputs),
            Q(r.question),
            Q(r.person),
            Q(JoinTags(r.tags)),
            r.outer,
            r.inner,
            r.changeLine,
            r.original,
            r.final,
            Q(r.readingText),
            Q(r.language),
            Q(r.notes),
            Q(r.outcomeDate),
            Q(r.outcomeWhat),
            Q(VerdictKey(r.verdict)),
            Q(r.modifiedUtc)};
}

CaseRecord RecordOf(const QSqlQuery& q) {
    CaseRecord r;
    r.id = S(q.value(0));
    r.castUtc = S(q.value(1));
    r.utcOffsetMinutes = q.value(2).toInt();
    r.method = S(q.value(3));
    r.inputs = S(q.value(4));
    r.question = S(q.value(5));
    r.person = S(q.value(6));
    r.tags = SplitTags(S(q.value(7)));
    r.outer = q.value(8).toInt();
    r.inner = q.value(9).toInt();
    r.changeLine = q.value(10).toInt();
    r.original = q.value(11).toInt();
    r.final = q.value(12).toInt();
    r.readingText = S(q.value(13));
    r.language = S(q.value(14));
    r.notes = S(q.value(15));
    r.outcomeDate = S(q.value(16));
    r.outcomeWhat = S(q.value(17));
    r.verdict = VerdictNamed(S(q.value(18))).value_or(Verdict::Pending);
    r.modifiedUtc = S(q.value(19));
    return r;
}

// The words of a search, each of which a record must hold.
std::vector<QString> SearchWords(const std::string& search) {
    std::vector<QString> words;
    for (const QString& word :
         Q(search).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        words.push_back(word);
    }
    return words;
}

// The WHERE clause of `filter` and the values of its places.
QString WhereOf(const CaseFilter& filter, QVariantList* values) {
    QStringList terms;
    for (const QString& word : SearchWords(filter.search)) {
        if (word.toUcs4().size() >= 3) {
            // One phrase of the trigram index; quotes inside it are doubled.
            QString phrase = word;
            phrase.replace(QLatin1Char('"'), QLatin1String("\"\""));
            terms << QStringLiteral(
                "seq IN (SELECT rowid FROM records_text WHERE records_text MATCH ?)");
            values->append(QLatin1Char('"') + phrase + QLatin1Char('"'));
        } else {
            // Shorter words are too short for trigrams: looked for in the text itself.
            terms << QStringLiteral("instr(lower(question || char(10) || notes || char(10) ||"
                                    " tags), lower(?)) > 0");
            values->append(word.toLower());
        }
    }
    if (!filter.tag.empty()) {
        terms << QStringLiteral(
            "instr(char(10) || tags || char(10), char(10) || ? || char(10)) > 0");
        values->append(Q(filter.tag));
    }
    if (!filter.method.empty()) {
        terms << QStringLiteral("method = ?");
        values->append(Q(filter.method));
    }
    if (filter.verdict) {
        terms << QStringLiteral("verdict = ?");
        values->append(Q(VerdictKey(*filter.verdict)));
    }
    if (!filter.since.empty()) {
        terms << QStringLiteral("cast_utc >= ?");
        values->append(Q(filter.since));
    }
    if (!filter.until.empty()) {
        terms << QStringLiteral("substr(cast_utc, 1, 10) <= ?");
        values->append(Q(filter.until));
    }
    return terms.isEmpty() ? QString() : QStringLiteral(" WHERE ") + terms.join(" AND ");
}

void Bind(QSqlQuery& query, const QVariantList& values) {
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
}

std::atomic<unsigned> connectionCount{0};

} // namespace

std::string_view VerdictKey(Verdict verdict) {
    return kVerdictKeys[static_cast<std::size_t>(verdict)];
}

std::optional<Verdict> VerdictNamed(std::string_view key) {
    for (std::size_t i = 0; i < kVerdictKeys.size(); ++i) {
        if (kVerdictKeys[i] == key) {
            return static_cast<Verdict>(i);
        }
    }
    return std::nullopt;
}

std::optional<double> VerdictCounts::ShareTrue() const {
    if (Judged() == 0) {
        return std::nullopt;
    }
    return static_cast<double>(cameTrue) / static_cast<double>(Judged());
}

std::string NewCaseId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
}

std::string CaseStampNow() {
    return QDateTime::currentDateTimeUtc()
        .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"))
        .toStdString();
}

CaseBook::CaseBook(std::string path, QString connection)
    : path_(std::move(path)), connection_(std::move(connection)) {}

CaseBook::~CaseBook() {
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase CaseBook::Database() const {
    return QSqlDatabase::database(connection_, false);
}

std::unique_ptr<CaseBook> CaseBook::Open(const std::string& dataDirectory, CaseBookError* error) {
    return OpenFile(dataDirectory + "/" + kCaseBookFileName, error);
}

std::unique_ptr<CaseBook> CaseBook::OpenFile(const std::string& path, CaseBookError* error) {
    // What is in the file's place is looked at before SQLite opens it, so that nothing SQLite
    // does on opening (its journal files, the write-ahead mode) reaches a file that is no case
    // book. An empty file is a case book whose making was cut off before its first page.
    const QFileInfo info(Q(path));
    if (info.exists()) {
        if (!info.isFile()) {
            Fail(error, CaseBookError::Kind::CannotOpen, path, "not a regular file");
            return nullptr;
        }
        if (info.size() > 0) {
            QFile file(info.filePath());
            if (!file.open(QIODevice::ReadOnly)) {
                Fail(error, CaseBookError::Kind::CannotOpen, path,
                     file.errorString().toStdString());
                return nullptr;
            }
            if (file.read(16) != QByteArray("SQLite format 3\0", 16)) {
                Fail(error, CaseBookError::Kind::NotACaseBook, path);
                return nullptr;
            }
        }
    }
    const QString connection =
        QStringLiteral("zandrel-casebook-%1").arg(connectionCount.fetch_add(1));
    std::unique_ptr<CaseBook> book(new CaseBook(path, connection));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(Q(path));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (!db.isValid()) {
            Fail(error, CaseBookError::Kind::CannotOpen, path, "Qt's SQLite driver is missing");
            return nullptr;
        }
        if (!db.open()) {
            Fail(error, KindOf(db.lastError(), CaseBookError::Kind::CannotOpen), path,
                 DetailOf(db.lastError()));
            return nullptr;
        }
    }
    if (!book->Prepare(error)) {
        return nullptr;
    }
    return book;
}

// Checks what the file holds and brings it to this schema; writes nothing to a file that is
// not a whole case book of this version or an older one.
bool CaseBook::Prepare(CaseBookError* error) {
    QSqlDatabase db = Database();
    QSqlQuery q(db);
    const auto fail = [&](CaseBookError::Kind otherwise) {
        Fail(error, KindOf(q.lastError(), otherwise), path_, DetailOf(q.lastError()));
        return false;
    };
    const auto number = [&](const QString& sql, long long* value) {
        if (!q.exec(sql) || !q.next()) {
            return false;
        }
        *value = q.value(0).toLongLong();
        q.finish();
        return true;
    };
    long long applicationId = 0;
    long long version = 0;
    long long objects = 0;
    if (!number(QStringLiteral("PRAGMA application_id"), &applicationId) ||
        !number(QStringLiteral("PRAGMA user_version"), &version) ||
        !number(QStringLiteral("SELECT count(*) FROM sqlite_schema"), &objects)) {
        return fail(CaseBookError::Kind::CannotOpen);
    }
    if (applicationId != kApplicationId && (applicationId != 0 || objects != 0)) {
        Fail(error, CaseBookError::Kind::NotACaseBook, path_);
        return false;
    }
    if (version > kSchemaVersion) {
        Fail(error, CaseBookError::Kind::NewerVersion, path_);
        return false;
    }
    if (objects != 0) {
        // A page overwritten or a file cut short shows here, before anything is written.
        if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
            return fail(CaseBookError::Kind::Damaged);
        }
        if (q.value(0).toString() != QLatin1String("ok")) {
            Fail(error, CaseBookError::Kind::Damaged, path_, S(q.value(0)));
            return false;
        }
        q.finish();
    }
    if (!q.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) {
        return fail(CaseBookError::Kind::CannotWrite);
    }
    q.finish();
    if (version == kSchemaVersion) {
        return true;
    }
    // One copy migrates; another that waited for it finds the work done.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return fail(CaseBookError::Kind::CannotWrite);
    }
    const auto rollBack = [&](CaseBookError::Kind otherwise) {
        fail(otherwise);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    if (!number(QStringLiteral("PRAGMA user_version"), &version)) {
        return rollBack(CaseBookError::Kind::CannotWrite);
    }
    for (auto v = static_cast<std::size_t>(version); v < Migrations().size(); ++v) {
        for (const char* statement : Migrations()[v]) {
            if (!q.exec(QString::fromLatin1(statement))) {
                return rollBack(CaseBookError::Kind::CannotWrite);
            }
        }
        if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(v + 1))) {
            return rollBack(CaseBookError::Kind::CannotWrite);
        }
    }
    if (!q.exec(QStringLiteral("COMMIT"))) {
        return rollBack(CaseBookError::Kind::CannotWrite);
    }
    return true;
}

bool CaseBook::Add(const CaseRecord& record, CaseBookError* error) {
    QSqlQuery q(Database());
    q.prepare(QStringLiteral("INSERT INTO records (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                             "?, ?, ?, ?, ?, ?, ?, ?, ?)")
                  .arg(QLatin1String(kColumns)));
    Bind(q, ValuesOf(record));
    if (!q.exec()) {
        Fail(error, KindOf(q.lastError(), CaseBookError::Kind::CannotWrite), path_,
             DetailOf(q.lastError()));
        return false;
    }
    return true;
}

std::optional<std::string> CaseBook::ResolveId(std::string_view prefix, CaseBookError* error) {
    if (prefix.empty()) {
        return std::nullopt;
    }
    QSqlQuery q(Database());
    // ids are lowercase hexadecimal and hyphens, so a range finds those that start alike.
    q.prepare(
        QStringLiteral("SELECT id FROM records WHERE id >= ? AND id < ? ORDER BY id LIMIT 2"));
    const QString low = Q(prefix).toLower();
    q.addBindValue(low);
    q.addBindValue(low + QChar(0xffff));
    if (!q.exec()) {
        Fail(error, KindOf(q.lastError(), CaseBookError::Kind::CannotOpen), path_,
             DetailOf(q.lastError()));
        return std::nullopt;
    }
    std::vector<std::string> ids;
    while (q.next()) {
        ids.push_back(S(q.value(0)));
    }
    if (ids.size() == 1 || (!ids.empty() && ids.front() == low.toStdString())) {
        return ids.front();
    }
    return std::nullopt;
}

std::optional<CaseRecord> CaseBook::Find(std::string_view id, CaseBookError* error) {
    const std::optional<std::string> whole = ResolveId(id, error);
    if (!whole) {
        return std::nullopt;
    }
    QSqlQuery q(Database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM records WHERE id = ?").arg(QLatin1String(kColumns)));
    q.addBindValue(Q(*whole));
    if (!q.exec() || !q.next()) {
        if (q.lastError().isValid()) {
            Fail(error, KindOf(q.lastError(), CaseBookError::Kind::CannotOpen), path_,
                 DetailOf(q.lastError()));
        }
        return std::nullopt;
    }
    return RecordOf(q);
}

std::int64_t CaseBook::Count(const CaseFilter& filter, CaseBookError* error) {
    QVariantList values;
    const QString where = WhereOf(filter, &values);
    QSqlQuery q(Database());
    q.prepare(QStringLiteral("SELECT count(*) FROM records") + where);
    Bind(q, values);
    if (!q.exec() || !q.next()) {
        Fail(error, KindOf(q.lastError(), CaseBookError::Kind::CannotOpen), path_,
             DetailOf(q.lastError()));
        return 0;
    }
    return q.value(0).toLongLong();
}

std::vector<CaseSummary> CaseBook::Page(const CaseFilter& filter, std::int64_t offset, int limit,
                                        CaseBookError* error) {
    QVariantList values;
    const QString where = WhereOf(filter, &values);
    QSqlQuery q(Database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, cast_utc, utc_offset, method, question, tags, original,"
                             " final, verdict FROM records") +
              where + QStringLiteral(" ORDER BY cast_utc DESC, seq DESC LIMIT ? OFFSET ?"));
    Bind(q, values);
    q.addBindValue(limit);
    q.addBindValue(static_cast<qlonglong>(offset));
    std::vector<CaseSummary> rows;
    if (!q.exec()) {
        Fail(error, KindOf(q.lastError(), CaseBookError::Kind::CannotOpen), path_,
             DetailOf(q.lastError()));
        return rows;
    }
    while (q.next()) {
        rows.push_back({S(q.value(0)), S(q.value(1)), q.value(2).toInt(), S(q.value(3)),
                        S(q.value(4)), SplitTags(S(q.value(5))), q.value(6).toInt(),
                        q.value(7).toInt(),
                        VerdictNamed(S(q.value(8))).value_or(Verdict::Pending)});
    }
    return rows;
}

std::optional<std::int64_t> CaseBook::IndexOf(const CaseFilter& filter, const std::string& id,
                                              CaseBookError* error) {
    QVariantList values;
    QString where = WhereOf(filter, &values);
    where += where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
    const auto run = [&](QSqlQuery& q) {
        if (q.exec()) {
            return true;
        }
        Fail(error, KindOf(q.lastError(), CaseBookError::Kind::CannotOpen), path_,
             DetailOf(q.lastError()));
        return false;
    };
    QSqlQuery found(Database());
    found.prepare(QStringLiteral("SELECT cast_utc, seq FROM records") + where +
                  QStringLiteral("id = ?"));
    Bind(found, values);
    found.addBindValue(Q(id));
    if (!run(found) || !found.next()) {
        return std::nullopt;
    }
    // The records before it in Page's order: cast later, or at the same moment and added later.
    QSqlQuery before(Database());
    before.prepare(QStringLiteral("SELECT count(*) FROM records") + where +
                   QStringLiteral("(cast_utc > ? OR (cast_utc = ? AND seq > ?))"));
    Bind(before, values);
    before.addBindValue(found.value(0));
    before.addBindValue(found.value(0));
    before.addBindValue(found.value(1));
    if (!run(before) || !before.next()) {
        return std::nullopt;
    }
    return before.value(0).toLongLong();
}

bool CaseBook::ForEach(const CaseFilter& filter,
                       const std::function<bool(const CaseRecord&)>& visit, CaseBookError* error) {
    QVariantList values;
    const QString where = WhereOf(filter, &values);
    QSqlQuery q(Database());
    // Forward only: one row at a time, however many there are.
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM records").arg(QLatin1String(kColumns)) + where +
              QStringLiteral(" ORDER BY cast_utc, seq"));
    Bind(q, values);
    if (!q.exec()) {
        Fail(error, KindOf(q.lastError(), CaseBookError::Kind::CannotOpen), path_,
             DetailOf(q.lastError()));
        return false;
    }
    while (q.next()) {
        if (!visit(RecordOf(q))) {
            return true;
        }
    }
    if (q.lastError().isValid()) {
        Fail(error, KindOf(q.lastError(), CaseBookError::Kind::CannotOpen), path_,
             DetailOf(q.lastError()));
        return false;
    }
    return true;
}

bool CaseBook::Update(const std::string& id, const char* assignments, const QVariantList& values,
                      CaseBookError* error) {
    QSqlQuery q(Database());
    q.prepare(QStringLiteral("UPDATE records SET %1, modified_utc = ? WHERE id = ?")
                  .arg(QLatin1String(assignments)));
    Bind(q, values);
    q.addBindValue(Q(CaseStampNow()));
    q.addBindValue(Q(id));
    if (!q.exec()) {
        Fail(error, KindOf(q.lastError(), CaseBookError::Kind::CannotWrite), path_,
             DetailOf(q.lastError()));
        return false;
    }
    return q.numRowsAffected() > 0;
}

bool CaseBook::SetNotes(const std::string& id, const std::string& notes, CaseBookError* error) {
    return Update(id, "notes = ?", {Q(notes)}, error);
}

bool CaseBook::SetTags(const std::string& id, const std::vector<std::string>& tags,
                       CaseBookError* error) {
    return Update(id, "tags = ?", {Q(JoinTags(tags))}, error);
}

bool CaseBook::SetPerson(const std::string& id, const std::string& person, CaseBookError* error) {
    return Update(id, "person = ?", {Q(person)}, error);
}

bool CaseBook::SetOutcome(const std::string& id, Verdict verdict, const std::string& date,
                          const std::string& what, CaseBookError* error) {
    return Update(id, "verdict = ?, outcome_date = ?, outcome_what = ?",
                  {Q(VerdictKey(verdict)), Q(date), Q(what)}, error);
}

bool CaseBook::Remove(const std::string& id, CaseBookError* error) {
    QSqlQuery q(Database());
    q.prepare(QStringLiteral("DELETE FROM records WHERE id = ?"));
    q.addBindValue(Q(id));
    if (!q.exec()) {
        Fail(error, KindOf(q.lastError(), CaseBookError::Kind::CannotWrite), path_,
             DetailOf(q.lastError()));
        return false;
    }
    return q.numRowsAffected() > 0;
}

bool CaseBook::Merge(const std::vector<CaseRecord>& records, ImportCounts* counts,
                     CaseBookError* error) {
    QSqlDatabase db = Database();
    QSqlQuery q(db);
    const auto fail = [&](const QSqlQuery& failed) {
        Fail(error, KindOf(failed.lastError(), CaseBookError::Kind::CannotWrite), path_,
             DetailOf(failed.lastError()));
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return fail(q);
    }
    ImportCounts done;
    QSqlQuery present(db);
    present.prepare(QStringLiteral("SELECT modified_utc FROM records WHERE id = ?"));
    QSqlQuery same(db);
    same.prepare(QStringLiteral("SELECT 1 FROM records WHERE cast_utc = ? AND question = ? AND"
                                " reading_text = ? LIMIT 1"));
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO records (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                  "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                       .arg(QLatin1String(kColumns)));
    QSqlQuery replace(db);
    replace.prepare(QStringLiteral("UPDATE records SET (%1) = (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                   "?, ?, ?, ?, ?, ?, ?, ?, ?) WHERE id = ?")
                        .arg(QLatin1String(kColumns)));
    for (const CaseRecord& record : records) {
        present.addBindValue(Q(record.id));
        if (!present.exec()) {
            return fail(present);
        }
        if (present.next()) {
            const bool newer = Q(record.modifiedUtc) > present.value(0).toString();
            present.finish();
            if (!newer) {
                ++done.skipped;
                continue;
            }
            Bind(replace, ValuesOf(record));
            replace.addBindValue(Q(record.id));
            if (!replace.exec()) {
                return fail(replace);
            }
            ++done.updated;
            continue;
        }
        present.finish();
        if (record.method == "log") {
            same.addBindValue(Q(record.castUtc));
            same.addBindValue(Q(record.question));
            same.addBindValue(Q(record.readingText));
            if (!same.exec()) {
                return fail(same);
            }
            const bool known = same.next();
            same.finish();
            if (known) {
                ++done.skipped;
                continue;
            }
        }
        Bind(insert, ValuesOf(record));
        if (!insert.exec()) {
            return fail(insert);
        }
        ++done.added;
    }
    if (!q.exec(QStringLiteral("COMMIT"))) {
        return fail(q);
    }
    if (counts != nullptr) {
        *counts = done;
    }
    return true;
}

CaseStatistics CaseBook::Statistics(CaseBookError* error) {
    CaseStatistics statistics;
    QSqlQuery q(Database());
    if (!q.exec(QStringLiteral("SELECT method, verdict, count(*) FROM records"
                               " GROUP BY method, verdict ORDER BY method"))) {
        Fail(error, KindOf(q.lastError(), CaseBookError::Kind::CannotOpen), path_,
             DetailOf(q.lastError()));
        return statistics;
    }
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
    while (q.next()) {
        const std::string method = S(q.value(0));
        const Verdict verdict = VerdictNamed(S(q.value(1))).value_or(Verdict::Pending);
        const std::int64_t n = q.value(2).toLongLong();
        VerdictCounts& counts = perMethod[method];
        counts.method = method;
        add(counts, verdict, n);
        add(statistics.overall, verdict, n);
    }
    for (auto& [method, counts] : perMethod) {
        statistics.perMethod.push_back(counts);
    }
    return statistics;
}

std::int64_t CaseBook::DataVersion() {
    QSqlQuery q(Database());
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next()) {
        return -1;
    }
    return q.value(0).toLongLong();
}

} // namespace zandrel
