#pragma once

// Control characters in a text that is shown to the user (a custom text, the log) would be
// invisible, or would act on a terminal. They are shown as their symbols from Unicode's
// Control Pictures block instead, so that every character keeps its place and can be seen.

namespace zandrel {

// The symbol that stands for `c` where `c` is a control character (U+2400 to U+241F for
// U+0000 to U+001F, U+2421 for DEL), else `c` itself. Tab and line feed are text and stay.
constexpr char32_t VisibleCharacter(char32_t c) {
    if (c < 0x20 && c != U'\t' && c != U'\n') {
        return 0x2400 + c;
    }
    return c == 0x7F ? char32_t{0x2421} : c;
}

} // namespace zandrel
