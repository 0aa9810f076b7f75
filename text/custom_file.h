#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The custom text file of a hexagram: eight lines, each ended by CR LF, holding the title,
// the main text and the texts of lines 1 to 6.

namespace zandrel {

// Title, main text and lines 1..6, in the order of a custom text file.
using EightTexts = std::array<std::string, 8>;

// The longest text a custom file holds, in bytes; far above anything a person types. A longer
// line is cut here, at a character boundary, and the rest of it is skipped. The editor stores
// no longer text, so every text the program writes comes back whole.
inline constexpr std::size_t kMaxCustomTextBytes = 64 * 1024;

// The most of a custom file that is read, in bytes: the file counts as ending there. About
// twice the largest file the program writes, which leaves room to skip over long lines
// written by hand, while a huge file still costs no more than this.
inline constexpr std::size_t kMaxCustomFileBytes = 1024 * 1024;
static_assert(8 * (kMaxCustomTextBytes + 2) <= kMaxCustomFileBytes);

// Whether the editor may store `text`: it fits the cap. (Its boxes hold no line breaks.)
inline bool FitsCustomText(std::string_view text) {
    return text.size() <= kMaxCustomTextBytes;
}

// Reads the texts of a custom text file from its bytes, given in pieces as they come. A line
// ends at LF; a CR right before the LF goes with it, a CR anywhere else is text. A last line
// without a line end counts. Whatever follows the eighth line or the read bound is never
// asked for.
class CustomFileReader {
public:
    // Takes the next bytes of the file; false once no more are wanted.
    bool Take(std::string_view bytes);
    // The texts, once the file has ended or no more bytes are wanted. Each holds no more
    // memory than its length needs.
    EightTexts Finish();

private:
    // Ends the text of the current line.
    void EndLine();

    EightTexts texts_;
    std::size_t line_ = 0;
    std::size_t taken_ = 0;
    bool skipping_ = false; // the rest of a line past the cap
    bool done_ = false;
};

// The texts of a whole custom file held in memory.
EightTexts ParseCustomFile(std::string_view bytes);

// The bytes of a custom file holding `texts`.
std::string CustomFileBytes(const EightTexts& texts);

} // namespace zandrel
