// Prints "XXXX modern kangxi" (the code point in hex) for every code point that StrokesOf
// knows, in order, for stroke_reference_test.py to compare with Unihan.
#include "core/strokes.h"

#include <cstdio>

int main() {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (const auto counts = zandrel::StrokesOf(c)) {
            std::printf("%X %d %d\n", static_cast<unsigned>(c), counts->modern, counts->kangxi);
        }
    }
}
