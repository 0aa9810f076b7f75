// What a dialog offers a person who uses assistive technology or the keyboard alone: images and
// labels shown as what they are, boxes named by their labels, lists that tell each new value,
// announcements, the arrow keys within a group of buttons and a grid that is one Tab stop, and
// a focus that always shows.

#include "platform/accessible_text.h"
#include "platform/announcer.h"
#include "platform/dialog.h"
#include "platform/tab_grid.h"
#include "tests/platform/gui_test_support.h"

#include <QAccessible>
#include <QTest>

#include <span>
#include <vector>

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

// The accessibility events the program makes itself, as "type:text" (a text insertion's
// text), for each object. Qt passes none on where no assistive technology listens, as here.
class EventRecorder {
public:
    EventRecorder() {
        recorded_.clear();
        previous_ = SetAccessibleEventSink(&Record);
    }
    ~EventRecorder() { SetAccessibleEventSink(previous_); }
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    QStringList Of(const QObject* object) const {
        QStringList told;
        for (const auto& [from, text] : recorded_) {
            if (from == object) {
                told << text;
            }
        }
        return told;
    }

private:
    static void Record(QAccessibleEvent* event) {
        QString text = QString::number(event->type(), 16);
        if (event->type() == QAccessible::TextInserted) {
            text += ":" + static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
        }
        recorded_.emplace_back(event->object(), text);
    }

    static inline std::vector<std::pair<QObject*, QString>> recorded_;
    AccessibleEventSink previous_ = nullptr;
};

QString Inserted(const QString& text) {
    return QString::number(QAccessible::TextInserted, 16) + ":" + text;
}

// Counts the times a widget is shown.
class ShowCounter : public QObject {
public:
    explicit ShowCounter(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        shows += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

// Six buttons in two rows of three, then OK.
constexpr int kFirstCell = 301;
constexpr ControlTemplate kGridControls[] = {
    {kFirstCell, K::PushButton, "1", {10, 10, 20, 14}, kTabStop},
    {kFirstCell + 1, K::PushButton, "2", {30, 10, 20, 14}, kTabStop},
    {kFirstCell + 2, K::PushButton, "3", {50, 10, 20, 14}, kTabStop},
    {kFirstCell + 3, K::PushButton, "4", {10, 24, 20, 14}, kTabStop},
    {kFirstCell + 4, K::PushButton, "5", {30, 24, 20, 14}, kTabStop},
    {kFirstCell + 5, K::PushButton, "6", {50, 24, 20, 14}, kTabStop},
    {IDOK, K::PushButton, "OK", {10, 50, 40, 14}, kTabStop | kDefaultButton},
};
constexpr DialogTemplate kGrid{911, "Grid", 100, 70, kCaption | kModalFrame, kGridControls};

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
    void listsSayWhatTheyChooseAndTellEachNewValue();
    void anAnnouncementIsShownOnceTheDisplayHasSettled();
    void aGridOfButtonsIsOneTabStop();
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

void AccessibilityTest::listsSayWhatTheyChooseAndTellEachNewValue() {
    CDialog dialog(kTemplate);
    dialog.Create();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* list = dialog.DlgItem<CComboBox>(kSize);
    for (const char* size : {"Small", "Medium", "Large"}) {
        list->AddString(size);
    }
    // Named by its label, without the colon; the entry it shows is its value and its text.
    QAccessibleInterface* access = Accessible(dialog, kSize);
    QCOMPARE(access->role(), QAccessible::ComboBox);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Size"));
    QCOMPARE(access->text(QAccessible::Value), QStringLiteral("Small"));
    QCOMPARE(access->textInterface()->text(0, access->textInterface()->characterCount()),
             QStringLiteral("Small"));

    EventRecorder events;
    // Changed by the program, away from the focus: nothing to tell.
    list->SetCurSel(1);
    QCOMPARE(events.Of(list), QStringList());
    // Each value the user moves to is told as it comes.
    list->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(events.Of(list),
             (QStringList{Inserted("Large"), Inserted("Medium"), Inserted("Small")}));
    // The text told is all selected, which is what makes a screen reader speak it.
    int start = -1;
    int end = -1;
    access->textInterface()->selection(0, &start, &end);
    QCOMPARE(QPair(start, end), QPair(0, 5));
}

void AccessibilityTest::anAnnouncementIsShownOnceTheDisplayHasSettled() {
    CDialog dialog(kTemplate);
    dialog.Create();
    auto* announcer = new CAnnouncer(dialog);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(announcer);
    QCOMPARE(access->role(), QAccessible::Notification);
    QVERIFY(!announcer->Announced());

    // Shown anew for each text, which is what a screen reader speaks (Qt tells assistive
    // technology of each showing).
    const ShowCounter* counter = new ShowCounter(announcer);
    announcer->Announce("first");
    announcer->Announce("second"); // replaces the first, which is never shown
    QCOMPARE(announcer->Text(), std::string("second"));
    QVERIFY(!announcer->Announced());
    QTRY_VERIFY(announcer->Announced());
    QCOMPARE(counter->shows, 1);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("second"));
    QCOMPARE(announcer->size(), QSize(0, 0));

    // The same text again is shown anew, so that it is spoken again.
    announcer->Announce("second");
    QTRY_COMPARE(counter->shows, 2);
    QVERIFY(announcer->Announced());
}

void AccessibilityTest::aGridOfButtonsIsOneTabStop() {
    CDialog dialog(kGrid);
    std::vector<QWidget*> cells;
    dialog.Create();
    for (int i = 0; i < 6; ++i) {
        cells.push_back(dialog.GetDlgItem(kFirstCell + i));
    }
    MakeOneTabStop(cells, 3);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget* ok = dialog.GetDlgItem(IDOK);
    const auto focusedCell = [] { return QApplication::focusWidget()->objectName().toInt(); };

    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Tab);
    QCOMPARE(focusedCell(), kFirstCell);
    struct Step {
        Qt::Key key;
        int to;
    };
    // Edges hold the focus; Home and End go to the first and the last.
    const Step steps[] = {{Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_Down, 4},
                          {Qt::Key_Down, 4}, {Qt::Key_Right, 5}, {Qt::Key_Right, 5},
                          {Qt::Key_Up, 2},   {Qt::Key_Up, 2},    {Qt::Key_Home, 0},
                          {Qt::Key_End, 5},  {Qt::Key_Left, 4}};
    for (const Step& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        QCOMPARE(focusedCell(), kFirstCell + step.to);
    }
    // Tab leaves the grid at once, and comes back to the cell it left.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Backtab);
    QCOMPARE(focusedCell(), kFirstCell + 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), ok);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
