#pragma once

#include "platform/control.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zandrel {

// The user selected another row of a list view.
inline constexpr int LVN_ITEMCHANGED = 2;

// A report-style list whose rows its owner keeps: the list knows only how many there are and
// asks for the cells of a row when the row comes into view, so that a list of any length costs
// what is shown. One row at most is selected; only the user's selecting notifies. Each row has
// a name of its own, which assistive technology speaks as the row is reached.
class CListView : public QTableView, public CControl {
    Q_OBJECT
public:
    struct Column {
        std::string title;
        int width = 0; // in dialog units; the last column takes what is left
    };
    struct Row {
        std::vector<std::string> cells;
        std::string spoken;
    };
    // The contents of row `row`, 0 at the top.
    using RowSource = std::function<Row(int row)>;

    CListView(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    void SetColumns(const std::vector<Column>& columns);
    void SetRowSource(RowSource source);
    // The rows are now `count`, each asked for anew as it is shown, and the selection is row
    // `selected` (none where it is out of range), without a notification.
    void SetItemCount(int count, int selected = -1);
    // The rows are now `count`, each asked for anew as it is shown, and the selection is row
    // `selected` (none where it is out of range), without a notification. Unlike
    // SetItemCount, the list does not scroll: the rows in view stay in view.
    void UpdateItemCount(int count, int selected);
    int GetItemCount() const;
    // The selected row, or -1.
    int GetCurSel() const;
    // Selects `row` (none for -1) and scrolls it into view, without a notification.
    void SetCurSel(int row);

    QWidget& Widget() override { return *this; }
    // A list's rows are its owner's: its text cannot be set.
    void SetWindowText(std::string_view text) override;
    // The spoken name of the selected row; empty without one.
    std::string GetWindowText() const override;

protected:
    // Home and End go to the first and last row; left and right stay on the row.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    class Model : public QAbstractTableModel {
    public:
        int rowCount(const QModelIndex& parent) const override;
        int columnCount(const QModelIndex& parent) const override;
        QVariant data(const QModelIndex& index, int role) const override;
        QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
        const Row& RowAt(int row) const;

        std::vector<Column> columns;
        RowSource source;
        int count = 0;
        // The row last asked for: a row's cells are read many times as it is painted.
        mutable int cachedRow = -1;
        mutable Row cached;
        void Reset(int newCount);
        // Rows added or taken away at the end, and every row asked for again.
        void Resize(int newCount);
    };

    void SelectionMoved();

    Model model_;
    bool quiet_ = false;
};

} // namespace zandrel
