#pragma once

#include <string>

class QWidget;

namespace zandrel {

// What assistive technology says of a control: its name and, where it helps, a description.
struct AccessibleText {
    std::string name;
    std::string description;

    friend bool operator==(const AccessibleText&, const AccessibleText&) = default;
};

// Gives `control` its accessible name and description; each change is announced.
void SetAccessibleText(QWidget& control, const AccessibleText& text);

} // namespace zandrel
