#pragma once

#include "platform/buttons.h"
#include "platform/combo_box.h"
#include "platform/control.h"
#include "platform/edit.h"
#include "platform/list_view.h"
#include "platform/static_controls.h"
#include "platform/text_box.h"

// The control kinds of the dialog templates, one header each, and the one place that knows
// them all: the factory that builds the kind a template asks for. Each kind builds itself from
// its template, carries its id as objectName, passes its text in and out as UTF-8 and tells its
// dialog what the user did with it as a command: its id and a notification code.

namespace zandrel {

// Builds the control that `control` describes as a child of `parent`.
CControl& CreateControl(QWidget* parent, const ControlTemplate& control, CommandSink sink);

} // namespace zandrel
