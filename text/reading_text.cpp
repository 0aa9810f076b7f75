#include "text/reading_text.h"

namespace zandrel {

ReadingText ComposeReadingText(const HexagramTexts& texts, const Reading& reading) {
    // The change line's text always belongs to the original hexagram.
    return ReadingText{
        HeaderBlock(texts, reading.original),
        LineBlock(texts, reading.original, reading.changeLine),
        HeaderBlock(texts, reading.final),
    };
}

} // namespace zandrel
