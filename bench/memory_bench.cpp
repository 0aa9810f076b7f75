// The program's memory with the largest files it accepts: all 64 custom text files holding
// eight texts at the cap, and a query log at the viewer's limit (its newest 4 MiB, 65536
// lines). Each case starts the main window over a data directory holding its files, then opens
// View Log, and prints after each step the peak resident memory and the heap in use; the text
// records' own share is printed too. Target: the worst case, both files and View Log open,
// under 100 MB.
//
// Each case runs in a child process of its own, so that peaks do not carry over;
// "memory_bench --case N" runs case N alone in the process, for a heap profiler such as
// heaptrack. Needs a display or QT_QPA_PLATFORM=offscreen; the files are made in a temporary
// directory.

#include "gui/log_dlg.h"
#include "gui/main_dlg.h"
#include "log/query_log.h"
#include "platform/application.h"
#include "platform/pumping_wait.h"
#include "text/custom_file.h"

#include <QApplication>
#include <QTemporaryDir>

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using namespace zandrel;

constexpr double kMiB = 1024.0 * 1024.0;

struct Case {
    const char* name;
    bool texts;
    bool log;
};

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void MakeFiles(const Case& c, const std::string& directory) {
    if (c.texts) {
        // Plain letters: the most characters a text at the cap can hold, which is what
        // costs Qt the most once shown.
        EightTexts texts;
        texts.fill(std::string(kMaxCustomTextBytes, 'x'));
        const std::string bytes = CustomFileBytes(texts);
        for (int n = 1; n <= 64; ++n) {
            WriteFile(directory + "/custom" + std::to_string(n) + ".txt", bytes);
        }
    }
    if (c.log) {
        // Exactly as many bytes and lines as the viewer shows.
        const std::string line(kLogViewBytes / kLogViewLines - 2, 'q');
        std::string log;
        log.reserve(kLogViewBytes);
        for (std::size_t i = 0; i < kLogViewLines; ++i) {
            log += line + "\r\n";
        }
        WriteFile(directory + "/auvrel.log", log);
    }
}

double PeakMiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double HeapMiB() {
    const struct mallinfo2 info = ::mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / kMiB;
}

double RecordsMiB(const HexagramTexts& texts) {
    std::size_t bytes = 0;
    for (const HexagramText& r : texts) {
        for (const std::string* text : {&r.title, &r.mainText}) {
            bytes += text->capacity();
        }
        for (const std::string& text : r.lineTexts) {
            bytes += text.capacity();
        }
    }
    return static_cast<double>(bytes) / kMiB;
}

void PrintStep(const char* step) {
    std::printf("  %-22s peak %7.1f MiB   heap in use %7.1f MiB\n", step, PeakMiB(), HeapMiB());
    std::fflush(stdout);
}

int RunCase(const Case& c, int argc, char* argv[]) {
    QApplication application(argc, argv);
    Enable3dControlsStatic();
    QTemporaryDir directory;
    MakeFiles(c, directory.path().toStdString());
    std::uint32_t now = 0;
    SetTickCountSource([&now] { return now += 5000; }); // no splash wait

    Session session(directory.path().toStdString(), Language::English);

    CMainDlg window(session);
    window.Create();
    QCoreApplication::processEvents();
    PrintStep("main window up");
    std::printf("  %-22s %7.1f MiB\n", "text records hold",
                RecordsMiB(window.Texts().hexagramTexts));

    CLogDlg viewer(window.Texts().dataDirectory, Vocabulary::Of(window.Texts().language), &window);
    viewer.Create();
    QCoreApplication::processEvents();
    viewer.repaint();
    PrintStep("View Log open");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const Case cases[] = {
        {"no files", false, false},
        {"64 custom files at the cap", true, false},
        {"a log at the viewer's limit", false, true},
        {"both (worst case; target < 100 MB)", true, true},
    };
    // "--case N" runs case N (from 0) in this process, for a heap profiler.
    if (argc > 2 && std::strcmp(argv[1], "--case") == 0) {
        const int n = std::atoi(argv[2]);
        return n >= 0 && n < 4 ? RunCase(cases[n], argc, argv) : 2;
    }
    for (const Case& c : cases) {
        std::printf("%s\n", c.name);
        std::fflush(stdout);
        const pid_t child = ::fork();
        if (child == 0) {
            std::_Exit(RunCase(c, argc, argv));
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::printf("  failed\n");
            return 1;
        }
    }
    return 0;
}
