// The dialog layer: templates turned into windows, the control kinds, the keys of the dialog
// rules, command routing, the system menu, message boxes and the pumping wait.

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/density_art.h"
#include "platform/dialog.h"
#include "platform/dialog_style.h"
#include "platform/displayed_text.h"
#include "platform/message_box.h"
#include "platform/pumping_wait.h"
#include "platform/qt_text.h"
#include "tests/platform/gui_test_support.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <chrono>
#include <set>

using namespace zandrel;
using namespace zandrel::test;

namespace {

using K = ControlKind;

constexpr int kAct = 101;
constexpr int kList = 102;
constexpr int kReadOnlyText = 103;
constexpr int kLabel = 104;
constexpr int kImage = 105;
constexpr int kFirstRadio = 106;
constexpr int kLastRadio = 108;
constexpr int kLine = 109;
constexpr int kGo = 110;
constexpr int kName = 111;
constexpr int kFrame = 112;
constexpr int kPlainText = 113;
constexpr int kEditText = 114;

constexpr ControlTemplate kFixtureControls[] = {
    {kAct, K::PushButton, "Act", {10, 10, 50, 14}, kTabStop},
    {kList, K::DropDownList, "", {10, 30, 50, 60}, kVScroll | kTabStop},
    {kReadOnlyText,
     K::Edit,
     "",
     {10, 50, 100, 40},
     kMultiLine | kReadOnly | kBorder | kClientEdge | kVScroll | kAutoVScroll},
    {kLabel, K::LabelButton, "label", {70, 10, 30, 14}},
    {kImage, K::BitmapButton, "", {70, 30, 30, 14}},
    {kFirstRadio, K::ManualRadio, "", {120, 10, 8, 8}},
    {kFirstRadio + 1, K::ManualRadio, "", {120, 20, 8, 8}},
    {kLastRadio, K::ManualRadio, "", {120, 30, 8, 8}},
    {kLine, K::Edit, "", {10, 95, 100, 14}, kBorder | kAutoHScroll | kTabStop},
    {kName, K::StaticText, "&Name:", {115, 50, 40, 8}},
    {kPlainText, K::Edit, "", {115, 60, 40, 30}, kMultiLine | kReadOnly | kBorder | kVScroll},
    {kFrame, K::GroupBox, "Frame", {5, 5, 150, 110}},
};
constexpr DialogTemplate kFixture{
    900, "Fixture", 160, 120, kCaption | kSysMenu | kModalFrame, kFixtureControls};

// The same with a default push button, whose command Enter gives instead of OK.
constexpr ControlTemplate kWithDefaultControls[] = {
    {kAct, K::PushButton, "Act", {10, 10, 50, 14}, kTabStop},
    {kList, K::DropDownList, "", {10, 30, 50, 60}, kVScroll | kTabStop},
    {kGo, K::PushButton, "Go", {70, 10, 50, 14}, kTabStop | kDefaultButton},
};
constexpr DialogTemplate kWithDefault{
    901, "Default", 160, 60, kCaption | kModalFrame, kWithDefaultControls};

// A read-only box of the size the program's boxes have.
constexpr ControlTemplate kViewerControls[] = {
    {kReadOnlyText,
     K::Edit,
     "",
     {7, 7, 286, 90},
     kMultiLine | kReadOnly | kBorder | kVScroll | kAutoVScroll | kNoHideSel},
};
constexpr DialogTemplate kViewer{903, "Viewer", 300, 104, kCaption | kModalFrame, kViewerControls};

// A text box the user writes in.
constexpr ControlTemplate kEditorControls[] = {
    {kEditText, K::Edit, "", {10, 10, 100, 40}, kMultiLine | kBorder | kVScroll | kTabStop},
    {kAct, K::PushButton, "Act", {10, 55, 50, 14}, kTabStop},
};
constexpr DialogTemplate kEditor{902, "Editor", 160, 80, kCaption | kModalFrame, kEditorControls};

// Records every command: the clicks by id, other notifications as id and code.
class RecordingDialog : public CDialog {
    Q_OBJECT

public:
    explicit RecordingDialog(const DialogTemplate& dialogTemplate, QWidget* owner = nullptr)
        : CDialog(dialogTemplate, owner) {
        MapCommand(kAct, [this] { ++actClicks; });
    }

    std::vector<int> commands;
    std::vector<std::pair<int, int>> notifications;
    int actClicks = 0;
    bool visibleDuringInit = true;

    using CDialog::MapCommand;
    using CDialog::MapCommandRange;

protected:
    bool OnInitDialog() override {
        visibleDuringInit = isVisible();
        return CDialog::OnInitDialog();
    }
    void OnCommand(int id, int code) override {
        if (code == BN_CLICKED) {
            commands.push_back(id);
        } else {
            notifications.emplace_back(id, code);
        }
        CDialog::OnCommand(id, code);
    }
};

QImage Rgb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class DialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void controlsAreFoundByIdInTemplateOrder();
    void misaddressingAControlStopsTheProgram_data();
    void misaddressingAControlStopsTheProgram();
    void everyKindPassesItsTextInAndOut_data();
    void everyKindPassesItsTextInAndOut();
    void keysFollowTheDialogRules_data();
    void keysFollowTheDialogRules();
    void f6MovesIntoTheReadOnlyTextAndBack();
    void modalRunReturnsHowTheDialogEnded_data();
    void modalRunReturnsHowTheDialogEnded();
    void commandsGoByIdAndDisplayControlsIgnoreClicks();
    void notificationsReachTheDialogOnlyForTheUsersChanges();
    void handlersTakeOneIdOrARangeAndTheRestReachOkAndCancel();
    void listKeepsInsertionOrder();
    void multiLineEditAppendsAndScrolls();
    void readOnlyBoxTakesALargeOddText();
    void textViewerAppendsInPlaceWithTheCaretInView();
    void editableTextBoxTakesTheUsersLines();
    void textBoxFramesFollowTheirStyles();
    void readOnlyBoxKeepsItsTextWhateverItShows();
    void bitmapButtonDrawsUnscaledFromTopLeftAndClips();
    void centresOverOwnerOrInWorkArea();
    void systemMenuHasStandardItemsAndCloseIsCancel();
    void messageBoxesGoThroughOneAnswerableFunction();
    void realMessageBoxHasIconButtonsAndDefault_data();
    void realMessageBoxHasIconButtonsAndDefault();
    void messageBoxesAndMenusUseTheDialogFont();
    void maxCharsRefusesLongerTextWithBox();
    void pumpingWaitDispatchesEventsUntilDeadline();
    void pumpingWaitSurvivesTickCountWrap();
};

void DialogTest::controlsAreFoundByIdInTemplateOrder() {
    RecordingDialog dialog(kFixture);
    dialog.Create();
    QVERIFY(!dialog.visibleDuringInit);
    QCOMPARE(dialog.GetDlgItem(kAct)->objectName(), QStringLiteral("101"));
    QCOMPARE(dialog.GetControl(kAct).GetDlgCtrlID(), kAct);
    dialog.DlgItem<CComboBox>(kList);
    dialog.DlgItem<CTextViewer>(kReadOnlyText);
    dialog.DlgItem<CBitmapButton>(kImage);
    dialog.DlgItem<CRadioButton>(kFirstRadio);
    dialog.DlgItem<CEdit>(kLine);
    dialog.DlgItem<CStatic>(kName);
    dialog.DlgItem<CGroupBox>(kFrame);
    QVERIFY(dialog.DlgItem<CButton>(kLabel)->IsLabel());
    QVERIFY(!dialog.DlgItem<CButton>(kAct)->IsLabel());

    // The focus starts on the first tab stop and Tab follows the template order.
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const int expected[] = {kAct, kList, kLine, kAct};
    for (int id : expected) {
        QCOMPARE(QApplication::focusWidget(), dialog.GetDlgItem(id));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void DialogTest::misaddressingAControlStopsTheProgram_data() {
    QTest::addColumn<std::function<void(RecordingDialog&)>>("action");
    QTest::addColumn<QByteArray>("message");
    using Action = std::function<void(RecordingDialog&)>;
    QTest::newRow("an unknown id") << Action([](RecordingDialog& d) { d.GetDlgItem(999); })
                                   << QByteArray("dialog 900 has no control 999");
    QTest::newRow("a control of another kind")
        << Action([](RecordingDialog& d) { d.DlgItem<CComboBox>(kAct); })
        << QByteArray("control 101 of dialog 900 is not a zandrel::CComboBox");
    QTest::newRow("text into an unknown id")
        << Action([](RecordingDialog& d) { d.SetDlgItemText(998, "x"); })
        << QByteArray("no control 998");
    QTest::newRow("text out of an unknown id")
        << Action([](RecordingDialog& d) { d.GetDlgItemText(997); })
        << QByteArray("no control 997");
    QTest::newRow("enabling an unknown id")
        << Action([](RecordingDialog& d) { d.EnableDlgItem(996, true); })
        << QByteArray("no control 996");
    QTest::newRow("a radio range with a gap")
        << Action([](RecordingDialog& d) { d.CheckRadioButton(kFirstRadio, kLine, kLine); })
        << QByteArray("control 109 of dialog 900 is not a QAbstractButton");
    QTest::newRow("binding to a control of another kind") << Action([](RecordingDialog& d) {
        CDataExchange dx{d, false};
        CEdit* edit = nullptr;
        DDX_Control(dx, kList, edit);
    }) << QByteArray("control 102 of dialog 900 is not a zandrel::CEdit");
    QTest::newRow("a system menu command it does not have")
        << Action([](RecordingDialog& d) { d.SystemMenuItem(0x40); })
        << QByteArray("no system menu item 64");
}

void DialogTest::misaddressingAControlStopsTheProgram() {
    QFETCH(std::function<void(RecordingDialog&)>, action);
    QFETCH(QByteArray, message);
    RecordingDialog dialog(kFixture);
    dialog.Create();
    const ProgramStop stop = RunToStop([&] { action(dialog); });
    QVERIFY2(stop.stopped, "the program went on");
    QVERIFY2(stop.message.contains(message), stop.message.constData());
}

void DialogTest::everyKindPassesItsTextInAndOut_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("textOut");
    QTest::newRow("push button") << kAct << QByteArray("Go \xC3\xA9") << "Go é" << QByteArray();
    QTest::newRow("label button") << kLabel << QByteArray("+Wood+") << "+Wood+" << QByteArray();
    QTest::newRow("radio button") << kFirstRadio << QByteArray("one") << "one" << QByteArray();
    QTest::newRow("single-line edit")
        << kLine << QByteArray("100% \xE5\x8d\xa6") << "100% 卦" << QByteArray();
    QTest::newRow("single-line edit, longer than Qt would take")
        << kLine << QByteArray(40000, 'x') << QString(40000, 'x') << QByteArray();
    QTest::newRow("multi-line edit") << kReadOnlyText << QByteArray("a\r\nb\r\n") << "a\nb\n"
                                     << QByteArray();
    QTest::newRow("static text") << kName << QByteArray("&Title && more") << "Title & more"
                                 << QByteArray();
    QTest::newRow("group box") << kFrame << QByteArray("Frame 2") << "Frame 2" << QByteArray();
    QTest::newRow("drop-down list selects by text")
        << kList << QByteArray("b") << "b" << QByteArray();
    QTest::newRow("drop-down list without the text selects none")
        << kList << QByteArray("z") << "" << QByteArray("");
}

void DialogTest::everyKindPassesItsTextInAndOut() {
    QFETCH(int, id);
    QFETCH(QByteArray, text);
    QFETCH(QString, shown);
    QFETCH(QByteArray, textOut);
    RecordingDialog dialog(kFixture);
    dialog.Create();
    for (const char* entry : {"a", "b", "c"}) {
        dialog.DlgItem<CComboBox>(kList)->AddString(entry);
    }
    dialog.SetDlgItemText(id, text.toStdString());
    QCOMPARE(dialog.GetDlgItemText(id), (textOut.isNull() ? text : textOut).toStdString());

    QWidget* control = dialog.GetDlgItem(id);
    QString onScreen;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        onScreen = button->text();
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        onScreen = edit->text();
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        onScreen = box->toPlainText();
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        onScreen = label->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        onScreen = group->title();
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        onScreen = list->currentText();
    }
    QCOMPARE(onScreen, shown);
}

void DialogTest::keysFollowTheDialogRules_data() {
    QTest::addColumn<bool>("withDefault");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("command"); // 0: none
    QTest::addColumn<int>("result");  // 0: the dialog stays open

    QTest::newRow("Enter on a push button clicks it")
        << false << kAct << int(Qt::Key_Return) << kAct << 0;
    QTest::newRow("Enter on a list is OK") << false << kList << int(Qt::Key_Return) << IDOK << IDOK;
    QTest::newRow("keypad Enter on a list is OK")
        << false << kList << int(Qt::Key_Enter) << IDOK << IDOK;
    QTest::newRow("Enter in a read-only text does nothing")
        << false << kReadOnlyText << int(Qt::Key_Return) << 0 << 0;
    QTest::newRow("Enter in a line edit is OK")
        << false << kLine << int(Qt::Key_Return) << IDOK << IDOK;
    QTest::newRow("Escape on a push button is Cancel")
        << false << kAct << int(Qt::Key_Escape) << IDCANCEL << IDCANCEL;
    QTest::newRow("Escape in a text is Cancel")
        << false << kReadOnlyText << int(Qt::Key_Escape) << IDCANCEL << IDCANCEL;
    QTest::newRow("Enter on a list gives the default button")
        << true << kList << int(Qt::Key_Return) << kGo << 0;
    QTest::newRow("Enter on a push button beats the default")
        << true << kAct << int(Qt::Key_Return) << kAct << 0;
}

void DialogTest::keysFollowTheDialogRules() {
    QFETCH(bool, withDefault);
    QFETCH(int, focus);
    QFETCH(int, key);
    QFETCH(int, command);
    QFETCH(int, result);

    RecordingDialog dialog(withDefault ? kWithDefault : kFixture);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget* target = dialog.GetDlgItem(focus);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(dialog.commands, command == 0 ? std::vector<int>{} : std::vector<int>{command});
    QCOMPARE(dialog.isVisible(), result == 0);
    if (result != 0) {
        QCOMPARE(dialog.result(), result);
    }
}

void DialogTest::f6MovesIntoTheReadOnlyTextAndBack() {
    RecordingDialog dialog(kFixture);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* text = dialog.DlgItem<CTextViewer>(kReadOnlyText);
    text->SetWindowText(std::string(30, 'x') + "\r\nsecond line\r\nthird line");
    const int length = static_cast<int>(text->GetWindowText().size());
    text->SetSel(length, length);
    QWidget* list = dialog.GetDlgItem(kList);
    list->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), list);

    // In: the caret, left at the end where reading from it finds nothing, goes to the top.
    QTest::keyClick(list, Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), text);
    int start = -1;
    int end = -1;
    text->GetSel(&start, &end);
    QCOMPARE(start, 0);
    // Out: back where the focus was; Tab order is untouched meanwhile.
    QTest::keyClick(text, Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(text->focusPolicy() & Qt::TabFocus, 0);

    // The control it came from is disabled meanwhile: out goes to the first Tab stop.
    QTest::keyClick(list, Qt::Key_F6);
    list->setEnabled(false);
    QTest::keyClick(text, Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), dialog.GetDlgItem(kAct));
    QVERIFY(dialog.commands.empty());
    QVERIFY(dialog.isVisible());
}

void DialogTest::modalRunReturnsHowTheDialogEnded_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Escape") << "escape" << IDCANCEL;
    QTest::newRow("close box") << "close" << IDCANCEL;
    QTest::newRow("Enter on the list") << "enter" << IDOK;
}

void DialogTest::modalRunReturnsHowTheDialogEnded() {
    QFETCH(QString, how);
    QFETCH(int, result);
    RecordingDialog dialog(kFixture);
    auto answer = WhenModal::Act<RecordingDialog>([how](RecordingDialog* modal) {
        if (how == QLatin1String("escape")) {
            QTest::keyClick(modal->GetDlgItem(kAct), Qt::Key_Escape);
        } else if (how == QLatin1String("close")) {
            modal->close();
        } else {
            modal->GetDlgItem(kList)->setFocus();
            QTest::keyClick(modal->GetDlgItem(kList), Qt::Key_Return);
        }
    });
    QCOMPARE(dialog.DoModal(), result);
    QVERIFY(answer->Fired());
    QVERIFY(!dialog.isVisible());
}

void DialogTest::commandsGoByIdAndDisplayControlsIgnoreClicks() {
    RecordingDialog dialog(kFixture);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(dialog.GetDlgItem(kAct), Qt::LeftButton);
    QCOMPARE(dialog.actClicks, 1);
    QWidget* focused = QApplication::focusWidget();

    // Labels, images and manual markers route their click but nothing handles it: no check,
    // no focus, no other command.
    auto* image = dialog.DlgItem<CBitmapButton>(kImage);
    image->LoadBitmaps(145);
    for (int id : {kLabel, kImage, kFirstRadio, kLastRadio}) {
        QTest::mouseClick(dialog.GetDlgItem(id), Qt::LeftButton);
    }
    QCOMPARE(dialog.commands, (std::vector<int>{kAct, kLabel, kImage, kFirstRadio, kLastRadio}));
    QCOMPARE(dialog.actClicks, 1);
    QVERIFY(!dialog.IsDlgButtonChecked(kFirstRadio) && !dialog.IsDlgButtonChecked(kLastRadio));
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(image->BitmapId(), 145);
    QVERIFY(dialog.isVisible());

    // Only the program checks a marker, and checking one unchecks the rest of its range.
    dialog.CheckRadioButton(kFirstRadio, kLastRadio, kFirstRadio + 1);
    dialog.CheckRadioButton(kFirstRadio, kLastRadio, kLastRadio);
    QVERIFY(!dialog.IsDlgButtonChecked(kFirstRadio));
    QVERIFY(!dialog.IsDlgButtonChecked(kFirstRadio + 1));
    QVERIFY(dialog.IsDlgButtonChecked(kLastRadio));
}

void DialogTest::notificationsReachTheDialogOnlyForTheUsersChanges() {
    RecordingDialog dialog(kFixture);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* list = dialog.DlgItem<CComboBox>(kList);
    auto* line = dialog.DlgItem<CEdit>(kLine);
    auto* text = dialog.DlgItem<CTextViewer>(kReadOnlyText);

    // What the program does to a list or a text box is no news to it.
    for (const char* entry : {"a", "b", "c"}) {
        list->AddString(entry);
    }
    list->SetCurSel(2);
    dialog.SetDlgItemText(kList, "a");
    text->SetWindowText("shown");
    text->ReplaceSel("more");
    QCOMPARE(dialog.notifications, (std::vector<std::pair<int, int>>{}));

    // The user choosing another entry is; choosing the same one again is not.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down); // already the last entry
    QCOMPARE(list->GetCurSel(), 2);
    QCOMPARE(dialog.notifications,
             (std::vector<std::pair<int, int>>{{kList, CBN_SELCHANGE}, {kList, CBN_SELCHANGE}}));

    // A single-line edit reports every change of its text, the program's too; a pasted line
    // break folded into a blank is one change.
    dialog.notifications.clear();
    QTest::keyClicks(line, "ab");
    dialog.SetDlgItemText(kLine, "x\ny");
    QCOMPARE(line->text(), QStringLiteral("x y"));
    QCOMPARE(dialog.notifications,
             (std::vector<std::pair<int, int>>{
                 {kLine, EN_CHANGE}, {kLine, EN_CHANGE}, {kLine, EN_CHANGE}}));
    QCOMPARE(dialog.commands, std::vector<int>{});
}

void DialogTest::handlersTakeOneIdOrARangeAndTheRestReachOkAndCancel() {
    RecordingDialog dialog(kFixture);
    std::vector<int> radios;
    int listChanges = 0;
    dialog.MapCommandRange(kFirstRadio, kLastRadio, [&](int id) { radios.push_back(id); });
    dialog.MapCommand(kList, CBN_SELCHANGE, [&] { ++listChanges; });
    dialog.Create();

    for (int id : {kFirstRadio - 1, kFirstRadio, kFirstRadio + 1, kLastRadio, kLastRadio + 1}) {
        dialog.SendCommand(id);
    }
    QCOMPARE(radios, (std::vector<int>{kFirstRadio, kFirstRadio + 1, kLastRadio}));
    dialog.SendCommand(kList);                  // a click on the list is not its selection change
    dialog.SendCommand(kFirstRadio, EN_CHANGE); // nor is another code a click
    dialog.SendCommand(kList, CBN_SELCHANGE);
    QCOMPARE(listChanges, 1);
    QCOMPARE(radios.size(), std::size_t{3});

    // Only a click with the id of OK or Cancel ends the dialog.
    dialog.SendCommand(IDCANCEL, EN_CHANGE);
    dialog.SendCommand(IDOK, CBN_SELCHANGE);
    QVERIFY(dialog.isVisible());
    dialog.SendCommand(IDOK);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), IDOK);

    // A handler mapped to OK takes its click instead.
    RecordingDialog withOk(kFixture);
    int oks = 0;
    withOk.MapCommand(IDOK, [&] { ++oks; });
    withOk.Create();
    withOk.SendCommand(IDOK);
    QCOMPARE(oks, 1);
    QVERIFY(withOk.isVisible());
}

void DialogTest::textBoxFramesFollowTheirStyles() {
    RecordingDialog dialog(kFixture);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // A sunken client edge is dark above and light below; a plain border is one colour.
    const auto edges = [&](int id) {
        const QImage image = Rgb(dialog.GetDlgItem(id)->grab());
        const int x = image.width() / 2;
        return std::pair(image.pixel(x, 0), image.pixel(x, image.height() - 1));
    };
    const auto [sunkenTop, sunkenBottom] = edges(kReadOnlyText);
    QVERIFY(qGray(sunkenTop) < qGray(sunkenBottom));
    QCOMPARE(dialog.DlgItem<QFrame>(kReadOnlyText)->frameWidth(), 2);
    const auto [plainTop, plainBottom] = edges(kPlainText);
    QCOMPARE(plainTop, plainBottom);
    QCOMPARE(dialog.DlgItem<QFrame>(kPlainText)->frameWidth(), 1);
}

void DialogTest::readOnlyBoxKeepsItsTextWhateverItShows() {
    using namespace std::string_literals;
    RecordingDialog dialog(kFixture);
    dialog.Create();
    auto* box = dialog.DlgItem<CTextViewer>(kReadOnlyText);
    // A run far longer than a block, control characters and a line of the old encoding.
    const std::string run(3 * kMaxDisplayBlock + 7, 'r');
    box->SetWindowText("first\r\n" + run + "\r\nnul\0bell\a\r\ncaf\xE9\r\n"s);
    QCOMPARE(box->GetWindowText(), "first\r\n" + run + "\r\nnul\0bell\a\r\ncaf\xC3\xA9\r\n"s);
    QCOMPARE(box->document()->blockCount(), 8); // the run shown as four blocks
    QVERIFY(box->toPlainText().contains(QString::fromUtf16(u"nul\u2400bell\u2407")));

    // Positions are those of the text, each line end counted as one: the end is still the end.
    box->SetSel(INT_MAX, INT_MAX);
    box->ReplaceSel("more\r\n");
    int start = -1;
    int after = -1;
    box->GetSel(&start, &after);
    const QString now = QString::fromStdString(box->GetWindowText()).replace("\r\n", "\n");
    QCOMPARE(std::pair(start, after), std::pair(int(now.size()), int(now.size())));
    QVERIFY(box->GetWindowText().ends_with("caf\xC3\xA9\r\nmore\r\n"));

    // What is copied is the text itself, without the line breaks added to show it, up to
    // the last character even where the selection ends at one of them.
    box->SetSel(6, 6 + static_cast<int>(run.size()));
    box->copy();
    QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(run));
    box->SetSel(6, 6 + static_cast<int>(kMaxDisplayBlock));
    box->copy();
    QCOMPARE(QApplication::clipboard()->text(), QString(kMaxDisplayBlock, 'r'));
}

void DialogTest::listKeepsInsertionOrder() {
    RecordingDialog dialog(kFixture);
    dialog.Create();
    auto* list = dialog.DlgItem<CComboBox>(kList);
    for (const char* entry : {"b", "c", "a"}) {
        list->AddString(entry);
    }
    list->SetCurSel(0);
    QCOMPARE(list->ItemText(0) + list->ItemText(1) + list->ItemText(2), std::string("bca"));
    QCOMPARE(dialog.GetDlgItemText(kList), std::string("b"));
}

void DialogTest::readOnlyBoxTakesALargeOddText() {
    RecordingDialog dialog(kFixture);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* box = dialog.DlgItem<CTextViewer>(kReadOnlyText);

    // Far longer than the 65536 characters of a piece the box is filled in: short lines with
    // control characters and an emoji, one of them across the first piece's end, and a line
    // long enough to be broken into blocks.
    std::string text = std::string(26, 'p') + "\r\n";
    while (text.size() < 300000) {
        text += "entry \x01 with\x7F controls \xF0\x9F\x98\x80 and more\r\n";
    }
    text += std::string(70000, 'w') + "\r\nlast";
    const QString decoded = FromCrLf(text);
    const DisplayedText expected(decoded);
    QVERIFY(!expected.ShowsAsItIs() && !expected.Breaks().empty());
    box->SetSel(0, 0);
    box->TakeWindowText(text);
    // Its thousands of lines are shown in blocks of many lines each, every line still on a
    // line of its own.
    const auto lines = [](QString shown) {
        return shown.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    };
    QCOMPARE(lines(box->document()->toRawText()), expected.Shown());
    const qsizetype lineCount = decoded.count(u'\n') + 1;
    QVERIFY2(box->document()->blockCount() * 20 < lineCount,
             qPrintable(QString::number(box->document()->blockCount())));
    QCOMPARE(box->GetWindowText(), text);
    // As after any new text, the caret stands at the start and the box shows the top.
    int start = -1;
    int end = -1;
    box->GetSel(&start, &end);
    QCOMPARE(std::pair(start, end), std::pair(0, 0));
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    // What is copied across grouped lines is the text.
    box->SetSel(20, 200);
    box->copy();
    QCOMPARE(QApplication::clipboard()->text(), decoded.mid(20, 180));

    // A text shown as it is takes the same way.
    box->TakeWindowText("plain\r\ntext");
    QCOMPARE(box->toPlainText(), QStringLiteral("plain\ntext"));
    QCOMPARE(box->GetWindowText(), std::string("plain\r\ntext"));

    // A text without long lines is held by the document alone; what comes back, whole or
    // copied, and what is appended, is the text itself: its controls, its own symbols where
    // it has no controls, a no-break space, a line separator, a lone carriage return.
    using namespace std::string_literals;
    const std::string odd[] = {
        "bell\a nul\0 del\x7F\r\nno-break\xC2\xA0space line\xE2\x80\xA8sep lone\rcr"s,
        "own symbols \xE2\x90\x87 \xE2\x90\xA1\r\nno-break\xC2\xA0space"s,
        "both \a and \xE2\x90\x87"s,
        "paragraph\xE2\x80\xA9mark"s,
    };
    for (const std::string& text : odd) {
        box->TakeWindowText(text);
        QCOMPARE(box->GetWindowText(), text);
        box->selectAll();
        box->copy();
        QCOMPARE(QApplication::clipboard()->text(), FromCrLf(text));
        box->SetSel(INT_MAX, INT_MAX);
        box->ReplaceSel("\r\nmore\a");
        QCOMPARE(box->GetWindowText(), text + "\r\nmore\a");
        // (The document shows a paragraph mark of the text's own as a line end.)
        const auto lines = [](QString shown) {
            return shown.replace(QChar::ParagraphSeparator, u'\n');
        };
        QCOMPARE(lines(box->document()->toRawText()),
                 lines(DisplayedText(FromCrLf(text + "\r\nmore\a")).Shown()));
    }
}

void DialogTest::multiLineEditAppendsAndScrolls() {
    RecordingDialog dialog(kFixture);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* text = dialog.DlgItem<CTextViewer>(kReadOnlyText);

    // Line ends are CR LF outside and one position inside, so a block lands behind the last.
    text->SetWindowText("first\r\n");
    int start = -1;
    int end = -1;
    text->GetSel(&start, &end);
    QCOMPARE(std::pair(start, end), std::pair(0, 0));
    text->SetSel(6, 6);
    text->ReplaceSel("second\r\nthird\r\n");
    QCOMPARE(text->GetWindowText(), std::string("first\r\nsecond\r\nthird\r\n"));
    QVERIFY(!text->document()->isUndoAvailable());

    // Bytes that are not UTF-8 are read as Windows-1252 instead of being lost.
    text->SetWindowText("caf\xE9 \x93quoted\x94 \xE2\x82\xAC");
    QCOMPARE(text->toPlainText(), QString::fromUtf8("café “quoted” â‚¬"));
    text->SetWindowText("caf\xC3\xA9 \xE2\x82\xAC");
    QCOMPARE(text->toPlainText(), QString::fromUtf8("café €"));
    // Each line is read on its own: an old line does not garble its UTF-8 neighbours.
    text->SetWindowText("caf\xC3\xA9\r\ncaf\xE9\r\n\xE2\x82\xAC");
    QCOMPARE(text->toPlainText(), QString::fromUtf8("café\ncafé\n€"));

    // Without sideways scrolling a long line wraps and no horizontal bar appears.
    text->SetWindowText(std::string(400, 'x'));
    QVERIFY(text->document()->lineCount() > 1);
    QVERIFY(!text->horizontalScrollBar()->isVisible());

    std::string many;
    for (int i = 0; i < 60; ++i) {
        many += "line " + std::to_string(i) + "\r\n";
    }
    text->SetWindowText(many);
    text->SetSel(static_cast<int>(many.size()), static_cast<int>(many.size()));
    text->ScrollCaret();
    QVERIFY(text->FirstVisibleLine() > 0);
    text->LineScroll(-100);
    QCOMPARE(text->FirstVisibleLine(), 0);
}

void DialogTest::textViewerAppendsInPlaceWithTheCaretInView() {
    RecordingDialog dialog(kViewer);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* box = dialog.DlgItem<CTextViewer>(kReadOnlyText);
    // Pieces that run on past several blocks, follow a line end, and wrap line by line.
    std::string paragraphs;
    for (int i = 0; i < 40; ++i) {
        paragraphs += "\r\nParagraph " + std::to_string(i) + ":";
        for (int word = 0; word < 50; ++word) {
            paragraphs += " words";
        }
    }
    const std::string pieces[] = {std::string(9000, 'r'), std::string(9000, 's'), "\r\n\x01last",
                                  paragraphs};
    std::string all;
    for (const std::string& piece : pieces) {
        // As the reading display appends: the caret to the end and into view, then the piece.
        int start = -1;
        int end = -1;
        box->GetSel(&start, &end);
        box->SetSel(end, end);
        box->ScrollCaret();
        box->ReplaceSel(piece);
        all += piece;

        QCOMPARE(box->GetWindowText(), all);
        const QString text = QString::fromStdString(all).replace("\r\n", "\n");
        QCOMPARE(box->toPlainText(), DisplayedText(text).Shown());
        box->GetSel(&start, &end);
        QCOMPARE(std::pair(start, end), std::pair(int(text.size()), int(text.size())));
        QVERIFY2(box->viewport()->rect().contains(box->cursorRect()),
                 qPrintable(QString::number(box->cursorRect().y())));
    }

    // Scrolling counts the lines as they are shown, each wrapped line once.
    const auto lineOf = [](const QTextCursor& at) {
        const QTextLine line =
            at.block().layout()->lineForTextPosition(at.position() - at.block().position());
        return std::pair(at.blockNumber(), line.lineNumber());
    };
    const int top = box->cursorForPosition(QPoint(1, 1)).position();
    box->LineScroll(-30);
    QTextCursor up(box->document());
    up.setPosition(top);
    up.movePosition(QTextCursor::Up, QTextCursor::MoveAnchor, 30);
    QCOMPARE(lineOf(box->cursorForPosition(QPoint(1, 1))), lineOf(up));
}

void DialogTest::editableTextBoxTakesTheUsersLines() {
    RecordingDialog dialog(kEditor);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* box = dialog.DlgItem<CMultiLineEdit>(kEditText);
    box->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box);

    // Enter is a line break here, not OK, and every change the user makes is news.
    QTest::keyClicks(box, "ab");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "c");
    QCOMPARE(box->GetWindowText(), std::string("ab\r\nc"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.commands, std::vector<int>{});
    QCOMPARE(dialog.notifications, (std::vector<std::pair<int, int>>(4, {kEditText, EN_CHANGE})));

    // The program's changes are not; a line end counts as one position.
    dialog.notifications.clear();
    box->SetSel(2, 3);
    box->ReplaceSel(" and\r\n");
    QCOMPARE(box->GetWindowText(), std::string("ab and\r\nc"));
    box->SetWindowText("x\r\ny");
    QCOMPARE(box->toPlainText(), QStringLiteral("x\ny"));
    QCOMPARE(dialog.notifications, (std::vector<std::pair<int, int>>{}));
}

void DialogTest::bitmapButtonDrawsUnscaledFromTopLeftAndClips() {
    const QImage bitmap = Rgb(LoadBitmapArt(145).at1x);
    QCOMPARE(bitmap.size(), QSize(100, 68));

    // Half the bitmap's size: the button shows its top-left quarter, pixel for pixel.
    CBitmapButton button(nullptr, kFixtureControls[4]);
    QVERIFY(button.LoadBitmaps(145));
    for (auto state :
         {CBitmapButton::Up, CBitmapButton::Down, CBitmapButton::Focus, CBitmapButton::Disabled}) {
        QCOMPARE(button.BitmapId(state), 145);
    }
    button.resize(50, 34);
    QCOMPARE(Rgb(button.grab()), bitmap.copy(0, 0, 50, 34));
    button.setEnabled(false);
    QCOMPARE(Rgb(button.grab()), bitmap.copy(0, 0, 50, 34));
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);

    QVERIFY(!button.LoadBitmaps(143)); // no such bitmap
}

void DialogTest::centresOverOwnerOrInWorkArea() {
    // The window frame's size is not known before the first show, hence the few pixels.
    RecordingDialog alone(kFixture);
    alone.Create();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((alone.geometry().center() - area.center()).manhattanLength() <= 8);

    QWidget owner;
    owner.setGeometry(area.x() + 10, area.y() + 20, 500, 400);
    owner.show();
    RecordingDialog child(kWithDefault, &owner);
    child.Create();
    QVERIFY((child.geometry().center() - owner.geometry().center()).manhattanLength() <= 8);
}

void DialogTest::systemMenuHasStandardItemsAndCloseIsCancel() {
    RecordingDialog dialog(kFixture);
    dialog.Create();
    QMenu* menu = dialog.GetSystemMenu();
    QStringList texts;
    QList<int> ids;
    QList<bool> enabled;
    for (const QAction* action : menu->actions()) {
        texts << action->text();
        ids << action->data().toInt();
        enabled << action->isEnabled();
    }
    QCOMPARE(texts, (QStringList{"&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize",
                                 "&Close\tAlt+F4"}));
    QCOMPARE(ids, (QList<int>{SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE}));
    // A fixed-size window without minimize and maximize boxes offers Move and Close.
    QCOMPARE(enabled, (QList<bool>{false, true, false, false, false, true}));

    dialog.AppendSystemMenuSeparator();
    dialog.AppendSystemMenuItem(0x30, "E&xtra");
    QVERIFY(menu->actions()[6]->isSeparator());
    QCOMPARE(dialog.SystemMenuItem(0x30), menu->actions()[7]);

    // Found by command, wherever it stands.
    dialog.SystemMenuItem(SC_CLOSE)->trigger();
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.commands, std::vector<int>{IDCANCEL});
    QCOMPARE(dialog.result(), IDCANCEL);
}

void DialogTest::messageBoxesGoThroughOneAnswerableFunction() {
    MessageBoxAnswers answers({IDNO, IDOK});
    QCOMPARE(ShowMessageBox(nullptr, {"Delete?", "Reset Log", MessageIcon::Question,
                                      MessageButtons::YesNo, IDNO}),
             IDNO);
    ReportFileError(nullptr, "Access to auvrel.log was denied.");

    QCOMPARE(answers.Requests().size(), std::size_t{2});
    const MessageBoxRequest& fileBox = answers.Requests()[1];
    QCOMPARE(fileBox.text, std::string("Access to auvrel.log was denied."));
    QCOMPARE(fileBox.caption, std::string("platform_tests")); // the executable's base name
    QCOMPARE(fileBox.icon, MessageIcon::Stop);
    QCOMPARE(fileBox.buttons, MessageButtons::Ok);
}

void DialogTest::realMessageBoxHasIconButtonsAndDefault_data() {
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<bool>("pressEnter");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter takes the default No") << IDNO << true << IDNO;
    QTest::newRow("Enter takes the default Yes") << IDYES << true << IDYES;
    QTest::newRow("clicking Yes") << IDNO << false << IDYES;
}

void DialogTest::realMessageBoxHasIconButtonsAndDefault() {
    QFETCH(int, defaultButton);
    QFETCH(bool, pressEnter);
    QFETCH(int, answer);
    QString seen;
    auto act = WhenModal::Act<QMessageBox>([&](QMessageBox* box) {
        seen = box->windowTitle() + "|" + box->text() + "|" +
               QString::number(box->icon() == QMessageBox::Question) + "|" +
               QString::number(box->buttons().size());
        QAbstractButton* yes = box->button(QMessageBox::Yes);
        QCOMPARE(box->defaultButton(),
                 box->button(defaultButton == IDNO ? QMessageBox::No : QMessageBox::Yes));
        if (pressEnter) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            yes->click();
        }
    });
    QCOMPARE(ShowMessageBox(nullptr, {"Really?", "Reset Log", MessageIcon::Question,
                                      MessageButtons::YesNo, defaultButton}),
             answer);
    QVERIFY(act->Fired());
    QCOMPARE(seen, QStringLiteral("Reset Log|Really?|1|2"));
}

void DialogTest::messageBoxesAndMenusUseTheDialogFont() {
    // Even where a desktop theme gives message boxes and menus fonts of their own.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 20), "QMessageBox");
    QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 20), "QMenu");
    Enable3dControlsStatic();

    QFont boxFont;
    int spareWidth = 0;
    auto act = WhenModal::Act<QMessageBox>([&](QMessageBox* box) {
        boxFont = box->font();
        // Wide enough for the caption beside the title bar's icon and buttons.
        spareWidth = box->width() - box->fontMetrics().horizontalAdvance(box->windowTitle());
        QTest::keyClick(box, Qt::Key_Return);
    });
    ShowMessageBox(
        nullptr, {"Done.", "Restore All Text", MessageIcon::Information, MessageButtons::Ok, IDOK});
    QVERIFY(act->Fired());
    QCOMPARE(boxFont, DialogFont());
    QVERIFY2(spareWidth >= 100, qPrintable(QString::number(spareWidth)));

    RecordingDialog dialog(kFixture);
    dialog.Create();
    QCOMPARE(dialog.GetSystemMenu()->font(), DialogFont());
    QCOMPARE(dialog.font(), DialogFont());
}

void DialogTest::maxCharsRefusesLongerTextWithBox() {
    // Counted as the user sees characters: "é" written as e + combining accent is one.
    const std::string accented = "e\xCC\x81";
    std::string atLimit;
    for (int i = 0; i < 3; ++i) {
        atLimit += accented;
    }
    MessageBoxAnswers answers({});
    for (const auto& [value, refused] :
         {std::pair{atLimit, false}, std::pair{atLimit + "x", true}}) {
        RecordingDialog dialog(kFixture);
        CDataExchange dx{dialog, true};
        DDV_MaxChars(dx, value, 3);
        QCOMPARE(dx.failed, refused);
    }
    QCOMPARE(answers.Requests().size(), std::size_t{1});
    QCOMPARE(answers.Requests()[0].text, std::string("Please enter no more than 3 characters."));
    QCOMPARE(answers.Requests()[0].icon, MessageIcon::Exclamation);

    // The edit's own limit cuts typing and pasting at the same count.
    CEdit edit(nullptr, kFixtureControls[8]);
    edit.SetLimitText(3);
    edit.insert(QString::fromUtf8((atLimit + "yz").c_str()));
    QCOMPARE(edit.GetWindowText(), atLimit);
}

void DialogTest::pumpingWaitDispatchesEventsUntilDeadline() {
    bool dispatched = false;
    QTimer::singleShot(10, [&] { dispatched = true; });
    const std::uint32_t start = GetTickCount();
    PumpingWait(60);
    QVERIFY(dispatched);
    QVERIFY(GetTickCount() - start >= 60);
}

void DialogTest::pumpingWaitSurvivesTickCountWrap() {
    // Reads: the start 0xFFFFFFF0, then 0x10 after the wrap (32 ms), then 0x30 (64 ms).
    SteppingTickCount ticks(0x20, 0xFFFFFFD0);
    PumpingWait(50);
    QCOMPARE(ticks.Reads(), 3);
    PumpingWait(0x20); // already over at the first look
    QCOMPARE(ticks.Reads(), 5);
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTEST_DISABLE_KEYPAD_NAVIGATION
    DialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "dialog_test.moc"
