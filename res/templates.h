#pragma once

#include "platform/dialog_template.h"

#include <span>

namespace zandrel {

// The dialog template with this resource id, or null.
const DialogTemplate* FindDialogTemplate(int id);

// Every dialog template of the program.
std::span<const DialogTemplate> DialogTemplates();

} // namespace zandrel
