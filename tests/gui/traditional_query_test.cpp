// The traditional time query of the main window: its dialog (prefilled with now, the lunar
// date following the date and time typed, wrong dates refused), the cast it makes and its log
// entry.

#include "app/reading_words.h"
#include "core/reading.h"
#include "gui/query_dlg.h"
#include "gui/traditional_dlg.h"
#include "platform/local_time.h"
#include "res/trigram_bitmaps.h"
#include "tests/gui/main_window_fixture.h"
#include "text/reading_text.h"

#include <QMenu>

#include <ctime>
#include <optional>

using namespace zandrel;
using namespace zandrel::test;

namespace {

QString LunarText(const CTraditionalDlg& dialog) {
    return QString::fromStdString(dialog.GetDlgItemText(IDC_LUNAR_DATE));
}

// Opens the traditional time query from the system menu, as a mouse user does.
void ChooseFromSystemMenu(CMainDlg& window) {
    window.SystemMenuItem(IDM_TRADITIONAL)->trigger();
}

// Today's date and the time now, as the dialog is prefilled with them.
QString DateNow() {
    const std::tm now = CurrentLocalTime();
    return QString::asprintf("%04d-%02d-%02d", now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
}
QString TimeNow() {
    const std::tm now = CurrentLocalTime();
    return QString::asprintf("%02d:%02d", now.tm_hour, now.tm_min);
}

} // namespace

class TraditionalQueryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void lunarDateFollowsWhatIsTyped();
    void aDateThatCannotBeCastIsRefused();
    void systemMenuAndShortcutOpenTheDialogWithNow_data();
    void systemMenuAndShortcutOpenTheDialogWithNow();
    void castShowsAndLogsTheTraditionalReading();
    void cancellingTheQuestionGoesBackToTheDialog();
    void waitsForAGeneralQueryToEnd();
};

void TraditionalQueryTest::lunarDateFollowsWhatIsTyped() {
    CTraditionalDlg dialog(Vocabulary::Of(Language::English), {1998, 1, 1}, {23, 30});
    dialog.Create();
    auto* date = dialog.DlgItem<CEdit>(IDC_CIVIL_DATE);
    auto* time = dialog.DlgItem<CEdit>(IDC_CLOCK_TIME);
    QCOMPARE(date->text(), QStringLiteral("1998-01-01"));
    QCOMPARE(time->text(), QStringLiteral("23:30"));
    QCOMPARE(dialog.focusWidget(), date);
    QCOMPARE(LunarText(dialog),
             QStringLiteral("Year 丁丑 (Ox), month 12, day 3, hour 子 (11PM–1AM)\n"
                            "丁丑年 十二月 初三 子時"));

    const struct {
        const char* date;
        const char* time;
        const char* shown;
    } steps[] = {
        {"2024-02-10", "23:30",
         "Year 甲辰 (Dragon), month 1, day 1, hour 子 (11PM–1AM)\n"
         "甲辰年 正月 初一 子時"},
        {"2024-02-10", "12:00",
         "Year 甲辰 (Dragon), month 1, day 1, hour 午 (11AM–1PM)\n"
         "甲辰年 正月 初一 午時"},
        {"2023-03-22", "12:00",
         "Year 癸卯 (Rabbit), leap month 2, day 1, hour 午 (11AM–1PM)\n"
         "癸卯年 閏二月 初一 午時"},
        {"2023-02-29", "12:00", "2023-02-29 does not exist: February 2023 has 28 days."},
        {"2100-01-01", "12:00",
         "2100-01-01 is outside the calendar, which runs from 1998-01-01 to 2099-12-31."},
        {"1997-12-31", "12:00",
         "1997-12-31 is outside the calendar, which runs from 1998-01-01 to 2099-12-31."},
        {"2024-2-10", "12:60", "'12:60' is not a time: write it as HH:MM, from 00:00 to 23:59."},
        {"10.2.2024", "12:00",
         "'10.2.2024' is not a date: write it as YYYY-MM-DD, for example 2024-02-10."},
        {"2099-12-31", "22:59",
         "Year 己未 (Goat), month 11, day 20, hour 亥 (9PM–11PM)\n"
         "己未年 十一月 二十 亥時"},
    };
    for (const auto& step : steps) {
        Retype(date, QString::fromUtf8(step.date));
        Retype(time, QString::fromUtf8(step.time));
        QCOMPARE(LunarText(dialog), QString::fromUtf8(step.shown));
        const bool castable = QString::fromUtf8(step.shown).startsWith(QLatin1String("Year"));
        QCOMPARE(dialog.GetDlgItem(IDOK)->isEnabled(), castable);
        const auto overflowing = OverflowingCaptions(dialog);
        QVERIFY2(overflowing.empty(), overflowing.empty() ? "" : overflowing.front().c_str());
    }
}

void TraditionalQueryTest::aDateThatCannotBeCastIsRefused() {
    CTraditionalDlg dialog(Vocabulary::Of(Language::English), {2023, 2, 28}, {12, 0});
    dialog.Create();
    auto* date = dialog.DlgItem<CEdit>(IDC_CIVIL_DATE);
    // Any question dialog that comes up is noted and cancelled.
    const auto asked = WhenModal::CloseEach<CQueryDlg>();

    Retype(date, QStringLiteral("2023-02-29"));
    QVERIFY(!dialog.GetDlgItem(IDOK)->isEnabled());
    QTest::keyClick(date, Qt::Key_Return);
    dialog.SendCommand(IDOK); // as the button would send it
    QCOMPARE(asked->Closed(), 0);
    QVERIFY(dialog.isVisible());

    Retype(date, QStringLiteral("2024-02-29"));
    QTest::keyClick(date, Qt::Key_Return);
    QCOMPARE(asked->Closed(), 1);
    QVERIFY(dialog.isVisible()); // the question was cancelled
    QCOMPARE(dialog.result(), 0);
}

void TraditionalQueryTest::systemMenuAndShortcutOpenTheDialogWithNow_data() {
    QTest::addColumn<bool>("shortcut");
    QTest::newRow("system menu") << false;
    QTest::newRow("Ctrl+T") << true;
}

void TraditionalQueryTest::systemMenuAndShortcutOpenTheDialogWithNow() {
    QFETCH(bool, shortcut);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    window.ShowReading(1, 8, 5);
    const QString before = Snapshot(window);

    const QList<QAction*> items = window.GetSystemMenu()->actions();
    QCOMPARE(items.size(), 13);
    QVERIFY(items[6]->isSeparator());
    QCOMPARE(items[7]->text(), QStringLiteral("&Traditional Time Query...\tCtrl+T"));
    QCOMPARE(items[7]->data().toInt(), IDM_TRADITIONAL);
    QVERIFY(items[7]->isEnabled());
    QVERIFY(items[11]->isSeparator());
    QCOMPARE(items[12]->text(), QStringLiteral("&About..."));

    const QString dayBefore = DateNow();
    const QString timeBefore = TimeNow();
    QString seen;
    auto act = WhenModal::Act<CTraditionalDlg>([&](CTraditionalDlg* dialog) {
        seen = dialog->windowTitle() + "|" +
               QString::fromStdString(dialog->GetDlgItemText(IDC_CIVIL_DATE)) + "|" +
               QString::fromStdString(dialog->GetDlgItemText(IDC_CLOCK_TIME)) + "|" +
               QString::number(LunarText(*dialog).startsWith(QLatin1String("Year ")));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
    });
    if (shortcut) {
        QTest::keyClick(window.focusWidget(), Qt::Key_T, Qt::ControlModifier);
    } else {
        ChooseFromSystemMenu(window);
    }
    QVERIFY(act->Fired());
    const QStringList parts = seen.split('|');
    QCOMPARE(parts.size(), 4);
    QCOMPARE(parts[0], QStringLiteral("Traditional Time Query"));
    QVERIFY2(parts[1] == dayBefore || parts[1] == DateNow(), qPrintable(seen));
    QVERIFY2(parts[2] >= timeBefore || parts[2] == TimeNow(), qPrintable(seen));
    QCOMPARE(parts[3], QStringLiteral("1"));
    // Escape casts nothing.
    QCOMPARE(Snapshot(window), before);
    QVERIFY(fixture.Files().isEmpty());
}

void TraditionalQueryTest::castShowsAndLogsTheTraditionalReading() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    // Where the user left the focus, which the cast gives back.
    QWidget* focus = window.GetDlgItem(IDC_VIEW_LOG);
    focus->setFocus();
    // What the casting buttons and the menu item do while the cast runs.
    ChangeRecorder states([&] {
        return QString::number(window.GetDlgItem(IDC_RUN)->isEnabled()) +
               QString::number(window.GetDlgItem(IDC_INNER_TRIGRAM)->isEnabled()) +
               QString::number(window.SystemMenuItem(IDM_TRADITIONAL)->isEnabled());
    });

    // Each 50 ms wait of the animation then ends after a pass through the event loop, in
    // which the recorder looks.
    const SteppingTickCount ticks(48);
    // 10 February 2024 at noon: upper 7, lower 6, line 2, hexagram 4.
    auto cast = CastInDialog("2024-02-10", "12:00", "Will it rain?");
    ChooseFromSystemMenu(window);
    QVERIFY(cast->Fired());

    // Ready while the dialog is open, Busy during the animation, and Ready again after it.
    QCOMPARE(states.Take(), QStringList({"111", "000"}));
    QVERIFY(window.GetDlgItem(IDC_RUN)->isEnabled() &&
            window.GetDlgItem(IDC_INNER_TRIGRAM)->isEnabled() &&
            window.SystemMenuItem(IDM_TRADITIONAL)->isEnabled());
    QCOMPARE(window.Question(), std::string("Will it rain?"));
    QCOMPARE(window.DlgItem<CBitmapButton>(IDC_OUTER_IMAGE)->BitmapId(), LargeTrigramBitmap(7));
    QCOMPARE(window.DlgItem<CBitmapButton>(IDC_INNER_IMAGE)->BitmapId(), LargeTrigramBitmap(6));
    QCOMPARE(window.GetDlgItemText(IDC_ORIGINAL_NUMBER), std::string("4"));
    QCOMPARE(window.GetDlgItemText(IDC_CHANGE_LINE_NUMBER), std::string("2"));
    QVERIFY(window.IsDlgButtonChecked(IDC_LINE2));
    QCOMPARE(window.focusWidget(), focus);

    const QList<QByteArray> entries = LogEntries(ReadLog(fixture));
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0], LogEntryBody("Will it rain?", ReadingTextOf(window, 7, 6, 2)));
    QVERIFY(ReadLog(fixture).startsWith("[Your query on "));
}

void TraditionalQueryTest::cancellingTheQuestionGoesBackToTheDialog() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const QString before = Snapshot(window);
    QString after;
    auto act = WhenModal::Act<CTraditionalDlg>([&](CTraditionalDlg* dialog) {
        Retype(dialog->DlgItem<CEdit>(IDC_CIVIL_DATE), QStringLiteral("2030-02-03"));
        auto cancel = AnswerQuestion(std::nullopt);
        QTest::keyClick(dialog->DlgItem<CEdit>(IDC_CIVIL_DATE), Qt::Key_Return);
        QVERIFY(cancel->Fired());
        after = QString::number(dialog->isVisible()) +
                QString::fromStdString(dialog->GetDlgItemText(IDC_CIVIL_DATE));
        QTest::mouseClick(dialog->GetDlgItem(IDCANCEL), Qt::LeftButton);
    });
    ChooseFromSystemMenu(window);
    QVERIFY(act->Fired());
    QCOMPARE(after, QStringLiteral("12030-02-03"));
    QCOMPARE(Snapshot(window), before);
    QCOMPARE(window.Question(), std::string());
    QVERIFY(fixture.Files().isEmpty());
}

void TraditionalQueryTest::waitsForAGeneralQueryToEnd() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    auto answer = AnswerQuestion(QStringLiteral("first"));
    window.SendCommand(IDC_INNER_TRIGRAM);
    QVERIFY(answer->Fired());
    QVERIFY(!window.SystemMenuItem(IDM_TRADITIONAL)->isEnabled());

    const auto forbidden = WhenModal::Forbid<CTraditionalDlg>();
    QTest::keyClick(window.focusWidget(), Qt::Key_T, Qt::ControlModifier);
    window.SendSysCommand(IDM_TRADITIONAL);

    window.SendCommand(IDC_OUTER_TRIGRAM);
    window.SendCommand(IDC_CHANGE_LINE);
    QVERIFY(window.SystemMenuItem(IDM_TRADITIONAL)->isEnabled());
}

QTEST_MAIN(TraditionalQueryTest)
#include "traditional_query_test.moc"
