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

// In the given language: the English blocks, or in Chinese the ordinal headings, the line names
// and the classical texts (text/hexagram_text.h).
ReadingText ComposeReadingText(const HexagramTexts& texts, const Reading& reading,
                               Language language = Language::English);
ReadingText ComposeReadingText(const TextStore& store, const Reading& reading);

} // namespace zandrel
