#include "platform/controls.h"

#include "platform/qt_text.h"
#include "platform/resources.h"

#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

namespace zandrel {

CButton::CButton(QWidget* parent, bool label) : QPushButton(parent), label_(label) {
    // The dialog decides what Enter does, not the button.
    setAutoDefault(false);
    if (label_) {
        setFlat(true);
        setFocusPolicy(Qt::NoFocus);
    }
}

void CButton::SetText(std::string_view text) {
    setText(ToQString(text));
}

std::string CButton::Text() const {
    return ToUtf8(text());
}

void CButton::paintEvent(QPaintEvent* event) {
    if (!label_) {
        QPushButton::paintEvent(event);
        return;
    }
    // A label has no frame to make room for, so its caption may use the whole width.
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

bool CBitmapButton::LoadBitmaps(int up, int down, int focus, int disabled) {
    const std::array<int, 4> ids = {up, down != 0 ? down : up, focus != 0 ? focus : up,
                                    disabled != 0 ? disabled : up};
    bool allLoaded = true;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        ids_[i] = ids[i];
        bitmaps_[i] = LoadBitmapResource(ids[i]);
        allLoaded = allLoaded && !bitmaps_[i].isNull();
    }
    return allLoaded;
}

QSize CBitmapButton::sizeHint() const {
    return bitmaps_[Up].isNull() ? QSize(0, 0) : bitmaps_[Up].size();
}

void CBitmapButton::paintEvent(QPaintEvent*) {
    State state = Up;
    if (!isEnabled()) {
        state = Disabled;
    } else if (isDown()) {
        state = Down;
    } else if (hasFocus()) {
        state = Focus;
    }
    QPainter painter(this);
    // One bitmap pixel per device-independent pixel; on a scaled screen the pixels are
    // repeated, never blended, so the bars stay sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(rect(), palette().button());
    painter.drawPixmap(QPoint(0, 0), bitmaps_[state]);
}

CRadioButton::CRadioButton(QWidget* parent) : QRadioButton(parent) {
    // The program checks one marker of a range and unchecks the others itself.
    setAutoExclusive(false);
    setFocusPolicy(Qt::NoFocus);
}

CComboBox::CComboBox(QWidget* parent) : QComboBox(parent) {
    setInsertPolicy(QComboBox::InsertAtBottom);
}

void CComboBox::AddString(std::string_view text) {
    addItem(ToQString(text));
}

void CComboBox::SetCurSel(int index) {
    setCurrentIndex(index);
}

std::string CComboBox::ItemText(int index) const {
    return ToUtf8(itemText(index));
}

CEdit::CEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        FoldLineBreaks();
        EnforceLimit();
    });
}

void CEdit::SetText(std::string_view text) {
    setText(ToQString(text));
}

std::string CEdit::Text() const {
    return ToUtf8(text());
}

void CEdit::SetLimitText(int characters) {
    limit_ = characters;
    EnforceLimit();
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

namespace {

QString FromCrLf(std::string_view text) {
    QString converted = ToQString(text);
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return converted;
}

} // namespace

CMultiLineEdit::CMultiLineEdit(QWidget* parent) : QPlainTextEdit(parent) {}

void CMultiLineEdit::SetText(std::string_view text) {
    setPlainText(FromCrLf(text));
}

std::string CMultiLineEdit::Text() const {
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ToUtf8(text);
}

void CMultiLineEdit::GetSel(int* start, int* end) const {
    const QTextCursor cursor = textCursor();
    *start = cursor.selectionStart();
    *end = cursor.selectionEnd();
}

void CMultiLineEdit::SetSel(int start, int end) {
    QTextCursor cursor = textCursor();
    const int last = cursor.document()->characterCount() - 1;
    cursor.setPosition(std::clamp(start, 0, last));
    cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void CMultiLineEdit::ScrollCaret() {
    ensureCursorVisible();
}

void CMultiLineEdit::ReplaceSel(std::string_view text) {
    const bool undo = isUndoRedoEnabled();
    setUndoRedoEnabled(false);
    QTextCursor cursor = textCursor();
    cursor.insertText(FromCrLf(text));
    setTextCursor(cursor);
    setUndoRedoEnabled(undo);
}

void CMultiLineEdit::LineScroll(int lines) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + lines);
}

int CMultiLineEdit::FirstVisibleLine() const {
    return verticalScrollBar()->value();
}

} // namespace zandrel
