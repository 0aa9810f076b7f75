#pragma once

#include <vector>

class QWidget;

namespace zandrel {

// Makes `buttons` one Tab stop: Tab reaches the one that last had the focus (the first at the
// start), and the arrow keys move among them as they stand in rows of `columns`.
void MakeOneTabStop(const std::vector<QWidget*>& buttons, int columns);

} // namespace zandrel
