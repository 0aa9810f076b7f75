#pragma once

#include "platform/density_art.h"
#include "platform/dialog_template.h"
#include "platform/displayed_text.h"
#include "platform/qt_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <QMimeData>

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

// The control kinds of the dialog templates. Each kind builds itself from its template, carries
// its id as objectName, passes its text in and out as UTF-8 and tells its dialog what the user
// did with it as a command: its id and a notification code.

namespace zandrel {

// Notification codes.
inline constexpr int BN_CLICKED = 0;     // a button was clicked
inline constexpr int CBN_SELCHANGE = 1;  // the user chose another entry of a drop-down list
inline constexpr int EN_CHANGE = 0x0300; // the text of an edit box changed

// Receives a control's commands: its id and the notification code.
using CommandSink = std::function<void(int id, int code)>;

// What every control of a template is, whatever its kind.
class CControl {
public:
    CControl(const ControlTemplate& control, CommandSink sink);
    virtual ~CControl() = default;
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;

    int GetDlgCtrlID() const { return id_; }
    virtual QWidget& Widget() = 0;
    virtual void SetWindowText(std::string_view text) = 0;
    virtual std::string GetWindowText() const = 0;

protected:
    // Gives the widget its id, its place in dialog units and, where it takes the focus at all,
    // whether Tab stops on it.
    void Place(const ControlTemplate& control);
    void Notify(int code) const;

private:
    int id_;
    CommandSink sink_;
};

// A caption or title of a template in the interface's language, as UTF-8.
std::string TemplateText(std::string_view text);

// Builds the control that `control` describes as a child of `parent`.
CControl& CreateControl(QWidget* parent, const ControlTemplate& control, CommandSink sink);

// What the button kinds share: the caption is their text, and a click is BN_CLICKED.
template <class QtButton> class ButtonControl : public QtButton, public CControl {
public:
    QWidget& Widget() override { return *this; }
    void SetWindowText(std::string_view text) override { this->setText(ToQString(text)); }
    std::string GetWindowText() const override { return ToUtf8(this->text()); }

protected:
    ButtonControl(QWidget* parent, const ControlTemplate& control, CommandSink sink)
        : QtButton(parent), CControl(control, std::move(sink)) {
        SetWindowText(TemplateText(control.caption));
        QObject::connect(this, &QAbstractButton::clicked, this, [this] { Notify(BN_CLICKED); });
        Place(control);
    }
};

// A push button; as a label button it is flat, takes no focus and only shows its caption.
class CButton : public ButtonControl<QPushButton> {
    Q_OBJECT
public:
    CButton(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    bool IsLabel() const { return label_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool label_;
};

// Shows a bitmap resource for each of its states (up, down, focus, disabled), unscaled from
// its top-left corner and clipped to the button. It takes no focus and draws nothing else.
// On a high-density screen the bitmap covers the same device-independent pixels, drawn from
// the art for that density.
class CBitmapButton : public ButtonControl<QAbstractButton> {
    Q_OBJECT
public:
    enum State { Up, Down, Focus, Disabled };

    CBitmapButton(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    // A state given 0 shows the up bitmap. False when a bitmap does not exist; the button
    // then shows nothing for it.
    bool LoadBitmaps(int up, int down = 0, int focus = 0, int disabled = 0);
    int BitmapId(State state = Up) const { return ids_[state]; }

    // Its text is kept but never drawn.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<int, 4> ids_{};
    std::array<DensityArt, 4> bitmaps_;
};

// A radio button of the manual kind: a click never checks it, only the program does; it
// leaves the other radio buttons alone.
class CRadioButton : public ButtonControl<QRadioButton> {
    Q_OBJECT
public:
    CRadioButton(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

protected:
    void nextCheckState() override {}
};

// A drop-down list that keeps its entries in the order they were added. Only a choice the
// user makes is a selection change; the program's own selecting is not.
class CComboBox : public QComboBox, public CControl {
    Q_OBJECT
public:
    CComboBox(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    void AddString(std::string_view text);
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
    std::string GetWindowText() const override;

    // Puts the caret at the start of the first line in view when it stands out of view or at
    // the end of the text, where reading from the caret would find nothing: the keyboard's
    // way in then starts where the user's eyes would.
    void BringCaretIntoView();

protected:
    QMimeData* createMimeDataFromSelection() const override;

private:
    DisplayedText text_;
};

// A static text, or the icon resource the template names.
class CStatic : public QLabel, public CControl {
    Q_OBJECT
public:
    CStatic(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    QWidget& Widget() override { return *this; }
    // "&x" marks a mnemonic, which a static text does not underline here; "&&" is one "&".
    // With kNoPrefix the text is shown as it stands.
    void SetWindowText(std::string_view text) override;
    std::string GetWindowText() const override { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // One line taller than the control (a CJK face's line spacing in a one-line label) is
    // centred on it, where its glyphs, which stay well inside that spacing, fit; otherwise the
    // text starts at the top.
    void AlignText();

    bool noPrefix_;
    std::string text_;
    DensityArt icon_; // an icon control's picture
};

// A frame with a caption.
class CGroupBox : public QGroupBox, public CControl {
    Q_OBJECT
public:
    CGroupBox(QWidget* parent, const ControlTemplate& control, CommandSink sink = {});

    QWidget& Widget() override { return *this; }
    void SetWindowText(std::string_view text) override;
    std::string GetWindowText() const override;
};

} // namespace zandrel
