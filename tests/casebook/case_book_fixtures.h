#pragma once

// Records and books for the tests of the case book and of those who use it.

#include "casebook/case_book.h"
#include "casebook/exchange.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace zandrel::fixtures {

// The record numbered `n`: its moment, method and tags follow from `n`.
inline CaseRecord Record(int n, std::string question = {}) {
    CaseRecord r;
    r.id = NewCaseId();
    char utc[32];
    std::snprintf(utc, sizeof utc, "2026-01-%02dT%02d:00:00Z", 1 + n % 28, n % 24);
    r.castUtc = utc;
    r.utcOffsetMinutes = 480;
    r.method = n % 2 ? "numbers" : "general";
    r.inputs = "{\"numbers\":[" + std::to_string(n) + "]}";
    r.question = question.empty() ? "question " + std::to_string(n) : question;
    r.tags = {"t" + std::to_string(n % 3)};
    r.outer = 3;
    r.inner = 6;
    r.changeLine = 2;
    r.original = 64;
    r.final = 35;
    r.readingText = "Hexagram 64 Before Completion\r\n" + std::string(200, 'x') + "\r\n";
    r.language = "en";
    r.modifiedUtc = "2026-01-01T00:00:00.000Z";
    return r;
}

inline void ExpectSame(const CaseRecord& a, const CaseRecord& b) {
    EXPECT_EQ(CaseRecordJson(a), CaseRecordJson(b));
}

inline std::unique_ptr<CaseBook> OpenOk(const std::string& dir,
                                        CaseBookAccess access = CaseBookAccess::Write) {
    CaseBookError error;
    std::unique_ptr<CaseBook> book = CaseBook::Open(dir, &error, access);
    EXPECT_TRUE(book) << error.detail;
    return book;
}

// What SQLite's own command line tool says of `sql` on the file at `path`, so that a check does
// not trust the code under test.
inline std::string SqliteSays(const std::string& path, const std::string& sql) {
    const std::string command = "sqlite3 '" + path + "' \"" + sql + "\" 2>&1";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) {
            out += buffer;
        }
        ::pclose(pipe);
    }
    return out;
}

inline std::string IntegrityOf(const std::string& path) {
    return SqliteSays(path, "PRAGMA integrity_check");
}

} // namespace zandrel::fixtures
