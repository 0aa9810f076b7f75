#include "core/strokes.h"

#include "core/stroke_table.h"

#include <algorithm>
#include <array>

namespace zandrel {

std::optional<StrokeCounts> StrokesOf(char32_t c) {
    const StrokeTable table = CompiledStrokeTable();
    const auto after = std::upper_bound(
        table.ranges.begin(), table.ranges.end(), c,
        [](char32_t code, const StrokeRange& range) { return code < range.first; });
    if (after == table.ranges.begin()) {
        return std::nullopt;
    }
    const StrokeRange& range = *(after - 1);
    if (c - range.first >= range.size) {
        return std::nullopt;
    }
    const std::size_t index = range.offset + (c - range.first);
    return StrokeCounts{table.modern[index], table.kangxi[index]};
}

std::optional<int> NumeralValue(char32_t c) {
    constexpr std::array<char32_t, 10> kNumerals = {U'一', U'二', U'三', U'四', U'五',
                                                    U'六', U'七', U'八', U'九', U'十'};
    const auto found = std::find(kNumerals.begin(), kNumerals.end(), c);
    if (found == kNumerals.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - kNumerals.begin()) + 1;
}

} // namespace zandrel
