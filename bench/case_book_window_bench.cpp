// The case book window over 100 000 records: for each search typed and confirmed with Enter,
// the time until the list shows its first rows (target: within 20 ms), the time until the line
// under it gives the exact count, and the longest the window's event loop stood still in
// between (how long the window was frozen). Then the same for opening the window and for a
// refresh after another connection wrote to the book.
//
// A plain program that prints its figures; it needs a display or QT_QPA_PLATFORM=offscreen.
// The case book is made in a child process first, which takes a while.
// "case_book_window_bench N" uses N records instead of 100 000.

#include "app/session.h"
#include "bench/case_book_samples.h"
#include "casebook/case_book.h"
#include "gui/case_book_dlg.h"
#include "gui/resource.h"
#include "platform/application.h"
#include "platform/list_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace zandrel;
using bench::Sample;

// Made in a child process, so that the window's process starts with a book it did not write.
void Fill(const std::string& directory, int count) {
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        CaseBookError error;
        auto book = CaseBook::Open(directory, &error);
        std::vector<CaseRecord> batch;
        for (int n = 0; n < count; ++n) {
            batch.push_back(Sample(n));
            if (batch.size() == 10000 || n + 1 == count) {
                if (!book || !book->Merge(batch, nullptr, &error)) {
                    std::fprintf(stderr, "could not fill the case book: %s\n",
                                 error.detail.c_str());
                    ::_exit(1);
                }
                batch.clear();
            }
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::exit(1);
    }
}

// The longest time between two turns of the event loop while it lasts, give or take the
// millisecond it sleeps between looks (a timer of 0 ms would take a processor from the count).
class StallMeter {
public:
    StallMeter() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, Ms(since_));
            since_.restart();
        });
        since_.start();
        timer_.start();
    }
    double Longest() {
        longest_ = std::max(longest_, Ms(since_));
        return longest_;
    }

    static double Ms(const QElapsedTimer& timer) {
        return static_cast<double>(timer.nsecsElapsed()) / 1e6;
    }

private:
    QTimer timer_;
    QElapsedTimer since_;
    double longest_ = 0;
};

struct Figures {
    double store = 0;   // the store's own first page, for comparison
    double shown = 0;   // the first rows painted
    double counted = 0; // the exact count on the line
    double stall = 0;
};

// Runs `act`, paints the list as it then stands, and waits for the line to read `line`.
template <typename Act> Figures Measure(CCaseBookDlg& dialog, const std::string& line, Act act) {
    StallMeter stalls;
    QElapsedTimer timer;
    timer.start();
    act();
    dialog.DlgItem<CListView>(IDC_CASE_LIST)->viewport()->repaint();
    Figures figures;
    figures.shown = StallMeter::Ms(timer);
    while (dialog.GetDlgItemText(IDC_CASE_COUNT) != line) {
        if (timer.elapsed() > 20000) {
            std::printf("  the line never read \"%s\", but \"%s\"\n", line.c_str(),
                        dialog.GetDlgItemText(IDC_CASE_COUNT).c_str());
            break;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    figures.counted = StallMeter::Ms(timer);
    figures.stall = stalls.Longest();
    return figures;
}

std::string CountLine(CaseBook& book, const CaseFilter& filter) {
    const std::int64_t count = book.Count(filter).value_or(-1);
    const std::int64_t total = book.Count({}).value_or(-1);
    return count == total ? std::to_string(count) + " records"
                          : std::to_string(count) + " of " + std::to_string(total) + " records";
}

// How long the store takes for the first page of `filter` by itself.
double StorePage(CaseBook& book, const CaseFilter& filter) {
    QElapsedTimer timer;
    timer.start();
    book.Page(filter, 0, CCaseBookDlg::kPageRows);
    return StallMeter::Ms(timer);
}

void Print(const char* what, const Figures& figures) {
    std::printf("  %-40s first rows %6.1f ms (the store's page %6.1f ms), count %7.1f ms, "
                "longest stall %6.1f ms\n",
                what, figures.shown, figures.store, figures.counted, figures.stall);
}

} // namespace

int main(int argc, char* argv[]) {
    const int records = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir directory;
    const std::string path = directory.path().toStdString();
    Fill(path, records);
    std::printf("case book window over %d records\n", records);

    QApplication application(argc, argv);
    Enable3dControlsStatic();
    Session session(path, Language::English);
    CaseBookError error;
    auto other = CaseBook::Open(path, &error);
    if (!other) {
        std::fprintf(stderr, "cannot open the case book: %s\n", error.detail.c_str());
        return 1;
    }

    CCaseBookDlg dialog(session, {});
    Figures opening = Measure(dialog, CountLine(*other, {}), [&] {
        dialog.Create();
        dialog.Bring();
    });
    opening.store = StorePage(*other, {});
    Print("opening the window", opening);

    // Each search twice: the first reads the file into the cache, the second is what a user
    // who searches again waits for.
    const char* searches[] = {"neighbour", "婚姻", "cat 12345", "rain", ""};
    for (int round = 0; round < 2; ++round) {
        for (const char* search : searches) {
            const CaseFilter filter{.search = search};
            const std::string line = CountLine(*other, filter);
            dialog.SetDlgItemText(IDC_CASE_SEARCH, search);
            Figures figures = Measure(dialog, line, [&] { dialog.SendCommand(IDOK, BN_CLICKED); });
            figures.store = StorePage(*other, filter);
            if (round == 1) {
                Print((std::string("search '") + search + "'").c_str(), figures);
            }
        }
    }

    // Another connection adds a record that the search finds: the window notices at its next
    // look.
    const CaseFilter filter{.search = "婚姻"};
    dialog.SetDlgItemText(IDC_CASE_SEARCH, "婚姻");
    dialog.SendCommand(IDOK, BN_CLICKED);
    Measure(dialog, CountLine(*other, filter), [] {});
    other->Add(Sample(1), nullptr);
    Figures figures =
        Measure(dialog, CountLine(*other, filter), [&] { dialog.RefreshIfChanged(); });
    figures.store = StorePage(*other, filter);
    Print("refresh of search '婚姻' after an addition", figures);
    return 0;
}
