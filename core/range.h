#pragma once

#include <cassert>
#include <cstddef>

namespace zandrel {

// The index of `value` in a table of the values first..last. Any other value is a programming
// error, which stops a debug build here instead of reading past the table.
constexpr std::size_t RangeIndex(int value, int first, [[maybe_unused]] int last) {
    assert(value >= first && value <= last && "a value outside its table");
    return static_cast<std::size_t>(value - first);
}

} // namespace zandrel
