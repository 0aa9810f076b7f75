// The hexagram text browser and the custom text editor, each over a text store of its own in a
// temporary data directory, as the main window hands them its store; and once opened from the
// main window's buttons, where the keys reach every command of both and the reading text
// follows what the editor commits.

#include "core/reading.h"
#include "core/trigrams.h"
#include "gui/hex_text_dlg.h"
#include "gui/manage_text_dlg.h"
#include "gui/resource.h"
#include "platform/dialog_style.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/fault_helpers.h"
#include "text/reading_text.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

#include <csignal>
#include <optional>
#include <sys/resource.h>

using namespace zandrel;
using namespace zandrel::test;

namespace {

const QString kHexagram1 = QStringLiteral(
    "Hexagram 1 Creative Yang Force\r\n"
    "Continuing firmly and correctly will lead to great success.\r\n"
    "Line 1\r\nIt is not a good time to make important decisions.\r\n"
    "Line 2\r\nIt is beneficial to meet someone you respect.\r\n"
    "Line 3\r\nCare must be taken to avoid making mistakes.\r\n"
    "Line 4\r\nTo be or not to be, this is your decision. No matter what decision you make, "
    "no blame will occur.\r\n"
    "Line 5\r\nWhatever you do will produce great results.\r\n"
    "Line 6\r\nBe careful that overconfidence will lead to regret.\r\n");

// The eight lines of a custom text file, each ended by CR LF.
QByteArray CustomFile(const QStringList& texts) {
    QByteArray bytes;
    for (const QString& text : texts) {
        bytes += text.toUtf8() + "\r\n";
    }
    return bytes;
}

// A text store over a temporary data directory, loaded as the main window loads its own.
class Store : public DataFolder {
public:
    Store() { texts.dataDirectory = Path().toStdString(); }

    // Reads the custom text files, as a start of the program does.
    TextStore& Load() {
        LoadCustomTexts(texts.hexagramTexts, texts.dataDirectory);
        return texts;
    }

    TextStore texts;
};

QString Text(const CDialog& dialog, int id) {
    return QString::fromStdString(dialog.GetDlgItemText(id));
}

// The texts of the editor's eight boxes, in record order.
QStringList Boxes(const CManageTextDlg& editor) {
    QStringList texts{Text(editor, IDC_CUSTOM_TITLE), Text(editor, IDC_CUSTOM_MAIN)};
    for (int id = IDC_CUSTOM_LINE1; id <= IDC_CUSTOM_LINE6; ++id) {
        texts << Text(editor, id);
    }
    return texts;
}

const QStringList kEmptyBoxes(8);

// Types each text into its box, replacing what it held.
void TypeInto(CManageTextDlg& editor, const QStringList& texts) {
    const int ids[] = {IDC_CUSTOM_TITLE, IDC_CUSTOM_MAIN,  IDC_CUSTOM_LINE1, IDC_CUSTOM_LINE2,
                       IDC_CUSTOM_LINE3, IDC_CUSTOM_LINE4, IDC_CUSTOM_LINE5, IDC_CUSTOM_LINE6};
    for (int i = 0; i < texts.size(); ++i) {
        auto* box = editor.DlgItem<CEdit>(ids[i]);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        box->insert(texts[i]);
    }
}

// The user picks hexagram n in the editor's list.
void Choose(CManageTextDlg& editor, int n) {
    editor.DlgItem<CComboBox>(IDC_CUSTOM_HEXAGRAM)->setCurrentIndex(n - 1);
}

void Click(CDialog& dialog, int id) {
    QTest::mouseClick(dialog.GetDlgItem(id), Qt::LeftButton);
}

// Opens the editor over `store` and runs `steps` in it; the steps end it, or the test fails.
void WithEditor(TextStore& store, const std::function<void(CManageTextDlg&)>& steps) {
    CManageTextDlg editor(store, Vocabulary::Of(store.language), nullptr);
    auto act = WhenModal::Act<CManageTextDlg>([&](CManageTextDlg* shown) { steps(*shown); });
    editor.DoModal();
    QVERIFY(act->Fired());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

// Runs a browser over `store` and `steps` in it; the steps end it, or the test fails.
void WithBrowser(const TextStore& store, const std::function<void(CHexTextDlg&)>& steps) {
    CHexTextDlg browser(store, nullptr);
    auto act = WhenModal::Act<CHexTextDlg>([&](CHexTextDlg* shown) { steps(*shown); });
    browser.DoModal();
    QVERIFY(act->Fired());
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
}

// What a browser over `store` shows for hexagram n.
QString BrowserText(const TextStore& store, int n) {
    CHexTextDlg browser(store, nullptr);
    browser.Create();
    Click(browser, IDC_HEXAGRAM1 + n - 1);
    const QString text = Text(browser, IDC_HEXAGRAM_TEXT);
    browser.DestroyWindow();
    return text;
}

// The first block of the reading text of a reading whose original hexagram is n.
QString ReadingHeader(const TextStore& store, int n) {
    for (Trigram outer = 1; outer <= 8; ++outer) {
        for (Trigram inner = 1; inner <= 8; ++inner) {
            if (HexagramTable(outer, inner) == n) {
                return QString::fromStdString(
                    ComposeReadingText(store.hexagramTexts, ComputeReading(outer, inner, 1))
                        .originalText);
            }
        }
    }
    return {};
}

// Restores the file size limit when it goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { Lift(); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    void Lift() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    sighandler_t previousHandler_ = SIG_DFL;
};

// The id of the control that has the focus in `dialog`, 0 when none has.
int FocusId(const QWidget& dialog) {
    const QWidget* focus = dialog.focusWidget();
    return focus != nullptr ? focus->objectName().toInt() : 0;
}

// Presses `key` where the focus of `dialog` is, which is where the user's key goes.
void Press(QWidget& dialog, Qt::Key key) {
    QTest::keyClick(dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog, key);
}

} // namespace

class TextDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void browserOpensEmptyWithItsGridOfButtons();
    void browserShowsOnlyTheLastHexagramPressed();
    void browserShowsRecordsAsTheyAreNow();
    void browserClosesWithOkEnterEscapeAndTheCloseBox_data();
    void browserClosesWithOkEnterEscapeAndTheCloseBox();

    void editorOpensOnHexagram1_data();
    void editorOpensOnHexagram1();
    void choosingAHexagramShowsItsRecordAndNeverADefault();
    void updateThenEscapeKeepsItPendingUntilAClose();
    void updateWithEmptyBoxesGivesHeadingsWithoutText();
    void restoreRightAfterUpdateLeavesAnEmptyFile();
    void restoreSaysNothingWhereThereIsNothingToRestore();
    void restoreAllAnsweredNoChangesNothing();
    void restoreAllClearsTheBoxesBeforeItsMessage();
    void anyScriptIsStoredAsTypedAndPastedLinesAreJoined();
    void updateRefusesATextPastTheCapAndKeepsEveryText();
    void aFailedCommitKeepsTheOldFileAndTheDialogOpen_data();
    void aFailedCommitKeepsTheOldFileAndTheDialogOpen();

    void browserAndEditorAreReachedByKeys();
    void bothOpenFromTheMainWindowOverItsTexts();
};

void TextDialogsTest::browserOpensEmptyWithItsGridOfButtons() {
    Store fixture;
    TextStore& store = fixture.Load();
    WithBrowser(store, [&](CHexTextDlg& browser) {
        QCOMPARE(browser.windowTitle(), QStringLiteral("Hexagram Text"));
        QCOMPARE(Text(browser, IDC_HEXAGRAM_TEXT), QString());
        QCOMPARE(browser.font(), DialogFont());
        QCOMPARE(QApplication::focusWidget(), browser.GetDlgItem(IDOK));
        for (int n = 1; n <= 64; ++n) {
            const QWidget* button = browser.GetDlgItem(IDC_HEXAGRAM1 + n - 1);
            QVERIFY2(button->isEnabled(), qPrintable(QString::number(n)));
            QCOMPARE(Text(browser, IDC_HEXAGRAM1 + n - 1).toInt(), n);
        }
        // Eight rows of eight, numbered left to right and top to bottom.
        const std::tuple<int, int, int> places[] = {
            {1, 28, 7}, {8, 238, 7}, {9, 28, 21}, {57, 28, 105}, {64, 238, 105}};
        for (const auto& [n, x, y] : places) {
            const DialogRect rect = DialogUnitRect(*browser.GetDlgItem(IDC_HEXAGRAM1 + n - 1));
            QCOMPARE(std::pair(rect.x, rect.y), std::pair(x, y));
        }
        QTest::keyClick(&browser, Qt::Key_Escape);
    });
}

void TextDialogsTest::browserShowsOnlyTheLastHexagramPressed() {
    Store fixture;
    TextStore& store = fixture.Load();
    QString first;
    QString last;
    WithBrowser(store, [&](CHexTextDlg& browser) {
        Click(browser, IDC_HEXAGRAM1);
        first = Text(browser, IDC_HEXAGRAM_TEXT);
        Click(browser, IDC_HEXAGRAM64);
        last = Text(browser, IDC_HEXAGRAM_TEXT);
        Click(browser, IDOK);
    });

    QCOMPARE(first, kHexagram1);
    // Fourteen lines, each ended by CR LF: the heading, the main text and six lines.
    QVERIFY(last.endsWith("\r\n"));
    const QStringList lines = last.chopped(2).split("\r\n");
    QCOMPARE(lines.size(), 14);
    QCOMPARE(lines[0], QStringLiteral("Hexagram 64 Before Completion"));
    for (int k = 1; k <= 6; ++k) {
        QCOMPARE(lines[2 * k], QStringLiteral("Line %1").arg(k));
        QVERIFY(!lines[2 * k + 1].isEmpty());
    }
    QVERIFY(!last.contains("Hexagram 1 "));
}

void TextDialogsTest::browserShowsRecordsAsTheyAreNow() {
    Store fixture;
    fixture.WriteFile("custom5.txt", "\r\n"); // custom text with every field empty
    fixture.WriteFile("custom7.txt", CustomFile({"Mine", "Main", "1", "2", "3", "4", "5", "6"}));
    TextStore& store = fixture.Load();

    QCOMPARE(BrowserText(store, 5), QStringLiteral("Hexagram 5 \r\n\r\nLine 1\r\n\r\nLine 2\r\n\r\n"
                                                   "Line 3\r\n\r\nLine 4\r\n\r\nLine 5\r\n\r\n"
                                                   "Line 6\r\n\r\n"));
    QCOMPARE(BrowserText(store, 7), QStringLiteral("Hexagram 7 Mine\r\nMain\r\nLine 1\r\n1\r\n"
                                                   "Line 2\r\n2\r\nLine 3\r\n3\r\nLine 4\r\n4\r\n"
                                                   "Line 5\r\n5\r\nLine 6\r\n6\r\n"));
    // Changed in the editor but not written yet: the default text, as the reading shows.
    UpdateText(store.hexagramTexts, 7, {"Changed"});
    QVERIFY(BrowserText(store, 7).startsWith("Hexagram 7 The Army\r\n"));
    QVERIFY(ReadingHeader(store, 7).startsWith("Hexagram 7 The Army\r\n"));
    QCOMPARE(fixture.Files(), (QStringList{"custom5.txt", "custom7.txt"}));
}

void TextDialogsTest::browserClosesWithOkEnterEscapeAndTheCloseBox_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "ok";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close box") << "close";
}

void TextDialogsTest::browserClosesWithOkEnterEscapeAndTheCloseBox() {
    QFETCH(QString, how);
    Store fixture;
    TextStore& store = fixture.Load();
    QString shown;
    WithBrowser(store, [&](CHexTextDlg& browser) {
        // Enter on a number button presses it, as on any button; the dialog stays.
        QWidget* three = browser.GetDlgItem(IDC_HEXAGRAM1 + 2);
        three->setFocus();
        QTest::keyClick(three, Qt::Key_Return);
        shown = Text(browser, IDC_HEXAGRAM_TEXT).section("\r\n", 0, 0);
        QWidget* ok = browser.GetDlgItem(IDOK);
        if (how == "ok") {
            Click(browser, IDOK);
        } else if (how == "enter") {
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Return);
        } else if (how == "escape") {
            QTest::keyClick(three, Qt::Key_Escape);
        } else {
            browser.close();
        }
    });
    QCOMPARE(shown, QStringLiteral("Hexagram 3 Difficulty at Beginning"));
    QVERIFY(fixture.Files().isEmpty());
}

void TextDialogsTest::editorOpensOnHexagram1_data() {
    QTest::addColumn<QByteArray>("custom1");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("without custom text") << QByteArray() << kEmptyBoxes;
    QTest::newRow("with custom text") << CustomFile({"T", "M", "a", "b", "c", "d", "e", "f"})
                                      << QStringList{"T", "M", "a", "b", "c", "d", "e", "f"};
}

void TextDialogsTest::editorOpensOnHexagram1() {
    QFETCH(QByteArray, custom1);
    QFETCH(QStringList, boxes);
    Store fixture;
    if (!custom1.isEmpty()) {
        fixture.WriteFile("custom1.txt", custom1);
    }
    TextStore& store = fixture.Load();
    WithEditor(store, [&](CManageTextDlg& editor) {
        auto* list = editor.DlgItem<CComboBox>(IDC_CUSTOM_HEXAGRAM);
        QCOMPARE(editor.windowTitle(), QStringLiteral("Manage Custom Hexagram Text"));
        QCOMPARE(list->count(), 64);
        QCOMPARE(list->ItemText(0) + list->ItemText(6) + list->ItemText(63), std::string("1764"));
        QCOMPARE(list->GetCurSel(), 0);
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(Boxes(editor), boxes);
        QTest::keyClick(list, Qt::Key_Escape);
    });
    QCOMPARE(fixture.ReadFile("custom1.txt").value_or(QByteArray()), custom1);
}

void TextDialogsTest::choosingAHexagramShowsItsRecordAndNeverADefault() {
    Store fixture;
    fixture.WriteFile("custom1.txt", CustomFile({"T", "M", "a", "b", "c", "d", "e", "f"}));
    fixture.WriteFile("custom3.txt", CustomFile({"Three"}));
    TextStore& store = fixture.Load();
    WithEditor(store, [&](CManageTextDlg& editor) {
        // With the keyboard, as a user moves through the list.
        auto* list = editor.DlgItem<CComboBox>(IDC_CUSTOM_HEXAGRAM);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->GetCurSel(), 1);
        QCOMPARE(Boxes(editor), kEmptyBoxes);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(Boxes(editor), (QStringList{"Three", "", "", "", "", "", "", ""}));
        // What was typed and not stored is gone once another hexagram is chosen.
        TypeInto(editor, {"typed"});
        Choose(editor, 1);
        Choose(editor, 3);
        QCOMPARE(Boxes(editor).front(), QStringLiteral("Three"));
        QTest::keyClick(list, Qt::Key_Escape);
    });
}

void TextDialogsTest::updateThenEscapeKeepsItPendingUntilAClose() {
    Store fixture;
    TextStore& store = fixture.Load();
    const QStringList mine{"My title", "My main text", "one",  "two",
                           "three",    "four",         "five", "six"};
    std::vector<MessageBoxRequest> boxes;
    WithEditor(store, [&](CManageTextDlg& editor) {
        MessageBoxAnswers answers({IDOK});
        Choose(editor, 12);
        TypeInto(editor, mine);
        Click(editor, IDC_UPDATE_TEXT);
        Choose(editor, 1);
        TypeInto(editor, {"Pending one"});
        Click(editor, IDC_UPDATE_TEXT);
        boxes = answers.Requests();
        QTest::keyClick(editor.GetDlgItem(IDC_CUSTOM_LINE6), Qt::Key_Escape);
    });
    QCOMPARE(boxes.size(), std::size_t{2});
    QCOMPARE(boxes[0].text, std::string("Text updated."));
    QCOMPARE(boxes[0].caption, std::string("Update Text"));
    QCOMPARE(boxes[0].icon, MessageIcon::Information);
    QCOMPARE(boxes[0].buttons, MessageButtons::Ok);
    // Escape wrote nothing: hexagram 12 still shows its default text everywhere.
    QVERIFY(fixture.Files().isEmpty());
    QVERIFY(ReadingHeader(store, 12).startsWith("Hexagram 12 Obstruction\r\n"));
    QVERIFY(BrowserText(store, 12).startsWith("Hexagram 12 Obstruction\r\n"));

    // Opened again, the editor shows hexagram 1 only if its text is in effect, and a pending
    // one is not; the pending texts show once their hexagram is chosen, and Close writes them.
    WithEditor(store, [&](CManageTextDlg& editor) {
        QCOMPARE(Boxes(editor), kEmptyBoxes);
        Choose(editor, 12);
        QCOMPARE(Boxes(editor), mine);
        Choose(editor, 1);
        QCOMPARE(Boxes(editor).front(), QStringLiteral("Pending one"));
        Click(editor, IDOK);
    });
    QCOMPARE(fixture.ReadFile("custom12.txt"), CustomFile(mine));
    QCOMPARE(fixture.ReadFile("custom1.txt"),
             CustomFile({"Pending one", "", "", "", "", "", "", ""}));
    QCOMPARE(ReadingHeader(store, 12), QStringLiteral("Hexagram 12 My title\r\nMy main text\r\n"));
    QVERIFY(BrowserText(store, 12).startsWith("Hexagram 12 My title\r\nMy main text\r\nLine 1\r\n"
                                              "one\r\n"));
}

void TextDialogsTest::updateWithEmptyBoxesGivesHeadingsWithoutText() {
    Store fixture;
    TextStore& store = fixture.Load();
    WithEditor(store, [&](CManageTextDlg& editor) {
        MessageBoxAnswers answers({IDOK});
        Choose(editor, 2);
        Click(editor, IDC_UPDATE_TEXT);
        // Enter in a box is Close, the default button.
        QWidget* title = editor.GetDlgItem(IDC_CUSTOM_TITLE);
        title->setFocus();
        QTest::keyClick(title, Qt::Key_Return);
    });
    QCOMPARE(fixture.ReadFile("custom2.txt"), QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    QCOMPARE(ReadingHeader(store, 2), QStringLiteral("Hexagram 2 \r\n\r\n"));
    QVERIFY(BrowserText(store, 2).startsWith("Hexagram 2 \r\n\r\nLine 1\r\n\r\nLine 2\r\n\r\n"));
}

void TextDialogsTest::restoreRightAfterUpdateLeavesAnEmptyFile() {
    Store fixture;
    TextStore& store = fixture.Load();
    std::vector<MessageBoxRequest> boxes;
    WithEditor(store, [&](CManageTextDlg& editor) {
        MessageBoxAnswers answers({IDOK, IDOK});
        Choose(editor, 3);
        TypeInto(editor, {"Short-lived"});
        Click(editor, IDC_UPDATE_TEXT);
        Click(editor, IDC_RESTORE_TEXT);
        QCOMPARE(Boxes(editor), kEmptyBoxes);
        boxes = answers.Requests();
        Click(editor, IDOK);
    });
    QCOMPARE(boxes.size(), std::size_t{2});
    QCOMPARE(boxes[1].text, std::string("Default text restored."));
    QCOMPARE(boxes[1].caption, std::string("Restore Text"));
    QCOMPARE(boxes[1].icon, MessageIcon::Information);
    QCOMPARE(fixture.ReadFile("custom3.txt"), QByteArray(""));
    QVERIFY(BrowserText(store, 3).startsWith("Hexagram 3 Difficulty at Beginning\r\n"));
}

void TextDialogsTest::restoreSaysNothingWhereThereIsNothingToRestore() {
    Store fixture;
    TextStore& store = fixture.Load();
    std::size_t asked = 1;
    WithEditor(store, [&](CManageTextDlg& editor) {
        MessageBoxAnswers answers({});
        Choose(editor, 9);
        TypeInto(editor, {"typed, not stored"});
        Click(editor, IDC_RESTORE_TEXT);
        asked = answers.Requests().size();
        QCOMPARE(Boxes(editor).front(), QStringLiteral("typed, not stored"));
        Click(editor, IDOK);
    });
    QCOMPARE(asked, std::size_t{0});
    QVERIFY(fixture.Files().isEmpty());
}

void TextDialogsTest::restoreAllAnsweredNoChangesNothing() {
    Store fixture;
    const QByteArray custom = CustomFile({"Kept", "M", "", "", "", "", "", ""});
    fixture.WriteFile("custom1.txt", custom);
    TextStore& store = fixture.Load();
    std::vector<MessageBoxRequest> asked;
    WithEditor(store, [&](CManageTextDlg& editor) {
        MessageBoxAnswers answers({IDNO});
        Click(editor, IDC_RESTORE_ALL_TEXT);
        asked = answers.Requests();
        QCOMPARE(Boxes(editor).front(), QStringLiteral("Kept"));
        QCOMPARE(store.hexagramTexts[0].state, CustomTextState::Active);
        Click(editor, IDOK);
    });
    // One question, with No as its default button (Enter answers No), and no second message.
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(
        asked[0].text,
        std::string("Do you really want to remove all custom text and reset to default text?"));
    QCOMPARE(asked[0].caption, std::string("Restore All Text"));
    QCOMPARE(asked[0].icon, MessageIcon::Question);
    QCOMPARE(asked[0].buttons, MessageButtons::YesNo);
    QCOMPARE(asked[0].defaultButton, IDNO);
    QCOMPARE(fixture.ReadFile("custom1.txt"), std::optional<QByteArray>(custom));
}

void TextDialogsTest::restoreAllClearsTheBoxesBeforeItsMessage() {
    Store fixture;
    fixture.WriteFile("custom1.txt", CustomFile({"One"}));
    fixture.WriteFile("custom40.txt", CustomFile({"Forty"}));
    TextStore& store = fixture.Load();
    QStringList boxesDuringMessage;
    std::vector<MessageBoxRequest> asked;
    WithEditor(store, [&](CManageTextDlg& editor) {
        QCOMPARE(Boxes(editor).front(), QStringLiteral("One"));
        SetMessageBoxAnswerer([&](const MessageBoxRequest& request) {
            asked.push_back(request);
            boxesDuringMessage = Boxes(editor);
            return asked.size() == 1 ? IDYES : IDOK;
        });
        Click(editor, IDC_RESTORE_ALL_TEXT);
        SetMessageBoxAnswerer({});
        Click(editor, IDOK);
    });
    QCOMPARE(asked.size(), std::size_t{2});
    QCOMPARE(asked[0].defaultButton, IDNO);
    QCOMPARE(asked[1].text, std::string("Default text restored."));
    QCOMPARE(asked[1].caption, std::string("Restore All Text"));
    QCOMPARE(boxesDuringMessage, kEmptyBoxes);
    QCOMPARE(fixture.ReadFile("custom1.txt"), QByteArray(""));
    QCOMPARE(fixture.ReadFile("custom40.txt"), QByteArray(""));
    QVERIFY(BrowserText(store, 40).startsWith("Hexagram 40 Release\r\n"));
}

void TextDialogsTest::anyScriptIsStoredAsTypedAndPastedLinesAreJoined() {
    Store fixture;
    TextStore& store = fixture.Load();
    WithEditor(store, [&](CManageTextDlg& editor) {
        MessageBoxAnswers answers({IDOK});
        Choose(editor, 64);
        TypeInto(editor, {QStringLiteral("Vor der Vollendung – 未濟"), QStringLiteral("Ça ira")});
        auto* line1 = editor.DlgItem<CEdit>(IDC_CUSTOM_LINE1);
        line1->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("first line\r\nsecond line\n"));
        line1->paste();
        QTest::keyClicks(editor.GetDlgItem(IDC_CUSTOM_LINE2), "typed");
        Click(editor, IDC_UPDATE_TEXT);
        Click(editor, IDOK);
    });
    QCOMPARE(fixture.ReadFile("custom64.txt"),
             CustomFile({QStringLiteral("Vor der Vollendung – 未濟"), QStringLiteral("Ça ira"),
                         "first line second line", "typed", "", "", "", ""}));
    QCOMPARE(ReadingHeader(store, 64),
             QStringLiteral("Hexagram 64 Vor der Vollendung – 未濟\r\nÇa ira\r\n"));
    // Read back as a new start would: the same texts.
    HexagramTexts reloaded;
    LoadCustomTexts(reloaded, store.dataDirectory);
    QCOMPARE(RecordTexts(reloaded, 64), RecordTexts(store.hexagramTexts, 64));
}

// The steps that once lost texts: a title and a main text longer than the cap, then a line.
// Update names the first text too long and selects what lies past the cap, changing nothing;
// once shortened to the cap, every text comes back whole at the next start.
void TextDialogsTest::updateRefusesATextPastTheCapAndKeepsEveryText() {
    const int cap = static_cast<int>(kMaxCustomTextBytes);
    const QString euro = QStringLiteral("€"); // three bytes in UTF-8
    Store fixture;
    TextStore& store = fixture.Load();
    std::vector<MessageBoxRequest> boxes;
    QStringList refused;
    QStringList stored;
    WithEditor(store, [&](CManageTextDlg& editor) {
        MessageBoxAnswers answers({});
        auto* title = editor.DlgItem<CEdit>(IDC_CUSTOM_TITLE);
        auto* main = editor.DlgItem<CEdit>(IDC_CUSTOM_MAIN);
        Choose(editor, 20);
        TypeInto(editor, {QString(102400, 'T'), QString(71680, 'M'), "L1 after the long ones"});
        Click(editor, IDC_UPDATE_TEXT);
        QCOMPARE(store.hexagramTexts[19].state, CustomTextState::None);
        QCOMPARE(QApplication::focusWidget(), title);
        QCOMPARE(title->selectionStart(), cap);
        QCOMPARE(title->selectedText().size(), 102400 - cap);

        // A character across the cap is selected whole.
        title->setText(QString(cap - 2, 'T') + euro);
        Click(editor, IDC_UPDATE_TEXT);
        QCOMPARE(title->selectionStart(), cap - 2);
        QCOMPARE(title->selectedText(), euro);

        title->setText(QString(cap - 3, 'T') + euro);
        Click(editor, IDC_UPDATE_TEXT);
        QCOMPARE(QApplication::focusWidget(), main);
        refused = Boxes(editor);

        main->setText(QString(cap, 'M'));
        Click(editor, IDC_UPDATE_TEXT);
        stored = Boxes(editor);
        Click(editor, IDOK);
        boxes = answers.Requests();
    });
    QCOMPARE(boxes.size(), std::size_t{4});
    const std::string limit = " bytes, and a text may take at most 65536 (a plain letter takes "
                              "1 byte, most other characters 2 to 4). Nothing was updated.";
    QCOMPARE(boxes[0].text, "Title is too long to be stored: it takes 102400" + limit);
    QCOMPARE(boxes[1].text, "Title is too long to be stored: it takes 65537" + limit);
    QCOMPARE(boxes[2].text, "Main Text is too long to be stored: it takes 71680" + limit);
    QCOMPARE(boxes[2].caption, std::string("Update Text"));
    QCOMPARE(boxes[2].icon, MessageIcon::Exclamation);
    QCOMPARE(boxes[3].text, std::string("Text updated."));
    QCOMPARE(refused[1].size(), 71680); // nothing was cut
    QCOMPARE(fixture.ReadFile("custom20.txt"), CustomFile(stored));
    HexagramTexts restarted;
    LoadCustomTexts(restarted, store.dataDirectory);
    QCOMPARE(RecordTexts(restarted, 20), RecordTexts(store.hexagramTexts, 20));
    QCOMPARE(QString::fromStdString(restarted[19].lineTexts[0]), QString("L1 after the long ones"));
}

void TextDialogsTest::aFailedCommitKeepsTheOldFileAndTheDialogOpen_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("message");
    QTest::newRow("a directory in the file's place") << "directory"
                                                     << "Access to custom5.txt was denied.";
    QTest::newRow("another process holding the file")
        << "lock"
        << "A sharing violation occurred while accessing custom5.txt.";
    QTest::newRow("a full device") << "full"
                                   << "Disk full while accessing %1/custom5.txt.";
}

void TextDialogsTest::aFailedCommitKeepsTheOldFileAndTheDialogOpen() {
    QFETCH(QString, fault);
    QFETCH(QString, message);
    Store fixture;
    const QByteArray old = CustomFile({"Old five", "", "", "", "", "", "", ""});
    if (fault == "directory") {
        QVERIFY(QDir(fixture.Path()).mkdir("custom5.txt"));
    } else {
        fixture.WriteFile("custom5.txt", old);
    }
    TextStore& store = fixture.Load();
    auto lock = fault == "lock" ? std::make_unique<fixtures::LockHolder>(
                                      (fixture.Path() + "/custom5.txt").toStdString())
                                : nullptr;
    auto full = fault == "full" ? std::make_unique<FileSizeLimit>(40) : nullptr;
    const QString kLongText = QStringLiteral("a main text too long for the full device");

    std::vector<MessageBoxRequest> boxes;
    bool openAfterFault = false;
    std::optional<QByteArray> duringFault;
    WithEditor(store, [&](CManageTextDlg& editor) {
        MessageBoxAnswers answers({});
        // Only hexagram 5's file is too large for the full device.
        for (int n : {2, 5, 9}) {
            Choose(editor, n);
            TypeInto(editor, {QStringLiteral("New %1").arg(n), n == 5 ? kLongText : ""});
            Click(editor, IDC_UPDATE_TEXT);
        }
        Click(editor, IDOK);
        openAfterFault = editor.isVisible();
        duringFault = fixture.ReadFile("custom5.txt");
        // The fault is gone: Close writes what is still pending.
        lock.reset();
        if (full) {
            full->Lift();
        }
        if (fault == "directory") {
            QDir(fixture.Path()).rmdir("custom5.txt");
        }
        Click(editor, IDOK);
        boxes = answers.Requests();
    });
    QVERIFY(openAfterFault);
    QCOMPARE(boxes.size(), std::size_t{4}); // three updates and the one failure
    const MessageBoxRequest& error = boxes[3];
    QCOMPARE(QString::fromStdString(error.text),
             message.contains("%1") ? message.arg(fixture.Path()) : message);
    QCOMPARE(error.icon, MessageIcon::Stop);
    QCOMPARE(error.caption, QCoreApplication::applicationName().toStdString());
    if (fault != "directory") {
        QCOMPARE(duringFault, std::optional<QByteArray>(old));
    }
    QCOMPARE(fixture.ReadFile("custom2.txt"), CustomFile({"New 2", "", "", "", "", "", "", ""}));
    QCOMPARE(fixture.ReadFile("custom5.txt"),
             CustomFile({"New 5", kLongText, "", "", "", "", "", ""}));
    QCOMPARE(fixture.ReadFile("custom9.txt"), CustomFile({"New 9", "", "", "", "", "", "", ""}));
    QCOMPARE(store.hexagramTexts[4].state, CustomTextState::Active);
    QVERIFY(BrowserText(store, 5).startsWith("Hexagram 5 New 5\r\n"));
}

void TextDialogsTest::browserAndEditorAreReachedByKeys() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();

    // The browser: Tab from OK to the text and into the grid, whose 64 buttons the arrow keys
    // walk by rows and columns; Enter shows a hexagram, Escape closes.
    QList<int> visited;
    QString shown;
    std::string spoken;
    auto browsed = WhenModal::Act<CHexTextDlg>([&](CHexTextDlg* dialog) {
        visited << FocusId(*dialog);
        // The grid is one Tab stop: Tab leaves it for OK, Shift+Tab comes back where it was.
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down,
                            Qt::Key_Left, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Backtab}) {
            Press(*dialog, key);
            visited << FocusId(*dialog);
        }
        Press(*dialog, Qt::Key_Return);
        shown =
            QString::fromStdString(dialog->GetDlgItemText(IDC_HEXAGRAM_TEXT)).section('\r', 0, 0);
        // The text appears away from the focus, so its first line is announced.
        const auto* announcer = dialog->findChild<CAnnouncer*>();
        QTRY_VERIFY(announcer->Announced());
        spoken = announcer->Text();
        Press(*dialog, Qt::Key_Escape);
    });
    window.GetDlgItem(IDC_VIEW_TEXT)->setFocus();
    QTest::keyClick(window.GetDlgItem(IDC_VIEW_TEXT), Qt::Key_Return);
    QVERIFY(browsed->Fired());
    const int first = IDC_HEXAGRAM1;
    QCOMPARE(visited, (QList<int>{IDOK, IDC_HEXAGRAM_TEXT, first, first + 1, first + 9, first + 17,
                                  first + 16, first + 8, IDOK, first + 8}));
    QCOMPARE(shown, QStringLiteral("Hexagram 9 Small Power"));
    QCOMPARE(spoken, std::string("Hexagram 9 Small Power"));

    // The editor: the list, the eight boxes and its four buttons by Tab, the buttons also by
    // the arrow keys.
    QList<int> order;
    auto edited = WhenModal::Act<CManageTextDlg>([&](CManageTextDlg* dialog) {
        order << FocusId(*dialog);
        for (int i = 0; i < 12; ++i) {
            Press(*dialog, Qt::Key_Tab);
            order << FocusId(*dialog);
        }
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Right}) {
            Press(*dialog, key);
            order << FocusId(*dialog);
        }
        Press(*dialog, Qt::Key_Escape);
    });
    // Back in the main window once the browser has gone (the offscreen platform has no window
    // manager to give it back its activation).
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.GetDlgItem(IDC_MANAGE_TEXT)->setFocus();
    QTest::keyClick(window.GetDlgItem(IDC_MANAGE_TEXT), Qt::Key_Return);
    QVERIFY(edited->Fired());
    QCOMPARE(order,
             (QList<int>{IDC_CUSTOM_HEXAGRAM, IDC_CUSTOM_TITLE, IDC_CUSTOM_MAIN, IDC_CUSTOM_LINE1,
                         IDC_CUSTOM_LINE2, IDC_CUSTOM_LINE3, IDC_CUSTOM_LINE4, IDC_CUSTOM_LINE5,
                         IDC_CUSTOM_LINE6, IDC_UPDATE_TEXT, IDC_RESTORE_TEXT, IDC_RESTORE_ALL_TEXT,
                         IDOK, IDC_RESTORE_ALL_TEXT, IDC_RESTORE_TEXT, IDC_RESTORE_ALL_TEXT}));
    QVERIFY(window.isVisible());
}

void TextDialogsTest::bothOpenFromTheMainWindowOverItsTexts() {
    MainWindow fixture;
    fixture.WriteFile("custom7.txt", CustomFile({"Mine", "Main", "1", "2", "3", "4", "5", "6"}));
    CMainDlg& window = fixture.Start();

    QString browsed;
    auto browse = WhenModal::Act<CHexTextDlg>([&](CHexTextDlg* browser) {
        Click(*browser, IDC_HEXAGRAM1 + 6);
        browsed = Text(*browser, IDC_HEXAGRAM_TEXT);
        Click(*browser, IDOK);
    });
    Click(window, IDC_VIEW_TEXT);
    QVERIFY(browse->Fired());
    QVERIFY(browsed.startsWith("Hexagram 7 Mine\r\nMain\r\n"));

    auto edit = WhenModal::Act<CManageTextDlg>([&](CManageTextDlg* editor) {
        MessageBoxAnswers answers({IDOK});
        Choose(*editor, 12);
        TypeInto(*editor, {"My title", "My main text"});
        Click(*editor, IDC_UPDATE_TEXT);
        Click(*editor, IDOK);
    });
    Click(window, IDC_MANAGE_TEXT);
    QVERIFY(edit->Fired());
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);

    // Committed into the window's data directory, and in effect for the next reading.
    QCOMPARE(fixture.ReadFile("custom12.txt"),
             CustomFile({"My title", "My main text", "", "", "", "", "", ""}));
    window.ShowReading(1, 8, 1); // hexagram 12
    QCOMPARE(QString::fromStdString(window.LastReadingText().originalText),
             QStringLiteral("Hexagram 12 My title\r\nMy main text\r\n"));
}

QTEST_MAIN(TextDialogsTest)
#include "text_dialogs_test.moc"
