#pragma once

#include <string_view>

namespace zandrel {

inline constexpr int kFirstDefaultText = 2000;
inline constexpr int kDefaultTextCount = 448;

// The built-in text with number 2000..2447: hexagram n, part k (0 = heading and main text,
// 1..6 = line k) has number 2000 + 7 * (n - 1) + k. Numbers outside the range give "".
std::string_view DefaultText(int number);

constexpr int DefaultTextNumber(int hexagram, int part) {
    return kFirstDefaultText + 7 * (hexagram - 1) + part;
}

} // namespace zandrel
