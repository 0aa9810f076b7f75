#include "log/query_log.h"

#include <algorithm>
#include <array>
#include <cstddef>

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

std::tm CurrentLocalTime() {
    const std::time_t now = std::time(nullptr);
    // One thread only, so the shared result of std::localtime is safe to copy.
    const std::tm* local = std::localtime(&now);
    return local != nullptr ? *local : std::tm{};
}

std::string LogEntryBytes(std::string_view question, std::string_view originalText,
                          std::string_view lineText, std::string_view finalText,
                          const std::tm& localTime) {
    // Pieces are concatenated, never formatted, so "%" in the question stays as typed.
    constexpr std::string_view kHeadOpen = "[Your query on ";
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

FileError AppendLogEntry(const std::string& directory, std::string_view entry) {
    FileError error;
    File log = File::Open(directory, kLogFileName, File::Mode::Append, &error);
    if (!log.IsOpen()) {
        return error;
    }
    std::int64_t before = 0;
    if (!log.Length(&before, &error)) {
        return error;
    }
    // The log is emptied while still held, so no other process can slip in between the
    // emptying and the entry.
    if (LogNeedsReset(before)) {
        if (!log.TruncateTo(0, &error)) {
            return error;
        }
        before = 0;
    }
    // One write for the whole entry; if it fails part way, whatever part of the entry
    // reached the file is cut off again so the log never ends in a torn entry.
    if (!log.Write(entry, &error)) {
        log.TruncateTo(before, nullptr);
        return error;
    }
    log.Close(&error);
    return error;
}

std::string LogDisplayText(std::string_view bytes) {
    std::string text;
    // Each line gains at most one byte (LF to CR LF), the last line at most two.
    text.reserve(bytes.size() +
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
    return text + LogDisplayText(newest);
}

std::string LoadLogText(const std::string& directory) {
    // The viewer reports nothing: a log that cannot be opened or read shows as empty.
    File log = File::Open(directory, kLogFileName, File::Mode::Read, nullptr);
    std::int64_t length = 0;
    if (!log.IsOpen() || !log.Length(&length, nullptr)) {
        return {};
    }
    // One byte before the newest ones tells whether they start at a line start.
    const std::int64_t offset = std::max<std::int64_t>(0, length - std::int64_t{kLogViewBytes} - 1);
    std::string bytes;
    if (!log.ReadAt(offset, static_cast<std::size_t>(length - offset), &bytes, nullptr)) {
        return {};
    }
    log.Close(nullptr);
    return LogViewText(bytes, offset);
}

FileError ResetLog(const std::string& directory) {
    // Truncated in place, never removed: the file stays, empty.
    FileError error;
    File log = File::Open(directory, kLogFileName, File::Mode::Truncate, &error);
    if (!log.IsOpen()) {
        return error;
    }
    log.Close(&error);
    return error;
}

} // namespace zandrel
