#include "platform/text_box.h"

#include "platform/qt_text.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <utility>

namespace zandrel {
namespace {

std::string ToCrLf(QString text) {
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ToUtf8(text);
}

constexpr char16_t kFirstSymbol = 0x2400; // the symbol of U+0000
constexpr char16_t kDeleteSymbol = 0x2421;

bool IsControlSymbol(QChar c) {
    return (c.unicode() >= kFirstSymbol && c.unicode() < kFirstSymbol + 0x20) ||
           c.unicode() == kDeleteSymbol;
}

// A text of more lines than this is shown with most of its line ends as line separators
// inside blocks of some kMaxDisplayBlock / 2 characters and more: the document spends some
// 380 bytes on each block, which for the 65536 lines of a large log is three times what the
// text itself takes. Each line still shows on a line of its own, every character keeps its
// place, and shorter texts keep one block to a line.
constexpr qsizetype kGroupedLines = 4096;

// Shows the line ends of `piece` that fall before a block has kMaxDisplayBlock / 2 characters
// as line separators; `blockLength` carries the length of the last block on to the next piece.
void GroupLines(QString* piece, qsizetype* blockLength) {
    for (QChar& c : *piece) {
        if (c != u'\n') {
            ++*blockLength;
        } else if (*blockLength < kMaxDisplayBlock / 2) {
            c = QChar::LineSeparator;
            ++*blockLength;
        } else {
            *blockLength = 0;
        }
    }
}

// Whether a document that shows `text` gives it back exactly: it has no breaks added, no
// character that the document takes for the end of a paragraph or a frame, no line separator
// of its own where line ends are shown as such, and, where it shows control characters as
// their symbols, no such symbol of its own that would be read back as a control character.
// `symbolsStandForControls` tells whether it shows any control.
bool DocumentGivesBack(const DisplayedText& text, bool linesGrouped,
                       bool* symbolsStandForControls) {
    if (!text.Breaks().empty()) {
        return false;
    }
    bool controls = false;
    bool symbols = false;
    for (const QChar c : text.Text()) {
        if (c == QChar::ParagraphSeparator || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1 ||
            (linesGrouped && c == QChar::LineSeparator)) {
            return false;
        }
        controls =
            controls || (c.unicode() < 0x20 && c != u'\t' && c != u'\n') || c.unicode() == 0x7F;
        symbols = symbols || IsControlSymbol(c);
    }
    *symbolsStandForControls = controls;
    return !(controls && symbols);
}

} // namespace

TextBoxControl::TextBoxControl(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : QPlainTextEdit(parent), CControl(control, std::move(sink)) {
    // Without sideways scrolling the lines wrap at the box's width, long words too.
    if (HasStyle(control, kAutoHScroll)) {
        setLineWrapMode(QPlainTextEdit::NoWrap);
    } else {
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
    setVerticalScrollBarPolicy(HasStyle(control, kVScroll) ? Qt::ScrollBarAlwaysOn
                                                           : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A client edge is the sunken double frame; a border alone is one plain line.
    if (HasStyle(control, kClientEdge)) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    } else if (HasStyle(control, kBorder)) {
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
    Show(FromCrLf(text));
}

void CTextViewer::TakeWindowText(std::string text) {
    QString decoded = FromCrLf(text);
    text.clear();
    text.shrink_to_fit();
    Show(std::move(decoded));
}

void CTextViewer::Show(QString text) {
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
    text_ = DisplayedText(std::move(text));
    heldByDocument_ = false;
    linesGrouped_ =
        text_.Text().count(u'\n') + static_cast<qsizetype>(text_.Breaks().size()) > kGroupedLines;
    const bool givesBack = DocumentGivesBack(text_, linesGrouped_, &symbolsStandForControls_);
    if (text_.ShowsAsItIs() && !linesGrouped_) {
        // The document takes its copy from the text itself.
        setPlainText(text_.Text());
    } else {
        // What is shown differs from the text: it goes to the document piece by piece, in one
        // edit, so that it never exists whole beside the text and the document's own copy.
        constexpr qsizetype kPiece = 64 * 1024;
        setPlainText(QString());
        QTextCursor end(document());
        end.beginEditBlock();
        const QString& kept = text_.Text();
        qsizetype blockLength = 0;
        for (qsizetype at = 0; at < kept.size();) {
            qsizetype to = std::min(at + kPiece, kept.size());
            if (to < kept.size() && kept[to].isLowSurrogate()) {
                --to;
            }
            QString piece = text_.ShownOf(at, to);
            if (linesGrouped_) {
                GroupLines(&piece, &blockLength);
            }
            end.insertText(piece);
            at = to;
        }
        end.endEditBlock();
        // The box's caret moved along with the text; it starts at the top, as after
        // setPlainText.
        setTextCursor(QTextCursor(document()));
    }
    if (givesBack) {
        text_ = DisplayedText();
        heldByDocument_ = true;
    }
}

QString CTextViewer::FromDocument(QString shown) const {
    for (QChar& c : shown) {
        if (c == QChar::ParagraphSeparator || (linesGrouped_ && c == QChar::LineSeparator)) {
            c = u'\n';
        } else if (symbolsStandForControls_ && IsControlSymbol(c)) {
            c = c.unicode() == kDeleteSymbol ? QChar(0x7F) : QChar(c.unicode() - kFirstSymbol);
        }
    }
    return shown;
}

QString CTextViewer::Kept() const {
    return heldByDocument_ ? FromDocument(document()->toRawText()) : text_.Text();
}

void CTextViewer::BringCaretIntoView() {
    const QTextCursor caret = textCursor();
    if (!caret.atEnd() && viewport()->rect().intersects(cursorRect())) {
        return;
    }
    setTextCursor(cursorForPosition(QPoint(0, 0)));
}

std::string CTextViewer::GetWindowText() const {
    return ToCrLf(Kept());
}

void CTextViewer::GetSel(int* start, int* end) const {
    const QTextCursor cursor = textCursor();
    if (heldByDocument_) {
        // No breaks were added: each character is where it is shown.
        *start = cursor.selectionStart();
        *end = cursor.selectionEnd();
        return;
    }
    *start = static_cast<int>(text_.ToText(cursor.selectionStart()));
    *end = static_cast<int>(text_.ToText(cursor.selectionEnd()));
}

void CTextViewer::SetSel(int start, int end) {
    QTextCursor cursor = textCursor();
    if (heldByDocument_) {
        const int last = document()->characterCount() - 1;
        cursor.setPosition(std::clamp(start, 0, last));
        cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
        setTextCursor(cursor);
        return;
    }
    cursor.setPosition(static_cast<int>(text_.ToShown(start)));
    cursor.setPosition(static_cast<int>(text_.ToShown(end)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void CTextViewer::ReplaceSel(std::string_view text) {
    int start = 0;
    int end = 0;
    GetSel(&start, &end);
    if (heldByDocument_) {
        // Changed texts are kept beside the document again, where breaks may be added.
        text_ = DisplayedText(Kept());
        heldByDocument_ = false;
    }
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
    data->setText(heldByDocument_ ? FromDocument(cursor.selectedText())
                                  : text_.TextOf(cursor.selectionStart(), cursor.selectionEnd()));
    return data;
}

} // namespace zandrel
