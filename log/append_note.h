#pragma once

// The note a log carries while an entry is appended (see AppendLogEntry): where the entry
// begins and where it ends, so that the next append can cut off what an unfinished one left.

#include <cstdint>
#include <string>
#include <string_view>

namespace zandrel {

struct PendingAppend {
    std::int64_t before = 0;
    std::int64_t after = 0;
};

// The note's text: "<length before> <length after>", both decimal.
std::string AppendNoteText(std::int64_t before, std::int64_t after);

// Reads a note as AppendNoteText writes it, each number of 1 to 18 digits; false for any other
// text, and for a note whose entry would not end after it begins.
bool ParseAppendNote(std::string_view text, PendingAppend* pending);

// The length of the log's whole entries, given its length and its note (null when it has
// none). A log whose note says that an entry was to take it from `before` to `after` bytes,
// with `length` in between, holds the start of an entry that its writer never finished, from
// `before` on. Any other length is not the unfinished append's doing (the log was changed
// since) and is taken as it is.
std::int64_t WholeLength(std::int64_t length, const std::string* note);

} // namespace zandrel
