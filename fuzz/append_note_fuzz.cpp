// The note a log carries while an entry is appended, on any bytes, against a plain reference:
// a note is two runs of 1 to 18 decimal digits with one blank between them and nothing else,
// the first number below the second. Whatever AppendNoteText writes for such numbers reads
// back as they were. And the log's whole length: the note's first number where the log's
// length lies from it up to (not including) its second, else the length itself.

#include "fuzz/fuzz_check.h"
#include "log/append_note.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using namespace zandrel;

namespace {

std::optional<std::int64_t> Number(std::string_view digits) {
    if (digits.empty() || digits.size() > 18) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<PendingAppend> Reference(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<std::int64_t> before = Number(text.substr(0, blank));
    const std::optional<std::int64_t> after = Number(text.substr(blank + 1));
    if (!before || !after || *before >= *after) {
        return std::nullopt;
    }
    return PendingAppend{*before, *after};
}

// A number below 10^18 taken from eight bytes of `bytes` from `at`, small ones as often as
// large ones.
std::int64_t Taken(std::string_view bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = at; i < at + 8 && i < bytes.size(); ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    const int shift = static_cast<int>(value % 61);
    return static_cast<std::int64_t>((value >> shift) % 1'000'000'000'000'000'000ULL);
}

void CheckWholeLength(const std::string& note, std::int64_t length) {
    const std::optional<PendingAppend> pending = Reference(note);
    const bool unfinished = pending && pending->before <= length && length < pending->after;
    FUZZ_CHECK(WholeLength(length, &note) == (unfinished ? pending->before : length));
    FUZZ_CHECK(WholeLength(length, nullptr) == length);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Any text as a note.
    PendingAppend parsed{-1, -1};
    const bool read = ParseAppendNote(bytes, &parsed);
    const std::optional<PendingAppend> expected = Reference(bytes);
    FUZZ_CHECK(read == expected.has_value());
    if (read) {
        FUZZ_CHECK(parsed.before == expected->before && parsed.after == expected->after);
    }
    const std::string note(bytes);
    CheckWholeLength(note, Taken(bytes, 0));
    if (expected) {
        for (std::int64_t length :
             {expected->before - 1, expected->before, expected->after - 1, expected->after}) {
            CheckWholeLength(note, length);
        }
    }

    // Notes as an append writes them, with the lengths around them.
    const std::int64_t before = Taken(bytes, 0);
    const std::int64_t after = Taken(bytes, 8);
    const std::string written = AppendNoteText(before, after);
    FUZZ_CHECK(ParseAppendNote(written, &parsed) == (before < after));
    if (before < after) {
        FUZZ_CHECK(parsed.before == before && parsed.after == after);
    }
    for (std::int64_t length : {before - 1, before, after - 1, after, Taken(bytes, 16)}) {
        CheckWholeLength(written, length);
    }
    return 0;
}
