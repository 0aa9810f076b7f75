// Casting readings through the main window's buttons, as a user does: the question dialog,
// the animations, the draws from the tick count, the display, the log entry and the casting
// buttons' states.

#include "core/casting.h"
#include "core/reading.h"
#include "gui/query_dlg.h"
#include "log/query_log.h"
#include "platform/pumping_wait.h"
#include "tests/gui/main_window_fixture.h"
#include "text/reading_text.h"

#include <QApplication>
#include <QClipboard>

#include <optional>

using namespace zandrel;
using namespace zandrel::test;

namespace {

// The step of a tick count that fixes every draw by its start. Each 50 ms wait ends after a
// short pass through the event loop, and every read gives the same draws, since 48 is a
// multiple of both 8 and 6: the trigram drawn is (start AND 7) + 1, the line (start mod 6) + 1.
constexpr std::uint32_t kFixedDraws = 48;

// The four casting buttons' enabled states as a name of the casting state.
QString CastingState(const CMainDlg& window) {
    const auto on = [&](int id) { return window.GetDlgItem(id)->isEnabled(); };
    const bool inner = on(IDC_INNER_TRIGRAM);
    const bool outer = on(IDC_OUTER_TRIGRAM);
    const bool line = on(IDC_CHANGE_LINE);
    const bool run = on(IDC_RUN);
    if (inner && run && !outer && !line) {
        return "Ready";
    }
    if (!inner && !run && !outer && !line) {
        return "Busy";
    }
    if (outer && !inner && !run && !line) {
        return "InnerDrawn";
    }
    if (line && !inner && !run && !outer) {
        return "OuterDrawn";
    }
    return "invalid";
}

} // namespace

class CastingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void generalQueryDrawsEachValueFromItsOwnTickCount();
    void generalQueryDrawingOnesLogsHexagrams1And44();
    void targetTimeQueryCastsFromTheListsAndTheQuestion();
    void listsChangedDuringTheAnimationCount();
    void aKeyboardUserCastsWithEnterAlone();
    void closingTheWindowDuringAnAnimationFinishesTheCast();
    void cancellingTheQuestionChangesNothing_data();
    void cancellingTheQuestionChangesNothing();
    void twoCastsInARowAreSeparatedByThreeEmptyLines();
    void aFailedLogWriteIsReportedAndTheCastEnds();
    void questionDialogLimitsAndStartsEmpty();
};

void CastingTest::generalQueryDrawsEachValueFromItsOwnTickCount() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    ChangeRecorder states([&] { return CastingState(window); });
    QCOMPARE(CastingState(window), QStringLiteral("Ready"));

    // Inner 8 (tick AND 7 = 7), outer 1 (0), change line 5 (tick mod 6 = 4).
    {
        const SteppingTickCount ticks(kFixedDraws, 7);
        auto answer = AnswerQuestion(QStringLiteral("Is now the time?"));
        QTest::mouseClick(window.GetDlgItem(IDC_INNER_TRIGRAM), Qt::LeftButton);
        QVERIFY(answer->Fired());
    }
    QCOMPARE(window.Drawn().inner, 8);
    QCOMPARE(window.Question(), std::string("Is now the time?"));
    QCOMPARE(window.DlgItem<CBitmapButton>(IDC_INNER_IMAGE)->BitmapId(), 152);
    QCOMPARE(window.DlgItem<CBitmapButton>(IDC_OUTER_IMAGE)->BitmapId(), 144);
    QCOMPARE(CastingState(window), QStringLiteral("InnerDrawn"));
    QCOMPARE(states.Take(), QStringList({"Ready", "Busy"}));
    // Only the inner image has changed: the rest still shows the empty display.
    QCOMPARE(Images(window).mid(2), kEmptyImages.mid(2));
    QCOMPARE(Labels(window), kEmptyLabels);
    QCOMPARE(CheckedMarkers(window), QList<int>());
    QCOMPARE(window.GetDlgItemText(IDC_HEXAGRAM_TEXT), std::string());

    {
        const SteppingTickCount ticks(kFixedDraws, 48);
        QTest::mouseClick(window.GetDlgItem(IDC_OUTER_TRIGRAM), Qt::LeftButton);
    }
    QCOMPARE(window.Drawn().outer, 1);
    QCOMPARE(window.DlgItem<CBitmapButton>(IDC_OUTER_IMAGE)->BitmapId(), 145);
    QCOMPARE(CastingState(window), QStringLiteral("OuterDrawn"));
    QCOMPARE(states.Take(), QStringList({"Busy"}));
    QVERIFY(ReadLog(fixture).isEmpty());

    {
        const SteppingTickCount ticks(kFixedDraws, 4);
        QTest::mouseClick(window.GetDlgItem(IDC_CHANGE_LINE), Qt::LeftButton);
    }
    QCOMPARE(window.Drawn().changeLine, 5);
    QCOMPARE(CastingState(window), QStringLiteral("Ready"));
    QCOMPARE(states.Take(), QStringList({"Busy"}));
    QCOMPARE(Images(window), (QList<int>{145, 152, 134, 141, 138, 140, 136, 141}));
    QCOMPARE(Labels(window), (QStringList{"Use", "Body", "-Metal-", "(Earth)", "-Wood-", "+Earth+",
                                          "+Fire+", "+Earth+", "12", "5", "35"}));
    QCOMPARE(CheckedMarkers(window), QList<int>{IDC_LINE5});

    const QList<QByteArray> entries = LogEntries(ReadLog(fixture));
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0], LogEntryBody("Is now the time?", ReadingTextOf(window, 1, 8, 5)));
}

void CastingTest::generalQueryDrawingOnesLogsHexagrams1And44() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const SteppingTickCount ticks(kFixedDraws, 48 * 1000); // every draw gives trigram 1 and line 1
    auto answer = AnswerQuestion(QStringLiteral("Will the plan work?"));
    window.SendCommand(IDC_INNER_TRIGRAM);
    QVERIFY(answer->Fired());
    window.SendCommand(IDC_OUTER_TRIGRAM);
    window.SendCommand(IDC_CHANGE_LINE);

    const QByteArray log = ReadLog(fixture);
    QVERIFY(log.startsWith("[Your query on "));
    const QByteArray afterTime = log.mid(log.indexOf("]\r\n") + 3);
    QCOMPARE(afterTime, QByteArray("Will the plan work?\r\n"
                                   "\r\n"
                                   "[Auvrel's reply]\r\n"
                                   "Hexagram 1 Creative Yang Force\r\n"
                                   "Continuing firmly and correctly will lead to great success.\r\n"
                                   "Line 1\r\n"
                                   "It is not a good time to make important decisions.\r\n"
                                   "Hexagram 44 Encounter\r\n"
                                   "Inferior people will gain power if you do not regard them as "
                                   "dangerous. Be aware of this.\r\n"
                                   "\r\n"
                                   "\r\n"
                                   "\r\n"));
    QCOMPARE(LogEntries(log).size(), 1);
}

void CastingTest::targetTimeQueryCastsFromTheListsAndTheQuestion() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    // A general query's drawn values are left alone by a target time query.
    const CastValues drawn = window.Drawn();
    // "2001", "Mar", "15", "7AM - 9AM" with "abc": outer 1, inner 6, change line 2.
    window.DlgItem<CComboBox>(IDC_YEAR)->SetCurSel(3);
    window.DlgItem<CComboBox>(IDC_MONTH)->SetCurSel(2);
    window.DlgItem<CComboBox>(IDC_DAY)->SetCurSel(14);
    window.DlgItem<CComboBox>(IDC_PERIOD)->SetCurSel(4);
    ChangeRecorder states([&] { return CastingState(window); });

    const SteppingTickCount ticks(kFixedDraws, 0);
    auto answer = AnswerQuestion(QStringLiteral("abc"));
    QTest::mouseClick(window.GetDlgItem(IDC_RUN), Qt::LeftButton);
    QVERIFY(answer->Fired());

    QCOMPARE(states.Take(), QStringList({"Ready", "Busy"}));
    QCOMPARE(CastingState(window), QStringLiteral("Ready"));
    const Reading reading = ComputeReading(1, 6, 2);
    QCOMPARE(window.GetDlgItemText(IDC_ORIGINAL_NUMBER), std::to_string(reading.original));
    QCOMPARE(window.GetDlgItemText(IDC_CHANGE_LINE_NUMBER), std::string("2"));
    QCOMPARE(window.GetDlgItemText(IDC_FINAL_NUMBER), std::to_string(reading.final));
    QCOMPARE(window.DlgItem<CBitmapButton>(IDC_OUTER_IMAGE)->BitmapId(), 145);
    QCOMPARE(window.DlgItem<CBitmapButton>(IDC_INNER_IMAGE)->BitmapId(), 150);
    QVERIFY(window.IsDlgButtonChecked(IDC_LINE2));
    QCOMPARE(window.Drawn(), drawn);

    const QList<QByteArray> entries = LogEntries(ReadLog(fixture));
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0], LogEntryBody("abc", ReadingTextOf(window, 1, 6, 2)));
}

void CastingTest::listsChangedDuringTheAnimationCount() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const SteppingTickCount ticks(kFixedDraws, 0);
    QStringList duringAnimation;
    auto answer = WhenModal::Act<CQueryDlg>([&](CQueryDlg* dialog) {
        // Once the animation runs: the window is live, so the year can still be changed.
        QTimer::singleShot(0, &window, [&] {
            duringAnimation << CastingState(window);
            window.DlgItem<CComboBox>(IDC_YEAR)->SetCurSel(6); // "2004"
        });
        QTest::keyClick(dialog->DlgItem<CEdit>(IDC_QUESTION), Qt::Key_Return);
    });
    window.SendCommand(IDC_RUN);
    QVERIFY(answer->Fired());
    QCOMPARE(duringAnimation, QStringList({"Busy"}));
    // "2004", "Jan", "1", "11PM - 1AM", empty question: A = 12, outer 6, T = 15, inner 7,
    // change line 3 (with "1998" it would be outer 8, inner 1).
    QCOMPARE(TimeCast(6, 0, 0, 0, ""), (CastValues{6, 7, 3}));
    QCOMPARE(window.GetDlgItemText(IDC_ORIGINAL_NUMBER), std::to_string(HexagramTable(6, 7)));
    QCOMPARE(window.GetDlgItemText(IDC_CHANGE_LINE_NUMBER), std::string("3"));
}

void CastingTest::aKeyboardUserCastsWithEnterAlone() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const SteppingTickCount ticks(kFixedDraws, 0);
    QCOMPARE(window.focusWidget(), window.GetDlgItem(IDC_INNER_TRIGRAM));
    auto answer = AnswerQuestion(QStringLiteral("by keys"));
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
    QVERIFY(answer->Fired());
    QCOMPARE(window.focusWidget(), window.GetDlgItem(IDC_OUTER_TRIGRAM));
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
    QCOMPARE(window.focusWidget(), window.GetDlgItem(IDC_CHANGE_LINE));
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
    QCOMPARE(window.focusWidget(), window.GetDlgItem(IDC_INNER_TRIGRAM));
    QVERIFY(window.isVisible());
    QCOMPARE(LogEntries(ReadLog(fixture)).size(), 1);

    // Run, whose next neighbour in tab order is View Log: the focus comes back to Run, so
    // the next Enter casts again.
    window.GetDlgItem(IDC_RUN)->setFocus();
    for (int cast = 2; cast <= 3; ++cast) {
        auto run = AnswerQuestion(QStringLiteral("again"));
        QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        QVERIFY(run->Fired());
        QCOMPARE(window.focusWidget(), window.GetDlgItem(IDC_RUN));
        QCOMPARE(LogEntries(ReadLog(fixture)).size(), cast);
    }

    // A button the user moves the focus to during an animation keeps it.
    auto moved = WhenModal::Act<CQueryDlg>([&](CQueryDlg* dialog) {
        QTimer::singleShot(0, &window, [&] { window.GetDlgItem(IDC_VIEW_TEXT)->setFocus(); });
        QTest::keyClick(dialog->DlgItem<CEdit>(IDC_QUESTION), Qt::Key_Return);
    });
    QTest::keyClick(window.GetDlgItem(IDC_RUN), Qt::Key_Space);
    QVERIFY(moved->Fired());
    QCOMPARE(window.focusWidget(), window.GetDlgItem(IDC_VIEW_TEXT));
    QCOMPARE(LogEntries(ReadLog(fixture)).size(), 4);
}

void CastingTest::closingTheWindowDuringAnAnimationFinishesTheCast() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const SteppingTickCount ticks(kFixedDraws, 0);
    auto answer = WhenModal::Act<CQueryDlg>([&](CQueryDlg* dialog) {
        QTimer::singleShot(0, &window, [&] { QTest::keyClick(&window, Qt::Key_Escape); });
        QTest::keyClick(dialog->DlgItem<CEdit>(IDC_QUESTION), Qt::Key_Return);
    });
    window.SendCommand(IDC_RUN);
    QVERIFY(answer->Fired());
    // The window is gone, but the cast it had begun was completed and logged, as the user
    // was shown its animation already.
    QVERIFY(!window.isVisible());
    QCOMPARE(LogEntries(ReadLog(fixture)).size(), 1);
    QCOMPARE(window.GetDlgItemText(IDC_ORIGINAL_NUMBER), std::to_string(HexagramTable(8, 1)));
}

void CastingTest::cancellingTheQuestionChangesNothing_data() {
    QTest::addColumn<int>("button");
    QTest::newRow("Inner Trigram") << IDC_INNER_TRIGRAM;
    QTest::newRow("Run") << IDC_RUN;
}

void CastingTest::cancellingTheQuestionChangesNothing() {
    QFETCH(int, button);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const SteppingTickCount ticks(kFixedDraws, 5);
    {
        auto answer = AnswerQuestion(QStringLiteral("first"));
        window.SendCommand(IDC_RUN);
        QVERIFY(answer->Fired());
    }
    const QString display = Snapshot(window);
    const QByteArray log = ReadLog(fixture);
    const CastValues drawn = window.Drawn();

    auto cancel = AnswerQuestion(std::nullopt);
    QTest::mouseClick(window.GetDlgItem(button), Qt::LeftButton);
    QVERIFY(cancel->Fired());

    QCOMPARE(Snapshot(window), display);
    QCOMPARE(ReadLog(fixture), log);
    QCOMPARE(window.Question(), std::string("first"));
    QCOMPARE(CastingState(window), QStringLiteral("Ready"));
    QCOMPARE(window.Drawn(), drawn);
}

void CastingTest::twoCastsInARowAreSeparatedByThreeEmptyLines() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const SteppingTickCount ticks(kFixedDraws, 0);
    for (const char* question : {"one", "two"}) {
        auto answer = AnswerQuestion(QString::fromLatin1(question));
        window.SendCommand(IDC_RUN);
        QVERIFY(answer->Fired());
    }
    const QByteArray log = ReadLog(fixture);
    const QList<QByteArray> entries = LogEntries(log);
    QCOMPARE(entries.size(), 2);
    // "1998", "Jan", "1", "11PM - 1AM": "one" sums to 322, "two" to 346.
    const CastValues first = TimeCast(0, 0, 0, 0, "one");
    const CastValues second = TimeCast(0, 0, 0, 0, "two");
    QCOMPARE(entries[0], LogEntryBody("one", ReadingTextOf(window, first.outer, first.inner,
                                                           first.changeLine)));
    QCOMPARE(entries[1], LogEntryBody("two", ReadingTextOf(window, second.outer, second.inner,
                                                           second.changeLine)));
    const int second_header = log.indexOf("[Your query on ", 1);
    QVERIFY(log.left(second_header).endsWith(".\r\n\r\n\r\n\r\n"));
    QVERIFY(!log.left(second_header).endsWith("\r\n\r\n\r\n\r\n\r\n"));
}

void CastingTest::aFailedLogWriteIsReportedAndTheCastEnds() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    QVERIFY(QDir(fixture.Path()).mkdir("auvrel.log"));
    const SteppingTickCount ticks(kFixedDraws, 0);
    MessageBoxAnswers boxes({IDOK});
    auto answer = AnswerQuestion(QStringLiteral("q"));
    window.SendCommand(IDC_RUN);
    QVERIFY(answer->Fired());

    QCOMPARE(boxes.Requests().size(), std::size_t{1});
    const MessageBoxRequest& box = boxes.Requests()[0];
    QCOMPARE(box.text, std::string("Access to auvrel.log was denied."));
    QCOMPARE(box.icon, MessageIcon::Stop);
    QCOMPARE(box.buttons, MessageButtons::Ok);
    QCOMPARE(box.caption, QCoreApplication::applicationName().toStdString());
    QCOMPARE(CastingState(window), QStringLiteral("Ready"));
    QVERIFY(!window.GetDlgItemText(IDC_HEXAGRAM_TEXT).empty());
}

void CastingTest::questionDialogLimitsAndStartsEmpty() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const SteppingTickCount ticks(kFixedDraws, 0);
    QString seen;
    const QString longText = QString(300, QChar('x'));
    auto answer = WhenModal::Act<CQueryDlg>([&](CQueryDlg* dialog) {
        auto* edit = dialog->DlgItem<CEdit>(IDC_QUESTION);
        const Qt::WindowFlags flags = dialog->windowFlags();
        seen = dialog->windowTitle() + "|" + edit->text() + "|" +
               QString::number(QApplication::focusWidget() == edit) + "|" +
               QString::number(flags.testFlag(Qt::WindowCloseButtonHint) ||
                               flags.testFlag(Qt::WindowSystemMenuHint));
        QApplication::clipboard()->setText("pasted\r\nover lines\n");
        edit->paste();
        seen += "|" + edit->text();
        edit->clear();
        QApplication::clipboard()->setText(longText);
        edit->paste();
        seen += "|" + QString::number(edit->text().size());
        edit->clear();
        QTest::keyClicks(edit, longText);
        seen += "|" + QString::number(edit->text().size());
        QTest::keyClick(edit, Qt::Key_Return);
    });
    window.SendCommand(IDC_RUN);
    QVERIFY(answer->Fired());
    QCOMPARE(seen, QStringLiteral("Query Auvrel||1|0|pasted over lines|255|255"));
    QCOMPARE(window.Question(), std::string(255, 'x'));

    // The next question starts empty again, and an empty question is a question.
    auto empty = WhenModal::Act<CQueryDlg>([&](CQueryDlg* dialog) {
        seen = dialog->DlgItem<CEdit>(IDC_QUESTION)->text();
        dialog->DlgItem<QPushButton>(IDOK)->click();
    });
    window.SendCommand(IDC_RUN);
    QVERIFY(empty->Fired());
    QCOMPARE(seen, QString());
    QCOMPARE(window.Question(), std::string());
    QCOMPARE(LogEntries(ReadLog(fixture)).size(), 2);
    QVERIFY(LogEntries(ReadLog(fixture))[1].startsWith("\r\n\r\n[Auvrel's reply]\r\n"));
}

QTEST_MAIN(CastingTest)
#include "main_dlg_casting_test.moc"
