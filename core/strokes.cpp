#include "core/strokes.h"

#include "core/stroke_table.h"

#include <algorithm>
#include <array>

namespace zandrel {

namespace {

// The index of `c` in the table's count arrays, where the table holds it.
std::optional<std::size_t> IndexOf(char32_t c) {
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
    return range.offset + (c - range.first);
}

std::optional<StrokeParts> Parts(char32_t c, bool kangxi) {
    const std::optional<std::size_t> index = IndexOf(c);
    if (!index) {
        return std::nullopt;
    }
    const StrokeTable table = CompiledStrokeTable();
    const int count = kangxi ? table.kangxi[*index] : table.modern[*index];
    const int radical = kangxi ? table.kangxiRadical[*index] : table.modernRadical[*index];
    if (radical == 0) {
        return std::nullopt;
    }
    return StrokeParts{radical, count - radical};
}

} // namespace

std::optional<StrokeCounts> StrokesOf(char32_t c) {
    const std::optional<std::size_t> index = IndexOf(c);
    if (!index) {
        return std::nullopt;
    }
    const StrokeTable table = CompiledStrokeTable();
    return StrokeCounts{table.modern[*index], table.kangxi[*index]};
}

std::optional<StrokeParts> ModernPartsOf(char32_t c) {
    return Parts(c, false);
}

std::optional<StrokeParts> KangxiPartsOf(char32_t c) {
    return Parts(c, true);
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
