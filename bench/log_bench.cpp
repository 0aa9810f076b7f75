// Appending an entry to a nearly full log and building the viewer's text of logs of one and
// ten and a hundred times the size limit.
#include "log/query_log.h"
#include "tests/support/fault_helpers.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

const std::tm kTime = [] {
    std::tm t{};
    t.tm_year = 101;
    t.tm_mon = 2;
    t.tm_mday = 7;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 7;
    t.tm_wday = 3;
    return t;
}();

std::string SampleEntry() {
    return zandrel::LogEntryBytes(
        "Will the plan work?",
        "Hexagram 1 Creative Yang Force\r\nContinuing firmly and correctly will lead to great "
        "success.\r\n",
        "Line 1\r\nIt is not a good time to make important decisions.\r\n",
        "Hexagram 44 Encounter\r\nInferior people will gain power if you do not regard them as "
        "dangerous. Be aware of this.\r\n",
        kTime);
}

// A log of exactly `size` bytes made of whole entries, the last one cut to fit.
std::string SampleLog(std::size_t size) {
    const std::string entry = SampleEntry();
    std::string log;
    log.reserve(size + entry.size());
    while (log.size() < size) {
        log += entry;
    }
    log.resize(size);
    return log;
}

void BM_AppendTo511000(benchmark::State& state) {
    zandrel::fixtures::TempDir dir;
    const std::string path = dir.File(zandrel::kLogFileName);
    dir.Write(zandrel::kLogFileName, SampleLog(511000));
    const std::string entry = SampleEntry();
    for (auto _ : state) {
        const zandrel::FileError error = zandrel::AppendLogEntry(dir.Path(), entry);
        state.PauseTiming();
        if (error.Failed()) {
            state.SkipWithError(error.Message().c_str());
            break;
        }
        std::filesystem::resize_file(path, 511000);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AppendTo511000)->Unit(benchmark::kMicrosecond);

void BM_LogDisplayText(benchmark::State& state) {
    const std::string log = SampleLog(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(zandrel::LogDisplayText(log));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LogDisplayText)
    ->Arg(512000)
    ->Arg(5120000)
    ->Arg(51200000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The same from the file, as the viewer does it: open, read, build the text.
void BM_LoadLogText(benchmark::State& state) {
    zandrel::fixtures::TempDir dir;
    dir.Write(zandrel::kLogFileName, SampleLog(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        benchmark::DoNotOptimize(zandrel::LoadLogText(dir.Path()));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LoadLogText)->Arg(512000)->Arg(5120000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
