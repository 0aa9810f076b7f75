#include "platform/list_view.h"

#include "platform/announcer.h"
#include "platform/qt_text.h"

#include <QHeaderView>

#include <utility>

namespace zandrel {

int CListView::Model::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count;
}

int CListView::Model::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns.size());
}

const CListView::Row& CListView::Model::RowAt(int row) const {
    if (row != cachedRow) {
        cached = source ? source(row) : Row{};
        cachedRow = row;
    }
    return cached;
}

QVariant CListView::Model::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count) {
        return {};
    }
    const Row& row = RowAt(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return column < row.cells.size() ? ToQString(row.cells[column]) : QString();
    case Qt::AccessibleTextRole:
        // The row is reached in its first cell, which speaks for the whole row.
        return column == 0 ? ToQString(row.spoken) : QVariant();
    default:
        return {};
    }
}

QVariant CListView::Model::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= static_cast<int>(columns.size())) {
        return {};
    }
    return ToQString(columns[static_cast<std::size_t>(section)].title);
}

void CListView::Model::Reset(int newCount) {
    beginResetModel();
    count = newCount;
    cachedRow = -1;
    cached = {};
    endResetModel();
}

void CListView::Model::Resize(int newCount) {
    cachedRow = -1;
    cached = {};
    if (newCount > count) {
        beginInsertRows({}, count, newCount - 1);
        count = newCount;
        endInsertRows();
    } else if (newCount < count) {
        beginRemoveRows({}, newCount, count - 1);
        count = newCount;
        endRemoveRows();
    }
    if (count > 0) {
        emit dataChanged(index(0, 0), index(count - 1, columnCount({}) - 1));
    }
}

CListView::CListView(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : QTableView(parent), CControl(control, std::move(sink)) {
    setModel(&model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the list, as it leaves every other control.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(false);
    setAlternatingRowColors(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalHeader()->hide();
    // Rows of one height: the list never measures its rows, however many there are.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { SelectionMoved(); });
    Place(control);
}

void CListView::SetColumns(const std::vector<Column>& columns) {
    model_.columns = columns;
    model_.Reset(model_.count);
    for (std::size_t i = 0; i + 1 < columns.size(); ++i) {
        setColumnWidth(static_cast<int>(i), columns[i].width * kPixelsPerDialogUnit);
    }
}

void CListView::SetRowSource(RowSource source) {
    model_.source = std::move(source);
    model_.Reset(model_.count);
}

void CListView::SetItemCount(int count, int selected) {
    quiet_ = true;
    const int top = rowAt(0);
    model_.Reset(count < 0 ? 0 : count);
    quiet_ = false;
    SetCurSel(selected);
    // The rows in view stay in view where they still exist.
    if (top > 0 && top < count && (selected < 0 || selected >= count)) {
        scrollTo(model_.index(top, 0), QAbstractItemView::PositionAtTop);
    }
}

void CListView::UpdateItemCount(int count, int selected) {
    quiet_ = true;
    // A view scrolls to each new current row by itself; here it stays where the user left it.
    const bool scrolls = hasAutoScroll();
    setAutoScroll(false);
    model_.Resize(count < 0 ? 0 : count);
    if (selected >= 0 && selected < model_.count) {
        selectionModel()->setCurrentIndex(model_.index(selected, 0),
                                          QItemSelectionModel::ClearAndSelect |
                                              QItemSelectionModel::Rows);
    } else {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    }
    setAutoScroll(scrolls);
    quiet_ = false;
}

int CListView::GetItemCount() const {
    return model_.count;
}

int CListView::GetCurSel() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isRowSelected(current.row(), {}) ? current.row()
                                                                                   : -1;
}

void CListView::SetCurSel(int row) {
    quiet_ = true;
    if (row >= 0 && row < model_.count) {
        const QModelIndex index = model_.index(row, 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
        scrollTo(index);
    } else {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    }
    quiet_ = false;
}

QModelIndex CListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    switch (action) {
    case MoveHome:
        return model_.index(0, 0);
    case MoveEnd:
        return model_.index(model_.count - 1, 0);
    case MoveLeft:
    case MoveRight:
    case MoveNext:
    case MovePrevious:
        return currentIndex();
    default:
        return QTableView::moveCursor(action, modifiers);
    }
}

void CListView::SetWindowText(std::string_view) {}

std::string CListView::GetWindowText() const {
    const int row = GetCurSel();
    return row < 0 ? std::string() : model_.RowAt(row).spoken;
}

void CListView::SelectionMoved() {
    if (quiet_) {
        return;
    }
    const QModelIndex current = currentIndex();
    if (current.isValid() &&
        (current.column() != 0 || !selectionModel()->isRowSelected(current.row(), {}))) {
        // The row the focus lands on is the selected row, and its first cell, which speaks for
        // the row, is the current cell.
        quiet_ = true;
        selectionModel()->setCurrentIndex(model_.index(current.row(), 0),
                                          QItemSelectionModel::ClearAndSelect |
                                              QItemSelectionModel::Rows);
        quiet_ = false;
    }
    if (hasFocus() && current.isValid()) {
        AnnounceValue(*this, ToQString(model_.RowAt(current.row()).spoken));
    }
    Notify(LVN_ITEMCHANGED);
}

} // namespace zandrel
