#pragma once

#include "platform/file.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace zandrel {

inline constexpr const char* kLogFileName = "auvrel.log";
// A log longer than this is emptied before the next entry is written.
inline constexpr std::int64_t kLogResetSize = 512000;

// "Wednesday, March 07, 2001 09:05:07", in English whatever the user's locale.
std::string FormatLogTime(const std::tm& localTime);

// The local calendar time now, read once per entry.
std::tm CurrentLocalTime();

// The bytes of one log entry: header line with the time, the question, the reply header, the
// three text blocks as they are (each ends with CR LF) and three empty lines.
std::string LogEntryBytes(std::string_view question, std::string_view originalText,
                          std::string_view lineText, std::string_view finalText,
                          const std::tm& localTime);

// True when a log of this length is emptied before an entry is appended.
constexpr bool LogNeedsReset(std::int64_t length) {
    return length > kLogResetSize;
}

// Appends one entry to the log in `directory` (empty: the current directory), applying the
// size rule first. A failed write leaves the log as it was before the entry (emptied, when the
// size rule emptied it). The error names the bare file name when the open fails and the full
// path after it.
FileError AppendLogEntry(const std::string& directory, std::string_view entry);

// The viewer reads at most the newest kLogViewBytes bytes of the log and shows at most the
// newest kLogViewLines lines of them; a log kept by the size rule never comes near either.
inline constexpr std::size_t kLogViewBytes = 4 * 1024 * 1024;
inline constexpr std::size_t kLogViewLines = 65536;

// The viewer's text: every line of the log followed by CR LF. When older bytes are left out,
// the text starts at a line start, after one line that says how many bytes are not shown.
// Empty when the log is missing or cannot be opened.
std::string LoadLogText(const std::string& directory);
// The same from the newest bytes of the log, which start `offset` bytes into the file.
std::string LogViewText(std::string_view newest, std::int64_t offset);
// Every line of `bytes` followed by CR LF.
std::string LogDisplayText(std::string_view bytes);

// Empties the log (creating it when missing); the file is never removed.
FileError ResetLog(const std::string& directory);

} // namespace zandrel
