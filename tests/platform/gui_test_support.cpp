#include "tests/platform/gui_test_support.h"

#include "platform/application.h"
#include "platform/pumping_wait.h"
#include "platform/qt_text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComplex>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace zandrel::test {

void InitGuiTests() {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    Enable3dControlsStatic();
}

namespace {

// Ends a modal widget as Cancel does.
void CloseModal(QWidget* modal) {
    if (auto* dialog = qobject_cast<CDialog*>(modal)) {
        dialog->EndDialog(IDCANCEL);
    } else if (auto* other = qobject_cast<QDialog*>(modal)) {
        other->done(QDialog::Rejected);
    } else {
        modal->close();
    }
}

} // namespace

void CloseModalWidgets() {
    // A bound, in case a widget refuses to go.
    for (int i = 0; i < 20; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        CloseModal(modal);
    }
}

std::shared_ptr<WhenModal> WhenModal::Poll(std::function<void(WhenModal&, QTimer&)> tick) {
    auto self = std::make_shared<WhenModal>();
    self->timer_ = std::make_unique<QTimer>();
    QTimer* timer = self->timer_.get();
    WhenModal* helper = self.get(); // the timer goes with it, so the callback never outlives it
    QObject::connect(timer, &QTimer::timeout, timer,
                     [helper, timer, tick] { tick(*helper, *timer); });
    timer->start(10);
    return self;
}

std::shared_ptr<WhenModal> WhenModal::Start(std::function<bool(QWidget*)> tryAct, const char* kind,
                                            int timeoutMs) {
    const QByteArray expected(kind);
    return Poll([tryAct, expected, timeoutMs, elapsed = 0,
                 actedOn = QPointer<QWidget>()](WhenModal& helper, QTimer& timer) mutable {
        const auto giveUp = [&timer](const QByteArray& message) {
            timer.stop();
            CloseModalWidgets();
            QTest::qFail(message.constData(), __FILE__, __LINE__);
        };
        elapsed += timer.interval();
        if (helper.fired_) {
            // The widget acted on must be gone within the same time.
            if (actedOn.isNull() || !actedOn->isVisible()) {
                timer.stop();
            } else if (elapsed >= timeoutMs) {
                giveUp("the action left its " + expected + " open");
            }
            return;
        }
        // Keys go where the focus is only once the window is active; until then the focus
        // may still be in the window beneath it, or nowhere.
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && modal->isActiveWindow() && tryAct(modal)) {
            helper.fired_ = true;
            actedOn = modal;
            elapsed = 0;
            if (QTest::currentTestFailed()) {
                timer.stop();
                CloseModalWidgets(); // the action gave up before it could close its dialog
            }
        } else if (elapsed >= timeoutMs) {
            giveUp("no modal " + expected + " came up; " +
                   (modal != nullptr ? modal->metaObject()->className() : "nothing") +
                   " was the active modal widget");
        }
    });
}

std::shared_ptr<WhenModal> WhenModal::Watch(std::function<bool(QWidget*)> isKind, const char* kind,
                                            bool forbidden) {
    const QByteArray expected(kind);
    return Poll([isKind, expected, forbidden, closing = QPointer<QWidget>()](WhenModal& helper,
                                                                             QTimer&) mutable {
        // One that has not gone yet is not counted twice.
        if (!closing.isNull() && !closing->isVisible()) {
            closing.clear();
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || modal == closing || !isKind(modal)) {
            return;
        }
        helper.fired_ = true;
        ++helper.closed_;
        closing = modal;
        CloseModal(modal);
        if (forbidden) {
            QTest::qFail(("a modal " + expected + " came up, which the test forbids; it was closed")
                             .constData(),
                         __FILE__, __LINE__);
        }
    });
}

ChangeRecorder::ChangeRecorder(std::function<QString()> look) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, look = std::move(look)] {
        const QString now = look();
        if (seen_.isEmpty() || seen_.last() != now) {
            seen_ << now;
        }
    });
    timer_.start(0);
}

QStringList ChangeRecorder::Take() {
    QStringList seen = seen_;
    seen_.clear();
    return seen;
}

void TypeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

ProgramStop RunToStop(const std::function<void()>& action) {
    int output[2];
    if (::pipe(output) != 0) {
        qFatal("pipe failed");
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(output[0]);
        ::dup2(output[1], STDERR_FILENO);
        // The plain message and abort, not the test framework's report and stack trace.
        qInstallMessageHandler(nullptr);
        ::signal(SIGABRT, SIG_DFL);
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::alarm(20); // a child that hangs ends, and does not count as stopped
        action();
        ::_exit(0);
    }
    ::close(output[1]);
    ProgramStop stop;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(output[0], buffer, sizeof buffer)) > 0) {
        stop.message.append(buffer, n);
    }
    ::close(output[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    stop.stopped = WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT;
    return stop;
}

MessageBoxAnswers::MessageBoxAnswers(std::vector<int> answers) : answers_(std::move(answers)) {
    previous_ = SetMessageBoxAnswerer([this](const MessageBoxRequest& request) {
        requests_.push_back(request);
        const std::size_t index = requests_.size() - 1;
        return index < answers_.size() ? answers_[index] : IDOK;
    });
}

MessageBoxAnswers::~MessageBoxAnswers() {
    SetMessageBoxAnswerer(std::move(previous_));
}

SteppingTickCount::SteppingTickCount(std::uint32_t step, std::uint32_t start)
    : now_(start), step_(step) {
    previous_ = SetTickCountSource([this] {
        ++reads_;
        now_ += step_;
        return now_;
    });
}

SteppingTickCount::~SteppingTickCount() {
    SetTickCountSource(std::move(previous_));
}

namespace {

// Room a push button's frame and margins take from its caption.
int ButtonChrome(const QWidget& button) {
    const QStyle* style = button.style();
    return 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
}

// Whether the glyphs of a label's one line, centred on the label because the line is taller
// than it (a CJK face's line spacing), lie inside it: the line drawn as the label draws it,
// with room above and below, leaves no ink there.
bool CentredLineFits(const QLabel& label) {
    constexpr int kRoom = 8;
    QImage image(label.width(), label.height() + 2 * kRoom, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(label.font());
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, kRoom, label.width(), label.height()),
                         static_cast<int>(label.alignment()), label.text());
    }
    for (int y = 0; y < image.height(); ++y) {
        if (y >= kRoom && y < kRoom + label.height()) {
            continue;
        }
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                return false;
            }
        }
    }
    return true;
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
        const int needed = label->heightForWidth(label->width());
        const bool centredLine = (label->alignment() & Qt::AlignVCenter) != 0 &&
                                 needed == label->heightForWidth(QWIDGETSIZE_MAX);
        return (needed <= label->height() || (centredLine && CentredLineFits(*label))) &&
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

} // namespace

std::vector<std::string> OverflowingCaptions(const CDialog& dialog) {
    std::vector<std::string> overflowing;
    for (const QWidget* widget : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* control = dynamic_cast<const CControl*>(widget);
        if (control != nullptr && !Fits(*widget)) {
            overflowing.push_back(ToUtf8(widget->objectName()) + ": " + control->GetWindowText());
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
