#include "platform/static_controls.h"

#include "platform/qt_text.h"

#include <QPainter>
#include <QResizeEvent>

#include <utility>

namespace zandrel {
namespace {

QString WithoutMnemonics(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        shown.append(text[i]);
    }
    return shown;
}

} // namespace

CStatic::CStatic(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : QLabel(parent), CControl(control, std::move(sink)), noPrefix_(HasStyle(control, kNoPrefix)) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (control.kind == ControlKind::Icon) {
        icon_ = LoadIconArt(control.image, 32);
        setPixmap(icon_.at1x);
    } else {
        setWordWrap(true);
        SetWindowText(TemplateText(control.caption));
    }
    Place(control);
}

void CStatic::paintEvent(QPaintEvent* event) {
    if (icon_.at1x.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), ArtForDensity(icon_, devicePixelRatioF()));
}

void CStatic::SetWindowText(std::string_view text) {
    text_ = text;
    const QString shown = ToQString(text);
    setText(noPrefix_ ? shown : WithoutMnemonics(shown));
    AlignText();
}

void CStatic::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    AlignText();
}

void CStatic::AlignText() {
    if (!icon_.at1x.isNull()) {
        return;
    }
    // Text of several lines keeps its first lines in view, as it always has.
    const int lineHeight = heightForWidth(QWIDGETSIZE_MAX);
    const bool taller = !text().isEmpty() && !text().contains(QLatin1Char('\n')) &&
                        heightForWidth(width()) == lineHeight && lineHeight > height();
    setAlignment(Qt::AlignLeft | (taller ? Qt::AlignVCenter : Qt::AlignTop));
}

CGroupBox::CGroupBox(QWidget* parent, const ControlTemplate& control, CommandSink sink)
    : QGroupBox(parent), CControl(control, std::move(sink)) {
    SetWindowText(TemplateText(control.caption));
    Place(control);
}

void CGroupBox::SetWindowText(std::string_view text) {
    setTitle(ToQString(text));
}

std::string CGroupBox::GetWindowText() const {
    return ToUtf8(title());
}

} // namespace zandrel
