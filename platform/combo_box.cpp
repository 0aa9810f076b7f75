#include "platform/combo_box.h"

#include "platform/announcer.h"
#include "platform/qt_text.h"

#include <algorithm>
#include <utility>

namespace zandrel {
namespace {

// A closed drop-down list is one text line high; the rest of its template height is the
// opened list.
constexpr int kClosedListHeight = 11;

} // namespace

CComboBox::CComboBox(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : QComboBox(parent), CControl(control, std::move(sink)) {
    setInsertPolicy(QComboBox::InsertAtBottom);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (hasFocus()) {
            AnnounceValue(*this, currentText());
        }
        if (!quiet_) {
            Notify(CBN_SELCHANGE);
        }
    });
    Place(control);
    const int closed = kClosedListHeight * kPixelsPerDialogUnit;
    const int opened = control.rect.height * kPixelsPerDialogUnit - closed;
    setMaxVisibleItems(std::max(1, opened / fontMetrics().height()));
    resize(width(), closed);
}

void CComboBox::AddString(std::string_view text) {
    // The first entry added becomes the selection, which is the program's doing.
    quiet_ = true;
    addItem(ToQString(text));
    quiet_ = false;
}

void CComboBox::ResetContent() {
    quiet_ = true;
    clear();
    quiet_ = false;
}

void CComboBox::SetCurSel(int index) {
    quiet_ = true;
    setCurrentIndex(index);
    quiet_ = false;
}

std::string CComboBox::ItemText(int index) const {
    return ToUtf8(itemText(index));
}

void CComboBox::SetWindowText(std::string_view text) {
    SetCurSel(findText(ToQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

std::string CComboBox::GetWindowText() const {
    return ToUtf8(currentText());
}

} // namespace zandrel
