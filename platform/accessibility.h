#pragma once

#include "platform/controls.h"

#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace zandrel {

// Shows bitmap buttons to assistive technology as images and label buttons as static texts,
// which is what they are: neither can be pressed; and manual radio buttons as radio buttons.
// Once per process; later calls do nothing.
void InstallAccessibleRoles();

// What assistive technology says of a control: its name and, where it helps, a description.
struct AccessibleText {
    std::string name;
    std::string description;

    friend bool operator==(const AccessibleText&, const AccessibleText&) = default;
};

// Gives `control` its accessible name and description; each change is announced.
void SetAccessibleText(QWidget& control, const AccessibleText& text);

// Makes `window` show which control has the focus from the moment it is shown, not only once
// the user has pressed Tab in it (Qt's default, which it restores at every showing).
void ShowFocusFromTheStart(QWidget& window);

// Gives every edit box and drop-down list the static text that labels it, as a classic dialog's
// labels do: the nearest one ending just left of it on the same line or, failing that, the
// nearest one just above it. Assistive technology then names the box by its label.
void LinkLabels(const std::vector<CControl*>& controls);

} // namespace zandrel
