// What assistive technology reads of the program's windows through QAccessible: the names
// and descriptions of the reading display before the first reading, for a reading and as the
// readings change; the names of the dialogs' boxes and buttons; and the reading announced.

#include "gui/hex_text_dlg.h"
#include "gui/log_dlg.h"
#include "gui/manage_text_dlg.h"
#include "gui/query_dlg.h"
#include "gui/resource.h"
#include "tests/gui/main_window_fixture.h"

#include <QAccessible>

using namespace zandrel;
using namespace zandrel::test;

namespace {

QAccessibleInterface* Accessible(const CDialog& dialog, int id) {
    return QAccessible::queryAccessibleInterface(dialog.GetDlgItem(id));
}

QString Name(const CDialog& dialog, int id) {
    return Accessible(dialog, id)->text(QAccessible::Name);
}

QString Description(const CDialog& dialog, int id) {
    return Accessible(dialog, id)->text(QAccessible::Description);
}

// The names of the display: the pictures, the labels, then the six line markers from line 1.
QStringList DisplayNames(const CMainDlg& window) {
    QStringList names;
    for (int id : kImages) {
        names << Name(window, id);
    }
    for (int id : kLabels) {
        names << Name(window, id);
    }
    for (int id = IDC_LINE1; id <= IDC_LINE6; ++id) {
        names << Name(window, id);
    }
    return names;
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void emptyWindowSaysWhatIsEmpty();
    void readingIsToldByEveryElement_data();
    void readingIsToldByEveryElement();
    void namesFollowTheCastAndEachNewReading();
    void dialogBoxesAndButtonsAreNamed();
    void readingIsAnnouncedAsItAppears();
    void theFirstCastIsNotCalledEmptyWhileItRuns();
};

void AccessibleNamesTest::emptyWindowSaysWhatIsEmpty() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();

    QCOMPARE(DisplayNames(window), (QStringList{"Outer trigram: empty",
                                                "Inner trigram: empty",
                                                "Original outer trigram: empty",
                                                "Original inner trigram: empty",
                                                "Upper nuclear trigram: empty",
                                                "Lower nuclear trigram: empty",
                                                "Final outer trigram: empty",
                                                "Final inner trigram: empty",
                                                "Role of the outer trigram: empty",
                                                "Role of the inner trigram: empty",
                                                "Original outer trigram element: empty",
                                                "Original inner trigram element: empty",
                                                "Upper nuclear trigram element: empty",
                                                "Lower nuclear trigram element: empty",
                                                "Final outer trigram element: empty",
                                                "Final inner trigram element: empty",
                                                "Original hexagram: empty",
                                                "Change line: empty",
                                                "Final hexagram: empty",
                                                "Line 1",
                                                "Line 2",
                                                "Line 3",
                                                "Line 4",
                                                "Line 5",
                                                "Line 6"}));
    QCOMPARE(Description(window, IDC_OUTER_IMAGE), QStringLiteral("An empty frame."));
    QCOMPARE(Description(window, IDC_LINE4),
             QStringLiteral("Line 4 of 6, counted from the bottom: the bottom line of the outer "
                            "trigram."));
    for (int id : kImages) {
        QCOMPARE(Accessible(window, id)->role(), QAccessible::Graphic);
    }
    for (int id : kLabels) {
        QCOMPARE(Accessible(window, id)->role(), QAccessible::StaticText);
    }
    QCOMPARE(Accessible(window, IDC_LINE1)->role(), QAccessible::RadioButton);

    // A list's name says what it chooses, its value and its text are the entry it shows.
    const QString lists[] = {"Year|1998", "Month|Jan", "Day|1", "Two-hour period|11PM - 1AM"};
    for (std::size_t i = 0; i < std::size(kLists); ++i) {
        QAccessibleInterface* list = Accessible(window, kLists[i]);
        QCOMPARE(list->role(), QAccessible::ComboBox);
        QCOMPARE(Name(window, kLists[i]) + "|" + list->text(QAccessible::Value), lists[i]);
        QAccessibleTextInterface* text = list->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->text(0, text->characterCount()), lists[i].section('|', 1));
    }
    QCOMPARE(Accessible(window, IDC_YEAR)->childCount(), 1); // the popup's list
    QCOMPARE(Name(window, IDC_HEXAGRAM_TEXT), QStringLiteral("Reading text"));
    QCOMPARE(Name(window, IDC_INNER_TRIGRAM), QStringLiteral("Inner Trigram"));
}

void AccessibleNamesTest::readingIsToldByEveryElement_data() {
    QTest::addColumn<int>("changeLine");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("descriptions"); // of the large outer and inner pictures

    // Outer trigram 1 (Metal) over inner trigram 8 (Earth): hexagram 12.
    QTest::newRow("line 5: the inner trigram is the body")
        << 5
        << QStringList{"Outer trigram: trigram 1, Metal, use",
                       "Inner trigram: trigram 8, Earth, body",
                       "Original outer trigram: trigram 1, Metal, use",
                       "Original inner trigram: trigram 8, Earth, body",
                       "Upper nuclear trigram: trigram 5, Wood",
                       "Lower nuclear trigram: trigram 7, Earth",
                       "Final outer trigram: trigram 3, Fire",
                       "Final inner trigram: trigram 8, Earth",
                       "Role of the outer trigram: Use",
                       "Role of the inner trigram: Body",
                       "Use: Metal, unfavourable",
                       "Body: Earth",
                       "Upper nuclear trigram: Wood, unfavourable",
                       "Lower nuclear trigram: Earth, favourable",
                       "Final outer trigram: Fire, favourable",
                       "Final inner trigram: Earth, favourable",
                       "Original hexagram 12",
                       "Change line 5",
                       "Final hexagram 35",
                       "Line 1, not the change line",
                       "Line 2, not the change line",
                       "Line 3, not the change line",
                       "Line 4, not the change line",
                       "Line 5, the change line",
                       "Line 6, not the change line"}
        << QStringList{"Lines from the top: solid, solid, solid.",
                       "Lines from the top: broken, broken, broken."};
    QTest::newRow("line 2: the outer trigram is the body")
        << 2
        << QStringList{"Outer trigram: trigram 1, Metal, body",
                       "Inner trigram: trigram 8, Earth, use",
                       "Original outer trigram: trigram 1, Metal, body",
                       "Original inner trigram: trigram 8, Earth, use",
                       "Upper nuclear trigram: trigram 5, Wood",
                       "Lower nuclear trigram: trigram 7, Earth",
                       "Final outer trigram: trigram 1, Metal",
                       "Final inner trigram: trigram 6, Water",
                       "Role of the outer trigram: Body",
                       "Role of the inner trigram: Use",
                       "Body: Metal",
                       "Use: Earth, favourable",
                       "Upper nuclear trigram: Wood, favourable",
                       "Lower nuclear trigram: Earth, favourable",
                       "Final outer trigram: Metal, favourable",
                       "Final inner trigram: Water, unfavourable",
                       "Original hexagram 12",
                       "Change line 2",
                       "Final hexagram 6",
                       "Line 1, not the change line",
                       "Line 2, the change line",
                       "Line 3, not the change line",
                       "Line 4, not the change line",
                       "Line 5, not the change line",
                       "Line 6, not the change line"}
        << QStringList{"Lines from the top: solid, solid, solid.",
                       "Lines from the top: broken, broken, broken."};
}

void AccessibleNamesTest::readingIsToldByEveryElement() {
    QFETCH(int, changeLine);
    QFETCH(QStringList, names);
    QFETCH(QStringList, descriptions);
    MainWindow fixture;
    CMainDlg& window = fixture.Start();

    window.ShowReading(1, 8, changeLine);

    QCOMPARE(DisplayNames(window), names);
    QCOMPARE(
        (QStringList{Description(window, IDC_OUTER_IMAGE), Description(window, IDC_INNER_IMAGE)}),
        descriptions);
    QCOMPARE(Description(window, IDC_NUCLEAR_UPPER_SMALL),
             QStringLiteral("Lines from the top: solid, solid, broken."));
}

void AccessibleNamesTest::namesFollowTheCastAndEachNewReading() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    window.ShowReading(1, 8, 5);
    window.ShowReading(6, 3, 2);
    MainWindow fresh;
    fresh.Start().ShowReading(6, 3, 2);
    QCOMPARE(DisplayNames(window), DisplayNames(fresh.window));

    // The inner step of a new cast: its picture says it is casting while it runs, then which
    // trigram it drew, with no role until the reading gives it one. The rest still tells the
    // reading it shows.
    const SteppingTickCount ticks(48, 3); // draws trigram 4
    QString whileCasting;
    auto answer = WhenModal::Act<CQueryDlg>([&](CQueryDlg* dialog) {
        QTimer::singleShot(0, &window, [&] { whileCasting = Name(window, IDC_INNER_IMAGE); });
        QTest::keyClicks(dialog->DlgItem<CEdit>(IDC_QUESTION), "again?");
        QTest::keyClick(dialog->DlgItem<CEdit>(IDC_QUESTION), Qt::Key_Return);
    });
    QTest::keyClick(window.GetDlgItem(IDC_INNER_TRIGRAM), Qt::Key_Return);
    QVERIFY(answer->Fired());
    QCOMPARE(whileCasting, QStringLiteral("Inner trigram: casting"));
    QCOMPARE(Name(window, IDC_INNER_IMAGE), QStringLiteral("Inner trigram: trigram 4, Wood"));
    QCOMPARE(Name(window, IDC_OUTER_IMAGE),
             QStringLiteral("Outer trigram: trigram 6, Water, body"));
}

void AccessibleNamesTest::dialogBoxesAndButtonsAreNamed() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();

    QString question;
    auto asked = WhenModal::Act<CQueryDlg>([&](CQueryDlg* dialog) {
        question = Name(*dialog, IDC_QUESTION);
        dialog->EndDialog(IDCANCEL);
    });
    window.SendCommand(IDC_INNER_TRIGRAM);
    QVERIFY(asked->Fired());
    QCOMPARE(question, QStringLiteral("Enter your question below:"));

    QStringList editor;
    auto edited = WhenModal::Act<CManageTextDlg>([&](CManageTextDlg* dialog) {
        for (int id : {IDC_CUSTOM_TITLE, IDC_CUSTOM_MAIN, IDC_CUSTOM_LINE1, IDC_CUSTOM_LINE6}) {
            editor << Name(*dialog, id);
        }
        const auto labels = Accessible(*dialog, IDC_CUSTOM_HEXAGRAM)->relations(QAccessible::Label);
        editor << (labels.size() == 1 ? labels.front().first->text(QAccessible::Name) : "");
        dialog->EndDialog(IDCANCEL);
    });
    window.SendCommand(IDC_MANAGE_TEXT);
    QVERIFY(edited->Fired());
    QCOMPARE(editor, (QStringList{"Title:", "Main Text:", "Line 1:", "Line 6:", "Hexagram:"}));

    QStringList browser;
    auto browsed = WhenModal::Act<CHexTextDlg>([&](CHexTextDlg* dialog) {
        browser << Name(*dialog, IDC_HEXAGRAM_TEXT) << Name(*dialog, IDC_HEXAGRAM1)
                << Name(*dialog, IDC_HEXAGRAM64) << Name(*dialog, IDOK);
        dialog->EndDialog(IDOK);
    });
    window.SendCommand(IDC_VIEW_TEXT);
    QVERIFY(browsed->Fired());
    QCOMPARE(browser, (QStringList{"Hexagram text", "Hexagram 1, Creative Yang Force",
                                   "Hexagram 64, Before Completion", "OK"}));

    QString log;
    auto viewed = WhenModal::Act<CLogDlg>([&](CLogDlg* dialog) {
        log = Name(*dialog, IDC_LOG_TEXT);
        dialog->EndDialog(IDOK);
    });
    window.SendCommand(IDC_VIEW_LOG);
    QVERIFY(viewed->Fired());
    QCOMPARE(log, QStringLiteral("Query log"));
}

void AccessibleNamesTest::readingIsAnnouncedAsItAppears() {
    MainWindow fixture;
    // A custom title is the one spoken, as it stands.
    fixture.WriteFile("custom39.txt", "Trouble %1 ahead\r\nmain\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    CMainDlg& window = fixture.Start();
    // The main window is a frame, which a screen reader does not read out in full each time
    // one of its dialogs closes.
    QCOMPARE(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
    const auto* announcer = window.findChild<CAnnouncer*>();
    QVERIFY(announcer != nullptr);

    window.ShowReading(2, 7, 4); // 31 over Dui and Gen; line 4 changes the outer trigram
    QCOMPARE(announcer->Text(),
             std::string("Original hexagram 31, Stimulation. Change line 4. Final hexagram 39, "
                         "Trouble %1 ahead. Body: inner trigram, Earth. Use: outer trigram, "
                         "Metal."));
    QTRY_VERIFY(announcer->Announced());
    QCOMPARE(QAccessible::queryAccessibleInterface(const_cast<CAnnouncer*>(announcer))
                 ->text(QAccessible::Name),
             QString::fromStdString(announcer->Text()));
}

void AccessibleNamesTest::theFirstCastIsNotCalledEmptyWhileItRuns() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    const SteppingTickCount ticks(48, 3); // the animation takes many turns of the event loop
    const int ids[] = {IDC_ORIGINAL_NUMBER, IDC_OUTER_ELEMENT, IDC_OUTER_ROLE,
                       IDC_FINAL_OUTER_SMALL};
    QStringList whileCasting;
    auto answer = WhenModal::Act<CQueryDlg>([&](CQueryDlg* dialog) {
        QTimer::singleShot(0, &window, [&] {
            for (int id : ids) {
                whileCasting << Name(window, id);
            }
        });
        QTest::keyClicks(dialog->DlgItem<CEdit>(IDC_QUESTION), "first?");
        QTest::keyClick(dialog->DlgItem<CEdit>(IDC_QUESTION), Qt::Key_Return);
    });
    QTest::keyClick(window.GetDlgItem(IDC_INNER_TRIGRAM), Qt::Key_Return);
    QVERIFY(answer->Fired());
    QCOMPARE(whileCasting,
             (QStringList{"Original hexagram: casting", "Original outer trigram element: casting",
                          "Role of the outer trigram: casting", "Final outer trigram: casting"}));
    // Between the steps nothing runs, and no reading is shown yet.
    QCOMPARE(Name(window, IDC_ORIGINAL_NUMBER), QStringLiteral("Original hexagram: empty"));
}

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
