#pragma once

#include "core/reading.h"
#include "text/hexagram_text.h"

#include <string>

namespace zandrel {

// The three text blocks of a reading, each ending in CR LF; shown and logged one after the
// other with nothing between them.
struct ReadingText {
    std::string originalText;
    std::string lineText;
    std::string finalText;
};

ReadingText ComposeReadingText(const HexagramTexts& texts, const Reading& reading);

} // namespace zandrel
