// Saves pictures of the main window for a person to look at: empty after start-up, showing
// a reading, its system menu, the about box and the splash; and the case book window over 450
// records, a search before and after its count, and the box of a note written elsewhere while
// the user wrote in it. Usage: main_window_shots <folder>
// [outer inner changeLine]. Its data directory is a temporary one, so it reads no custom texts
// and writes nothing else.

#include "casebook/case_book.h"
#include "gui/about_dlg.h"
#include "gui/case_book_dlg.h"
#include "gui/main_dlg.h"
#include "gui/resource.h"
#include "platform/application.h"
#include "platform/list_view.h"
#include "platform/pumping_wait.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace zandrel;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2 && argc != 5) {
        std::fprintf(stderr, "usage: %s <folder> [outer inner changeLine]\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const int outer = argc == 5 ? std::atoi(argv[2]) : 1;
    const int inner = argc == 5 ? std::atoi(argv[3]) : 8;
    const int changeLine = argc == 5 ? std::atoi(argv[4]) : 5;

    QTemporaryDir directory;
    Enable3dControlsStatic();
    std::uint32_t now = 0;
    SetTickCountSource([&now] { return now += 5000; }); // no splash wait

    Session session(directory.path().toStdString(), Language::English);
    CMainDlg window(session);
    window.Create();
    const auto settle = [] { QCoreApplication::processEvents(); };
    settle();
    window.grab().save(out.filePath("main_empty.png"));
    window.ShowReading(outer, inner, changeLine);
    settle();
    window.grab().save(out.filePath("main_reading.png"));

    QMenu* menu = window.GetSystemMenu();
    menu->popup(window.mapToGlobal(QPoint(40, 40)));
    settle();
    menu->grab().save(out.filePath("system_menu.png"));
    menu->hide();

    CAboutDlg about(IDD_ABOUTBOX, &window);
    about.Create();
    settle();
    about.grab().save(out.filePath("about.png"));
    CAboutDlg splash(IDD_SPLASH, &window);
    splash.Create();
    settle();
    splash.grab().save(out.filePath("splash.png"));
    splash.hide();

    // 450 records, an hour apart, every other one of rain.
    CaseBookError error;
    auto book = CaseBook::Open(directory.path().toStdString(), &error);
    std::vector<CaseRecord> records;
    for (int n = 0; n < 450; ++n) {
        CaseRecord record;
        record.id = NewCaseId();
        record.castUtc = QDateTime(QDate(2025, 1, 1), QTime(8, 0), Qt::UTC)
                             .addSecs(3600LL * n)
                             .toString(Qt::ISODate)
                             .toStdString();
        record.method = n % 3 == 0 ? "general" : "numbers";
        record.question = (n % 2 == 0 ? "Will it rain on day " : "Sun on day ") +
                          std::to_string(n / 24 + 1) + "?";
        record.original = 1 + n % 64;
        record.final = 1 + (n + 7) % 64;
        record.readingText = "Hexagram " + std::to_string(record.original) + "\r\n";
        record.verdict = static_cast<Verdict>(n % 4);
        record.modifiedUtc = CaseStampNow();
        records.push_back(record);
    }
    if (!book || !book->Merge(records, nullptr, &error)) {
        std::fprintf(stderr, "could not fill the case book: %s\n", error.detail.c_str());
        return 1;
    }
    window.SendSysCommand(IDM_CASE_BOOK);
    CCaseBookDlg& cases = *window.CaseBookWindow();
    const auto counted = [&] {
        for (int i = 0; i < 1000 &&
                        (cases.GetDlgItemText(IDC_CASE_COUNT).empty() ||
                         cases.GetDlgItemText(IDC_CASE_COUNT).find("or more") != std::string::npos);
             ++i) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        }
    };
    counted();
    cases.SetDlgItemText(IDC_CASE_SEARCH, "rain");
    cases.SendCommand(IDOK);
    cases.grab().save(out.filePath("case_book_counting.png"));
    counted();
    // The user selects the first row.
    cases.DlgItem<CListView>(IDC_CASE_LIST)->SetCurSel(0);
    cases.SendCommand(IDC_CASE_LIST, LVN_ITEMCHANGED);
    settle();
    cases.grab().save(out.filePath("case_book.png"));

    // The user writes a note while the command line writes another.
    cases.GetDlgItem(IDC_CASE_NOTES)->setFocus();
    cases.SetDlgItemText(IDC_CASE_NOTES, "Rain by noon, then sun");
    book->SetNotes(cases.SelectedId(), "Drizzle all morning", nullptr);
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->grab().save(out.filePath("case_book_changed.png"));
            box->close();
        }
    });
    cases.SaveEdits();
    return 0;
}
