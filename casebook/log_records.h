#pragma once

#include "casebook/record.h"
#include "log/query_log.h"

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// Records made from a query log's entries. The log keeps for each cast its local time without
// an offset, its question and the reading's text: a record is matched with its entry by these,
// whatever time zone either was made in.

namespace zandrel {

// The record of `entry`: its question, its moment (its local time read in this machine's time
// zone) and its reading text, method "log", no inputs, never modified. Its id comes from the
// entry's bytes, so that the same entry gives the same record every time.
CaseRecord CaseRecordOfLogEntry(const LogEntry& entry);

// A record of each whole entry of the log `log`.
std::vector<CaseRecord> CaseRecordsOfLog(std::string_view log);

// A local time as the case book's index of local moments writes it: "2001-03-07 09:05:07".
std::string LocalMomentText(const std::tm& local);

} // namespace zandrel
