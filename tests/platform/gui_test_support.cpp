#include "tests/platform/gui_test_support.h"

#include "platform/pumping_wait.h"
#include "platform/qt_text.h"
#include "platform/resources.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComplex>

#include <utility>

namespace zandrel::test {

void InitGuiTests() {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    Enable3dControlsStatic();
}

std::shared_ptr<WhenModal> WhenModal::Start(std::function<bool(QWidget*)> tryAct, int timeoutMs) {
    auto self = std::make_shared<WhenModal>();
    self->timer_ = std::make_unique<QTimer>();
    auto* timer = self->timer_.get();
    auto remaining = std::make_shared<int>(timeoutMs);
    std::weak_ptr<WhenModal> weak = self;
    QObject::connect(timer, &QTimer::timeout, timer, [weak, tryAct, remaining, timer] {
        *remaining -= timer->interval();
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && tryAct(modal)) {
            timer->stop();
            if (auto owner = weak.lock()) {
                owner->fired_ = true;
            }
        } else if (*remaining <= 0) {
            timer->stop();
        }
    });
    timer->start(10);
    return self;
}

MessageBoxAnswers::MessageBoxAnswers(std::vector<int> answers) : answers_(std::move(answers)) {
    SetMessageBoxAnswerer([this](const MessageBoxRequest& request) {
        requests_.push_back(request);
        const std::size_t index = requests_.size() - 1;
        return index < answers_.size() ? answers_[index] : IDOK;
    });
}

MessageBoxAnswers::~MessageBoxAnswers() {
    SetMessageBoxAnswerer({});
}

SteppingTickCount::SteppingTickCount(std::uint32_t step, std::uint32_t start)
    : now_(start), step_(step) {
    SetTickCountSource([this] {
        ++reads_;
        now_ += step_;
        return now_;
    });
}

SteppingTickCount::~SteppingTickCount() {
    SetTickCountSource({});
}

namespace {

// Room a push button's frame and margins take from its caption.
int ButtonChrome(const QWidget& button) {
    const QStyle* style = button.style();
    return 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
}

bool Fits(const QWidget& control) {
    const QFontMetrics metrics = control.fontMetrics();
    if (const auto* button = qobject_cast<const CButton*>(&control)) {
        const QString text = button->text().remove(QLatin1Char('&'));
        const int chrome = button->IsLabel() ? 2 : ButtonChrome(control);
        return metrics.horizontalAdvance(text) + chrome <= control.width() &&
               metrics.height() <= control.height();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty()) {
            return true;
        }
        return label->heightForWidth(label->width()) <= label->height() &&
               metrics.horizontalAdvance(label->text().section(QLatin1Char(' '), 0, 0)) <=
                   label->width();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.textAlignment = group->alignment();
        const QRect labelRect = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
        return labelRect.right() < group->width() &&
               labelRect.width() >= metrics.horizontalAdvance(group->title());
    }
    if (const auto* list = qobject_cast<const QComboBox*>(&control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i) {
            if (metrics.horizontalAdvance(list->itemText(i)) > field.width()) {
                return false;
            }
        }
        return metrics.height() <= field.height();
    }
    return true;
}

QString CaptionOf(const QWidget& control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
        return group->title();
    }
    return {};
}

} // namespace

std::vector<std::string> OverflowingCaptions(const CDialog& dialog) {
    std::vector<std::string> overflowing;
    for (const QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->objectName().isEmpty() && !Fits(*control)) {
            overflowing.push_back(
                ToUtf8(control->objectName() + QStringLiteral(": ") + CaptionOf(*control)));
        }
    }
    return overflowing;
}

DialogRect DialogUnitRect(const QWidget& control) {
    const QRect rect = control.geometry();
    return {rect.x() / kPixelsPerDialogUnit, rect.y() / kPixelsPerDialogUnit,
            rect.width() / kPixelsPerDialogUnit, rect.height() / kPixelsPerDialogUnit};
}

} // namespace zandrel::test
