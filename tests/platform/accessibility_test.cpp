// What a dialog offers a person who uses assistive technology or the keyboard alone: images and
// labels shown as what they are, boxes named by their labels, the arrow keys within a group of
// buttons, and a focus that always shows.

#include "platform/accessibility.h"
#include "platform/dialog.h"
#include "tests/platform/gui_test_support.h"

#include <QAccessible>
#include <QTest>

#include <span>

using namespace zandrel;
using namespace zandrel::test;

namespace {

using K = ControlKind;

constexpr int kOne = 201;
constexpr int kTwo = 202;
constexpr int kThree = 203;
constexpr int kSize = 204;
constexpr int kName = 205;
constexpr int kNotes = 206;
constexpr int kUnlabelled = 207;
constexpr int kImage = 208;
constexpr int kMark = 209;
constexpr int kAlone = 210;

// Labels come after their boxes, as in the program's own templates: to the left of a box on
// its line, or just above it. A text to the right of a box names nothing.
constexpr ControlTemplate kControls[] = {
    {kOne, K::PushButton, "One", {10, 10, 40, 14}, kTabStop},
    {kTwo, K::PushButton, "Two", {55, 10, 40, 14}, kTabStop},
    {kThree, K::PushButton, "Three", {10, 26, 40, 14}, kTabStop},
    {kSize, K::DropDownList, "", {60, 45, 50, 60}, kVScroll | kTabStop},
    {kName, K::Edit, "", {60, 60, 80, 14}, kBorder | kTabStop},
    {kNotes, K::Edit, "", {10, 90, 130, 40}, kMultiLine | kReadOnly | kBorder | kTabStop},
    {kUnlabelled, K::Edit, "", {150, 10, 40, 14}, kBorder | kTabStop},
    {kAlone, K::PushButton, "Alone", {150, 60, 40, 14}, kTabStop},
    {kImage, K::BitmapButton, "", {150, 90, 30, 14}},
    {kMark, K::LabelButton, "+Wood+", {150, 110, 30, 14}},
    {IDC_STATIC, K::StaticText, "Size:", {10, 46, 40, 8}},
    {IDC_STATIC, K::StaticText, "&Name:", {10, 62, 40, 8}},
    {IDC_STATIC, K::StaticText, "Notes", {10, 80, 60, 8}},
    {IDC_STATIC, K::StaticText, "Right", {195, 12, 30, 8}},
    {IDC_STATIC, K::GroupBox, "Buttons", {5, 2, 95, 42}},
};
constexpr DialogTemplate kTemplate{910, "Access", 240, 140, kCaption | kModalFrame, kControls};

QAccessibleInterface* Accessible(const CDialog& dialog, int id) {
    return QAccessible::queryAccessibleInterface(dialog.GetDlgItem(id));
}

// The control and a few pixels around it.
QImage Around(CDialog& dialog, int id) {
    const QRect area = dialog.GetDlgItem(id)->geometry().adjusted(-3, -3, 3, 3);
    return dialog.grab(area).toImage();
}

// The two pixels above the control, where it draws nothing itself.
QImage Above(CDialog& dialog, int id) {
    const QRect control = dialog.GetDlgItem(id)->geometry();
    return dialog.grab(QRect(control.left(), control.top() - 2, control.width(), 2)).toImage();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void picturesAndLabelsAreShownAsWhatTheyAre();
    void controlsAreListedInTemplateOrder();
    void boxesAreNamedByTheirLabels();
    void arrowKeysMoveAmongButtonsThatStandTogether();
    void focusShowsOnEveryControlThatTakesIt();
};

void AccessibilityTest::picturesAndLabelsAreShownAsWhatTheyAre() {
    CDialog dialog(kTemplate);
    dialog.Create();
    QCOMPARE(Accessible(dialog, kImage)->role(), QAccessible::Graphic);
    QCOMPARE(Accessible(dialog, kMark)->role(), QAccessible::StaticText);
    QCOMPARE(Accessible(dialog, kMark)->text(QAccessible::Name), QStringLiteral("+Wood+"));
    QCOMPARE(Accessible(dialog, kOne)->role(), QAccessible::Button);

    // A name the program gives replaces the caption, and goes with a description.
    SetAccessibleText(*dialog.GetDlgItem(kMark), {"Use: Wood, favourable", "Element"});
    SetAccessibleText(*dialog.GetDlgItem(kImage), {"Outer trigram: empty", "An empty frame."});
    QCOMPARE(Accessible(dialog, kMark)->text(QAccessible::Name),
             QStringLiteral("Use: Wood, favourable"));
    QCOMPARE(Accessible(dialog, kMark)->text(QAccessible::Description), QStringLiteral("Element"));
    QCOMPARE(Accessible(dialog, kImage)->text(QAccessible::Name),
             QStringLiteral("Outer trigram: empty"));
}

void AccessibilityTest::controlsAreListedInTemplateOrder() {
    CDialog dialog(kTemplate);
    dialog.Create();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
    QList<int> listed;
    for (int i = 0; i < window->childCount(); ++i) {
        listed << window->child(i)->object()->objectName().toInt();
    }
    // The group box lies beneath the buttons it frames and comes first; the rest follow the
    // template.
    QList<int> expected{IDC_STATIC};
    for (const ControlTemplate& control : std::span(kControls).first(std::size(kControls) - 1)) {
        expected << control.id;
    }
    QCOMPARE(listed, expected);
    QWidget* one = dialog.GetDlgItem(kOne);
    QCOMPARE(dialog.childAt(one->geometry().center()), one);
}

void AccessibilityTest::boxesAreNamedByTheirLabels() {
    CDialog dialog(kTemplate);
    dialog.Create();
    QCOMPARE(Accessible(dialog, kName)->text(QAccessible::Name), QStringLiteral("Name:"));
    QCOMPARE(Accessible(dialog, kNotes)->text(QAccessible::Name), QStringLiteral("Notes"));
    QCOMPARE(Accessible(dialog, kUnlabelled)->text(QAccessible::Name), QString());

    // A list's name is its entry; its label is told as the text that labels it.
    const auto labels = Accessible(dialog, kSize)->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.front().first->text(QAccessible::Name), QStringLiteral("Size:"));
}

void AccessibilityTest::arrowKeysMoveAmongButtonsThatStandTogether() {
    CDialog dialog(kTemplate);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    struct Step {
        Qt::Key key;
        int to;
    };
    // One and Two side by side, Three under One; Alone stands apart, after the boxes.
    const Step steps[] = {{Qt::Key_Right, kTwo}, {Qt::Key_Right, kTwo}, {Qt::Key_Down, kThree},
                          {Qt::Key_Up, kOne},    {Qt::Key_Up, kOne},    {Qt::Key_Down, kThree},
                          {Qt::Key_Left, kThree}};
    dialog.GetDlgItem(kOne)->setFocus();
    for (const Step& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        QCOMPARE(QApplication::focusWidget()->objectName().toInt(), step.to);
    }
    // A disabled button is passed over.
    dialog.EnableDlgItem(kThree, false);
    dialog.GetDlgItem(kOne)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget()->objectName().toInt(), kOne);
}

void AccessibilityTest::focusShowsOnEveryControlThatTakesIt() {
    CDialog dialog(kTemplate);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // From the start, before any key: each control looks different with the focus and without.
    for (int id : {kOne, kSize, kName, kNotes, kAlone}) {
        dialog.GetDlgItem(id)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), dialog.GetDlgItem(id));
        const QImage focused = Around(dialog, id);
        const QImage focusedAbove = Above(dialog, id);
        dialog.GetDlgItem(id == kOne ? kTwo : kOne)->setFocus();
        QVERIFY2(Around(dialog, id) != focused, qPrintable(QString::number(id)));
        // A text box's blinking caret is not enough: a ring shows around it.
        if (id == kNotes) {
            QVERIFY(Above(dialog, id) != focusedAbove);
        }
    }
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
