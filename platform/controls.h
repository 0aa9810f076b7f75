#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <string>
#include <string_view>

// The control kinds of the dialog templates. Each control's objectName is its id, and every
// text goes in and out as UTF-8.

namespace zandrel {

// A push button; as a label button it is flat, takes no focus and only shows its caption.
class CButton : public QPushButton {
    Q_OBJECT
public:
    CButton(QWidget* parent, bool label);

    bool IsLabel() const { return label_; }
    void SetText(std::string_view text);
    std::string Text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool label_;
};

// Shows a bitmap resource for each of its states (up, down, focus, disabled), unscaled from
// its top-left corner and clipped to the button. It takes no focus and draws nothing else.
class CBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    enum State { Up, Down, Focus, Disabled };

    explicit CBitmapButton(QWidget* parent);

    // A state given 0 shows the up bitmap. False when a bitmap does not exist; the button
    // then shows nothing for it.
    bool LoadBitmaps(int up, int down = 0, int focus = 0, int disabled = 0);
    int BitmapId(State state = Up) const { return ids_[state]; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<int, 4> ids_{};
    std::array<QPixmap, 4> bitmaps_;
};

// A radio button of the manual kind: a click never checks it, only the program does; it
// leaves the other radio buttons alone.
class CRadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit CRadioButton(QWidget* parent);

protected:
    void nextCheckState() override {}
};

// A drop-down list that keeps its entries in the order they were added.
class CComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CComboBox(QWidget* parent);

    void AddString(std::string_view text);
    void SetCurSel(int index);
    int GetCurSel() const { return currentIndex(); }
    std::string ItemText(int index) const;
};

// A single-line edit box.
class CEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CEdit(QWidget* parent);

    void SetText(std::string_view text);
    std::string Text() const;
    // At most `characters` characters, as the user sees them, can be typed or pasted; a
    // longer paste is cut at the limit.
    void SetLimitText(int characters);

private:
    void FoldLineBreaks();
    void EnforceLimit();

    int limit_ = -1;
};

// A multi-line edit box. Line ends are CR LF on the way in and out; positions of the
// selection count each line end as one character.
class CMultiLineEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CMultiLineEdit(QWidget* parent);

    void SetText(std::string_view text);
    std::string Text() const;

    void GetSel(int* start, int* end) const;
    void SetSel(int start, int end);
    void ScrollCaret();
    // Replaces the selection with `text`; the change cannot be undone.
    void ReplaceSel(std::string_view text);
    // Scrolls by `lines` lines, negative upward, as far as the text goes.
    void LineScroll(int lines);
    int FirstVisibleLine() const;
};

} // namespace zandrel
