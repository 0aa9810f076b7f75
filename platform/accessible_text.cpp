#include "platform/accessible_text.h"

#include "platform/qt_text.h"

#include <QWidget>

namespace zandrel {

void SetAccessibleText(QWidget& control, const AccessibleText& text) {
    control.setAccessibleName(ToQString(text.name));
    control.setAccessibleDescription(ToQString(text.description));
}

} // namespace zandrel
