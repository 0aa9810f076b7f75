// Prints "XXXX modern kangxi modern-radical kangxi-radical" (the code point in hex; a radical
// part 0 where the character has none) for every code point that StrokesOf knows, in order,
// for stroke_reference_test.py to compare with Unihan.
#include "core/strokes.h"

#include <cstdio>

int main() {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (const auto counts = zandrel::StrokesOf(c)) {
            const auto modern = zandrel::ModernPartsOf(c);
            const auto kangxi = zandrel::KangxiPartsOf(c);
            std::printf("%X %d %d %d %d\n", static_cast<unsigned>(c), counts->modern,
                        counts->kangxi, modern ? modern->radical : 0, kangxi ? kangxi->radical : 0);
        }
    }
}
