// An import of a large file into a case book: a JSON export of some 200 MB and a query log of
// the same size, each merged into an empty book, then the export again into the full one (every
// record already there); an export of records each as large as an import takes (about 8 MB);
// and /dev/zero, refused. For each: the time, the records, and the peak
// resident memory (VmHWM) of the process, against that of one that only opens an empty book.
// Target: the import's peak memory well under 100 MB whatever the file's size.
//
// Each case runs in a child process of its own, forked before anything is read, so that peaks
// do not carry over. The files and the books are made in a temporary directory.
// "import_bench N" makes files of about N MB instead of 200.

#include "bench/case_book_samples.h"
#include "casebook/case_book.h"
#include "casebook/exchange.h"
#include "casebook/import_reader.h"
#include "log/query_log.h"
#include "platform/local_time.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace zandrel;
using bench::Sample;
using bench::StatusKiB;

// Writes an export of at least `bytes` bytes, one record at a time; returns its records.
int MakeExport(const std::string& path, std::int64_t bytes) {
    std::ofstream out(path, std::ios::binary);
    CaseExportWriter writer(out, ExportFormat::Json);
    writer.Begin();
    int n = 0;
    for (; out.tellp() < bytes; ++n) {
        writer.Add(Sample(n));
    }
    writer.End();
    return n;
}

// Writes an export of `count` records each as large as an import takes: two texts just under
// kMaxImportTextBytes, the notes (which the search index takes in too) and the reading.
void MakeLargeExport(const std::string& path, int count) {
    std::ofstream out(path, std::ios::binary);
    CaseExportWriter writer(out, ExportFormat::Json);
    writer.Begin();
    for (int n = 0; n < count; ++n) {
        CaseRecord r = Sample(n);
        r.notes = std::string(kMaxImportTextBytes - 4096, 'n');
        r.readingText = std::string(kMaxImportTextBytes - 4096, 'r');
        writer.Add(r);
    }
    writer.End();
}

// Writes a query log of at least `bytes` bytes, each entry a second after the one before.
int MakeLog(const std::string& path, std::int64_t bytes) {
    std::ofstream out(path, std::ios::binary);
    int n = 0;
    for (; out.tellp() < bytes; ++n) {
        const CaseRecord r = Sample(n);
        out << LogEntryBytes(r.question, r.readingText, "", "", LocalTimeOf(1000000000 + n));
    }
    return n;
}

double FileMB(const std::string& path) {
    std::ifstream size(path, std::ios::binary | std::ios::ate);
    return static_cast<double>(size.tellg()) / 1e6;
}

// Merges the file at `path` into the book at `book`, as `zandrel journal import` does.
void Import(const std::string& path, const std::string& book) {
    QElapsedTimer timer;
    timer.start();
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        std::printf("  cannot open %s\n", path.c_str());
        return;
    }
    CaseImportReader reader(file);
    if (reader.Failed()) {
        std::printf("  refused (problem %d) after reading %lld bytes, %.1f ms\n",
                    static_cast<int>(reader.Problem().kind),
                    static_cast<long long>(reader.BytesRead()),
                    static_cast<double>(timer.nsecsElapsed()) / 1e6);
        return;
    }
    CaseBookError error;
    auto opened = CaseBook::OpenFile(book, &error);
    ImportCounts counts;
    if (!opened || !opened->Merge(reader, &counts, &error)) {
        std::printf("  failed: problem %d, %s\n", static_cast<int>(reader.Problem().kind),
                    error.detail.c_str());
        return;
    }
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    std::printf("  added %lld, updated %lld, skipped %lld in %.1f s: %.1f MB/s, %.0f records/s\n",
                static_cast<long long>(counts.added), static_cast<long long>(counts.updated),
                static_cast<long long>(counts.skipped), seconds,
                static_cast<double>(reader.BytesRead()) / 1e6 / seconds,
                static_cast<double>(counts.added + counts.updated + counts.skipped) / seconds);
}

// Reads the file at `path` record by record without merging: the reader's own share.
void ReadOnly(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return;
    }
    CaseImportReader reader(file);
    long long records = 0;
    while (reader.Next()) {
        ++records;
    }
    std::printf("  read %lld records, %s\n", records, reader.Failed() ? "failed" : "whole");
}

template <typename Action> void InChild(const char* name, Action action) {
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        std::printf("%s\n", name);
        action();
        std::printf("  peak memory %.1f MB (VmHWM), now %.1f MB (VmRSS)\n",
                    static_cast<double>(StatusKiB("VmHWM:")) * 1024.0 / 1e6,
                    static_cast<double>(StatusKiB("VmRSS:")) * 1024.0 / 1e6);
        std::fflush(stdout);
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::int64_t megabytes = argc > 1 ? std::atoll(argv[1]) : 200;
    QTemporaryDir directory;
    const std::string folder = directory.path().toStdString();
    const std::string exported = folder + "/export.json";
    const std::string log = folder + "/auvrel.log";
    const std::string large = folder + "/large.json";
    const int largeRecords = static_cast<int>(std::max<std::int64_t>(2, megabytes / 16));
    InChild("making the files", [&] {
        const int records = MakeExport(exported, megabytes * 1000000);
        const int entries = MakeLog(log, megabytes * 1000000);
        MakeLargeExport(large, largeRecords);
        std::printf("  an export of %d records, %.1f MB; a log of %d entries, %.1f MB; an export "
                    "of %d records of %.1f MB each\n",
                    records, FileMB(exported), entries, FileMB(log), largeRecords,
                    FileMB(large) / largeRecords);
    });
    InChild("an empty case book, opened", [&] {
        CaseBookError error;
        auto book = CaseBook::OpenFile(folder + "/empty.sqlite", &error);
        std::printf("  %s\n", book ? "open" : error.detail.c_str());
    });
    InChild("the export into an empty case book",
            [&] { Import(exported, folder + "/from-export.sqlite"); });
    InChild("the export again, into the full case book",
            [&] { Import(exported, folder + "/from-export.sqlite"); });
    InChild("the log into an empty case book", [&] { Import(log, folder + "/from-log.sqlite"); });
    InChild("an export of records as large as an import takes, read without merging",
            [&] { ReadOnly(large); });
    InChild("an export of records as large as an import takes, into an empty case book",
            [&] { Import(large, folder + "/from-large.sqlite"); });
    InChild("/dev/zero", [&] { Import("/dev/zero", folder + "/empty.sqlite"); });
    return 0;
}
