#pragma once

#include <QFont>
#include <QIcon>
#include <QPixmap>

#include <string>

namespace zandrel {

// Once per process, before the first dialog: the control style every dialog is drawn in, and
// the process's life tied to the main window's modal run instead of to its last open window.
void Enable3dControlsStatic();

// The font of every dialog: a face from a font package the install step brings, at a pixel
// size whose captions fit the controls of every template.
QFont DialogFont();

// The program's resources are compiled in by whoever links them, under fixed names: bitmap
// <id> as ":/bitmap/<id>", and the images of icon <id> as ":/icon/<id>/<size>".

// An icon resource with all of its images (32 x 32 and 16 x 16).
QIcon LoadIconResource(int id);

// The executable's file name without its extension: the caption of the boxes the platform
// raises by itself, such as the file-error box.
std::string ApplicationName();

} // namespace zandrel
