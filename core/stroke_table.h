#pragma once

#include <cstdint>
#include <span>

namespace zandrel {

// A run of consecutive code points in the stroke table; their counts start at `offset` in
// each count array.
struct StrokeRange {
    char32_t first;
    std::uint32_t size;
    std::uint32_t offset;
};

struct StrokeTable {
    std::span<const StrokeRange> ranges; // ascending, not touching each other
    std::span<const std::uint8_t> modern;
    std::span<const std::uint8_t> kangxi;
    // The strokes of the radical as written and in full form; 0 for a character that is its
    // own radical.
    std::span<const std::uint8_t> modernRadical;
    std::span<const std::uint8_t> kangxiRadical;
};

// The table that tools/make_stroke_table.py compiles from Unihan at build time.
StrokeTable CompiledStrokeTable();

} // namespace zandrel
