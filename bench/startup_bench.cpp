// Start-up figures of the program, printed as text:
//  - the time from process start to the main window's first paint, less the 2000 ms splash
//    (target: under 150 ms);
//  - the peak resident memory once the window is up (target: under 60 MB), and how much of
//    what is resident then is anonymous (the heap) rather than mapped files (libraries, fonts);
//  - the processor time that PumpingWait(1000) uses (target: under 20 ms; a polling wait uses
//    the whole second).
// The start is taken in a parent process just before it executes a child that starts the
// program exactly as main() does, so loading the libraries counts too. Needs a display, or
// QT_QPA_PLATFORM=offscreen.
//   startup_bench [LANGUAGE]   en (the default), zh_CN or zh_TW, as --language takes it

#include "app/languages.h"
#include "gui/language_session.h"
#include "gui/main_dlg.h"
#include "platform/application.h"
#include "platform/pumping_wait.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>

namespace {

constexpr double kSplashMilliseconds = 2000.0;

double Milliseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The process's resident anonymous memory, from /proc/self/status.
long AnonymousKb() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) {
        return 0;
    }
    char line[256];
    long kb = 0;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::sscanf(line, "RssAnon: %ld", &kb) == 1) {
            break;
        }
    }
    std::fclose(status);
    return kb;
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(zandrel::CMainDlg& window) : window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && shownAt_ < 0) {
            shownAt_ = Milliseconds(CLOCK_MONOTONIC);
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            peakKb_ = usage.ru_maxrss;
            anonKb_ = AnonymousKb();
            QTimer::singleShot(0, &window_, [this] { MeasureWaitAndClose(); });
        }
        return false;
    }

    void Print() const {
        std::printf("shown %.3f\npeak_kb %ld\nanon_kb %ld\nwait_cpu_ms %.3f\nwait_wall_ms %.3f\n",
                    shownAt_, peakKb_, anonKb_, waitCpu_, waitWall_);
    }

private:
    // While the main window is up, as during the casting animations.
    void MeasureWaitAndClose() {
        const double cpu = Milliseconds(CLOCK_PROCESS_CPUTIME_ID);
        const double wall = Milliseconds(CLOCK_MONOTONIC);
        zandrel::PumpingWait(1000);
        waitCpu_ = Milliseconds(CLOCK_PROCESS_CPUTIME_ID) - cpu;
        waitWall_ = Milliseconds(CLOCK_MONOTONIC) - wall;
        window_.EndDialog(zandrel::IDCANCEL);
    }

    zandrel::CMainDlg& window_;
    double shownAt_ = -1;
    long peakKb_ = 0;
    long anonKb_ = 0;
    double waitCpu_ = 0;
    double waitWall_ = 0;
};

int RunProgram(int argc, char* argv[], zandrel::Language language) {
    QApplication application(argc, argv);
    const zandrel::LanguageSession session(language);
    QTemporaryDir directory; // the program's files, if it wrote any, land here
    zandrel::Enable3dControlsStatic();
    zandrel::Session windowSession(directory.path().toStdString(), language);
    zandrel::CMainDlg window(windowSession);
    FirstPaint probe(window);
    window.installEventFilter(&probe);
    window.DoModal();
    probe.Print();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool program = argc > 1 && std::strcmp(argv[1], "--program") == 0;
    const char* name = argc > (program ? 2 : 1) ? argv[program ? 2 : 1] : "en";
    const std::optional<zandrel::Language> language = zandrel::LanguageNamed(name);
    if (!language) {
        std::fprintf(stderr, "unknown language '%s'\n", name);
        return 2;
    }
    if (program) {
        return RunProgram(argc, argv, *language);
    }
    int out[2];
    if (pipe(out) != 0) {
        std::perror("pipe");
        return 1;
    }
    const double start = Milliseconds(CLOCK_MONOTONIC);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        char flag[] = "--program";
        std::string languageName(name);
        char* args[] = {argv[0], flag, languageName.data(), nullptr};
        execv("/proc/self/exe", args);
        _exit(127);
    }
    close(out[1]);
    std::string report;
    char buffer[512];
    ssize_t got = 0;
    while ((got = read(out[0], buffer, sizeof buffer)) > 0) {
        report.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);

    double shown = -1;
    long peakKb = 0;
    long anonKb = 0;
    double waitCpu = 0;
    double waitWall = 0;
    if (std::sscanf(report.c_str(),
                    "shown %lf\npeak_kb %ld\nanon_kb %ld\nwait_cpu_ms %lf\nwait_wall_ms %lf",
                    &shown, &peakKb, &anonKb, &waitCpu, &waitWall) != 5 ||
        shown < 0) {
        std::fprintf(stderr, "the program did not report its start-up:\n%s\n", report.c_str());
        return 1;
    }
    std::printf("language: %s\n", name);
    std::printf("start-up to main window shown, less the %.0f ms splash: %.1f ms (target < 150)\n",
                kSplashMilliseconds, shown - start - kSplashMilliseconds);
    std::printf("peak resident memory after start-up: %.1f MiB (target < 60 MB)\n",
                static_cast<double>(peakKb) / 1024.0);
    std::printf("of the resident memory then, anonymous: %.1f MiB\n",
                static_cast<double>(anonKb) / 1024.0);
    std::printf("processor time of PumpingWait(1000): %.1f ms over %.1f ms (target < 20)\n",
                waitCpu, waitWall);
    return 0;
}
