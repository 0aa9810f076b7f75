#include "res/trigram_bitmaps.h"

#include "core/range.h"

#include <array>

namespace zandrel {
namespace {

constexpr std::array<int, 9> kSmallBitmaps = {142, 134, 135, 136, 137, 138, 139, 140, 141};
constexpr std::array<int, 9> kLargeBitmaps = {144, 145, 146, 147, 148, 149, 150, 151, 152};

} // namespace

int SmallTrigramBitmap(int index) {
    return kSmallBitmaps[RangeIndex(index, 0, 8)];
}

int LargeTrigramBitmap(int index) {
    return kLargeBitmaps[RangeIndex(index, 0, 8)];
}

} // namespace zandrel
