#include "platform/resources.h"

#include "platform/qt_text.h"

#include <QApplication>
#include <QFileInfo>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QStyleFactory>

// Q_INIT_RESOURCE must stand outside any namespace.
static void InitProgramResources() {
    Q_INIT_RESOURCE(zandrel);
}

namespace zandrel {
namespace {

void EnsureResources() {
    static const bool initialised = [] {
        InitProgramResources();
        return true;
    }();
    (void)initialised;
}

// Fusion, with drop-down lists that open below themselves like a classic dialog's lists
// rather than as a menu over the current entry.
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
};

} // namespace

void Enable3dControlsStatic() {
    QApplication::setStyle(new DialogStyle);
    // Closing a dialog must never end the modal runs beneath it; the process ends when the
    // main window's run returns.
    QApplication::setQuitOnLastWindowClosed(false);
}

QFont DialogFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    return font;
}

QPixmap LoadBitmapResource(int id) {
    EnsureResources();
    const QString key = QStringLiteral(":/bitmap/%1").arg(id);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap.load(key, "BMP");
        if (!pixmap.isNull()) {
            QPixmapCache::insert(key, pixmap);
        }
    }
    return pixmap;
}

QIcon LoadIconResource(int id) {
    EnsureResources();
    QIcon icon;
    for (int size : {32, 16}) {
        const QPixmap image(QStringLiteral(":/icon/%1/%2").arg(id).arg(size), "BMP");
        if (!image.isNull()) {
            icon.addPixmap(image);
        }
    }
    return icon;
}

std::string ApplicationName() {
    return ToUtf8(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

} // namespace zandrel
