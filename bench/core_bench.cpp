// ComputeReading over all 384 inputs, TimeCast with a question of 255 bytes, and the stroke
// counts of characters.
#include "core/casting.h"
#include "core/reading.h"
#include "core/strokes.h"

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

namespace {

void BM_ComputeReading(benchmark::State& state) {
    for (auto _ : state) {
        for (int outer = 1; outer <= 8; ++outer) {
            for (int inner = 1; inner <= 8; ++inner) {
                for (int line = 1; line <= 6; ++line) {
                    benchmark::DoNotOptimize(zandrel::ComputeReading(outer, inner, line));
                }
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 384);
    state.counters["ns_per_call"] =
        benchmark::Counter(static_cast<double>(state.iterations() * 384),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ComputeReading);

void BM_TimeCast255(benchmark::State& state) {
    std::string question(255, '\0');
    for (std::size_t i = 0; i < question.size(); ++i) {
        question[i] = static_cast<char>(i * 37 + 11);
    }
    int year = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zandrel::TimeCast(year, 5, 17, 3, question));
        year = (year + 1) % 102;
    }
}
BENCHMARK(BM_TimeCast255);

// A question of common characters, one of the rarest and a Latin letter (outside the table).
void BM_StrokesOf(benchmark::State& state) {
    constexpr std::u32string_view kText = U"今年事业如何问语龍陳鄭𪚥A";
    for (auto _ : state) {
        for (const char32_t c : kText) {
            benchmark::DoNotOptimize(zandrel::StrokesOf(c));
        }
    }
    state.counters["ns_per_call"] =
        benchmark::Counter(static_cast<double>(state.iterations() * kText.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_StrokesOf);

} // namespace

BENCHMARK_MAIN();
