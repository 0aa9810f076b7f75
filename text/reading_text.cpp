#include "text/reading_text.h"

namespace zandrel {

ReadingText ComposeReadingText(const HexagramTexts& texts, const Reading& reading,
                               Language language) {
    // The change line's text always belongs to the original hexagram.
    return ReadingText{
        HeaderBlock(texts, reading.original, language),
        LineBlock(texts, reading.original, reading.changeLine, language),
        HeaderBlock(texts, reading.final, language),
    };
}

ReadingText ComposeReadingText(const TextStore& store, const Reading& reading) {
    return ComposeReadingText(store.hexagramTexts, reading, store.language);
}

} // namespace zandrel
