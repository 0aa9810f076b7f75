// The case book window over the main window: the casts it lists, what the user writes of a
// record saved as it is typed, the search, filters and statistics, a kept reading shown again,
// deletion, a case book that cannot be opened, records another connection or the command line
// adds or changes, and a search of many records shown before it is counted.

#include "casebook/case_book.h"
#include "casebook/recorder.h"
#include "gui/case_book_dlg.h"
#include "platform/combo_box.h"
#include "platform/list_view.h"
#include "tests/gui/main_window_fixture.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>

using namespace zandrel;
using namespace zandrel::test;

namespace {

// Casts a reading of each of three methods through the window, oldest first: the general
// query, the traditional time query and a cast by numbers.
void CastThree(MainWindow& fixture) {
    CMainDlg& window = fixture.window;
    window.ShowReading(5, 7, 4); // the general query's own question is the window's
    window.WriteLogEntry();
    auto traditional = CastInDialog("2024-02-10", "12:00", "Will it rain?");
    window.SendSysCommand(IDM_TRADITIONAL);
    QVERIFY(traditional->Fired());
    auto counts = CastFromCounts({0, "27 15", "", "2024-02-10", "12:00", "Shall I move house?"});
    window.SendSysCommand(IDM_COUNT_CAST);
    QVERIFY(counts->Fired());
    fixture.session.FlushCaseBook();
}

CCaseBookDlg& OpenCaseBook(CMainDlg& window) {
    window.SendSysCommand(IDM_CASE_BOOK);
    CCaseBookDlg* dialog = window.CaseBookWindow();
    if (dialog == nullptr || !dialog->isVisible()) {
        qFatal("the case book did not open");
    }
    if (!QTest::qWaitForWindowActive(dialog)) {
        qFatal("the case book did not become active");
    }
    return *dialog;
}

QStringList Column(CCaseBookDlg& dialog, int column) {
    auto* list = dialog.DlgItem<CListView>(IDC_CASE_LIST);
    QStringList cells;
    for (int row = 0; row < list->GetItemCount(); ++row) {
        cells << list->model()->index(row, column).data().toString();
    }
    return cells;
}

void Select(CCaseBookDlg& dialog, int row) {
    auto* list = dialog.DlgItem<CListView>(IDC_CASE_LIST);
    list->setFocus();
    list->SetCurSel(row == 0 ? 1 : 0);
    QTest::keyClick(list, row == 0 ? Qt::Key_Up : Qt::Key_Down);
    for (int i = row == 0 ? 0 : 1; i < row; ++i) {
        QTest::keyClick(list, Qt::Key_Down);
    }
}

// The window's delays while it lasts, for the windows opened meanwhile.
class WindowDelays {
public:
    explicit WindowDelays(const CCaseBookDlg::Delays& delays)
        : previous_(CCaseBookDlg::SetDelays(delays)) {}
    ~WindowDelays() { CCaseBookDlg::SetDelays(previous_); }
    WindowDelays(const WindowDelays&) = delete;
    WindowDelays& operator=(const WindowDelays&) = delete;

private:
    CCaseBookDlg::Delays previous_;
};

// Delays that never end within a test: only what the test does saves or refreshes.
constexpr CCaseBookDlg::Delays kNoTimers{3600000, 3600000, 3600000};

// Runs `zandrel journal ...` in the data folder, as a user in a terminal beside the window.
bool RunJournal(const DataFolder& folder, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder.Path());
    process.start(QStringLiteral(ZANDREL_PROGRAM), QStringList{"journal"} + arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning() << "zandrel journal" << arguments << "failed:" << process.exitCode()
                   << process.readAllStandardError();
        return false;
    }
    return true;
}

std::unique_ptr<CaseBook> SecondConnection(const DataFolder& folder) {
    CaseBookError error;
    auto book = CaseBook::Open(folder.Path().toStdString(), &error);
    if (!book) {
        qFatal("%s", error.detail.c_str());
    }
    return book;
}

// 450 records, oldest first, cast an hour apart, every other one of rain: more than a page.
std::vector<CaseRecord> ManyRecords() {
    std::vector<CaseRecord> records;
    for (int n = 0; n < 450; ++n) {
        CaseRecord record;
        record.id = NewCaseId();
        record.castUtc = QDateTime(QDate(2025, 1, 1), QTime(0, 0), Qt::UTC)
                             .addSecs(3600LL * n)
                             .toString(Qt::ISODate)
                             .toStdString();
        record.method = "numbers";
        record.question = (n % 2 == 0 ? "Rain " : "Sun ") + std::to_string(n);
        record.readingText = "text\r\n";
        record.modifiedUtc = CaseStampNow();
        records.push_back(record);
    }
    return records;
}

} // namespace

class CaseBookTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        InitGuiTests();
        // A second in the program is more than a test needs to see a timer's work.
        CCaseBookDlg::SetDelays({20, 20, 20});
    }
    void cleanup() { SetMessageBoxAnswerer({}); }

    void castsAppearNewestFirstAndEditsAreSavedAsTyped();
    void searchFiltersAndStatisticsFindTheEditedRecord();
    void showInMainWindowShowsTheKeptReadingWithoutLogging();
    void deleteAsksFirst();
    void aCaseBookThatCannotBeOpenedIsToldAndTheCastStillLogs_data();
    void aCaseBookThatCannotBeOpenedIsToldAndTheCastStillLogs();
    void recordsOfAnotherConnectionAppearAfterTheRefresh();
    void aCastAppearsInTheOpenWindowWhenItIsRecorded();
    void aNoteWrittenElsewhereShowsAndTheNextEditBuildsOnIt_data();
    void aNoteWrittenElsewhereShowsAndTheNextEditBuildsOnIt();
    void aFieldBeingWrittenIsKeptAndAClashIsTheUsersChoice_data();
    void aFieldBeingWrittenIsKeptAndAClashIsTheUsersChoice();
    void aRecordDeletedElsewhereOffersWhatWasTyped_data();
    void aRecordDeletedElsewhereOffersWhatWasTyped();
    void aSearchShowsItsFirstPageBeforeItsCount();
    void aWriteThatComesWhileCountingIsShownOnceCounted();
};

void CaseBookTest::castsAppearNewestFirstAndEditsAreSavedAsTyped() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    CastThree(fixture);
    CCaseBookDlg& dialog = OpenCaseBook(window);
    QCOMPARE(Column(dialog, 1), QStringList({"Shall I move house?", "Will it rain?", ""}));
    QCOMPARE(Column(dialog, 2), QStringList({"56 \u2192 62", "4 \u2192 23", "53 \u2192 33"}));
    QCOMPARE(dialog.GetDlgItemText(IDC_CASE_COUNT), std::string("3 records"));

    // A note typed, then the focus moved on: in the store at once.
    Select(dialog, 1);
    auto* notes = dialog.DlgItem<CMultiLineEdit>(IDC_CASE_NOTES);
    notes->setFocus();
    QTest::keyClicks(notes, "It rained at noon");
    dialog.GetDlgItem(IDC_CASE_TAGS)->setFocus();
    const std::string id = dialog.SelectedId();
    auto book = SecondConnection(fixture);
    QCOMPARE(book->Find(id)->notes, std::string("It rained at noon"));

    // Tags typed and left alone: saved after the pause, without leaving the field.
    QTest::keyClicks(dialog.GetDlgItem(IDC_CASE_TAGS), "weather, noon");
    QTRY_COMPARE_WITH_TIMEOUT(book->Find(id)->tags, (std::vector<std::string>{"weather", "noon"}),
                              5000);

    // An outcome: its date and what happened saved as the window closes, the verdict at once.
    dialog.SetDlgItemText(IDC_CASE_OUTCOME_DATE, "2024-02-11");
    QTest::keyClicks(dialog.GetDlgItem(IDC_CASE_OUTCOME_WHAT), "Rain all afternoon");
    ChooseEntry(dialog, IDC_CASE_VERDICT, 1);
    QCOMPARE(book->Find(id)->verdict, Verdict::True);
    QTest::keyClick(dialog.GetDlgItem(IDC_CASE_OUTCOME_WHAT), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    const CaseRecord kept = *book->Find(id);
    QCOMPARE(kept.outcomeDate, std::string("2024-02-11"));
    QCOMPARE(kept.outcomeWhat, std::string("Rain all afternoon"));
    QCOMPARE(kept.method, std::string("traditional"));

    // Chosen again, the window comes back with the record still selected.
    QCOMPARE(&OpenCaseBook(window), &dialog);
    QCOMPARE(dialog.SelectedId(), id);
    QCOMPARE(Column(dialog, 3).at(1), QString("came true"));
}

void CaseBookTest::searchFiltersAndStatisticsFindTheEditedRecord() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    CastThree(fixture);
    CCaseBookDlg& dialog = OpenCaseBook(window);
    Select(dialog, 0);
    dialog.SetDlgItemText(IDC_CASE_NOTES, "The removal van came on Friday");
    ChooseEntry(dialog, IDC_CASE_VERDICT, 3); // did not
    Select(dialog, 1);
    ChooseEntry(dialog, IDC_CASE_VERDICT, 1); // came true

    const struct {
        int id;
        QString text;
        QStringList questions;
    } typed[] = {
        {IDC_CASE_SEARCH, "removal van", {"Shall I move house?"}},
        {IDC_CASE_SEARCH, "rain", {"Will it rain?"}},
        {IDC_CASE_SEARCH, "", {"Shall I move house?", "Will it rain?", ""}},
        {IDC_CASE_SINCE, "2999-01-01", {}},
        {IDC_CASE_SINCE, "not a date", {"Shall I move house?", "Will it rain?", ""}},
    };
    for (const auto& entry : typed) {
        Retype(dialog.DlgItem<CEdit>(entry.id), entry.text);
        QTest::keyClick(dialog.GetDlgItem(entry.id), Qt::Key_Return); // at once
        QCOMPARE(Column(dialog, 1), entry.questions);
    }
    QVERIFY(dialog.GetDlgItemText(IDC_CASE_COUNT).find("YYYY-MM-DD") != std::string::npos);
    Retype(dialog.DlgItem<CEdit>(IDC_CASE_SINCE), "");
    QTest::keyClick(dialog.GetDlgItem(IDC_CASE_SINCE), Qt::Key_Return);

    ChooseEntry(dialog, IDC_CASE_METHOD_FILTER, 4); // by numbers
    QCOMPARE(Column(dialog, 1), QStringList({"Shall I move house?"}));
    QCOMPARE(dialog.GetDlgItemText(IDC_CASE_COUNT), std::string("1 of 3 records"));
    ChooseEntry(dialog, IDC_CASE_METHOD_FILTER, 0);
    ChooseEntry(dialog, IDC_CASE_VERDICT_FILTER, 2); // came true
    QCOMPARE(Column(dialog, 1), QStringList({"Will it rain?"}));

    const QString statistics = QString::fromStdString(dialog.GetDlgItemText(IDC_CASE_STATISTICS));
    QVERIFY2(statistics.contains("All methods: records 3: came true 1, partly 0, did not 1, not "
                                 "yet 1; 50% came true of 2 judged"),
             qPrintable(statistics));
    QVERIFY2(statistics.contains("By numbers: records 1: came true 0, partly 0, did not 1, not "
                                 "yet 0; 0% came true of 1 judged"),
             qPrintable(statistics));
}

void CaseBookTest::showInMainWindowShowsTheKeptReadingWithoutLogging() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    CastThree(fixture);
    const QByteArray log = ReadLog(fixture);
    CCaseBookDlg& dialog = OpenCaseBook(window);
    Select(dialog, 1); // the traditional query: 4 over... its record says what was shown
    auto book = SecondConnection(fixture);
    CaseRecord kept = *book->Find(dialog.SelectedId());
    // The texts have changed since: the kept text is shown, not a new one.
    kept.readingText += "A line the texts would not give today\r\n";
    QVERIFY(book->Remove(kept.id, nullptr));
    QVERIFY(book->Add(kept, nullptr));
    dialog.RefreshIfChanged();
    // The record keeps its moment, and with it its place among the others.
    const std::optional<std::int64_t> row = book->IndexOf({}, kept.id);
    QVERIFY(row.has_value());
    Select(dialog, static_cast<int>(*row));
    QCOMPARE(dialog.SelectedId(), kept.id);
    dialog.SendCommand(IDC_CASE_SHOW);

    QCOMPARE(window.GetDlgItemText(IDC_HEXAGRAM_TEXT), kept.readingText);
    QCOMPARE(window.GetDlgItemText(IDC_ORIGINAL_NUMBER), std::to_string(kept.original));
    QCOMPARE(window.GetDlgItemText(IDC_FINAL_NUMBER), std::to_string(kept.final));
    QVERIFY(window.IsDlgButtonChecked(IDC_LINE1 + kept.changeLine - 1));
    fixture.session.FlushCaseBook();
    QCOMPARE(ReadLog(fixture), log);
    QCOMPARE(book->Count({}), 3);
}

void CaseBookTest::deleteAsksFirst() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    CastThree(fixture);
    CCaseBookDlg& dialog = OpenCaseBook(window);
    Select(dialog, 1);
    MessageBoxAnswers answers({IDNO, IDYES});
    dialog.SendCommand(IDC_CASE_DELETE);
    QCOMPARE(Column(dialog, 1).size(), 3);
    dialog.SendCommand(IDC_CASE_DELETE);
    QCOMPARE(answers.Requests().size(), std::size_t{2});
    QVERIFY(QString::fromStdString(answers.Requests()[0].text).contains("Will it rain?"));
    QCOMPARE(Column(dialog, 1), QStringList({"Shall I move house?", ""}));
    QCOMPARE(SecondConnection(fixture)->Count({}), 2);
    // The record below takes the deleted one's place.
    QCOMPARE(dialog.DlgItem<CListView>(IDC_CASE_LIST)->GetCurSel(), 1);
}

void CaseBookTest::aCaseBookThatCannotBeOpenedIsToldAndTheCastStillLogs_data() {
    QTest::addColumn<bool>("folder");
    QTest::newRow("a folder in its place") << true;
    QTest::newRow("random bytes") << false;
}

void CaseBookTest::aCaseBookThatCannotBeOpenedIsToldAndTheCastStillLogs() {
    QFETCH(bool, folder);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    QByteArray bytes;
    if (folder) {
        QVERIFY(QDir(fixture.Path()).mkdir(kCaseBookFileName));
    } else {
        QRandomGenerator random(8192); // seeded, so that a failure comes back
        for (int i = 0; i < 8192; ++i) {
            bytes.append(static_cast<char>(random.bounded(256)));
        }
        fixture.WriteFile(kCaseBookFileName, bytes);
    }
    MessageBoxAnswers answers({IDOK, IDOK});
    QSignalSpy problems(&fixture.session.Recorder(), &CaseBookRecorder::ProblemFound);
    window.ShowReading(5, 7, 4);
    window.WriteLogEntry();
    QTRY_COMPARE_WITH_TIMEOUT(answers.Requests().size(), std::size_t{1}, 10000);
    const QString told = QString::fromStdString(answers.Requests()[0].text);
    QVERIFY2(told.contains(QDir(fixture.Path()).filePath(kCaseBookFileName)), qPrintable(told));
    QCOMPARE(LogEntries(ReadLog(fixture)).size(), 1);
    // Once: the next cast says nothing more.
    window.WriteLogEntry();
    fixture.session.FlushCaseBook();
    // Whatever the recorder told is in the queue once Flush returns.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(problems.count(), 1);
    QCOMPARE(answers.Requests().size(), std::size_t{1});
    QCOMPARE(LogEntries(ReadLog(fixture)).size(), 2);

    CCaseBookDlg& dialog = OpenCaseBook(window);
    QVERIFY(!dialog.Usable());
    QCOMPARE(QString::fromStdString(dialog.GetDlgItemText(IDC_CASE_READING)), told);
    QVERIFY(!dialog.GetDlgItem(IDC_CASE_SEARCH)->isEnabled());
    QVERIFY(dialog.GetDlgItem(IDCANCEL)->isEnabled());
    dialog.SendCommand(IDC_CASE_SHOW);
    dialog.SendCommand(IDC_CASE_DELETE);
    dialog.Refresh();
    if (!folder) {
        QCOMPARE(*fixture.ReadFile(kCaseBookFileName), bytes); // left as it was
    }
}

void CaseBookTest::recordsOfAnotherConnectionAppearAfterTheRefresh() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    CCaseBookDlg& dialog = OpenCaseBook(window);
    QCOMPARE(Column(dialog, 1), QStringList());
    auto book = SecondConnection(fixture);
    CaseRecord record;
    record.id = NewCaseId();
    record.castUtc = "2026-03-01T10:00:00Z";
    record.method = "numbers";
    record.question = "From the command line";
    record.original = 56;
    record.final = 62;
    record.readingText = "text\r\n";
    record.modifiedUtc = CaseStampNow();
    QVERIFY(book->Add(record, nullptr));
    QTRY_COMPARE_WITH_TIMEOUT(Column(dialog, 1), QStringList({"From the command line"}), 5000);
}

void CaseBookTest::aCastAppearsInTheOpenWindowWhenItIsRecorded() {
    const WindowDelays delays(kNoTimers); // no look on a timer: the recorder's word alone
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    CCaseBookDlg& dialog = OpenCaseBook(window);
    QCOMPARE(Column(dialog, 1), QStringList());
    window.ShowReading(5, 7, 4);
    window.WriteLogEntry();
    QTRY_COMPARE(Column(dialog, 2), QStringList({"53 \u2192 33"}));
    QCOMPARE(dialog.GetDlgItemText(IDC_CASE_COUNT), std::string("1 records"));
}

void CaseBookTest::aNoteWrittenElsewhereShowsAndTheNextEditBuildsOnIt_data() {
    QTest::addColumn<bool>("commandLine");
    QTest::newRow("another connection") << false;
    QTest::newRow("zandrel journal note") << true;
}

void CaseBookTest::aNoteWrittenElsewhereShowsAndTheNextEditBuildsOnIt() {
    QFETCH(bool, commandLine);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    CastThree(fixture);
    CCaseBookDlg& dialog = OpenCaseBook(window);
    Select(dialog, 1);
    const std::string id = dialog.SelectedId();
    if (commandLine) {
        QVERIFY(
            RunJournal(fixture, {"note", QString::fromStdString(id.substr(0, 8)), "Rain by noon"}));
    } else {
        QVERIFY(SecondConnection(fixture)->SetNotes(id, "Rain by noon", nullptr));
    }
    QTRY_COMPARE(dialog.GetDlgItemText(IDC_CASE_NOTES), std::string("Rain by noon"));

    // What the user adds goes on from there, and nothing written elsewhere is lost.
    auto* notes = dialog.DlgItem<CMultiLineEdit>(IDC_CASE_NOTES);
    notes->setFocus();
    QTest::keyClick(notes, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(notes, ", sun after");
    dialog.GetDlgItem(IDC_CASE_TAGS)->setFocus();
    QCOMPARE(SecondConnection(fixture)->Find(id)->notes, std::string("Rain by noon, sun after"));
}

void CaseBookTest::aFieldBeingWrittenIsKeptAndAClashIsTheUsersChoice_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("copied");
    QTest::newRow("keep mine") << int(IDYES) << "Mine"
                               << "Theirs";
    QTest::newRow("take theirs") << int(IDNO) << "Theirs"
                                 << "Mine";
}

void CaseBookTest::aFieldBeingWrittenIsKeptAndAClashIsTheUsersChoice() {
    QFETCH(int, answer);
    QFETCH(QString, kept);
    QFETCH(QString, copied);
    const WindowDelays delays(kNoTimers);
    // Every box of the test, the window's last save included, is answered.
    MessageBoxAnswers answers({answer});
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    CastThree(fixture);
    CCaseBookDlg& dialog = OpenCaseBook(window);
    Select(dialog, 1);
    const std::string id = dialog.SelectedId();
    QTest::keyClicks(dialog.GetDlgItem(IDC_CASE_TAGS), "wet");
    auto* notes = dialog.DlgItem<CMultiLineEdit>(IDC_CASE_NOTES);
    notes->setFocus();
    QTest::keyClicks(notes, "Mine");

    auto book = SecondConnection(fixture);
    QVERIFY(book->SetNotes(id, "Theirs", nullptr));
    QVERIFY(book->SetPerson(id, "Ann", nullptr));
    dialog.RefreshIfChanged();
    // What the user typed stays, in the field they are in and in the one they left; a field
    // the user did not touch shows what was written.
    QCOMPARE(dialog.GetDlgItemText(IDC_CASE_NOTES), std::string("Mine"));
    QCOMPARE(dialog.GetDlgItemText(IDC_CASE_TAGS), std::string("wet"));
    QCOMPARE(dialog.GetDlgItemText(IDC_CASE_PERSON), std::string("Ann"));

    QGuiApplication::clipboard()->clear();
    QVERIFY(answers.Requests().empty());
    QVERIFY(dialog.SaveEdits());
    QCOMPARE(answers.Requests().size(), std::size_t{1});
    const QString asked = QString::fromStdString(answers.Requests()[0].text);
    QVERIFY2(asked.contains("Notes, yours:\nMine") &&
                 asked.contains("Notes, now in the case book:\nTheirs") && !asked.contains("wet"),
             qPrintable(asked));
    const CaseRecord record = *book->Find(id);
    QCOMPARE(QString::fromStdString(record.notes), kept);
    QCOMPARE(QString::fromStdString(dialog.GetDlgItemText(IDC_CASE_NOTES)), kept);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    // The parts with no clash: the user's saved, the other's left as written.
    QCOMPARE(record.tags, std::vector<std::string>{"wet"});
    QCOMPARE(record.person, std::string("Ann"));

    // The window now builds on what the book holds: the next edit saves without asking.
    QTest::keyClick(notes, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(notes, "!");
    QVERIFY(dialog.SaveEdits());
    QCOMPARE(answers.Requests().size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(book->Find(id)->notes), kept + "!");
}

void CaseBookTest::aRecordDeletedElsewhereOffersWhatWasTyped_data() {
    QTest::addColumn<bool>("saving");
    QTest::newRow("found by the refresh") << false;
    QTest::newRow("found by the save") << true;
}

void CaseBookTest::aRecordDeletedElsewhereOffersWhatWasTyped() {
    QFETCH(bool, saving);
    const WindowDelays delays(kNoTimers);
    MessageBoxAnswers answers({IDYES});
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    CastThree(fixture);
    CCaseBookDlg& dialog = OpenCaseBook(window);
    Select(dialog, 1);
    const std::string id = dialog.SelectedId();
    auto* notes = dialog.DlgItem<CMultiLineEdit>(IDC_CASE_NOTES);
    notes->setFocus();
    QTest::keyClicks(notes, "Words not saved yet");
    QVERIFY(SecondConnection(fixture)->Remove(id, nullptr));

    QGuiApplication::clipboard()->clear();
    QVERIFY(answers.Requests().empty());
    if (saving) {
        QVERIFY(!dialog.SaveEdits());
    } else {
        dialog.RefreshIfChanged();
    }
    QCOMPARE(answers.Requests().size(), std::size_t{1});
    const QString told = QString::fromStdString(answers.Requests()[0].text);
    QVERIFY2(told.contains("Will it rain?") && told.contains("Words not saved yet"),
             qPrintable(told));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("Words not saved yet"));
    QVERIFY(dialog.SelectedId().empty());
    QCOMPARE(dialog.GetDlgItemText(IDC_CASE_NOTES), std::string());
    QVERIFY(!notes->isEnabled());
    dialog.Refresh();
    QCOMPARE(Column(dialog, 1), QStringList({"Shall I move house?", ""}));
    QCOMPARE(answers.Requests().size(), std::size_t{1});
}

void CaseBookTest::aSearchShowsItsFirstPageBeforeItsCount() {
    const WindowDelays delays(kNoTimers);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const std::vector<CaseRecord> records = ManyRecords();
    auto book = SecondConnection(fixture);
    QVERIFY(book->Merge(records, nullptr, nullptr));
    CCaseBookDlg& dialog = OpenCaseBook(window);
    auto* list = dialog.DlgItem<CListView>(IDC_CASE_LIST);
    QTRY_COMPARE(dialog.GetDlgItemText(IDC_CASE_COUNT), std::string("450 records"));
    QCOMPARE(list->GetItemCount(), 450);

    // The first page at once, with what is known of the count; the count when it comes.
    Retype(dialog.DlgItem<CEdit>(IDC_CASE_SEARCH), "rain");
    QTest::keyClick(dialog.GetDlgItem(IDC_CASE_SEARCH), Qt::Key_Return);
    QCOMPARE(list->GetItemCount(), CCaseBookDlg::kPageRows);
    QCOMPARE(dialog.GetDlgItemText(IDC_CASE_COUNT), std::string("200 or more of 450 records"));
    QTRY_COMPARE(dialog.GetDlgItemText(IDC_CASE_COUNT), std::string("225 of 450 records"));
    QCOMPARE(list->GetItemCount(), 225);
    QCOMPARE(Column(dialog, 1).back(), QString("Rain 0"));

    // A record selected past the first page stays selected when the search is cleared: its
    // row is known with the count.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    const std::string oldest = dialog.SelectedId();
    QCOMPARE(oldest, records[0].id);
    Retype(dialog.DlgItem<CEdit>(IDC_CASE_SEARCH), "");
    QTest::keyClick(dialog.GetDlgItem(IDC_CASE_SEARCH), Qt::Key_Return);
    QCOMPARE(dialog.SelectedId(), oldest);
    QTRY_COMPARE(list->GetCurSel(), 449);
    QCOMPARE(dialog.GetDlgItemText(IDC_CASE_NOTES), std::string());

    // A newer record comes from elsewhere: the rows in view stay, the selection moves one
    // down with its record.
    list->scrollTo(list->model()->index(300, 0), QAbstractItemView::PositionAtTop);
    const int top = list->rowAt(0);
    CaseRecord newer = records[449];
    newer.id = NewCaseId();
    newer.castUtc = "2030-01-01T00:00:00Z";
    QVERIFY(book->Add(newer, nullptr));
    dialog.RefreshIfChanged();
    QTRY_COMPARE(dialog.GetDlgItemText(IDC_CASE_COUNT), std::string("451 records"));
    QCOMPARE(list->GetCurSel(), 450);
    QCOMPARE(dialog.SelectedId(), oldest);
    QCOMPARE(list->rowAt(0), top);
}

void CaseBookTest::aWriteThatComesWhileCountingIsShownOnceCounted() {
    const WindowDelays delays(kNoTimers); // no look on a timer: only the one the test makes
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    auto book = SecondConnection(fixture);
    QVERIFY(book->Merge(ManyRecords(), nullptr, nullptr));
    CCaseBookDlg& dialog = OpenCaseBook(window);
    QTRY_COMPARE(dialog.GetDlgItemText(IDC_CASE_COUNT), std::string("450 records"));

    // Every record has an "n": more than a page, counted on the counter's thread.
    Retype(dialog.DlgItem<CEdit>(IDC_CASE_SEARCH), "n");
    QTest::keyClick(dialog.GetDlgItem(IDC_CASE_SEARCH), Qt::Key_Return);
    CaseRecord other = ManyRecords().front();
    other.question = "Sky";
    QVERIFY(book->Add(other, nullptr));
    dialog.RefreshIfChanged(); // before the count is in
    QTRY_COMPARE(dialog.GetDlgItemText(IDC_CASE_COUNT), std::string("450 of 451 records"));
}

QTEST_MAIN(CaseBookTest)
#include "case_book_test.moc"
