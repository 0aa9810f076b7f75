// The reading's details in their window: opened from the system menu and its shortcut, showing
// the pillars and what follows for the reading shown, following each new reading, reading it
// again by the conventions chosen and keeping them in the settings file, in Chinese too.

#include "app/reading_conventions.h"
#include "gui/language_session.h"
#include "gui/reading_details_dlg.h"
#include "tests/gui/main_window_fixture.h"

#include <QShortcut>

using namespace zandrel;
using namespace zandrel::test;

namespace {

CReadingDetailsDlg* DetailsWindow(const CMainDlg& window) {
    return window.findChild<CReadingDetailsDlg*>();
}

QString DetailsShown(const CReadingDetailsDlg& details) {
    return QString::fromStdString(details.GetDlgItemText(IDC_DETAILS_TEXT));
}

} // namespace

class ReadingDetailsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void followsEachReading();
    void conventionsAreChosenKeptAndShown();
    void speaksChinese();
};

void ReadingDetailsTest::followsEachReading() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();

    // Before any reading it says where one comes from.
    QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
    CReadingDetailsDlg* details = DetailsWindow(window);
    QVERIFY(details != nullptr && details->isVisible());
    QVERIFY(DetailsShown(*details).startsWith("No reading yet."));

    // A traditional cast at a moment whose pillars are known.
    auto cast = CastInDialog("2023-03-22", "12:00", "Will it rain?");
    window.SystemMenuItem(IDM_TRADITIONAL)->trigger();
    QVERIFY(cast->Fired());
    QString shown = DetailsShown(*details);
    for (const char* pillar : {"癸卯", "乙卯", "己卯", "庚午"}) {
        QVERIFY2(shown.contains(QString::fromUtf8(pillar)), qPrintable(shown));
    }
    QVERIFY2(shown.contains("Spring Equinox"), qPrintable(shown));

    // Escape hides it; the menu brings the same window back, showing the next reading.
    QTest::keyClick(details, Qt::Key_Escape);
    QVERIFY(!details->isVisible());
    cast = CastInDialog("2025-07-25", "08:30", "And now?");
    window.SystemMenuItem(IDM_TRADITIONAL)->trigger();
    QVERIFY(cast->Fired());
    window.SystemMenuItem(IDM_READING_DETAILS)->trigger();
    QCOMPARE(DetailsWindow(window), details);
    QVERIFY(details->isVisible());
    shown = DetailsShown(*details);
    for (const char* pillar : {"乙巳", "癸未", "乙未", "庚辰"}) {
        QVERIFY2(shown.contains(QString::fromUtf8(pillar)), qPrintable(shown));
    }
    // The plain log keeps its entries as they were.
    QCOMPARE(LogEntries(ReadLog(fixture)).size(), 2);
}

void ReadingDetailsTest::conventionsAreChosenKeptAndShown() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    // 23:15 is the first hour 子 of the next day's pillar only under the next-day convention.
    auto cast = CastInDialog("2033-12-22", "23:15", "Late?");
    window.SystemMenuItem(IDM_TRADITIONAL)->trigger();
    QVERIFY(cast->Fired());
    window.SystemMenuItem(IDM_READING_DETAILS)->trigger();
    CReadingDetailsDlg* details = DetailsWindow(window);
    QVERIFY(DetailsShown(*details).contains(QString::fromUtf8("丁未")));

    ChooseEntry(*details, IDC_DETAILS_ZI_HOUR, 1);
    QVERIFY(DetailsShown(*details).contains(QString::fromUtf8("戊申")));
    Retype(details->DlgItem<CEdit>(IDC_DETAILS_LONGITUDE), "116.4");
    const ReadingConventions kept = LoadConventions(fixture.Path().toStdString());
    QCOMPARE(kept.pillars.ziHour, ZiHour::NextDay);
    QVERIFY(kept.pillars.longitude.has_value());
    QCOMPARE(*kept.pillars.longitude, 116.4);
    QCOMPARE(details->Conventions(), kept);

    // A new window over the same folder starts with them.
    CReadingDetailsDlg again(fixture.session);
    again.Create();
    QCOMPARE(again.DlgItem<CComboBox>(IDC_DETAILS_ZI_HOUR)->GetCurSel(), 1);
    QCOMPARE(again.GetDlgItemText(IDC_DETAILS_LONGITUDE), std::string("116.4"));
    // Emptying the longitude turns true solar time off and keeps the longitude for later.
    Retype(again.DlgItem<CEdit>(IDC_DETAILS_LONGITUDE), "");
    const ReadingConventions off = LoadConventions(fixture.Path().toStdString());
    QVERIFY(!off.pillars.longitude.has_value());
}

void ReadingDetailsTest::speaksChinese() {
    const LanguageSession session(Language::SimplifiedChinese);
    MainWindow fixture(Language::SimplifiedChinese);
    CMainDlg& window = fixture.Start();
    auto cast = CastInDialog("2023-03-22", "12:00", QString::fromUtf8("下雨吗？"));
    window.SystemMenuItem(IDM_TRADITIONAL)->trigger();
    QVERIFY(cast->Fired());
    window.SystemMenuItem(IDM_READING_DETAILS)->trigger();
    CReadingDetailsDlg* details = DetailsWindow(window);
    const QString shown = DetailsShown(*details);
    QVERIFY2(shown.contains(QString::fromUtf8("春分")), qPrintable(shown));
    QVERIFY2(!shown.contains("Spring"), qPrintable(shown));
    QCOMPARE(details->windowTitle(), QString::fromUtf8("断卦详情"));
}

QTEST_MAIN(ReadingDetailsTest)
#include "reading_details_test.moc"
