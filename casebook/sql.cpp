#include "casebook/sql.h"

#include <sqlite3.h>

namespace zandrel::sql {

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    const int code =
        sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr);
    if (code != SQLITE_OK) {
        Fail(code);
    }
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

void Statement::Reset() {
    if (statement_ != nullptr) {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    next_ = 1;
    done_ = false;
}

void Statement::Fail(int code) {
    failure_ = {code, sqlite3_errmsg(db_)};
    if (failure_.message.empty()) {
        failure_.message = sqlite3_errstr(code);
    }
}

Statement& Statement::Bind(std::initializer_list<Value> values) {
    Reset();
    for (const Value& value : values) {
        Add(value);
    }
    return *this;
}

Statement& Statement::Add(const Value& value) {
    if (statement_ == nullptr || Failed()) {
        return *this;
    }
    const int place = next_++;
    int code = SQLITE_OK;
    if (const auto* number = std::get_if<std::int64_t>(&value)) {
        code = sqlite3_bind_int64(statement_, place, *number);
    } else if (const auto* text = std::get_if<std::string_view>(&value)) {
        // SQLITE_TRANSIENT: the text is copied, so that a temporary may be bound.
        code = sqlite3_bind_text64(statement_, place, text->data(), text->size(), SQLITE_TRANSIENT,
                                   SQLITE_UTF8);
    } else {
        code = sqlite3_bind_null(statement_, place);
    }
    if (code != SQLITE_OK) {
        Fail(code);
    }
    return *this;
}

bool Statement::Next() {
    if (statement_ == nullptr || Failed() || done_) {
        return false;
    }
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW) {
        return true;
    }
    done_ = true;
    if (code != SQLITE_DONE) {
        Fail(sqlite3_extended_errcode(db_));
    }
    return false;
}

bool Statement::Run() {
    while (Next()) {
    }
    return !Failed();
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string Statement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    return text == nullptr
               ? std::string()
               : std::string(text,
                             static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::int64_t Statement::Changes() const {
    return sqlite3_changes64(db_);
}

std::string FileUri(const std::string& path, std::string_view query) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
            (byte >= 'A' && byte <= 'Z') ||
            std::string_view("/-_.~").find(c) != std::string_view::npos) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 15];
        }
    }
    return uri + "?" + std::string(query);
}

bool Exec(sqlite3* db, std::string_view sql, Failure* failure) {
    char* message = nullptr;
    const int code = sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, &message);
    if (code != SQLITE_OK && failure != nullptr) {
        *failure = {sqlite3_extended_errcode(db),
                    message != nullptr ? message : sqlite3_errstr(code)};
    }
    sqlite3_free(message);
    return code == SQLITE_OK;
}

CaseBookError::Kind KindOf(const Failure& failure, CaseBookError::Kind otherwise) {
    switch (failure.code & 0xff) {
    case SQLITE_CORRUPT:
        return CaseBookError::Kind::Damaged;
    case SQLITE_NOTADB:
        return CaseBookError::Kind::NotACaseBook;
    case SQLITE_CANTOPEN:
        return CaseBookError::Kind::CannotOpen;
    case SQLITE_FULL:
    case SQLITE_READONLY:
        return CaseBookError::Kind::CannotWrite;
    default:
        return otherwise;
    }
}

bool Fail(CaseBookError* error, const std::string& path, const Failure& failure,
          CaseBookError::Kind otherwise) {
    if (error != nullptr) {
        *error = {KindOf(failure, otherwise), path, failure.message};
    }
    return false;
}

bool Fail(CaseBookError* error, const std::string& path, const Statement& failed,
          CaseBookError::Kind otherwise) {
    return Fail(error, path, failed.failure(), otherwise);
}

} // namespace zandrel::sql
