// Loading the custom texts of all 64 hexagrams from files of typical size.
#include "text/hexagram_text.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class CustomTextFiles {
public:
    CustomTextFiles() {
        std::string pattern = "/tmp/zandrel-bench-XXXXXX";
        dir_ = ::mkdtemp(pattern.data());
        for (int n = 1; n <= 64; ++n) {
            std::ofstream out(dir_ + "/" + zandrel::CustomFileName(n), std::ios::binary);
            out << "A title for hexagram " << n << "\r\n";
            out << std::string(180, 'm') << "\r\n";
            for (int k = 1; k <= 6; ++k) {
                out << std::string(120, static_cast<char>('a' + k)) << "\r\n";
            }
        }
    }
    ~CustomTextFiles() { std::filesystem::remove_all(dir_); }
    const std::string& Dir() const { return dir_; }

private:
    std::string dir_;
};

void BM_LoadCustomTexts64(benchmark::State& state) {
    const CustomTextFiles files;
    zandrel::HexagramTexts texts;
    for (auto _ : state) {
        zandrel::LoadCustomTexts(texts, files.Dir());
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BM_LoadCustomTexts64)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
