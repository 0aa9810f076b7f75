#include "platform/controls.h"

#include "platform/announcer.h"
#include "platform/qt_text.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <limits>
#include <utility>

namespace zandrel {
namespace {

// A closed drop-down list is one text line high; the rest of its template height is the
// opened list.
constexpr int kClosedListHeight = 11;

QRect PixelRect(const DialogRect& rect) {
    return {rect.x * kPixelsPerDialogUnit, rect.y * kPixelsPerDialogUnit,
            rect.width * kPixelsPerDialogUnit, rect.height * kPixelsPerDialogUnit};
}

bool Has(const ControlTemplate& control, std::uint32_t style) {
    return (control.styles & style) != 0;
}

QString WithoutMnemonics(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        shown.append(text[i]);
    }
    return shown;
}

std::string ToCrLf(QString text) {
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ToUtf8(text);
}

} // namespace

std::string TemplateText(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const std::string source(text); // translate() reads a terminated string
    return ToUtf8(QCoreApplication::translate("DialogTemplate", source.c_str()));
}

CControl::CControl(const ControlTemplate& control, CommandSink sink)
    : id_(control.id), sink_(std::move(sink)) {}

void CControl::Place(const ControlTemplate& control) {
    QWidget& widget = Widget();
    widget.setObjectName(QString::number(control.id));
    widget.setGeometry(PixelRect(control.rect));
    if (widget.focusPolicy() != Qt::NoFocus) {
        widget.setFocusPolicy(Has(control, kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void CControl::Notify(int code) const {
    if (sink_) {
        sink_(id_, code);
    }
}

CControl& CreateControl(QWidget* parent, const ControlTemplate& control, CommandSink sink) {
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::LabelButton:
        return *new CButton(parent, control, std::move(sink));
    case ControlKind::BitmapButton:
        return *new CBitmapButton(parent, control, std::move(sink));
    case ControlKind::ManualRadio:
        return *new CRadioButton(parent, control, std::move(sink));
    case ControlKind::DropDownList:
        return *new CComboBox(parent, control, std::move(sink));
    case ControlKind::Edit:
        if (Has(control, kMultiLine) && Has(control, kReadOnly)) {
            return *new CTextViewer(parent, control, std::move(sink));
        }
        if (Has(control, kMultiLine)) {
            return *new CMultiLineEdit(parent, control, std::move(sink));
        }
        return *new CEdit(parent, control, std::move(sink));
    case ControlKind::GroupBox:
        return *new CGroupBox(parent, control, std::move(sink));
    case ControlKind::StaticText:
    case ControlKind::Icon:
        return *new CStatic(parent, control, std::move(sink));
    }
    qFatal("control %d has no known kind", control.id);
}

CButton::CButton(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : ButtonControl(parent, control, std::move(sink)),
      label_(control.kind == ControlKind::LabelButton) {
    // The dialog decides what Enter does, not the button.
    setAutoDefault(false);
    setDefault(Has(control, kDefaultButton));
    if (label_) {
        setFlat(true);
        setFocusPolicy(Qt::NoFocus);
    }
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

CBitmapButton::CBitmapButton(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : ButtonControl(parent, control, std::move(sink)) {
    setFocusPolicy(Qt::NoFocus);
}

bool CBitmapButton::LoadBitmaps(int up, int down, int focus, int disabled) {
    const std::array<int, 4> ids = {up, down != 0 ? down : up, focus != 0 ? focus : up,
                                    disabled != 0 ? disabled : up};
    bool allLoaded = true;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        ids_[i] = ids[i];
        bitmaps_[i] = LoadBitmapArt(ids[i]);
        allLoaded = allLoaded && !bitmaps_[i].at1x.isNull();
    }
    return allLoaded;
}

QSize CBitmapButton::sizeHint() const {
    return bitmaps_[Up].at1x.isNull() ? QSize(0, 0) : bitmaps_[Up].at1x.size();
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
    painter.fillRect(rect(), palette().button());
    painter.drawPixmap(QPoint(0, 0), ArtForDensity(bitmaps_[state], devicePixelRatioF()));
}

CRadioButton::CRadioButton(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : ButtonControl(parent, control, std::move(sink)) {
    // The program checks one marker of a range and unchecks the others itself.
    setAutoExclusive(false);
    setFocusPolicy(Qt::NoFocus);
}

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

CEdit::CEdit(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : QLineEdit(parent), CControl(control, std::move(sink)) {
    setReadOnly(Has(control, kReadOnly));
    setFrame(Has(control, kBorder));
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

TextBoxControl::TextBoxControl(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : QPlainTextEdit(parent), CControl(control, std::move(sink)) {
    // Without sideways scrolling the lines wrap at the box's width, long words too.
    if (Has(control, kAutoHScroll)) {
        setLineWrapMode(QPlainTextEdit::NoWrap);
    } else {
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
    setVerticalScrollBarPolicy(Has(control, kVScroll) ? Qt::ScrollBarAlwaysOn
                                                      : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A client edge is the sunken double frame; a border alone is one plain line.
    if (Has(control, kClientEdge)) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    } else if (Has(control, kBorder)) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

void TextBoxControl::ScrollCaret() {
    ensureCursorVisible();
}

void TextBoxControl::LineScroll(int lines) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + lines);
}

int TextBoxControl::FirstVisibleLine() const {
    return verticalScrollBar()->value();
}

CMultiLineEdit::CMultiLineEdit(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : TextBoxControl(parent, control, std::move(sink)) {
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingText_) {
            Notify(EN_CHANGE);
        }
    });
    Place(control);
}

void CMultiLineEdit::SetWindowText(std::string_view text) {
    settingText_ = true;
    setPlainText(FromCrLf(text));
    settingText_ = false;
}

std::string CMultiLineEdit::GetWindowText() const {
    return ToCrLf(toPlainText());
}

void CMultiLineEdit::GetSel(int* start, int* end) const {
    const QTextCursor cursor = textCursor();
    *start = cursor.selectionStart();
    *end = cursor.selectionEnd();
}

void CMultiLineEdit::SetSel(int start, int end) {
    const int last = document()->characterCount() - 1;
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(start, 0, last));
    cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void CMultiLineEdit::ReplaceSel(std::string_view text) {
    const bool undo = isUndoRedoEnabled();
    setUndoRedoEnabled(false);
    settingText_ = true;
    QTextCursor cursor = textCursor();
    cursor.insertText(FromCrLf(text));
    setTextCursor(cursor);
    settingText_ = false;
    setUndoRedoEnabled(undo);
}

CTextViewer::CTextViewer(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : TextBoxControl(parent, control, std::move(sink)) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The box changes only through the program, which keeps no undo.
    setUndoRedoEnabled(false);
    Place(control);
}

void CTextViewer::SetWindowText(std::string_view text) {
    // A box not shown yet lays out every line of its text when it and its viewport first
    // get their sizes, which costs some 250 bytes a line: they take their sizes first, so
    // that only the lines in view are ever laid out.
    ensurePolished();
    for (QWidget* widget : {static_cast<QWidget*>(this), viewport()}) {
        if (widget->testAttribute(Qt::WA_PendingResizeEvent)) {
            QResizeEvent resize(widget->size(), QSize());
            QCoreApplication::sendEvent(widget, &resize);
            widget->setAttribute(Qt::WA_PendingResizeEvent, false);
        }
    }
    text_ = DisplayedText(FromCrLf(text));
    setPlainText(text_.Shown());
}

void CTextViewer::BringCaretIntoView() {
    const QTextCursor caret = textCursor();
    if (!caret.atEnd() && viewport()->rect().intersects(cursorRect())) {
        return;
    }
    setTextCursor(cursorForPosition(QPoint(0, 0)));
}

std::string CTextViewer::GetWindowText() const {
    return ToCrLf(text_.Text());
}

void CTextViewer::GetSel(int* start, int* end) const {
    const QTextCursor cursor = textCursor();
    *start = static_cast<int>(text_.ToText(cursor.selectionStart()));
    *end = static_cast<int>(text_.ToText(cursor.selectionEnd()));
}

void CTextViewer::SetSel(int start, int end) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(static_cast<int>(text_.ToShown(start)));
    cursor.setPosition(static_cast<int>(text_.ToShown(end)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void CTextViewer::ReplaceSel(std::string_view text) {
    int start = 0;
    int end = 0;
    GetSel(&start, &end);
    const QString inserted = FromCrLf(text);
    const DisplayedText::Change change = text_.Replace(start, end, inserted);
    QTextCursor shown(document());
    shown.setPosition(static_cast<int>(change.shownStart));
    shown.setPosition(static_cast<int>(change.shownEnd), QTextCursor::KeepAnchor);
    shown.insertText(change.shown);
    // The changed blocks are laid out now and the box told how many lines they take; it would
    // otherwise count each as one line, and could neither scroll the caret into view nor
    // scroll by the lines as shown.
    auto* layout = static_cast<QPlainTextDocumentLayout*>(document()->documentLayout());
    const QTextBlock last =
        document()->findBlock(static_cast<int>(change.shownStart + change.shown.size()));
    for (QTextBlock block = document()->findBlock(static_cast<int>(change.shownStart));
         block.isValid(); block = block.next()) {
        layout->ensureBlockLayout(block);
        if (block == last) {
            break;
        }
    }
    emit layout->documentSizeChanged(layout->documentSize());
    const int after = start + static_cast<int>(inserted.size());
    SetSel(after, after);
}

QMimeData* CTextViewer::createMimeDataFromSelection() const {
    const QTextCursor cursor = textCursor();
    auto* data = new QMimeData;
    data->setText(text_.TextOf(cursor.selectionStart(), cursor.selectionEnd()));
    return data;
}

CStatic::CStatic(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : QLabel(parent), CControl(control, std::move(sink)), noPrefix_(Has(control, kNoPrefix)) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (control.kind == ControlKind::Icon) {
        icon_ = LoadIconArt(control.image, 32);
        setPixmap(icon_.at1x);
    } else {
        setWordWrap(true);
        SetWindowText(TemplateText(control.caption));
    }
    Place(control);
}

void CStatic::paintEvent(QPaintEvent* event) {
    if (icon_.at1x.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), ArtForDensity(icon_, devicePixelRatioF()));
}

void CStatic::SetWindowText(std::string_view text) {
    text_ = text;
    const QString shown = ToQString(text);
    setText(noPrefix_ ? shown : WithoutMnemonics(shown));
    AlignText();
}

void CStatic::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    AlignText();
}

void CStatic::AlignText() {
    if (!icon_.at1x.isNull()) {
        return;
    }
    // Text of several lines keeps its first lines in view, as it always has.
    const int lineHeight = heightForWidth(QWIDGETSIZE_MAX);
    const bool taller = !text().isEmpty() && !text().contains(QLatin1Char('\n')) &&
                        heightForWidth(width()) == lineHeight && lineHeight > height();
    setAlignment(Qt::AlignLeft | (taller ? Qt::AlignVCenter : Qt::AlignTop));
}

CGroupBox::CGroupBox(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : QGroupBox(parent), CControl(control, std::move(sink)) {
    SetWindowText(TemplateText(control.caption));
    Place(control);
}

void CGroupBox::SetWindowText(std::string_view text) {
    setTitle(ToQString(text));
}

std::string CGroupBox::GetWindowText() const {
    return ToUtf8(title());
}

} // namespace zandrel
