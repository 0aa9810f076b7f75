// The custom file reader on any bytes, against a plain reference: the first eight lines of the
// file's first kMaxCustomFileBytes bytes, a CR right before LF belonging to the line end, each
// cut at the cap before a character that the cap would split, the rest of a long line skipped. The
// same texts however the bytes arrive in pieces. The bytes are also tried with every line
// stretched to just short of the cap, and behind one line that reaches the read bound, so that
// short inputs meet both limits.
//
// And texts the editor would store: whatever UpdateText accepts is written and read back
// unchanged, as a new start reads it; whatever it refuses is past the cap.

#include "fuzz/fuzz_check.h"
#include "text/custom_file.h"
#include "text/hexagram_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace zandrel;

namespace {

// The first `count` lines of `bytes`, without their line ends.
std::vector<std::string_view> Lines(std::string_view bytes, std::size_t count) {
    std::vector<std::string_view> lines;
    while (!bytes.empty() && lines.size() < count) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        if (lf == std::string_view::npos) {
            lines.push_back(line);
            break;
        }
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        bytes.remove_prefix(lf + 1);
    }
    return lines;
}

bool Continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// How many bytes the UTF-8 character that `byte` begins has, by its bit pattern: 0xxxxxxx
// one, 110xxxxx two, 1110xxxx three, 11110xxx four. Any other byte begins no character and
// stands for itself.
std::size_t Announced(unsigned char byte) {
    if ((byte & 0xE0) == 0xC0) {
        return 2;
    }
    if ((byte & 0xF0) == 0xE0) {
        return 3;
    }
    return (byte & 0xF8) == 0xF0 ? 4 : 1;
}

// A line past the cap keeps the characters that end within it. Characters are read from the
// start: each is a byte and the continuation bytes after it, up to as many as its first byte
// announces; a byte that continues nothing is one on its own.
std::string Cut(std::string_view text) {
    const std::size_t cap = kMaxCustomTextBytes;
    if (text.size() <= cap) {
        return std::string(text);
    }
    std::size_t at = 0;
    for (;;) {
        const std::size_t announced = Announced(static_cast<unsigned char>(text[at]));
        std::size_t length = 1;
        while (length < announced && at + length < text.size() &&
               Continuation(static_cast<unsigned char>(text[at + length]))) {
            ++length;
        }
        if (at + length > cap) {
            return std::string(text.substr(0, at));
        }
        at += length;
    }
}

EightTexts Reference(std::string_view bytes) {
    EightTexts texts;
    const std::vector<std::string_view> lines =
        Lines(bytes.substr(0, kMaxCustomFileBytes), texts.size());
    for (std::size_t i = 0; i < texts.size() && i < lines.size(); ++i) {
        texts[i] = Cut(lines[i]);
    }
    return texts;
}

// The reader, given the bytes at once and in pieces whose sizes come from `sizes`, larger for
// larger inputs.
void CheckReader(std::string_view bytes, std::string_view sizes) {
    const EightTexts expected = Reference(bytes);
    FUZZ_CHECK(ParseCustomFile(bytes) == expected);

    CustomFileReader reader;
    const std::size_t scale = 1 + bytes.size() / 8192;
    std::size_t at = 0;
    for (std::size_t i = 0; at < bytes.size(); ++i) {
        const std::size_t piece =
            1 + (sizes.empty() ? 0 : static_cast<unsigned char>(sizes[i % sizes.size()])) * scale;
        if (!reader.Take(bytes.substr(at, piece))) {
            break;
        }
        at += piece;
    }
    FUZZ_CHECK(reader.Finish() == expected);
}

// The first nine lines, each behind filler that brings it to four bytes short of the cap.
std::string Stretched(std::string_view bytes) {
    std::string stretched;
    for (int line = 0; line < 9 && !bytes.empty(); ++line) {
        stretched.append(kMaxCustomTextBytes - 4, 'w');
        const std::size_t lf = bytes.find('\n');
        const std::size_t end = lf == std::string_view::npos ? bytes.size() : lf + 1;
        stretched.append(bytes.substr(0, end));
        bytes.remove_prefix(end);
    }
    stretched.append(bytes);
    return stretched;
}

// Eight texts the editor's boxes could hold: no line breaks, and lengths around the cap.
EightTexts EditorTexts(std::string_view bytes) {
    EightTexts texts;
    for (std::size_t i = 0; i < texts.size() && !bytes.empty(); ++i) {
        const std::size_t lf = bytes.find('\n');
        std::string text(bytes.substr(0, lf));
        std::replace(text.begin(), text.end(), '\r', ' ');
        // Its first byte says how close to the cap it comes.
        const std::size_t filler =
            text.empty() ? 0 : kMaxCustomTextBytes - static_cast<unsigned char>(text[0]) % 8;
        texts[i] = std::string(filler, 'e') + text;
        bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
    }
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckReader(bytes, bytes);
    CheckReader(Stretched(bytes), bytes);
    // The longest variant, for half of the inputs.
    if (size > 0 && (data[0] & 1) != 0) {
        CheckReader(std::string(kMaxCustomFileBytes - 16, 'b') + std::string(bytes), bytes);
    }

    const EightTexts texts = EditorTexts(bytes);
    HexagramTexts records;
    const bool accepted = UpdateText(records, 1, texts);
    FUZZ_CHECK(accepted == std::all_of(texts.begin(), texts.end(), [](const std::string& text) {
                   return text.size() <= kMaxCustomTextBytes;
               }));
    if (accepted) {
        const std::string file = CustomFileBytes(RecordTexts(records, 1));
        FUZZ_CHECK(ParseCustomFile(file) == texts);
        CheckReader(file, bytes);
    }
    return 0;
}
