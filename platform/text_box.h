#pragma once

#include "platform/control.h"
#include "platform/displayed_text.h"

#include <QMimeData>
#include <QPlainTextEdit>

#include <string>
#include <string_view>

namespace zandrel {

// What the two multi-line boxes share: frame, wrapping and scroll bars as the template says,
// and scrolling by the lines as they are shown, wrapped lines counted each.
class TextBoxControl : public QPlainTextEdit, public CControl {
    Q_OBJECT
public:
    void ScrollCaret();
    // Scrolls by `lines` lines, negative upward, as far as the text goes.
    void LineScroll(int lines);
    int FirstVisibleLine() const;

    QWidget& Widget() override { return *this; }

protected:
    TextBoxControl(QWidget* parent, const ControlTemplate& control, CommandSink sink);
};

// A multi-line edit box that the user can change. Line ends are CR LF on the way in and out;
// positions of the selection count each line end as one character. Only the user's changes
// notify.
class CMultiLineEdit : public TextBoxControl {
    Q_OBJECT
public:
    CMultiLineEdit(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    void GetSel(int* start, int* end) const;
    void SetSel(int start, int end);
    // Replaces the selection with `text`; the change cannot be undone.
    void ReplaceSel(std::string_view text);

    void SetWindowText(std::string_view text) override;
    std::string GetWindowText() const override;

private:
    bool settingText_ = false;
};

// A read-only multi-line box. It keeps its text as it was given and shows it as DisplayedText
// does, which keeps any text, however long or odd, quick to show. Line ends are CR LF on the
// way in and out; its selection, given in positions of the text with each line end counted as
// one, and what is copied from it are those of the text itself.
class CTextViewer : public TextBoxControl {
    Q_OBJECT
public:
    CTextViewer(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    void GetSel(int* start, int* end) const;
    void SetSel(int start, int end);
    // Replaces the selection with `text` and puts the caret after it. Only the lines it
    // touches are laid out again, so appending costs what is appended, not what the box holds.
    void ReplaceSel(std::string_view text);

    void SetWindowText(std::string_view text) override;
    // The same for a large text that the caller no longer needs: its bytes are released once
    // decoded, before the box is filled.
    void TakeWindowText(std::string text);
    std::string GetWindowText() const override;

    // Puts the caret at the start of the first line in view when it stands out of view or at
    // the end of the text, where reading from the caret would find nothing: the keyboard's
    // way in then starts where the user's eyes would.
    void BringCaretIntoView();

protected:
    QMimeData* createMimeDataFromSelection() const override;

private:
    // Gives the box its size before any text, then shows `text`.
    void Show(QString text);
    // The text the box shows, from the document where the box no longer keeps it.
    QString Kept() const;
    // The text that the document's characters `shown` (paragraph separators included) stand
    // for, where the document holds the text.
    QString FromDocument(QString shown) const;

    DisplayedText text_;
    // Whether text_ was let go once the document held the text, from which it can be read back
    // exactly: a text without added breaks, shown as it is or with every control character as
    // its symbol where it holds no such symbol of its own. A large log is then held once, not
    // twice. The first change to the text takes it back into text_.
    bool heldByDocument_ = false;
    bool symbolsStandForControls_ = false;
    // Whether most line ends show as line separators, inside blocks of many lines.
    bool linesGrouped_ = false;
};

} // namespace zandrel
