#pragma once

namespace zandrel {

// Shows bitmap buttons to assistive technology as images and label buttons as static texts,
// which is what they are: neither can be pressed; and manual radio buttons as radio buttons.
// Drop-down lists are named by their labels and the announcer is a notification.
// Once per process; later calls do nothing.
void InstallAccessibleRoles();

} // namespace zandrel
