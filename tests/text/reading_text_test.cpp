#include "core/reading.h"
#include "text/default_texts.h"
#include "text/reading_text.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

TEST(ComposeReadingTextTest, DefaultTextsOfHexagram1Line1) {
    const HexagramTexts texts;
    const ReadingText t = ComposeReadingText(texts, ComputeReading(1, 1, 1));
    EXPECT_EQ(t.originalText, DefaultText(2000));
    EXPECT_EQ(t.lineText, DefaultText(2001));
    EXPECT_EQ(t.finalText, DefaultText(2301));
    EXPECT_EQ(t.originalText + t.lineText + t.finalText,
              "Hexagram 1 Creative Yang Force\r\nContinuing firmly and correctly will lead to "
              "great success.\r\nLine 1\r\nIt is not a good time to make important "
              "decisions.\r\nHexagram 44 Encounter\r\nInferior people will gain power if you do "
              "not regard them as dangerous. Be aware of this.\r\n");
}

TEST(ComposeReadingTextTest, LineTextFollowsTheOriginalHexagramsRecord) {
    HexagramTexts texts;
    // Outer 1, inner 8, change line 5: original 12, final 35.
    texts[11].state = CustomTextState::Active;
    texts[11].title = "Custom";
    texts[11].mainText = "Main";
    texts[34].state = CustomTextState::PendingSave; // not in effect
    texts[34].title = "Hidden";
    ReadingText t = ComposeReadingText(texts, ComputeReading(1, 8, 5));
    EXPECT_EQ(t.originalText, "Hexagram 12 Custom\r\nMain\r\n");
    EXPECT_EQ(t.lineText, "Line 5\r\n\r\n");
    EXPECT_EQ(t.finalText, DefaultText(DefaultTextNumber(35, 0)));

    texts[11].state = CustomTextState::None;
    texts[34].state = CustomTextState::Active;
    t = ComposeReadingText(texts, ComputeReading(1, 8, 5));
    EXPECT_EQ(t.lineText, DefaultText(DefaultTextNumber(12, 5)));
    EXPECT_EQ(t.finalText, "Hexagram 35 Hidden\r\n\r\n");
}

} // namespace
} // namespace zandrel
