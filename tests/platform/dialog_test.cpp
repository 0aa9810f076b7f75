// The dialog layer: templates turned into windows, the keys of the dialog rules, command
// routing, the control kinds, message boxes and the pumping wait.

#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/pumping_wait.h"
#include "platform/resources.h"
#include "res/templates.h"
#include "tests/platform/gui_test_support.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

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

constexpr ControlTemplate kFixtureControls[] = {
    {kAct, K::PushButton, "Act", {10, 10, 50, 14}, kTabStop},
    {kList, K::DropDownList, "", {10, 30, 50, 60}, kVScroll | kTabStop},
    {kReadOnlyText,
     K::Edit,
     "",
     {10, 50, 100, 40},
     kMultiLine | kReadOnly | kBorder | kVScroll | kAutoVScroll},
    {kLabel, K::LabelButton, "label", {70, 10, 30, 14}},
    {kImage, K::BitmapButton, "", {70, 30, 30, 14}},
    {kFirstRadio, K::ManualRadio, "", {120, 10, 8, 8}},
    {kFirstRadio + 1, K::ManualRadio, "", {120, 20, 8, 8}},
    {kLastRadio, K::ManualRadio, "", {120, 30, 8, 8}},
    {kLine, K::Edit, "", {10, 95, 100, 14}, kBorder | kAutoHScroll | kTabStop},
    {IDC_STATIC, K::GroupBox, "Frame", {5, 5, 140, 110}},
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

class RecordingDialog : public CDialog {
    Q_OBJECT

public:
    explicit RecordingDialog(const DialogTemplate& dialogTemplate, QWidget* owner = nullptr)
        : CDialog(dialogTemplate, owner) {
        MapCommand(kAct, [this] { ++actClicks; });
    }

    std::vector<int> commands;
    int actClicks = 0;
    bool visibleDuringInit = true;

protected:
    bool OnInitDialog() override {
        visibleDuringInit = isVisible();
        return CDialog::OnInitDialog();
    }
    void OnCommand(int id) override {
        commands.push_back(id);
        CDialog::OnCommand(id);
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

    void everyTemplateBuildsInDialogUnitsAndItsCaptionsFit();
    void controlsAreFoundByIdInTemplateOrder();
    void keysFollowTheDialogRules_data();
    void keysFollowTheDialogRules();
    void modalRunReturnsHowTheDialogEnded_data();
    void modalRunReturnsHowTheDialogEnded();
    void commandsGoByIdAndDisplayControlsIgnoreClicks();
    void listKeepsInsertionOrder();
    void multiLineEditAppendsAndScrolls();
    void bitmapButtonDrawsUnscaledFromTopLeftAndClips();
    void centresOverOwnerOrInWorkArea();
    void systemMenuHasStandardItemsAndCloseIsCancel();
    void messageBoxesGoThroughOneAnswerableFunction();
    void realMessageBoxHasIconButtonsAndDefault_data();
    void realMessageBoxHasIconButtonsAndDefault();
    void maxCharsRefusesLongerTextWithBox();
    void pumpingWaitDispatchesEventsUntilDeadline();
    void pumpingWaitSurvivesTickCountWrap();
};

void DialogTest::everyTemplateBuildsInDialogUnitsAndItsCaptionsFit() {
    for (const DialogTemplate& dialogTemplate : DialogTemplates()) {
        CDialog dialog(dialogTemplate);
        dialog.Create();
        QCOMPARE(dialog.size(), QSize(dialogTemplate.width * 2, dialogTemplate.height * 2));
        QCOMPARE(dialog.windowTitle(),
                 QString::fromUtf8(dialogTemplate.title.data(), dialogTemplate.title.size()));
        std::set<int> ids;
        for (const ControlTemplate& control : dialogTemplate.controls) {
            if (control.id == IDC_STATIC) {
                continue;
            }
            QVERIFY2(ids.insert(control.id).second, "control ids are unique");
            const QWidget* widget = Require<QWidget>(dialog, control.id);
            DialogRect expected = control.rect;
            if (control.kind == K::DropDownList) {
                expected.height = 11; // closed; the template height includes the opened list
            }
            QCOMPARE(DialogUnitRect(*widget), expected);
            QVERIFY(expected.x + expected.width <= dialogTemplate.width);
            QVERIFY(expected.y + expected.height <= dialogTemplate.height);
        }
        const auto overflowing = OverflowingCaptions(dialog);
        QVERIFY2(overflowing.empty(), overflowing.empty() ? "" : overflowing.front().c_str());
        dialog.DestroyWindow();
    }
}

void DialogTest::controlsAreFoundByIdInTemplateOrder() {
    RecordingDialog dialog(kFixture);
    QVERIFY(dialog.GetDlgItem(kAct) == nullptr); // no window before it is run or created
    dialog.Create();
    QVERIFY(!dialog.visibleDuringInit);
    QCOMPARE(Require<QWidget>(dialog, kAct)->objectName(), QStringLiteral("101"));
    QVERIFY(dialog.DlgItem<CComboBox>(kAct) == nullptr); // wrong kind
    QVERIFY(dialog.GetDlgItem(999) == nullptr);
    Require<CComboBox>(dialog, kList);
    Require<CMultiLineEdit>(dialog, kReadOnlyText);
    Require<CBitmapButton>(dialog, kImage);
    Require<CRadioButton>(dialog, kFirstRadio);
    Require<CEdit>(dialog, kLine);
    QVERIFY(Require<CButton>(dialog, kLabel)->IsLabel());

    // The focus starts on the first tab stop and Tab follows the template order.
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const int expected[] = {kAct, kList, kLine, kAct};
    for (int id : expected) {
        QCOMPARE(QApplication::focusWidget(), dialog.GetDlgItem(id));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void DialogTest::keysFollowTheDialogRules_data() {
    QTest::addColumn<bool>("withDefault");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("result"); // 0: the dialog stays open

    QTest::newRow("Enter on a push button clicks it")
        << false << kAct << int(Qt::Key_Return) << kAct << 0;
    QTest::newRow("Enter on a list is OK") << false << kList << int(Qt::Key_Return) << IDOK << IDOK;
    QTest::newRow("keypad Enter on a list is OK")
        << false << kList << int(Qt::Key_Enter) << IDOK << IDOK;
    QTest::newRow("Enter in a read-only text is OK")
        << false << kReadOnlyText << int(Qt::Key_Return) << IDOK << IDOK;
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
    QWidget* target = Require<QWidget>(dialog, focus);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(dialog.commands, std::vector<int>{command});
    QCOMPARE(dialog.isVisible(), result == 0);
    if (result != 0) {
        QCOMPARE(dialog.result(), result);
    }
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

    QTest::mouseClick(Require<QWidget>(dialog, kAct), Qt::LeftButton);
    QCOMPARE(dialog.actClicks, 1);
    QWidget* focused = QApplication::focusWidget();

    // Labels, images and manual markers route their click but nothing handles it: no check,
    // no focus, no other command.
    auto* image = Require<CBitmapButton>(dialog, kImage);
    image->LoadBitmaps(145);
    for (int id : {kLabel, kImage, kFirstRadio, kLastRadio}) {
        QTest::mouseClick(Require<QWidget>(dialog, id), Qt::LeftButton);
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

void DialogTest::listKeepsInsertionOrder() {
    RecordingDialog dialog(kFixture);
    dialog.Create();
    auto* list = Require<CComboBox>(dialog, kList);
    for (const char* entry : {"b", "c", "a"}) {
        list->AddString(entry);
    }
    list->SetCurSel(0);
    QCOMPARE(list->ItemText(0) + list->ItemText(1) + list->ItemText(2), std::string("bca"));
    QCOMPARE(dialog.GetDlgItemText(kList), std::string("b"));
}

void DialogTest::multiLineEditAppendsAndScrolls() {
    RecordingDialog dialog(kFixture);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* text = Require<CMultiLineEdit>(dialog, kReadOnlyText);

    // Line ends are CR LF outside and one position inside, so a block lands behind the last.
    text->SetText("first\r\n");
    int start = -1;
    int end = -1;
    text->GetSel(&start, &end);
    QCOMPARE(std::pair(start, end), std::pair(0, 0));
    text->SetSel(6, 6);
    text->ReplaceSel("second\r\nthird\r\n");
    QCOMPARE(text->Text(), std::string("first\r\nsecond\r\nthird\r\n"));
    QVERIFY(!text->document()->isUndoAvailable());

    // Bytes that are not UTF-8 are read as Windows-1252 instead of being lost.
    text->SetText("caf\xE9 \x93quoted\x94 \xE2\x82\xAC");
    QCOMPARE(text->toPlainText(), QString::fromUtf8("café “quoted” â‚¬"));
    text->SetText("caf\xC3\xA9 \xE2\x82\xAC");
    QCOMPARE(text->toPlainText(), QString::fromUtf8("café €"));
    // Each line is read on its own: an old line does not garble its UTF-8 neighbours.
    text->SetText("caf\xC3\xA9\r\ncaf\xE9\r\n\xE2\x82\xAC");
    QCOMPARE(text->toPlainText(), QString::fromUtf8("café\ncafé\n€"));

    // Without sideways scrolling a long line wraps and no horizontal bar appears.
    text->SetText(std::string(400, 'x'));
    QVERIFY(text->document()->lineCount() > 1);
    QVERIFY(!text->horizontalScrollBar()->isVisible());

    std::string many;
    for (int i = 0; i < 60; ++i) {
        many += "line " + std::to_string(i) + "\r\n";
    }
    text->SetText(many);
    text->SetSel(static_cast<int>(many.size()), static_cast<int>(many.size()));
    text->ScrollCaret();
    QVERIFY(text->FirstVisibleLine() > 0);
    text->LineScroll(-100);
    QCOMPARE(text->FirstVisibleLine(), 0);
}

void DialogTest::bitmapButtonDrawsUnscaledFromTopLeftAndClips() {
    const QImage bitmap = Rgb(LoadBitmapResource(145));
    QCOMPARE(bitmap.size(), QSize(100, 68));

    // Half the bitmap's size: the button shows its top-left quarter, pixel for pixel.
    CBitmapButton button(nullptr);
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
    for (const QAction* action : menu->actions()) {
        texts << action->text();
        ids << action->data().toInt();
    }
    QCOMPARE(texts, (QStringList{"&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize",
                                 "&Close\tAlt+F4"}));
    QCOMPARE(ids, (QList<int>{SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE}));
    // A fixed-size window without minimize and maximize boxes offers Move and Close.
    QList<bool> enabled;
    for (const QAction* action : menu->actions()) {
        enabled << action->isEnabled();
    }
    QCOMPARE(enabled, (QList<bool>{false, true, false, false, false, true}));

    dialog.EnableSystemMenuItem(1, false);
    dialog.AppendSystemMenuSeparator();
    dialog.AppendSystemMenuItem(0x30, "E&xtra");
    QVERIFY(!menu->actions()[1]->isEnabled());
    QVERIFY(menu->actions()[6]->isSeparator());
    QCOMPARE(menu->actions()[7]->data().toInt(), 0x30);

    menu->actions()[5]->trigger();
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(dialog.commands, std::vector<int>{IDCANCEL});
    QCOMPARE(dialog.result(), IDCANCEL);
}

void DialogTest::messageBoxesGoThroughOneAnswerableFunction() {
    MessageBoxAnswers answers({IDNO, IDOK});
    QCOMPARE(ShowMessageBox(nullptr, {"Delete?", "Reset Log", MessageIcon::Question,
                                      MessageButtons::YesNo, IDNO}),
             IDNO);
    ReportFileError(nullptr, {FileCause::AccessDenied, "auvrel.log"});

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
    CEdit edit(nullptr);
    edit.SetLimitText(3);
    edit.insert(QString::fromUtf8((atLimit + "yz").c_str()));
    QCOMPARE(edit.Text(), atLimit);
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

QTEST_MAIN(DialogTest)
#include "dialog_test.moc"
