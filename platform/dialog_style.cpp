#include "platform/dialog_style.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace zandrel {
namespace {

// Fusion, with drop-down lists that open below themselves like a classic dialog's lists
// rather than as a menu over the current entry, and group boxes whose caption sits on their
// etched frame line instead of above it, so that a frame fills the rectangle its template
// gives it.
class DialogStyle : public QProxyStyle {
public:
    DialogStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || box == nullptr) {
            return QProxyStyle::subControlRect(control, option, sub, widget);
        }
        const QFontMetrics metrics = box->fontMetrics;
        const QRect frame = box->rect.adjusted(0, metrics.height() / 2, 0, 0);
        switch (sub) {
        case SC_GroupBoxFrame:
            return frame;
        case SC_GroupBoxLabel:
            return {box->rect.left() + kCaptionIndent, box->rect.top(),
                    metrics.horizontalAdvance(box->text) + 2 * kCaptionPadding, metrics.height()};
        case SC_GroupBoxContents:
            return frame.adjusted(2, metrics.height() / 2 + 2, -2, -2);
        default:
            return QProxyStyle::subControlRect(control, option, sub, widget);
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || box == nullptr) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
        const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
        painter->save();
        // An etched line: a shadow with a highlight one pixel below and to the right.
        painter->setPen(box->palette.color(QPalette::Mid));
        painter->drawRect(frame.adjusted(0, 0, -2, -2));
        painter->setPen(box->palette.color(QPalette::Light));
        painter->drawRect(frame.adjusted(1, 1, -1, -1));
        if (!box->text.isEmpty()) {
            painter->fillRect(label, box->palette.brush(QPalette::Window));
            painter->setPen(box->palette.color(QPalette::WindowText));
            painter->drawText(label, Qt::AlignCenter | Qt::TextShowMnemonic, box->text);
        }
        painter->restore();
    }

private:
    static constexpr int kCaptionIndent = 6;
    static constexpr int kCaptionPadding = 2;
};

QString& FallbackFamily() {
    static QString family;
    return family;
}

} // namespace

QStyle* CreateDialogStyle() {
    return new DialogStyle;
}

void SetDialogFontFallback(const QString& family) {
    FallbackFamily() = family;
}

QFont DialogFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    if (!FallbackFamily().isEmpty()) {
        font.setFamilies({QStringLiteral("Liberation Sans"), FallbackFamily()});
    }
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    return font;
}

} // namespace zandrel
