// Text as the commands print it to a terminal.

#include "cli/terminal.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

TEST(TerminalTextTest, LineEndsAndControlCharacters) {
    EXPECT_EQ(TerminalText("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(TerminalText("a\rb\x1b[2J\x7f\tc"), "a\u240Db\u241B[2J\u2421\tc");
    EXPECT_EQ(TerminalText("caf\xE9\r\n"), "caf\u00E9\n"); // not UTF-8: read as Windows-1252
    // C1 controls (CSI, OSC) by their codes; what follows them stays text.
    EXPECT_EQ(TerminalText("a\u009B2J\u009D0;T\u0080\u00A0"),
              "a<U+009B>2J<U+009D>0;T<U+0080>\u00A0");
    // Bidirectional formatting characters too, which would show the line in another order.
    EXPECT_EQ(TerminalText("a\u202Eb\u2066c\u200Fd\u061Ce\u200Df\u2069"),
              "a<U+202E>b<U+2066>c<U+200F>d<U+061C>e\u200Df<U+2069>");
}

TEST(TerminalTextTest, WideCharactersTakeTwoColumns) {
    EXPECT_EQ(Columns("Earth"), 5U);
    EXPECT_EQ(Columns("6 坎"), 4U);
    EXPECT_EQ(Padded("坎", 4), "坎  ");
    EXPECT_EQ(Padded("Outer trigram", 5), "Outer trigram");
}

} // namespace
} // namespace zandrel
