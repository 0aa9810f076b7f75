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

// The longest text read from a custom file, in bytes; far above anything a person types. A
// longer line is cut here, at a character boundary, and the file is read no further.
inline constexpr std::size_t kMaxCustomTextBytes = 64 * 1024;

// Reads the texts of a custom text file from its bytes, given in pieces as they come. A line
// ends at LF; a CR right before the LF goes with it, a CR anywhere else is text. A last line
// without a line end counts. Whatever follows the eighth line is never asked for.
class CustomFileReader {
public:
    // Takes the next bytes of the file; false once no more are wanted.
    bool Take(std::string_view bytes);
    // The texts, once the file has ended or no more bytes are wanted.
    EightTexts Finish();

private:
    EightTexts texts_;
    std::size_t line_ = 0;
    bool done_ = false;
};

// The texts of a whole custom file held in memory.
EightTexts ParseCustomFile(std::string_view bytes);

// The bytes of a custom file holding `texts`.
std::string CustomFileBytes(const EightTexts& texts);

} // namespace zandrel
