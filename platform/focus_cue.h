#pragma once

class QWidget;

namespace zandrel {

// Makes `window` show which control has the focus from the moment it is shown, not only once
// the user has pressed Tab in it (Qt's default, which it restores at every showing).
void ShowFocusFromTheStart(QWidget& window);

} // namespace zandrel
