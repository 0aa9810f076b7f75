// The main window: start-up, its empty state, the reading display, its keys, its system menu
// with the about box, and the log viewer and the log reset. Every window runs in a temporary
// data directory, the program's only place for files.

#include "core/reading.h"
#include "gui/about_dlg.h"
#include "gui/log_dlg.h"
#include "gui/main_dlg.h"
#include "gui/resource.h"
#include "platform/pumping_wait.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/platform/gui_test_support.h"
#include "text/reading_text.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace zandrel;
using namespace zandrel::test;

class MainDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void startsEmptyWithListsFilledAndIdleButtons();
    void showsEveryElementOfAReading_data();
    void showsEveryElementOfAReading();
    void rolesAndMarkerFollowTheChangeLine();
    void secondReadingLeavesNoTraceOfTheFirst();
    void readingTextUsesCustomTextsLoadedAtStart();
    void everyReadingFitsItsLabels();
    void tabVisitsTheEnabledControlsInOrder();
    void escapeAndEnterCloseWithoutWritingFiles_data();
    void escapeAndEnterCloseWithoutWritingFiles();
    void clicksOnTheDisplayChangeNothing_data();
    void clicksOnTheDisplayChangeNothing();
    void systemMenuEndsWithAboutWhichOpensTheAboutBox_data();
    void systemMenuEndsWithAboutWhichOpensTheAboutBox();
    void splashShowsForTwoSecondsBeforeTheWindow();
    void logViewerShowsTheLog_data();
    void logViewerShowsTheLog();
    void deleteLogAsksFirst_data();
    void deleteLogAsksFirst();
};

void MainDlgTest::startsEmptyWithListsFilledAndIdleButtons() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();

    QCOMPARE(Images(window), kEmptyImages);
    QCOMPARE(Labels(window), kEmptyLabels);
    QCOMPARE(CheckedMarkers(window), QList<int>());
    QCOMPARE(ListEntries(window), (QStringList{"1998", "Jan", "1", "11PM - 1AM"}));
    QCOMPARE(window.GetDlgItemText(IDC_HEXAGRAM_TEXT), std::string());
    QCOMPARE(window.LastReadingText().originalText + window.LastReadingText().lineText +
                 window.LastReadingText().finalText,
             std::string());
    const int counts[] = {102, 12, 31, 12};
    for (std::size_t i = 0; i < std::size(kLists); ++i) {
        QCOMPARE(window.DlgItem<CComboBox>(kLists[i])->count(), counts[i]);
    }
    QCOMPARE(window.DlgItem<CComboBox>(IDC_PERIOD)->ItemText(7), std::string("1PM - 3-PM"));
    for (int id : {IDC_INNER_TRIGRAM, IDC_RUN, IDC_VIEW_LOG, IDC_DELETE_LOG, IDC_VIEW_TEXT,
                   IDC_MANAGE_TEXT}) {
        QVERIFY2(window.GetDlgItem(id)->isEnabled(), qPrintable(QString::number(id)));
    }
    QVERIFY(!window.GetDlgItem(IDC_OUTER_TRIGRAM)->isEnabled());
    QVERIFY(!window.GetDlgItem(IDC_CHANGE_LINE)->isEnabled());
    QCOMPARE(QApplication::focusWidget(), window.GetDlgItem(IDC_INNER_TRIGRAM));
    QCOMPARE(window.windowTitle(), QStringLiteral("Zandrel"));
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(window.Question().empty());
}

void MainDlgTest::showsEveryElementOfAReading_data() {
    QTest::addColumn<int>("outer");
    QTest::addColumn<int>("inner");
    QTest::addColumn<int>("changeLine");
    QTest::addColumn<QList<int>>("images");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("checked");

    // Images in kImages order, labels in kLabels order.
    QTest::newRow("outer 1, inner 8, line 5")
        << 1 << 8 << 5 << QList<int>{145, 152, 134, 141, 138, 140, 136, 141}
        << QStringList{"Use",    "Body",    "-Metal-", "(Earth)", "-Wood-", "+Earth+",
                       "+Fire+", "+Earth+", "12",      "5",       "35"}
        << IDC_LINE5;
    QTest::newRow("outer 1, inner 8, line 2")
        << 1 << 8 << 2 << QList<int>{145, 152, 134, 141, 138, 140, 134, 139}
        << QStringList{"Body",    "Use",     "(Metal)", "+Earth+", "+Wood+", "+Earth+",
                       "+Metal+", "-Water-", "12",      "2",       "6"}
        << IDC_LINE2;
}

void MainDlgTest::showsEveryElementOfAReading() {
    QFETCH(int, outer);
    QFETCH(int, inner);
    QFETCH(int, changeLine);
    QFETCH(QList<int>, images);
    QFETCH(QStringList, labels);
    QFETCH(int, checked);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();

    window.ShowReading(outer, inner, changeLine);

    QCOMPARE(Images(window), images);
    QCOMPARE(Labels(window), labels);
    QCOMPARE(CheckedMarkers(window), QList<int>{checked});
    const ReadingText text = ReadingTextOf(window, outer, inner, changeLine);
    QCOMPARE(window.LastReadingText().originalText, text.originalText);
    QCOMPARE(window.LastReadingText().lineText, text.lineText);
    QCOMPARE(window.LastReadingText().finalText, text.finalText);
    QCOMPARE(window.GetDlgItemText(IDC_HEXAGRAM_TEXT),
             text.originalText + text.lineText + text.finalText);
    QCOMPARE(window.DlgItem<CTextViewer>(IDC_HEXAGRAM_TEXT)->FirstVisibleLine(), 0);
    QVERIFY(fixture.Files().isEmpty());
}

void MainDlgTest::rolesAndMarkerFollowTheChangeLine() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const auto text = [&](int id) { return window.DlgItem<CButton>(id)->GetWindowText(); };
    const auto image = [&](int id) { return window.DlgItem<CBitmapButton>(id)->BitmapId(); };

    for (int changeLine = 1; changeLine <= 6; ++changeLine) {
        window.ShowReading(3, 6, changeLine);
        const bool bodyIsOuter = changeLine <= 3;
        QCOMPARE(text(IDC_OUTER_ROLE), std::string(bodyIsOuter ? "Body" : "Use"));
        QCOMPARE(text(IDC_INNER_ROLE), std::string(bodyIsOuter ? "Use" : "Body"));
        for (int id = IDC_LINE1; id <= IDC_LINE6; ++id) {
            QCOMPARE(window.IsDlgButtonChecked(id), id == IDC_LINE1 + changeLine - 1);
        }
        // The body stands unchanged in the final hexagram, in parentheses only where it is
        // the body's own position.
        if (bodyIsOuter) {
            QCOMPARE(image(IDC_FINAL_OUTER_SMALL), image(IDC_OUTER_SMALL));
            QCOMPARE(text(IDC_OUTER_ELEMENT), std::string("(Fire)"));
            QCOMPARE(text(IDC_FINAL_OUTER_ELEMENT), std::string("+Fire+"));
        } else {
            QCOMPARE(image(IDC_FINAL_INNER_SMALL), image(IDC_INNER_SMALL));
            QCOMPARE(text(IDC_INNER_ELEMENT), std::string("(Water)"));
            QCOMPARE(text(IDC_FINAL_INNER_ELEMENT), std::string("+Water+"));
        }
    }
}

void MainDlgTest::secondReadingLeavesNoTraceOfTheFirst() {
    MainWindow twice;
    twice.Start().ShowReading(1, 8, 5);
    twice.window.ShowReading(6, 3, 2);

    MainWindow once;
    once.Start().ShowReading(6, 3, 2);

    QCOMPARE(Snapshot(twice.window), Snapshot(once.window));
}

void MainDlgTest::readingTextUsesCustomTextsLoadedAtStart() {
    MainWindow fixture;
    fixture.WriteFile("custom12.txt",
                      "My title\r\nMy main text\r\n1\r\n2\r\n3\r\n4\r\nMy fifth line\r\n6\r\n");
    CMainDlg& window = fixture.Start();
    QCOMPARE(window.Texts().hexagramTexts[11].state, CustomTextState::Active);

    // Hexagram 12 is custom, its change line's block follows its record; 35 is default.
    window.ShowReading(1, 8, 5);
    QCOMPARE(window.LastReadingText().originalText,
             std::string("Hexagram 12 My title\r\nMy main text\r\n"));
    QCOMPARE(window.LastReadingText().lineText, std::string("Line 5\r\nMy fifth line\r\n"));
    QCOMPARE(window.LastReadingText().finalText, HeaderBlock(HexagramTexts{}, 35));
    QCOMPARE(window.GetDlgItemText(IDC_HEXAGRAM_TEXT), window.LastReadingText().originalText +
                                                           window.LastReadingText().lineText +
                                                           window.LastReadingText().finalText);
    QCOMPARE(fixture.Files(), QStringList{"custom12.txt"});
}

void MainDlgTest::everyReadingFitsItsLabels() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    QVERIFY(OverflowingCaptions(window).empty()); // the list entries too
    for (int outer = 1; outer <= 8; ++outer) {
        for (int inner = 1; inner <= 8; ++inner) {
            for (int changeLine = 1; changeLine <= 6; ++changeLine) {
                window.ShowReading(outer, inner, changeLine);
                const auto overflowing = OverflowingCaptions(window);
                QVERIFY2(overflowing.empty(),
                         overflowing.empty() ? "" : overflowing.front().c_str());
            }
        }
    }
}

void MainDlgTest::tabVisitsTheEnabledControlsInOrder() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const auto visit = [&] {
        QList<int> visited;
        for (int i = 0; i < 13; ++i) {
            visited << QApplication::focusWidget()->objectName().toInt();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return visited;
    };
    QCOMPARE(visit(), (QList<int>{1092, 1094, 1095, 1096, 1097, 1106, 1110, 1111, 1112, 1113, 1092,
                                  1094, 1095}));

    window.EnableDlgItem(IDC_OUTER_TRIGRAM, true);
    window.EnableDlgItem(IDC_CHANGE_LINE, true);
    QCOMPARE(visit(), (QList<int>{1096, 1097, 1106, 1110, 1111, 1112, 1113, 1092, 1091, 1093, 1094,
                                  1095, 1096}));
}

void MainDlgTest::escapeAndEnterCloseWithoutWritingFiles_data() {
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("key"); // 0: the close box
    QTest::addColumn<int>("result");
    QTest::newRow("Escape") << IDC_INNER_TRIGRAM << int(Qt::Key_Escape) << IDCANCEL;
    QTest::newRow("Escape in the text box") << IDC_HEXAGRAM_TEXT << int(Qt::Key_Escape) << IDCANCEL;
    QTest::newRow("Enter on the year list") << IDC_YEAR << int(Qt::Key_Return) << IDOK;
    QTest::newRow("Enter on the period list") << IDC_PERIOD << int(Qt::Key_Enter) << IDOK;
    QTest::newRow("close box") << IDC_INNER_TRIGRAM << 0 << IDCANCEL;
}

void MainDlgTest::escapeAndEnterCloseWithoutWritingFiles() {
    QFETCH(int, focus);
    QFETCH(int, key);
    QFETCH(int, result);
    MainWindow fixture;
    auto act = WhenModal::Act<CMainDlg>([&](CMainDlg* window) {
        window->ShowReading(2, 7, 4);
        QWidget* target = window->GetDlgItem(focus);
        target->setFocus();
        QCOMPARE(window->focusWidget(), target);
        if (key == 0) {
            window->close();
        } else {
            QTest::keyClick(target, Qt::Key(key));
        }
    });
    QCOMPARE(fixture.window.DoModal(), result);
    QVERIFY(act->Fired());
    QVERIFY(!fixture.window.isVisible());
    QVERIFY(fixture.Files().isEmpty());
}

void MainDlgTest::clicksOnTheDisplayChangeNothing_data() {
    QTest::addColumn<bool>("withReading");
    QTest::newRow("before the first reading") << false;
    QTest::newRow("showing a reading") << true;
}

void MainDlgTest::clicksOnTheDisplayChangeNothing() {
    QFETCH(bool, withReading);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    if (withReading) {
        window.ShowReading(4, 5, 3);
    }
    const QString before = Snapshot(window);
    QWidget* focused = QApplication::focusWidget();

    std::vector<int> display(std::begin(kImages), std::end(kImages));
    display.insert(display.end(), std::begin(kLabels), std::end(kLabels));
    for (int id = IDC_LINE1; id <= IDC_LINE6; ++id) {
        display.push_back(id);
    }
    for (int id : display) {
        QTest::mouseClick(window.GetDlgItem(id), Qt::LeftButton);
    }

    QCOMPARE(Snapshot(window), before);
    QCOMPARE(QApplication::focusWidget(), focused);
    QVERIFY(window.isVisible());
}

void MainDlgTest::systemMenuEndsWithAboutWhichOpensTheAboutBox_data() {
    QTest::addColumn<QString>("closeBy");
    QTest::newRow("OK") << "ok";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close box") << "close";
}

void MainDlgTest::systemMenuEndsWithAboutWhichOpensTheAboutBox() {
    QFETCH(QString, closeBy);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    window.ShowReading(1, 8, 5);
    const QString before = Snapshot(window);

    const QList<QAction*> items = window.GetSystemMenu()->actions();
    QCOMPARE(items.size(), 13);
    QCOMPARE(items[2]->text(), QStringLiteral("&Size"));
    QCOMPARE(items[4]->text(), QStringLiteral("Ma&ximize"));
    QVERIFY(!items[2]->isEnabled() && !items[4]->isEnabled());
    QVERIFY(items[1]->isEnabled() && items[3]->isEnabled() && items[5]->isEnabled());
    QVERIFY(items[6]->isSeparator());
    QCOMPARE(items[7]->data().toInt(), IDM_TRADITIONAL);
    QCOMPARE(items[8]->data().toInt(), IDM_COUNT_CAST);
    QCOMPARE(items[9]->data().toInt(), IDM_READING_DETAILS);
    QCOMPARE(items[10]->data().toInt(), IDM_CASE_BOOK);
    QVERIFY(items[11]->isSeparator());
    QCOMPARE(items[12]->text(), QStringLiteral("&About..."));
    QCOMPARE(items[12]->data().toInt(), IDM_ABOUTBOX);

    QString seen;
    auto act = WhenModal::Act<CAboutDlg>([&](CAboutDlg* about) {
        auto* ok = about->DlgItem<QPushButton>(IDOK);
        QStringList texts;
        for (const QLabel* label : about->findChildren<QLabel*>()) {
            texts << label->text();
        }
        texts.sort();
        seen = about->windowTitle() + "|" + texts.join(',') + "|" +
               QString::number(ok->isDefault()) + QString::number(about->focusWidget() == ok);
        if (closeBy == QLatin1String("ok")) {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else if (closeBy == QLatin1String("escape")) {
            QTest::keyClick(ok, Qt::Key_Escape);
        } else {
            about->close();
        }
    });
    items[12]->trigger();
    QVERIFY(act->Fired());
    QCOMPARE(seen, QStringLiteral("About Zandrel|,Free software under the GNU GPL, version 3 or "
                                  "later.,It gives no advice, medical, legal or financial, and "
                                  "its readings are not predictions to rely on.,Zandrel Version "
                                  "3.0,Zandrel is for reflection on a question and for the study "
                                  "of the classical method of casting hexagrams.|11"));
    QCOMPARE(Snapshot(window), before);
    QVERIFY(window.isVisible());
}

void MainDlgTest::splashShowsForTwoSecondsBeforeTheWindow() {
    MainWindow fixture(true);
    fixture.WriteFile("custom1.txt", "Title\n");
    // Each read of the tick count is 1999 ms later than the one before: the splash's wait of
    // 2000 ms dispatches events once (after 1999 ms) and then ends, without waiting for real.
    const SteppingTickCount ticks(1999);

    // During the wait: the splash is up, the window is not, the lists are filled and the
    // custom texts are not loaded yet.
    bool waited = false;
    QTimer::singleShot(0, [&] {
        waited = true;
        QStringList splashes;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* splash = qobject_cast<CAboutDlg*>(widget);
            if (splash != nullptr && splash->isVisible()) {
                splashes << QString::number(splash->Template().id);
            }
        }
        QCOMPARE(splashes, QStringList{"134"});
        QVERIFY(!fixture.window.isVisible());
        QCOMPARE(fixture.window.DlgItem<CComboBox>(IDC_YEAR)->count(), 102);
        QCOMPARE(fixture.window.Texts().hexagramTexts[0].state, CustomTextState::None);
    });
    fixture.window.Create();
    QVERIFY(waited);
    QVERIFY(!QTest::currentTestFailed());

    QVERIFY(fixture.window.isVisible());
    QCOMPARE(fixture.window.Texts().hexagramTexts[0].state, CustomTextState::Active);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        QVERIFY(qobject_cast<CAboutDlg*>(widget) == nullptr || !widget->isVisible());
    }
}

void MainDlgTest::logViewerShowsTheLog_data() {
    QTest::addColumn<std::optional<QByteArray>>("log");
    QTest::addColumn<bool>("rotated");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no file") << std::optional<QByteArray>() << false << QString();
    QTest::newRow("empty file") << std::optional<QByteArray>("") << false << QString();
    QTest::newRow("written log") << std::optional<QByteArray>("[Your query]\r\nq\r\n\r\n") << false
                                 << QStringLiteral("[Your query]\nq\n\n");
    QTest::newRow("last line without line end")
        << std::optional<QByteArray>("a\r\nlast") << false << QStringLiteral("a\nlast\n");
    // Once the size rule has kept the full log as the older generation, the first line says
    // where it is.
    QTest::newRow("rotated log") << std::optional<QByteArray>("new\r\n") << true
                                 << QStringLiteral("[Older entries are in %1/auvrel.log.1]\nnew\n");
    QTest::newRow("rotated, no new log yet")
        << std::optional<QByteArray>() << true
        << QStringLiteral("[Older entries are in %1/auvrel.log.1]\n");
}

void MainDlgTest::logViewerShowsTheLog() {
    QFETCH(std::optional<QByteArray>, log);
    QFETCH(bool, rotated);
    QFETCH(QString, shown);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    if (log) {
        fixture.WriteFile("auvrel.log", *log);
    }
    if (rotated) {
        fixture.WriteFile("auvrel.log.1", "old\r\n");
        shown = shown.arg(fixture.Path());
    }
    QString seen;
    auto act = WhenModal::Act<CLogDlg>([&](CLogDlg* viewer) {
        auto* text = viewer->DlgItem<CTextViewer>(IDC_LOG_TEXT);
        auto* ok = viewer->DlgItem<QPushButton>(IDOK);
        seen = viewer->windowTitle() + "|" + QString::number(text->isReadOnly()) +
               QString::number(text->lineWrapMode() == QPlainTextEdit::WidgetWidth) +
               QString::number(text->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) +
               QString::number(QApplication::focusWidget() == ok) + "|" + text->toPlainText();
        QTest::keyClick(ok, Qt::Key_Return);
    });
    QTest::mouseClick(window.GetDlgItem(IDC_VIEW_LOG), Qt::LeftButton);
    QVERIFY(act->Fired());
    QCOMPARE(seen, "Auvrel Log|1111|" + shown);
    QCOMPARE(ReadLog(fixture), log.value_or(QByteArray()));
}

void MainDlgTest::deleteLogAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("logIsFolder");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("error");
    QTest::newRow("no") << IDNO << false << QByteArray("kept\r\n") << QString();
    QTest::newRow("yes") << IDYES << false << QByteArray() << QString();
    QTest::newRow("yes, but it cannot be emptied")
        << IDYES << true << QByteArray() << QStringLiteral("Access to auvrel.log was denied.");
}

void MainDlgTest::deleteLogAsksFirst() {
    QFETCH(int, answer);
    QFETCH(bool, logIsFolder);
    QFETCH(QByteArray, after);
    QFETCH(QString, error);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    if (logIsFolder) {
        QVERIFY(QDir(fixture.Path()).mkdir("auvrel.log"));
    } else {
        fixture.WriteFile("auvrel.log", "kept\r\n");
    }
    fixture.WriteFile("auvrel.log.1", "older\r\n");
    const QString display = Snapshot(window);
    MessageBoxAnswers boxes({answer, IDOK});
    QTest::mouseClick(window.GetDlgItem(IDC_DELETE_LOG), Qt::LeftButton);

    QVERIFY(!boxes.Requests().empty());
    const MessageBoxRequest& confirm = boxes.Requests()[0];
    QCOMPARE(confirm.text, std::string("Do you really want to delete the log file?"));
    QCOMPARE(confirm.caption, std::string("Reset Log"));
    QCOMPARE(confirm.icon, MessageIcon::Question);
    QCOMPARE(confirm.buttons, MessageButtons::YesNo);
    QCOMPARE(confirm.defaultButton, IDNO);
    if (error.isEmpty()) {
        QCOMPARE(boxes.Requests().size(), std::size_t{1});
        QCOMPARE(ReadLog(fixture), after);
        QVERIFY(QFileInfo(fixture.Path() + "/auvrel.log").isFile());
        // Yes deletes the older generation too; No keeps it.
        QCOMPARE(QFileInfo::exists(fixture.Path() + "/auvrel.log.1"), answer == IDNO);
    } else {
        QCOMPARE(boxes.Requests().size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(boxes.Requests()[1].text), error);
        QCOMPARE(boxes.Requests()[1].icon, MessageIcon::Stop);
        QVERIFY(QFileInfo::exists(fixture.Path() + "/auvrel.log.1"));
    }
    QCOMPARE(Snapshot(window), display);
}

QTEST_MAIN(MainDlgTest)
#include "main_dlg_test.moc"
