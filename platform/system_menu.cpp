// A dialog's system menu, which it shows itself as its context menu since the window manager
// owns the one of the title bar, and the system commands that the menu sends.

#include "platform/dialog.h"

#include "platform/qt_text.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWindow>

#include <utility>

namespace zandrel {

QMenu* CDialog::GetSystemMenu() {
    if (systemMenu_ != nullptr) {
        return systemMenu_;
    }
    systemMenu_ = new QMenu(this);
    const std::pair<int, QString> items[] = {
        {SC_RESTORE, tr("&Restore")},   {SC_MOVE, tr("&Move")},
        {SC_SIZE, tr("&Size")},         {SC_MINIMIZE, tr("Mi&nimize")},
        {SC_MAXIMIZE, tr("Ma&ximize")}, {SC_CLOSE, tr("&Close\tAlt+F4")},
    };
    for (const auto& [id, text] : items) {
        systemMenu_->addAction(text)->setData(id);
    }
    connect(systemMenu_, &QMenu::aboutToShow, this, [this] { UpdateSystemMenu(); });
    connect(systemMenu_, &QMenu::triggered, this, [this](QAction* action) {
        if (!action->isSeparator()) {
            OnSysCommand(action->data().toInt());
        }
    });
    UpdateSystemMenu();
    return systemMenu_;
}

QAction* CDialog::SystemMenuItem(int commandId) {
    for (QAction* action : GetSystemMenu()->actions()) {
        if (!action->isSeparator() && action->data().toInt() == commandId) {
            return action;
        }
    }
    qFatal("dialog %d has no system menu item %d", template_->id, commandId);
}

void CDialog::UpdateSystemMenu() {
    // Every window has a fixed size and none has a maximize box; only some can be minimized.
    const bool minimizable = (template_->styles & kMinimizeBox) != 0;
    const std::pair<int, bool> items[] = {
        {SC_RESTORE, isMinimized() || isMaximized()}, {SC_MOVE, !isMaximized()}, {SC_SIZE, false},
        {SC_MINIMIZE, minimizable && !isMinimized()}, {SC_MAXIMIZE, false},      {SC_CLOSE, true},
    };
    for (const auto& [id, enabled] : items) {
        SystemMenuItem(id)->setEnabled(enabled);
    }
}

void CDialog::AppendSystemMenuSeparator() {
    GetSystemMenu()->addSeparator();
}

void CDialog::AppendSystemMenuItem(int commandId, std::string_view text) {
    GetSystemMenu()->addAction(ToQString(text))->setData(commandId);
}

void CDialog::OnSysCommand(int id) {
    switch (id & 0xFFF0) {
    case SC_RESTORE:
        showNormal();
        break;
    case SC_MOVE:
        if (windowHandle() != nullptr) {
            windowHandle()->startSystemMove();
        }
        break;
    case SC_SIZE:
        if (windowHandle() != nullptr && minimumSize() != maximumSize()) {
            windowHandle()->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
        }
        break;
    case SC_MINIMIZE:
        showMinimized();
        break;
    case SC_MAXIMIZE:
        showMaximized();
        break;
    case SC_CLOSE:
        close();
        break;
    default:
        break;
    }
}

void CDialog::contextMenuEvent(QContextMenuEvent* event) {
    if ((template_->styles & kSysMenu) != 0) {
        ShowSystemMenu(event->globalPos());
    }
}

void CDialog::ShowSystemMenu(const QPoint& globalPos) {
    GetSystemMenu()->popup(globalPos);
}

} // namespace zandrel
