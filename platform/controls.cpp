#include "platform/controls.h"

#include <utility>

namespace zandrel {

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
        if (HasStyle(control, kMultiLine) && HasStyle(control, kReadOnly)) {
            return *new CTextViewer(parent, control, std::move(sink));
        }
        if (HasStyle(control, kMultiLine)) {
            return *new CMultiLineEdit(parent, control, std::move(sink));
        }
        return *new CEdit(parent, control, std::move(sink));
    case ControlKind::GroupBox:
        return *new CGroupBox(parent, control, std::move(sink));
    case ControlKind::ListView:
        return *new CListView(parent, control, std::move(sink));
    case ControlKind::StaticText:
    case ControlKind::Icon:
        return *new CStatic(parent, control, std::move(sink));
    }
    qFatal("control %d has no known kind", control.id);
}

} // namespace zandrel
