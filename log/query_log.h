#pragma once

#include "platform/file.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zandrel {

inline constexpr const char* kLogFileName = "auvrel.log";
// The older generation of the log: the whole log as it was when the size rule last fired.
inline constexpr const char* kOlderLogFileName = "auvrel.log.1";
// A log longer than this starts again empty before the next entry is written; its old content
// becomes the older generation.
inline constexpr std::int64_t kLogResetSize = 512000;

// "Wednesday, March 07, 2001 09:05:07", in English whatever the user's locale.
std::string FormatLogTime(const std::tm& localTime);

// The frame of every entry, in every language: the line that opens it, with the time between
// kLogHeadOpen and kLogHeadClose, and the line that opens the reply, after the question.
inline constexpr std::string_view kLogHeadOpen = "[Your query on ";
inline constexpr std::string_view kLogHeadClose = "]";
inline constexpr std::string_view kLogReplyLine = "[Auvrel's reply]";

// The time of an entry's opening line (without its line end) exactly as FormatLogTime writes
// it; nothing for any other line.
std::optional<std::tm> ReadLogHeadTime(std::string_view line);

// The bytes of one log entry: header line with the time, the question, the reply header, the
// three text blocks as they are (each ends with CR LF) and three empty lines.
std::string LogEntryBytes(std::string_view question, std::string_view originalText,
                          std::string_view lineText, std::string_view finalText,
                          const std::tm& localTime);

// One entry of a log as LogEntryBytes wrote it: its local time, its question and the reading
// text of its reply (the three text blocks, each ending with CR LF).
struct LogEntry {
    std::tm localTime{};
    std::string_view question;
    std::string_view readingText;
    // The whole entry, its frame included.
    std::string_view bytes;
};

// The whole entries of `log`, oldest first. Text before the first entry, and an entry without
// its reply line or its end (one whose append was cut off), are passed over.
std::vector<LogEntry> ReadLogEntries(std::string_view log);

// True when a log of this length starts again empty before an entry is appended.
constexpr bool LogNeedsReset(std::int64_t length) {
    return length > kLogResetSize;
}

// Appends one entry to the log in `directory`, applying the size rule first: a log past the
// limit is renamed to kOlderLogFileName, replacing the previous older generation, and the entry
// starts a new log, which has the old log's permissions (and its group where the user belongs
// to it) from the moment it is made. Where that rename fails (a folder that refuses it, a directory
// in the older generation's place) the entry is appended to the log as it is, so that nothing is
// lost; the rule is tried again at the next entry.
//
// A process killed while it appends leaves the entry whole or, for the next append and the
// viewer, absent: while the entry is written the log carries a note of where it begins and
// ends, and the next append cuts off what an unfinished one left. Where the file system keeps
// no notes the entry is written as one piece without it.
//
// A failed write leaves the log as it was before the entry (new and empty, when the size rule
// started a new one). The error names the bare file name when the open fails and the full path
// after it.
FileError AppendLogEntry(const std::string& directory, std::string_view entry);

// The viewer reads at most the newest kLogViewBytes bytes of the log and shows at most the
// newest kLogViewLines lines of them; a log kept by the size rule never comes near either.
inline constexpr std::size_t kLogViewBytes = 4 * 1024 * 1024;
inline constexpr std::size_t kLogViewLines = 65536;

// The viewer's text: every line of the log followed by CR LF. When older bytes are left out,
// the text starts at a line start, after one line that says how many bytes are not shown.
// Empty when the log is missing or cannot be opened. An entry that a killed append left
// unfinished is not shown.
std::string LoadLogText(const std::string& directory);
// The same from the newest bytes of the log, which start `offset` bytes into the file.
std::string LogViewText(std::string_view newest, std::int64_t offset);
// Every line of `bytes` followed by CR LF.
std::string LogDisplayText(std::string_view bytes);
// Bytes of a log as ReadLogFrom reads them: those from `offset` to `length`, the length of the
// log's whole entries (what an unfinished append left after them is not read).
struct LogBytes {
    std::int64_t offset = 0;
    std::int64_t length = 0;
    std::string bytes;
};
// The bytes of the log `name` (kLogFileName or kOlderLogFileName) in `directory` from `offset`
// on, at most the newest `cap` of them; none when it is missing or cannot be read.
std::optional<LogBytes> ReadLogFrom(const std::string& directory, const char* name,
                                    std::int64_t offset, std::size_t cap);

// The full path of the older generation of the log, or empty when there is none to read.
std::string OlderLogPath(const std::string& directory);

// Empties the log (creating it when missing; the file itself is never removed) and removes its
// older generation. Should the older generation stay, the log stays as it was too.
FileError ResetLog(const std::string& directory);

} // namespace zandrel
