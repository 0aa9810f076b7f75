// The case book with 100 000 records against an empty one: the time to open it, to count and
// read the first page of the list, to search (a word of three characters and more goes through
// the trigram index, a shorter one is looked for in the text), to count the statistics and to
// export every record as JSON; and the peak resident memory (VmHWM) of each case. Target: the
// memory with 100 000 records within 20 MB of the empty case's.
//
// Then the program itself, as a user runs it in the folder of each book: `zandrel cast
// --numbers 1 2 --log` and `zandrel journal list`, each the median of several runs. Target: a
// cast into the full book costs about what it costs into the empty one (no whole-file check at
// each open). With "--cold" the page cache is dropped before each run (root only).
//
// Each case runs in a child process of its own, so that peaks do not carry over. The case
// books are made in a temporary directory; making the full one takes a while.
// "case_book_bench N" uses N records instead of 100 000.

#include "bench/case_book_samples.h"
#include "casebook/case_book.h"
#include "casebook/exchange.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <vector>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace zandrel;
using bench::Sample;
using bench::StatusKiB;

void Fill(const std::string& directory, int count) {
    CaseBookError error;
    auto book = CaseBook::Open(directory, &error);
    std::vector<CaseRecord> batch;
    for (int n = 0; n < count; ++n) {
        batch.push_back(Sample(n));
        if (batch.size() == 10000 || n + 1 == count) {
            if (!book || !book->Merge(batch, nullptr, &error)) {
                std::fprintf(stderr, "could not fill the case book: %s\n", error.detail.c_str());
                std::exit(1);
            }
            batch.clear();
        }
    }
}

double Ms(QElapsedTimer& timer) {
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    return ms;
}

// Opens, lists, searches and counts, as the window does when it opens.
void Browse(const std::string& directory) {
    QElapsedTimer timer;
    timer.start();
    CaseBookError error;
    auto book = CaseBook::Open(directory, &error);
    if (!book) {
        std::printf("  cannot open: %s\n", error.detail.c_str());
        return;
    }
    const double open = Ms(timer);
    const std::int64_t count = book->Count({}).value_or(0);
    const auto page = book->Page({}, 0, 100);
    const double list = Ms(timer);
    const auto deep = book->Page({}, count / 2, 100);
    const double middle = Ms(timer);
    const CaseFilter indexed{.search = "neighbour"};
    const std::int64_t foundIndexed = book->Count(indexed).value_or(0);
    book->Page(indexed, 0, 100);
    const double searchIndexed = Ms(timer);
    const CaseFilter scanned{.search = "婚姻"};
    const std::int64_t foundScanned = book->Count(scanned).value_or(0);
    book->Page(scanned, 0, 100);
    const double searchScanned = Ms(timer);
    const CaseStatistics statistics = book->Statistics();
    const double stats = Ms(timer);
    std::printf("  open %.1f ms; count (%lld) and first page %.1f ms; a page in the middle %.1f "
                "ms\n  search 'neighbour' (%lld) %.1f ms; search '婚姻' (%lld) %.1f ms; "
                "statistics (%lld) %.1f ms\n",
                open, static_cast<long long>(count), list, middle,
                static_cast<long long>(foundIndexed), searchIndexed,
                static_cast<long long>(foundScanned), searchScanned,
                static_cast<long long>(statistics.overall.total), stats);
    (void)page;
    (void)deep;
}

void Export(const std::string& directory) {
    QElapsedTimer timer;
    timer.start();
    auto book = CaseBook::Open(directory, nullptr);
    std::ofstream out(directory + "/export.json", std::ios::binary);
    CaseExportWriter writer(out, ExportFormat::Json);
    writer.Begin();
    long long records = 0;
    book->ForEach({}, [&](const CaseRecord& record) {
        writer.Add(record);
        ++records;
        return true;
    });
    writer.End();
    out.close();
    std::ifstream size(directory + "/export.json", std::ios::binary | std::ios::ate);
    std::printf("  export of %lld records as JSON: %.0f ms, %.1f MB\n", records, Ms(timer),
                static_cast<double>(size.tellg()) / 1e6);
}

template <typename Action> void InChild(const char* name, Action action) {
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        std::printf("%s\n", name);
        action();
        std::printf("  peak memory %.1f MB (VmHWM), now %.1f MB (VmRSS)\n",
                    StatusKiB("VmHWM:") * 1024.0 / 1e6, StatusKiB("VmRSS:") * 1024.0 / 1e6);
        std::fflush(stdout);
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
}

// The wall time of the program run with `arguments` in `directory`, its output thrown away.
double RunProgram(const std::string& directory, const std::vector<const char*>& arguments,
                  bool cold) {
    if (cold) {
        ::sync();
        std::ofstream("/proc/sys/vm/drop_caches") << "3\n";
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        if (::chdir(directory.c_str()) != 0) {
            ::_exit(127);
        }
        std::vector<char*> argv{const_cast<char*>(ZANDREL_PROGRAM)};
        for (const char* argument : arguments) {
            argv.push_back(const_cast<char*>(argument));
        }
        argv.push_back(nullptr);
        ::execv(ZANDREL_PROGRAM, argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::printf("  (the program failed: status %d)\n", status);
    }
    return ms;
}

double Median(const std::string& directory, const std::vector<const char*>& arguments, bool cold,
              int runs) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        times.push_back(RunProgram(directory, arguments, cold));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Commands(const std::string& emptyPath, const std::string& fullPath, bool cold) {
    const int runs = cold ? 5 : 11;
    for (const auto& [name, arguments] :
         {std::pair<const char*, std::vector<const char*>>{
              "cast --numbers 1 2 --log", {"cast", "--numbers", "1", "2", "--log"}},
          {"journal list", {"journal", "list"}}}) {
        const double empty = Median(emptyPath, arguments, cold, runs);
        const double full = Median(fullPath, arguments, cold, runs);
        std::printf("zandrel %s%s: empty book %.1f ms, full book %.1f ms (median of %d)\n", name,
                    cold ? ", cold" : "", empty, full, runs);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const bool cold = argc > 1 && std::string(argv[1]) == "--cold";
    if (cold) {
        --argc;
        ++argv;
    }
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir empty;
    QTemporaryDir full;
    const std::string emptyPath = empty.path().toStdString();
    const std::string fullPath = full.path().toStdString();
    InChild("making an empty case book", [&] { Fill(emptyPath, 0); });
    InChild("making a full case book", [&] { Fill(fullPath, count); });
    std::ifstream size(fullPath + "/" + kCaseBookFileName, std::ios::binary | std::ios::ate);
    std::printf("  %d records: %.1f MB on disk\n", count, static_cast<double>(size.tellg()) / 1e6);
    InChild("empty case book", [&] { Browse(emptyPath); });
    InChild("full case book", [&] { Browse(fullPath); });
    InChild("export, full case book", [&] { Export(fullPath); });
    std::fflush(stdout);
    Commands(emptyPath, fullPath, cold);
    return 0;
}
