#include "platform/buttons.h"

#include <QPainter>

#include <utility>

namespace zandrel {

CButton::CButton(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : ButtonControl(parent, control, std::move(sink)),
      label_(control.kind == ControlKind::LabelButton) {
    // The dialog decides what Enter does, not the button.
    setAutoDefault(false);
    setDefault(HasStyle(control, kDefaultButton));
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

} // namespace zandrel
