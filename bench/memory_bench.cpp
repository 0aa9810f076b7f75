// The program's memory with the largest files it accepts: all 64 custom text files holding
// eight texts at the cap, and a query log at the viewer's limit (its newest 4 MiB, 65536
// lines), plain, with one control character, or as one line without line ends. Each case
// starts the main window over a data directory holding its files and shows it, then opens View
// Log as its button does (a modal dialog), and prints after each step the peak resident memory
// (VmHWM) and the heap in use; the text records' own share is printed too. Target: every case
// under 100 MB (10^6 bytes).
//
// It measures the window on the display it is given: the real window under X (for example
// xvfb-run -a memory_bench), or QT_QPA_PLATFORM=offscreen, which costs some 10 MiB less.
// Each case runs in a child process of its own, so that peaks do not carry over;
// "memory_bench --case N" runs case N alone in the process, for a heap profiler such as
// heaptrack. The files are made in a temporary directory.

#include "gui/main_dlg.h"
#include "gui/resource.h"
#include "log/query_log.h"
#include "platform/application.h"
#include "platform/pumping_wait.h"
#include "text/custom_file.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace zandrel;

constexpr double kMiB = 1024.0 * 1024.0;

enum class Log { None, Plain, Control, OneLine };

struct Case {
    const char* name;
    bool texts;
    Log log;
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
    if (c.log != Log::None) {
        // Exactly as many bytes and lines as the viewer shows, or as many bytes in one line,
        // which the viewer breaks into blocks.
        std::string log;
        if (c.log == Log::OneLine) {
            log.assign(kLogViewBytes, 'q');
        } else {
            const std::string line(kLogViewBytes / kLogViewLines - 2, 'q');
            log.reserve(kLogViewBytes);
            for (std::size_t i = 0; i < kLogViewLines; ++i) {
                log += line + "\r\n";
            }
        }
        if (c.log == Log::Control) {
            log[10] = '\a'; // shown as its symbol
        }
        WriteFile(directory + "/auvrel.log", log);
    }
}

// The peak resident memory of this process so far, in bytes.
double PeakBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtod(line.c_str() + 6, nullptr) * 1024.0;
        }
    }
    return 0;
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
    const double peak = PeakBytes();
    std::printf("  %-22s peak %6.1f MiB = %6.1f MB   heap in use %6.1f MiB\n", step, peak / kMiB,
                peak / 1e6, HeapMiB());
    std::fflush(stdout);
}

// Waits a moment for whatever the window still has to do, painting first of all.
void Settle() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
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
    Settle();
    std::printf("  on the platform %s\n", qPrintable(QGuiApplication::platformName()));
    PrintStep("main window up");
    std::printf("  %-22s %6.1f MiB\n", "text records hold",
                RecordsMiB(window.Texts().hexagramTexts));

    // View Log as its button opens it; once it is painted, its figures are taken and it is
    // closed as Escape closes it.
    QTimer::singleShot(0, [] {
        Settle();
        PrintStep("View Log open");
        if (QWidget* viewer = QApplication::activeModalWidget()) {
            viewer->close();
        } else {
            std::printf("  View Log did not open\n");
            std::_Exit(1);
        }
    });
    window.SendCommand(IDC_VIEW_LOG);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const Case cases[] = {
        {"no files", false, Log::None},
        {"64 custom files at the cap", true, Log::None},
        {"a log at the viewer's limit", false, Log::Plain},
        {"both", true, Log::Plain},
        {"both, one control character in the log", true, Log::Control},
        {"both, the log one line", true, Log::OneLine},
    };
    constexpr int kCases = static_cast<int>(std::size(cases));
    // "--case N" runs case N (from 0) in this process, for a heap profiler.
    if (argc > 2 && std::strcmp(argv[1], "--case") == 0) {
        const int n = std::atoi(argv[2]);
        return n >= 0 && n < kCases ? RunCase(cases[n], argc, argv) : 2;
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
