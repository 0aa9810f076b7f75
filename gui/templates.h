#pragma once

#include "platform/dialog_template.h"

#include <span>

namespace zandrel {

// The dialog template with this resource id. Asking for one the program does not have is a
// programming error and stops the program.
const DialogTemplate& FindDialogTemplate(int id);

// Every dialog template of the program.
std::span<const DialogTemplate> DialogTemplates();

} // namespace zandrel
