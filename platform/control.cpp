#include "platform/control.h"

#include "platform/qt_text.h"

#include <QCoreApplication>
#include <QWidget>

#include <utility>

namespace zandrel {
namespace {

QRect PixelRect(const DialogRect& rect) {
    return {rect.x * kPixelsPerDialogUnit, rect.y * kPixelsPerDialogUnit,
            rect.width * kPixelsPerDialogUnit, rect.height * kPixelsPerDialogUnit};
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
        widget.setFocusPolicy(HasStyle(control, kTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void CControl::Notify(int code) const {
    if (sink_) {
        sink_(id_, code);
    }
}

} // namespace zandrel
