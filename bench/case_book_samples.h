#pragma once

// What the case book's benchmarks share: records as casts leave them, and the memory figures
// of the running process.

#include "casebook/record.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace zandrel::bench {

// A field of /proc/self/status in KiB ("VmHWM:", "VmRSS:"); -1 when it is not there.
inline long StatusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::atol(line.c_str() + std::string(field).size());
        }
    }
    return -1;
}

// A record as a cast leaves it: a reading text of some 1.5 kB, a question, now and then a note.
inline CaseRecord Sample(int n) {
    static const char* kQuestions[] = {"Will it rain tomorrow?", "婚姻如何",
                                       "Should I take the job", "家人健康",
                                       "Where is the lost key?"};
    CaseRecord r;
    r.id = NewCaseId();
    char utc[32];
    std::snprintf(utc, sizeof utc, "20%02d-%02d-%02dT%02d:%02d:00Z", 10 + n % 16, 1 + n % 12,
                  1 + n % 28, n % 24, n % 60);
    r.castUtc = utc;
    r.method = n % 3 == 0 ? "general" : n % 3 == 1 ? "numbers" : "target time";
    r.inputs = R"({"numbers":[27,15],"rule":"line-without-hour","time":"08:20"})";
    r.question = std::string(kQuestions[n % 5]) + " " + std::to_string(n);
    r.tags = {n % 7 == 0 ? "work" : "home"};
    r.outer = 1 + n % 8;
    r.inner = 1 + n / 8 % 8;
    r.changeLine = 1 + n % 6;
    r.original = 1 + n % 64;
    r.final = 1 + (n + 7) % 64;
    r.readingText = "Hexagram 35 Progress\r\n" + std::string(700, 'p') + "\r\nLine 2\r\n" +
                    std::string(300, 'l') + "\r\nHexagram 64 Before Completion\r\n" +
                    std::string(500, 'f') + "\r\n";
    r.language = "en";
    r.notes = n % 10 == 0 ? "the neighbour's cat came back " + std::to_string(n) : "";
    r.verdict = static_cast<Verdict>(n % 4);
    r.modifiedUtc = CaseStampNow();
    return r;
}

} // namespace zandrel::bench
