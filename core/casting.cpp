#include "core/casting.h"

namespace zandrel {

std::int32_t QuestionSum(std::string_view question) {
    // Accumulate in unsigned arithmetic so that even an absurdly long text wraps like the
    // 32-bit sum it stands for instead of overflowing.
    std::uint32_t sum = 0;
    for (const char c : question) {
        sum += static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
    }
    return static_cast<std::int32_t>(sum);
}

std::int32_t YearNumber(int yearIndex) {
    const std::int32_t a = (kFirstYear + yearIndex) % 12;
    return a == 0 ? 12 : a;
}

std::int32_t DayNumber(int dayIndex) {
    const std::int32_t c = (dayIndex + 1) % 30;
    return c == 0 ? 30 : c;
}

CastValues TimeCast(int yearIndex, int monthIndex, int dayIndex, int periodIndex,
                    std::string_view question) {
    const auto a = static_cast<std::uint32_t>(YearNumber(yearIndex));
    const auto b = static_cast<std::uint32_t>(monthIndex + 1);
    const auto c = static_cast<std::uint32_t>(DayNumber(dayIndex));
    const auto d = static_cast<std::uint32_t>(periodIndex + 1);
    const auto s = static_cast<std::uint32_t>(QuestionSum(question));

    // Two's complement throughout: the trigrams take the low three bits, the change line
    // takes T read as an unsigned 32-bit number.
    const std::uint32_t outerSum = a + b + c + s;
    const std::uint32_t t = a + b + c + d + s;

    CastValues v;
    v.outer = static_cast<Trigram>(outerSum & 7U);
    if (v.outer == 0) {
        v.outer = 8;
    }
    v.inner = static_cast<Trigram>(t & 7U);
    if (v.inner == 0) {
        v.inner = 8;
    }
    v.changeLine = static_cast<int>(t % 6U);
    if (v.changeLine == 0) {
        v.changeLine = 6;
    }
    return v;
}

} // namespace zandrel
