#pragma once

#include "platform/control.h"
#include "platform/density_art.h"
#include "platform/qt_text.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace zandrel {

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

} // namespace zandrel
