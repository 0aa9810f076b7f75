#pragma once

#include <string>

namespace zandrel {

// Once per process, before the first dialog: the style and the font every dialog is drawn in,
// and the process's life tied to the main window's modal run instead of to its last open
// window.
void Enable3dControlsStatic();

// The executable's file name without its extension: the caption of the boxes the platform
// raises by itself, such as the file-error box.
std::string ApplicationName();

} // namespace zandrel
