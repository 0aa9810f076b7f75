// The log viewer's text on any bytes, against a plain reference: every line of the log
// followed by CR LF, a CR right before LF belonging to the line end; and the newest part,
// which starts at a line start after a line saying how much was left out.

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(LogDisplayText(bytes) == Joined(Lines(bytes), 0));

    // As the newest bytes of a longer log, starting inside its first line.
    const std::string text = LogViewText(bytes, 1000);
    const std::size_t lf = bytes.find('\n');
    const std::string_view whole =
        lf == std::string_view::npos ? std::string_view() : bytes.substr(lf + 1);
    const std::vector<std::string> lines = Lines(whole);
    const std::size_t dropped = lines.size() > kLogViewLines ? lines.size() - kLogViewLines : 0;
    const std::string shown = Joined(lines, dropped);
    FUZZ_CHECK(text.size() > shown.size() &&
               text.compare(text.size() - shown.size(), std::string::npos, shown) == 0);
    FUZZ_CHECK(text.rfind("[The first ", 0) == 0);
    return 0;
}
