// The owner-data list view: rows asked for only as they come into view, however many there are;
// one selected row, moved by the keyboard, told to the dialog only when the user moves it;
// a new count that keeps the selection where the owner says, and one that keeps the rows in
// view where they are; a spoken name per row.

#include "platform/dialog.h"
#include "platform/list_view.h"
#include "tests/platform/gui_test_support.h"

#include <QAccessible>
#include <QTest>

#include <algorithm>
#include <set>

using namespace zandrel;
using namespace zandrel::test;

namespace {

constexpr int kList = 101;
constexpr int kAfter = 102;

constexpr ControlTemplate kControls[] = {
    {kList, ControlKind::ListView, "", {7, 7, 200, 100}, kVScroll | kTabStop},
    {kAfter, ControlKind::PushButton, "After", {7, 110, 50, 14}, kTabStop},
};
constexpr DialogTemplate kTemplate{950, "List", 214, 130, kCaption | kModalFrame, kControls};

class ListDialog : public CDialog {
    Q_OBJECT
public:
    ListDialog() : CDialog(kTemplate) {
        MapCommand(kList, LVN_ITEMCHANGED, [this] { changes.push_back(list->GetCurSel()); });
    }

    CListView* list = nullptr;
    std::set<int> asked;
    std::vector<int> changes;

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        list = DlgItem<CListView>(kList);
        list->SetColumns({{"Row", 40}, {"Square", 0}});
        list->SetRowSource([this](int row) {
            asked.insert(row);
            return CListView::Row{
                {std::to_string(row), std::to_string(static_cast<long long>(row) * row)},
                "row " + std::to_string(row)};
        });
        return true;
    }
};

} // namespace

class ListViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void asksOnlyForTheRowsInViewOfAHundredThousand();
    void theKeyboardMovesTheSelectionAndTellsTheDialog();
    void aNewCountKeepsTheSelectionWhereTheOwnerSays();
    void anUpdatedCountKeepsTheRowsInView();
};

void ListViewTest::asksOnlyForTheRowsInViewOfAHundredThousand() {
    ListDialog dialog;
    dialog.Create();
    dialog.list->SetItemCount(100000);
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.list->repaint();
    QCOMPARE(dialog.list->GetItemCount(), 100000);
    QVERIFY(!dialog.asked.empty());
    QVERIFY2(dialog.asked.size() < 40, qPrintable(QString::number(dialog.asked.size())));
    QVERIFY(*dialog.asked.rbegin() < 40);

    // The last row, reached by the program: only the rows around it are asked for.
    dialog.asked.clear();
    dialog.list->SetCurSel(99999);
    dialog.list->repaint();
    QVERIFY(dialog.asked.count(99999) == 1);
    QVERIFY(*dialog.asked.begin() > 99900);
    QCOMPARE(dialog.list->model()->index(99999, 1).data().toString(), QString("9999800001"));
    QCOMPARE(std::count(dialog.changes.begin(), dialog.changes.end(), 99999), 0);
}

void ListViewTest::theKeyboardMovesTheSelectionAndTellsTheDialog() {
    ListDialog dialog;
    dialog.Create();
    dialog.list->SetItemCount(500);
    dialog.list->SetCurSel(0);
    dialog.list->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(dialog.list, Qt::Key_Down);
    QTest::keyClick(dialog.list, Qt::Key_Down);
    QCOMPARE(dialog.changes, (std::vector<int>{1, 2}));
    QTest::keyClick(dialog.list, Qt::Key_End);
    QCOMPARE(dialog.list->GetCurSel(), 499);
    QCOMPARE(dialog.list->GetWindowText(), std::string("row 499"));
    // The row's first cell speaks for the row.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(dialog.list);
    QVERIFY(table != nullptr && table->tableInterface() != nullptr);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(499, 0);
    QVERIFY(cell != nullptr);
    QCOMPARE(cell->text(QAccessible::Name), QString("row 499"));
    // Tab leaves the list.
    QTest::keyClick(dialog.list, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.GetDlgItem(kAfter));
    QCOMPARE(dialog.changes.back(), 499);
}

void ListViewTest::aNewCountKeepsTheSelectionWhereTheOwnerSays() {
    ListDialog dialog;
    dialog.Create();
    dialog.list->SetItemCount(10, 3);
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.list->GetCurSel(), 3);
    dialog.asked.clear();
    dialog.list->SetItemCount(12, 5);
    dialog.list->repaint();
    QCOMPARE(dialog.list->GetCurSel(), 5);
    QVERIFY(dialog.asked.count(0) == 1); // asked again
    dialog.list->SetItemCount(4, 7);     // out of range: none
    QCOMPARE(dialog.list->GetCurSel(), -1);
    QCOMPARE(dialog.list->GetWindowText(), std::string());
    QVERIFY(dialog.changes.empty());

    // The keyboard's way into a list without a selection selects the row it lands on.
    dialog.list->SetItemCount(4);
    dialog.list->setFocus();
    QTest::keyClick(dialog.list, Qt::Key_Down);
    QCOMPARE(dialog.list->GetCurSel(), dialog.changes.back());
    QVERIFY(dialog.list->GetCurSel() >= 0);
}

void ListViewTest::anUpdatedCountKeepsTheRowsInView() {
    ListDialog dialog;
    dialog.Create();
    dialog.list->SetItemCount(200);
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.list->scrollTo(dialog.list->model()->index(150, 0), QAbstractItemView::PositionAtTop);
    dialog.list->SetCurSel(10); // out of view now
    dialog.list->scrollTo(dialog.list->model()->index(150, 0), QAbstractItemView::PositionAtTop);
    const int top = dialog.list->rowAt(0);
    QVERIFY(top > 100);

    // Longer, with the selection moved to a row out of view: nothing scrolls.
    dialog.asked.clear();
    dialog.list->UpdateItemCount(5000, 11);
    dialog.list->repaint();
    QCOMPARE(dialog.list->GetItemCount(), 5000);
    QCOMPARE(dialog.list->rowAt(0), top);
    QCOMPARE(dialog.list->GetCurSel(), 11);
    QVERIFY(dialog.asked.count(top) == 1); // the rows in view are asked for again
    // Shorter: the rows in view stay, and so does a selection out of view.
    dialog.list->UpdateItemCount(190, 180);
    QCOMPARE(dialog.list->GetCurSel(), 180);
    QCOMPARE(dialog.list->rowAt(0), top);
    dialog.list->UpdateItemCount(170, -1);
    QCOMPARE(dialog.list->GetCurSel(), -1);
    QCOMPARE(dialog.list->GetItemCount(), 170);
    QVERIFY(dialog.changes.empty());
}

QTEST_MAIN(ListViewTest)
#include "list_view_test.moc"
