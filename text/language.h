#pragma once

#include <cstdint>

namespace zandrel {

// The language the texts of a reading and of the browser are composed in. English is the
// default; the two Chinese ones take their default texts and headings from the classical data.
enum class Language : std::uint8_t {
    English,
    SimplifiedChinese,  // zh_CN
    TraditionalChinese, // zh_TW
};

} // namespace zandrel
