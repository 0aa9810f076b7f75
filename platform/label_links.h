#pragma once

#include <vector>

namespace zandrel {

class CControl;

// Gives every edit box and drop-down list the static text that labels it, as a classic dialog's
// labels do: the nearest one ending just left of it on the same line or, failing that, the
// nearest one just above it. Assistive technology then names the box by its label.
void LinkLabels(const std::vector<CControl*>& controls);

} // namespace zandrel
