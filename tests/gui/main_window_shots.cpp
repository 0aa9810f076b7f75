// Saves pictures of the main window for a person to look at: empty after start-up, showing
// a reading, its system menu, the about box and the splash. Usage: main_window_shots <folder>
// [outer inner changeLine]. Its data directory is a temporary one, so it reads no custom texts
// and writes nothing else.

#include "gui/about_dlg.h"
#include "gui/main_dlg.h"
#include "gui/resource.h"
#include "platform/application.h"
#include "platform/pumping_wait.h"

#include <QApplication>
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
    return 0;
}
