// ComputeReading over all 384 inputs and TimeCast with a question of 255 bytes.
#include "core/casting.h"
#include "core/reading.h"

#include <benchmark/benchmark.h>

#include <string>

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

} // namespace

BENCHMARK_MAIN();
