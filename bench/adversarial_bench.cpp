// How the program copes with files anyone can put beside it. For each odd file it starts the
// main window on a data directory holding it, then times what a user would do with it: a cast
// whose reading shows the hexagram (or, for the log, opening View Log), and the hexagram's page
// in the browser and in the editor. Each case runs in a child process of its own, which reports its
// peak memory; one that crashes or runs past the time limit is reported as such instead of stopping
// the run. Targets: every step within 0.5 s, peak memory below 100 MB.
//
// Usage: adversarial_bench [seconds per case, default 60]. Needs a display or
// QT_QPA_PLATFORM=offscreen; the files are made in a temporary directory (the 100 GB one is
// sparse and takes no space).

#include "core/trigrams.h"
#include "gui/hex_text_dlg.h"
#include "gui/log_dlg.h"
#include "gui/main_dlg.h"
#include "gui/manage_text_dlg.h"
#include "gui/resource.h"
#include "platform/application.h"
#include "platform/pumping_wait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace zandrel;

struct Case {
    const char* name;
    const char* file;                  // made in the data directory
    std::function<void(int fd)> write; // its content
    int hexagram;                      // the custom text's hexagram, or 0 for the log
};

void WriteRepeated(int fd, char byte, long long count) {
    const std::string chunk(1 << 20, byte);
    while (count > 0) {
        const auto n = static_cast<std::size_t>(std::min<long long>(count, chunk.size()));
        if (::write(fd, chunk.data(), n) != static_cast<ssize_t>(n)) {
            std::perror("write");
            std::exit(3);
        }
        count -= static_cast<long long>(n);
    }
}

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"10 MB one-line custom text", "custom11.txt",
         [](int fd) { WriteRepeated(fd, 'x', 10'000'000); }, 11},
        {"1 MB of NUL as custom text", "custom12.txt",
         [](int fd) { WriteRepeated(fd, '\0', 1'000'000); }, 12},
        {"10 MB of CR as custom text", "custom13.txt",
         [](int fd) { WriteRepeated(fd, '\r', 10'000'000); }, 13},
        {"100 GB sparse custom text", "custom5.txt",
         [](int fd) {
             if (::ftruncate(fd, 100'000'000'000LL) != 0) {
                 std::perror("ftruncate");
                 std::exit(3);
             }
         },
         5},
        {"1 MB bare-LF log", "auvrel.log", [](int fd) { WriteRepeated(fd, '\n', 1'000'000); }, 0},
        {"10 MB CR-only log", "auvrel.log", [](int fd) { WriteRepeated(fd, '\r', 10'000'000); }, 0},
        {"100 GB sparse log", "auvrel.log",
         [](int fd) {
             if (::ftruncate(fd, 100'000'000'000LL) != 0) {
                 std::perror("ftruncate");
                 std::exit(3);
             }
         },
         0},
    };
    return cases;
}

double Seconds(QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// Runs one case in this (child) process and prints its figures.
int RunCase(const Case& c, int argc, char* argv[]) {
    QApplication application(argc, argv);
    Enable3dControlsStatic();
    QTemporaryDir directory;
    const std::string path = directory.path().toStdString() + "/" + c.file;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    c.write(fd);
    ::close(fd);

    std::uint32_t now = 0;
    SetTickCountSource([&now] { return now += 5000; }); // no splash wait

    QElapsedTimer timer;
    timer.start();
    Session session(directory.path().toStdString(), Language::English);
    CMainDlg window(session);
    window.Create();
    QCoreApplication::processEvents();
    std::printf("  start-up        %8.3f s\n", Seconds(timer));
    std::fflush(stdout);

    if (c.hexagram != 0) {
        for (Trigram outer = 1; outer <= 8; ++outer) {
            for (Trigram inner = 1; inner <= 8; ++inner) {
                if (HexagramTable(outer, inner) == c.hexagram) {
                    timer.restart();
                    window.ShowReading(outer, inner, 1);
                    window.WriteLogEntry();
                    QCoreApplication::processEvents();
                    window.repaint();
                    std::printf("  cast            %8.3f s\n", Seconds(timer));
                    std::fflush(stdout);
                }
            }
        }
        timer.restart();
        CHexTextDlg browser(window.Texts(), &window);
        browser.Create();
        browser.SendCommand(IDC_HEXAGRAM1 + c.hexagram - 1);
        QCoreApplication::processEvents();
        browser.repaint();
        std::printf("  browser page    %8.3f s\n", Seconds(timer));
        timer.restart();
        // The editor changes the window's own texts, so it is opened as the user opens it.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* editor = qobject_cast<CManageTextDlg*>(QApplication::activeModalWidget());
            if (editor == nullptr) {
                return;
            }
            poll.stop();
            editor->DlgItem<CComboBox>(IDC_CUSTOM_HEXAGRAM)->setCurrentIndex(c.hexagram - 1);
            QCoreApplication::processEvents();
            editor->repaint();
            std::printf("  editor page     %8.3f s\n", Seconds(timer));
            editor->EndDialog(IDCANCEL);
        });
        poll.start(1);
        window.SendCommand(IDC_MANAGE_TEXT);
    } else {
        timer.restart();
        CLogDlg viewer(window.Texts().dataDirectory, Vocabulary::Of(window.Texts().language),
                       &window);
        viewer.Create();
        QCoreApplication::processEvents();
        viewer.repaint();
        std::printf("  view log        %8.3f s\n", Seconds(timer));
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("  peak memory     %8.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const int limit = argc > 1 ? std::atoi(argv[1]) : 60;
    for (const Case& c : Cases()) {
        std::printf("%s\n", c.name);
        std::fflush(stdout);
        const pid_t child = ::fork();
        if (child == 0) {
            ::alarm(static_cast<unsigned>(limit));
            std::_Exit(RunCase(c, argc, argv));
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) {
            std::printf("  did not finish within %d s\n", limit);
        } else if (WIFSIGNALED(status)) {
            std::printf("  crashed: %s\n", strsignal(WTERMSIG(status)));
        } else if (WEXITSTATUS(status) != 0) {
            std::printf("  failed with status %d\n", WEXITSTATUS(status));
        }
    }
    return 0;
}
