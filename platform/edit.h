#pragma once

#include "platform/control.h"

#include <QLineEdit>

#include <cstddef>
#include <string>
#include <string_view>

namespace zandrel {

// A single-line edit box. Line breaks in pasted text become blanks, so the text always stays
// on one line. It has no length limit of its own.
class CEdit : public QLineEdit, public CControl {
    Q_OBJECT
public:
    CEdit(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    // At most `characters` characters, as the user sees them, can be typed or pasted; a
    // longer paste is cut at the limit.
    void SetLimitText(int characters);

    // Selects what its text holds past the first `bytes` bytes of UTF-8, from the start of
    // the character that crosses that point, with the cursor there.
    void SelectPastBytes(std::size_t bytes);

    QWidget& Widget() override { return *this; }
    void SetWindowText(std::string_view text) override;
    std::string GetWindowText() const override;

private:
    void TextChanged();
    void FoldLineBreaks();
    void EnforceLimit();

    int limit_ = -1;
    bool adjusting_ = false;
};

} // namespace zandrel
