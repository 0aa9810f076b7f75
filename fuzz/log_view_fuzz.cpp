// The log viewer's text on any bytes, against a plain reference: every line of the log
// followed by CR LF, a CR right before LF belonging to the line end; and the newest part,
// which starts at a line start after a line saying how many bytes were left out.

#include "fuzz/fuzz_check.h"
#include "log/query_log.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace zandrel;

namespace {

std::vector<std::string> Lines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines.push_back(line);
            line.clear();
        } else {
            line += bytes[i];
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < lines.size(); ++i) {
        text += lines[i] + "\r\n";
    }
    return text;
}

// Where line `n` (from 0) of `bytes` starts: after its n-th LF, or at the end.
std::size_t LineStart(std::string_view bytes, std::size_t n) {
    std::size_t at = 0;
    for (std::size_t seen = 0; seen < n && at < bytes.size(); ++at) {
        seen += bytes[at] == '\n' ? 1 : 0;
    }
    return at;
}

// The viewer's text for the newest bytes `newest` of a log, which start `offset` bytes into
// it: when anything is left out, a first line that counts the bytes left out (before the file
// and within it: a first line cut by the offset, and the lines past the newest kLogViewLines),
// then the lines that are shown.
std::string ViewText(std::string_view newest, std::size_t offset) {
    std::size_t skipped = offset;
    if (offset > 0) {
        const std::size_t lf = newest.find('\n');
        const std::size_t cut = lf == std::string_view::npos ? newest.size() : lf + 1;
        newest.remove_prefix(cut);
        skipped += cut;
    }
    const std::vector<std::string> lines = Lines(newest);
    const std::size_t dropped = lines.size() > kLogViewLines ? lines.size() - kLogViewLines : 0;
    skipped += LineStart(newest, dropped);
    const std::string header = skipped == 0 ? std::string()
                                            : "[The first " + std::to_string(skipped) +
                                                  " bytes of the log are not shown.]\r\n";
    return header + Joined(lines, dropped);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(LogDisplayText(bytes) == Joined(Lines(bytes), 0));
    // The whole log, and its newest bytes behind older ones, starting inside a line.
    FUZZ_CHECK(LogViewText(bytes, 0) == ViewText(bytes, 0));
    FUZZ_CHECK(LogViewText(bytes, 1000) == ViewText(bytes, 1000));
    return 0;
}
