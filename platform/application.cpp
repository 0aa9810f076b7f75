#include "platform/application.h"

#include "platform/dialog_style.h"
#include "platform/qt_text.h"

#include <QApplication>
#include <QFileInfo>

namespace zandrel {

void Enable3dControlsStatic() {
    QApplication::setStyle(CreateDialogStyle());
    // Message boxes and menus are windows of their own, which do not take the font of the
    // dialog they belong to; the application's font reaches them, and clears any font a
    // desktop theme set for them.
    QApplication::setFont(DialogFont());
    // Closing a dialog must never end the modal runs beneath it; the process ends when the
    // main window's run returns.
    QApplication::setQuitOnLastWindowClosed(false);
}

std::string ApplicationName() {
    return ToUtf8(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

} // namespace zandrel
