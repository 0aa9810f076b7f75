#pragma once

#include <QFont>

class QStyle;

namespace zandrel {

// How every dialog is drawn: Fusion, with drop-down lists that open below themselves and group
// boxes whose caption sits on their frame line. The caller owns the style.
QStyle* CreateDialogStyle();

// The font of every dialog: a face from a font package the install step brings, at a pixel
// size whose captions fit the controls of every template.
QFont DialogFont();

// A face drawn after the dialog font's own for the characters it lacks (the Chinese ones,
// whose glyph forms differ between scripts); empty for none. Set before the first dialog.
void SetDialogFontFallback(const QString& family);

} // namespace zandrel
