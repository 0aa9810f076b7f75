#pragma once

#include "platform/control.h"

#include <QComboBox>

#include <string>
#include <string_view>

namespace zandrel {

// A drop-down list that keeps its entries in the order they were added. Only a choice the
// user makes is a selection change; the program's own selecting is not.
class CComboBox : public QComboBox, public CControl {
    Q_OBJECT
public:
    CComboBox(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    void AddString(std::string_view text);
    // Removes every entry; the list is then without a selection.
    void ResetContent();
    void SetCurSel(int index);
    int GetCurSel() const { return currentIndex(); }
    std::string ItemText(int index) const;

    QWidget& Widget() override { return *this; }
    // Selects the first entry with exactly this text, or none.
    void SetWindowText(std::string_view text) override;
    // The selected entry's text.
    std::string GetWindowText() const override;

private:
    bool quiet_ = false;
};

} // namespace zandrel
