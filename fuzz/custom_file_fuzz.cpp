// The custom file reader on any bytes: every text within the cap and on one line, the same
// texts however the bytes arrive in pieces, and a record written and read again unchanged.

#include "fuzz/fuzz_check.h"
#include "text/custom_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace zandrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const EightTexts texts = ParseCustomFile(bytes);
    for (const std::string& text : texts) {
        FUZZ_CHECK(text.size() <= kMaxCustomTextBytes);
        FUZZ_CHECK(text.find('\n') == std::string::npos);
    }

    // In pieces whose sizes come from the bytes themselves.
    CustomFileReader reader;
    std::size_t at = 0;
    for (std::size_t i = 0; at < size; ++i) {
        const std::size_t piece = 1 + (size > 0 ? data[i % size] : 0) % 97;
        if (!reader.Take(bytes.substr(at, piece))) {
            break;
        }
        at += piece;
    }
    FUZZ_CHECK(reader.Finish() == texts);

    FUZZ_CHECK(ParseCustomFile(CustomFileBytes(texts)) == texts);
    return 0;
}
