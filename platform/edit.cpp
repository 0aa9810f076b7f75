#include "platform/edit.h"

#include "platform/qt_text.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <utility>

namespace zandrel {

CEdit::CEdit(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : QLineEdit(parent), CControl(control, std::move(sink)) {
    setReadOnly(HasStyle(control, kReadOnly));
    setFrame(HasStyle(control, kBorder));
    // Qt would cut a longer text, even one set by the program, at 32767 characters.
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this] { TextChanged(); });
    Place(control);
}

void CEdit::SetWindowText(std::string_view text) {
    setText(ToQString(text));
}

std::string CEdit::GetWindowText() const {
    return ToUtf8(text());
}

void CEdit::SetLimitText(int characters) {
    limit_ = characters;
    EnforceLimit();
}

void CEdit::SelectPastBytes(std::size_t bytes) {
    const std::string utf8 = GetWindowText();
    if (utf8.size() <= bytes) {
        deselect();
        return;
    }
    std::size_t kept = bytes;
    while (kept > 0 && (static_cast<unsigned char>(utf8[kept]) & 0xC0) == 0x80) {
        --kept; // a continuation byte: the character starts before it
    }
    // The bytes kept are whole characters of valid UTF-8: decoded, their length is the
    // position in the box's text.
    const auto start = static_cast<int>(ToQString(std::string_view(utf8).substr(0, kept)).size());
    setSelection(static_cast<int>(text().size()), start - static_cast<int>(text().size()));
}

void CEdit::TextChanged() {
    // Folding and cutting set the text again; the dialog hears of the change once.
    if (adjusting_) {
        return;
    }
    adjusting_ = true;
    FoldLineBreaks();
    EnforceLimit();
    adjusting_ = false;
    Notify(EN_CHANGE);
}

void CEdit::FoldLineBreaks() {
    // A single line holds no line break, but Qt keeps those of pasted text. Pasted lines
    // are joined by a blank, and a line break at the end is dropped.
    static const QRegularExpression trailing(QStringLiteral("[\\r\\n]+$"));
    static const QRegularExpression inner(QStringLiteral("[\\r\\n]+"));
    if (!text().contains(QLatin1Char('\n')) && !text().contains(QLatin1Char('\r'))) {
        return;
    }
    const int cursor = cursorPosition();
    QString folded = text();
    folded.remove(trailing);
    folded.replace(inner, QStringLiteral(" "));
    setText(folded);
    setCursorPosition(std::min(cursor, static_cast<int>(folded.size())));
}

void CEdit::EnforceLimit() {
    if (limit_ < 0 || CharacterCount(text()) <= limit_) {
        return;
    }
    const int cursor = cursorPosition();
    const QString kept = LeftCharacters(text(), limit_);
    setText(kept);
    setCursorPosition(std::min(cursor, static_cast<int>(kept.size())));
}

} // namespace zandrel
