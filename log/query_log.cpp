#include "log/query_log.h"

#include "log/append_note.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace zandrel {

namespace {

constexpr std::array<std::string_view, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// A field of std::tm used as an index; a value out of range wraps instead of reading past
// the table.
std::size_t Wrapped(int value, int count) {
    return static_cast<std::size_t>(((value % count) + count) % count);
}

// A number with at least `width` digits, leading zeros added; written by hand so that no
// locale can change the digits or insert separators.
void AppendNumber(std::string& out, long long value, int width) {
    const bool negative = value < 0;
    unsigned long long rest = negative ? 0ULL - static_cast<unsigned long long>(value)
                                       : static_cast<unsigned long long>(value);
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (negative) {
        out += '-';
    }
    for (int pad = count; pad < width; ++pad) {
        out += '0';
    }
    while (count > 0) {
        out += digits[--count];
    }
}

} // namespace

std::string FormatLogTime(const std::tm& localTime) {
    std::string text;
    text.reserve(40);
    text += kWeekdays[Wrapped(localTime.tm_wday, 7)];
    text += ", ";
    text += kMonths[Wrapped(localTime.tm_mon, 12)];
    text += ' ';
    AppendNumber(text, localTime.tm_mday, 2);
    text += ", ";
    AppendNumber(text, 1900LL + localTime.tm_year, 4);
    text += ' ';
    AppendNumber(text, localTime.tm_hour, 2);
    text += ':';
    AppendNumber(text, localTime.tm_min, 2);
    text += ':';
    AppendNumber(text, localTime.tm_sec, 2);
    return text;
}

std::optional<std::tm> ReadLogHeadTime(std::string_view line) {
    if (!line.starts_with(kLogHeadOpen) || !line.ends_with(kLogHeadClose)) {
        return std::nullopt;
    }
    line.remove_prefix(kLogHeadOpen.size());
    line.remove_suffix(kLogHeadClose.size());
    // The names first, then "DD, YYYY HH:MM:SS" at fixed places; whatever FormatLogTime would
    // not write back exactly is no header.
    const auto weekday = std::find_if(kWeekdays.begin(), kWeekdays.end(),
                                      [line](std::string_view w) { return line.starts_with(w); });
    if (weekday == kWeekdays.end()) {
        return std::nullopt;
    }
    const std::string_view afterWeekday = line.substr(weekday->size());
    const auto month = std::find_if(kMonths.begin(), kMonths.end(), [&](std::string_view m) {
        return afterWeekday.starts_with(", ") && afterWeekday.substr(2).starts_with(m);
    });
    if (month == kMonths.end()) {
        return std::nullopt;
    }
    const std::string_view rest = afterWeekday.substr(2 + month->size());
    if (rest.size() != 18) { // " DD, YYYY HH:MM:SS"
        return std::nullopt;
    }
    const auto number = [rest](std::size_t at, std::size_t width) {
        int value = 0;
        for (std::size_t i = at; i < at + width; ++i) {
            if (rest[i] < '0' || rest[i] > '9') {
                return -1;
            }
            value = value * 10 + (rest[i] - '0');
        }
        return value;
    };
    std::tm time{};
    time.tm_wday = static_cast<int>(weekday - kWeekdays.begin());
    time.tm_mon = static_cast<int>(month - kMonths.begin());
    time.tm_mday = number(1, 2);
    time.tm_year = number(5, 4) - 1900;
    time.tm_hour = number(10, 2);
    time.tm_min = number(13, 2);
    time.tm_sec = number(16, 2);
    if (time.tm_mday < 0 || time.tm_year < -1900 || time.tm_hour < 0 || time.tm_min < 0 ||
        time.tm_sec < 0 || FormatLogTime(time) != line) {
        return std::nullopt;
    }
    return time;
}

std::string LogEntryBytes(std::string_view question, std::string_view originalText,
                          std::string_view lineText, std::string_view finalText,
                          const std::tm& localTime) {
    // Pieces are concatenated, never formatted, so "%" in the question stays as typed.
    constexpr std::string_view kHeadOpen = kLogHeadOpen;
    constexpr std::string_view kHeadClose = "]\r\n";
    constexpr std::string_view kQuestionEnd = "\r\n\r\n";
    constexpr std::string_view kReply = "[Auvrel's reply]\r\n";
    constexpr std::string_view kEntryEnd = "\r\n\r\n\r\n";

    const std::string time = FormatLogTime(localTime);
    std::string entry;
    entry.reserve(kHeadOpen.size() + time.size() + kHeadClose.size() + question.size() +
                  kQuestionEnd.size() + kReply.size() + originalText.size() + lineText.size() +
                  finalText.size() + kEntryEnd.size());
    entry += kHeadOpen;
    entry += time;
    entry += kHeadClose;
    entry += question;
    entry += kQuestionEnd;
    entry += kReply;
    entry += originalText;
    entry += lineText;
    entry += finalText;
    entry += kEntryEnd;
    return entry;
}

std::vector<LogEntry> ReadLogEntries(std::string_view log) {
    constexpr std::string_view kQuestionEnd = "\r\n\r\n";
    constexpr std::string_view kEntryEnd = "\r\n\r\n\r\n";
    // A head counts only at the start of the log or right after the end of an entry: the
    // line end of its last text and three empty lines. The question and the texts may hold
    // anything else, a line like a head included.
    constexpr std::string_view kAfterEntry = "\r\n\r\n\r\n\r\n";
    // A head line is short: only its first bytes are looked at, so that a long line full of
    // head openings costs no more than its length.
    const auto headAt = [log](std::size_t at) -> std::optional<std::tm> {
        const std::string_view line = log.substr(at, 96);
        const std::size_t end = line.find("\r\n");
        return end == std::string_view::npos ? std::nullopt : ReadLogHeadTime(line.substr(0, end));
    };
    const auto nextHead = [&](std::size_t from) {
        for (std::size_t at = from;; ++at) {
            at = log.find(kLogHeadOpen, at);
            if (at == std::string_view::npos) {
                return log.size();
            }
            if ((at == 0 ||
                 (at >= kAfterEntry.size() &&
                  log.substr(at - kAfterEntry.size(), kAfterEntry.size()) == kAfterEntry)) &&
                headAt(at)) {
                return at;
            }
        }
    };
    const std::string reply = std::string(kQuestionEnd) + std::string(kLogReplyLine) + "\r\n";
    std::vector<LogEntry> entries;
    std::size_t start = nextHead(0);
    while (start < log.size()) {
        const std::optional<std::tm> time = headAt(start);
        const std::size_t questionStart = log.find("\r\n", start) + 2;
        const std::size_t next = nextHead(questionStart);
        std::string_view body = log.substr(questionStart, next - questionStart);
        const std::size_t entryStart = start;
        start = next;
        // The last entry may be followed by the start of one whose append was cut off.
        if (const std::size_t end = body.rfind(kAfterEntry);
            !body.ends_with(kEntryEnd) && end != std::string_view::npos) {
            const std::string_view tail = body.substr(end + kAfterEntry.size());
            if (kLogHeadOpen.starts_with(tail) || tail.starts_with(kLogHeadOpen)) {
                body = body.substr(0, end + kAfterEntry.size());
            }
        }
        const std::size_t questionEnd = body.find(reply);
        if (questionEnd == std::string_view::npos || !body.ends_with(kEntryEnd) ||
            questionEnd + reply.size() > body.size() - kEntryEnd.size()) {
            continue;
        }
        const std::size_t textStart = questionEnd + reply.size();
        entries.push_back({*time, body.substr(0, questionEnd),
                           body.substr(textStart, body.size() - kEntryEnd.size() - textStart),
                           log.substr(entryStart, questionStart - entryStart + body.size())});
    }
    return entries;
}

std::string AppendNoteText(std::int64_t before, std::int64_t after) {
    std::string text;
    AppendNumber(text, before, 1);
    text += ' ';
    AppendNumber(text, after, 1);
    return text;
}

namespace {

// Reads a decimal number of at most 18 digits from the front of `text`.
bool TakeNumber(std::string_view& text, std::int64_t* value) {
    std::size_t digits = 0;
    *value = 0;
    while (digits < text.size() && digits < 18 && text[digits] >= '0' && text[digits] <= '9') {
        *value = *value * 10 + (text[digits] - '0');
        ++digits;
    }
    text.remove_prefix(digits);
    return digits > 0;
}

} // namespace

bool ParseAppendNote(std::string_view text, PendingAppend* pending) {
    if (!TakeNumber(text, &pending->before) || text.empty() || text.front() != ' ') {
        return false;
    }
    text.remove_prefix(1);
    return TakeNumber(text, &pending->after) && text.empty() && pending->before < pending->after;
}

std::int64_t WholeLength(std::int64_t length, const std::string* note) {
    PendingAppend pending;
    if (note != nullptr && ParseAppendNote(*note, &pending) && pending.before <= length &&
        length < pending.after) {
        return pending.before;
    }
    return length;
}

namespace {

// The note's key among the log's notes.
constexpr const char* kAppendNote = "append";

// The length of the open log's whole entries, as its note tells.
std::int64_t WholeLengthOf(const File& log, std::int64_t length) {
    std::string note;
    return WholeLength(length, log.ReadNote(kAppendNote, &note) ? &note : nullptr);
}

// Opens the log for appending, locked, making sure that the name still stands for it: another
// copy may have renamed it to the older generation between this open and its lock. A log that
// this open makes takes the mode, owner and group of the older generation: after the size rule
// that is the log it follows, so the new log's permissions are never wider than the old one's,
// whichever copy of the program makes it and wherever that copy is killed.
File OpenLog(const std::string& directory, FileError* error) {
    constexpr int kAttempts = 8;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        File log = File::OpenAppendLike(directory, kLogFileName, kOlderLogFileName, error);
        if (!log.IsOpen() || log.IsNamed(directory, kLogFileName)) {
            return log;
        }
    }
    // Renamed under us every time: another running copy is busy with it.
    if (error != nullptr) {
        *error = {FileCause::SharingViolation, kLogFileName};
    }
    return File();
}

// The length of an open log after cutting off what an unfinished append left in it.
bool RepairedLength(File& log, std::int64_t* length, FileError* error) {
    if (!log.Length(length, error)) {
        return false;
    }
    const std::int64_t whole = WholeLengthOf(log, *length);
    if (whole != *length) {
        if (!log.TruncateTo(whole, error)) {
            return false;
        }
        *length = whole;
    }
    return true;
}

} // namespace

FileError AppendLogEntry(const std::string& directory, std::string_view entry) {
    FileError error;
    File log = OpenLog(directory, &error);
    std::int64_t before = 0;
    if (!log.IsOpen() || !RepairedLength(log, &before, &error)) {
        return error;
    }
    // The full log becomes the older generation while it is still held, so another copy that
    // opened it meanwhile finds it renamed; the entry then starts a new log. Should the rename
    // fail, nothing has changed and the entry joins the log as it is.
    if (LogNeedsReset(before) && !RenameFile(directory, kLogFileName, kOlderLogFileName).Failed()) {
        File fresh = OpenLog(directory, &error);
        if (!fresh.IsOpen() || !RepairedLength(fresh, &before, &error)) {
            return error;
        }
        log = std::move(fresh);
    }
    // The note tells a later append where this entry begins should the process die before
    // the entry is whole; it goes once the entry is written.
    const auto after = before + static_cast<std::int64_t>(entry.size());
    const bool noted = log.WriteNote(kAppendNote, AppendNoteText(before, after));
    // One write for the whole entry; if it fails part way, whatever part of the entry
    // reached the file is cut off again so the log never ends in a torn entry. The entry is on
    // the disk before the cast's record is written, so that a power loss that keeps the
    // record keeps its entry too.
    if (!log.Write(entry, &error) || !log.Sync(&error)) {
        if (log.TruncateTo(before, nullptr) && noted) {
            log.RemoveNote(kAppendNote);
        }
        return error;
    }
    if (noted) {
        log.RemoveNote(kAppendNote);
    }
    log.Close(&error);
    return error;
}

namespace {

// Appends every line of `bytes` followed by CR LF to `text`.
void AppendLogDisplayText(std::string_view bytes, std::string& text) {
    // Each line gains at most one byte (LF to CR LF), the last line at most two.
    text.reserve(text.size() + bytes.size() +
                 static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 2);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lf = bytes.find('\n', start);
        std::size_t end = lf == std::string_view::npos ? bytes.size() : lf;
        // Only a CR right before an LF belongs to the line end; any other CR is text.
        if (lf != std::string_view::npos && end > start && bytes[end - 1] == '\r') {
            --end;
        }
        text.append(bytes.data() + start, end - start);
        text += "\r\n";
        if (lf == std::string_view::npos) {
            break;
        }
        start = lf + 1;
    }
}

} // namespace

std::string LogDisplayText(std::string_view bytes) {
    std::string text;
    AppendLogDisplayText(bytes, text);
    return text;
}

namespace {

// Where the newest `lines` lines of `bytes` start.
std::size_t StartOfNewestLines(std::string_view bytes, std::size_t lines) {
    std::size_t end = bytes.size();
    if (end > 0 && bytes[end - 1] == '\n') {
        --end; // the line end of the last line
    }
    std::size_t seen = 0;
    for (std::size_t i = end; i > 0; --i) {
        if (bytes[i - 1] == '\n' && ++seen == lines) {
            return i;
        }
    }
    return 0;
}

} // namespace

std::string LogViewText(std::string_view newest, std::int64_t offset) {
    auto skipped = static_cast<unsigned long long>(std::max<std::int64_t>(offset, 0));
    if (skipped > 0) {
        // The first line is only the end of a line that started earlier.
        const std::size_t lf = newest.find('\n');
        const std::size_t start = lf == std::string_view::npos ? newest.size() : lf + 1;
        newest.remove_prefix(start);
        skipped += start;
    }
    const std::size_t start = StartOfNewestLines(newest, kLogViewLines);
    newest.remove_prefix(start);
    skipped += start;
    std::string text;
    if (skipped > 0) {
        text = "[The first ";
        AppendNumber(text, static_cast<long long>(skipped), 1);
        text += " bytes of the log are not shown.]\r\n";
    }
    // Built in one string: the newest part can be megabytes.
    AppendLogDisplayText(newest, text);
    return text;
}

std::string LoadLogText(const std::string& directory) {
    // The viewer reports nothing: a log that cannot be opened or read shows as empty.
    File log = File::Open(directory, kLogFileName, File::Mode::Read, nullptr);
    std::int64_t length = 0;
    if (!log.IsOpen() || !log.Length(&length, nullptr)) {
        return {};
    }
    length = WholeLengthOf(log, length);
    // One byte before the newest ones tells whether they start at a line start.
    const std::int64_t offset = std::max<std::int64_t>(0, length - std::int64_t{kLogViewBytes} - 1);
    std::string bytes;
    if (!log.ReadAt(offset, static_cast<std::size_t>(length - offset), &bytes, nullptr)) {
        return {};
    }
    log.Close(nullptr);
    return LogViewText(bytes, offset);
}

std::optional<LogBytes> ReadLogFrom(const std::string& directory, const char* name,
                                    std::int64_t offset, std::size_t cap) {
    File log = File::Open(directory, name, File::Mode::Read, nullptr);
    std::int64_t length = 0;
    if (!log.IsOpen() || !log.Length(&length, nullptr)) {
        return std::nullopt;
    }
    LogBytes read;
    read.length = WholeLengthOf(log, length);
    read.offset = std::clamp<std::int64_t>(offset, 0, read.length);
    read.offset = std::max<std::int64_t>(read.offset, read.length - static_cast<std::int64_t>(cap));
    if (!log.ReadAt(read.offset, static_cast<std::size_t>(read.length - read.offset), &read.bytes,
                    nullptr)) {
        return std::nullopt;
    }
    return read;
}

std::string OlderLogPath(const std::string& directory) {
    File older = File::Open(directory, kOlderLogFileName, File::Mode::Read, nullptr);
    return older.IsOpen() ? older.FullPath() : std::string();
}

FileError ResetLog(const std::string& directory) {
    // The log is held while its older generation goes, so no append can rename it meanwhile;
    // it is emptied in place, never removed.
    FileError error;
    File log = OpenLog(directory, &error);
    if (!log.IsOpen()) {
        return error;
    }
    if (error = RemoveFile(directory, kOlderLogFileName); error.Failed()) {
        return error;
    }
    if (!log.TruncateTo(0, &error)) {
        return error;
    }
    log.RemoveNote(kAppendNote);
    log.Close(&error);
    return error;
}

} // namespace zandrel
