#include "platform/message_box.h"

#include "platform/application.h"
#include "platform/dialog_template.h"
#include "platform/focus_cue.h"
#include "platform/qt_text.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace zandrel {
namespace {

MessageBoxAnswerer& Answerer() {
    static MessageBoxAnswerer answerer;
    return answerer;
}

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Room the window manager's title bar takes beside the caption: the icon and the buttons.
constexpr int kTitleBarRoom = 100;

// Qt sizes a box by its text alone, so a short text under a longer caption would leave the
// window manager to cut the caption ("Up... xt"). The box is made wide enough for it.
void KeepCaptionWhole(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarRoom;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

int ShowMessageBox(QWidget* owner, const MessageBoxRequest& request) {
    if (const auto& answerer = Answerer()) {
        return answerer(request);
    }
    QMessageBox box(QtIcon(request.icon), ToQString(request.caption), ToQString(request.text),
                    QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    ShowFocusFromTheStart(box);
    KeepCaptionWhole(box);
    if (request.buttons == MessageButtons::YesNo) {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        box.setDefaultButton(qobject_cast<QPushButton*>(request.defaultButton == IDNO ? no : yes));
        box.exec();
        // Escape and the close box count as No, the answer that changes nothing.
        return box.clickedButton() == yes ? IDYES : IDNO;
    }
    box.setDefaultButton(box.addButton(QMessageBox::Ok));
    box.exec();
    return IDOK;
}

void ReportFileError(QWidget* owner, const std::string& message) {
    ShowMessageBox(owner,
                   {message, ApplicationName(), MessageIcon::Stop, MessageButtons::Ok, IDOK});
}

MessageBoxAnswerer SetMessageBoxAnswerer(MessageBoxAnswerer answerer) {
    return std::exchange(Answerer(), std::move(answerer));
}

} // namespace zandrel
