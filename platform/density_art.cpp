#include "platform/density_art.h"

#include <QPixmapCache>
#include <QString>

#include <cmath>

namespace zandrel {
namespace {

QPixmap LoadBmp(const QString& name) {
    QPixmap pixmap;
    if (!QPixmapCache::find(name, &pixmap)) {
        pixmap.load(name, "BMP");
        if (!pixmap.isNull()) {
            QPixmapCache::insert(name, pixmap);
        }
    }
    return pixmap;
}

DensityArt LoadArt(const QString& name) {
    return {LoadBmp(name), LoadBmp(name + QStringLiteral("@2x"))};
}

} // namespace

DensityArt LoadBitmapArt(int id) {
    return LoadArt(QStringLiteral(":/bitmap/%1").arg(id));
}

DensityArt LoadIconArt(int id, int size) {
    return LoadArt(QStringLiteral(":/icon/%1/%2").arg(id).arg(size));
}

QIcon LoadIconResource(int id) {
    QIcon icon;
    for (int size : {32, 16}) {
        const DensityArt art = LoadIconArt(id, size);
        if (!art.at1x.isNull()) {
            icon.addPixmap(art.at1x);
        }
        if (!art.at2x.isNull()) {
            QPixmap at2x = art.at2x;
            at2x.setDevicePixelRatio(2);
            icon.addPixmap(at2x);
        }
    }
    return icon;
}

QPixmap ArtForDensity(const DensityArt& art, qreal devicePixelRatio) {
    const bool use2x = !art.at2x.isNull() && devicePixelRatio >= 2;
    QPixmap picture = use2x ? art.at2x : art.at1x;
    const QSize covered(static_cast<int>(std::lround(art.at1x.width() * devicePixelRatio)),
                        static_cast<int>(std::lround(art.at1x.height() * devicePixelRatio)));
    if (!picture.isNull() && picture.size() != covered) {
        picture = picture.scaled(covered, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

} // namespace zandrel
