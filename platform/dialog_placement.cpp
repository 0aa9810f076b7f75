// Where a dialog's window stands: centred over its owner or in the screen, by its frame once the
// window manager has given it one; and the frame the dialog draws itself without a caption.

#include "platform/dialog.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <qdrawutil.h>

namespace zandrel {
namespace {

// The window manager's frame around a window, once it has been shown.
QMargins FrameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return window.isVisible() && handle != nullptr ? handle->frameMargins() : QMargins();
}

} // namespace

void CDialog::CentreWindow() {
    QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const bool overOwner =
        owner != nullptr && owner->isVisible() && (template_->styles & kCentre) == 0;
    QRect area;
    if (overOwner) {
        area = owner->frameGeometry();
    } else {
        QScreen* screen = owner != nullptr ? owner->screen() : this->screen();
        area = (screen != nullptr ? screen : QGuiApplication::primaryScreen())->availableGeometry();
    }
    // A window is placed by its frame, which the window manager gives it only once it is
    // shown. Until then the owner's frame stands in (the windows of one program are framed
    // alike), and the window is centred again once its own frame is known.
    QMargins frame = FrameOf(*this);
    if (isHidden() && (template_->styles & kCaption) != 0 && owner != nullptr) {
        frame = FrameOf(*owner);
    }
    assumedFrame_ = frame;
    const QSize size = this->size().grownBy(frame);
    move(area.x() + (area.width() - size.width()) / 2,
         area.y() + (area.height() - size.height()) / 2);
    if (isHidden()) {
        create(); // the native window exists from here on, so its exposure can be watched
        windowHandle()->installEventFilter(this);
    }
}

void CDialog::CentreAgainOnceFramed() {
    windowHandle()->removeEventFilter(this);
    if (FrameOf(*this) != assumedFrame_) {
        CentreWindow();
    }
}

void CDialog::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if ((template_->styles & kDialogFrame) != 0 && (template_->styles & kCaption) == 0) {
        qDrawWinPanel(&painter, rect(), palette(), false);
    }
    PaintFocusRing(painter);
    QDialog::paintEvent(event);
}

} // namespace zandrel
