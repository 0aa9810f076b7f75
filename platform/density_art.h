#pragma once

#include <QIcon>
#include <QPixmap>

namespace zandrel {

// A picture resource as drawn for screens of one device pixel per device-independent pixel
// (its own size) and of two (twice the size, drawn for that size).
struct DensityArt {
    QPixmap at1x;
    QPixmap at2x; // null where the resource has no 2x art
};

// Bitmap <id> with its 2x art, ":/bitmap/<id>@2x"; at1x is null when there is no such bitmap.
DensityArt LoadBitmapArt(int id);
// Image <size> of icon <id> with its 2x art, ":/icon/<id>/<size>@2x".
DensityArt LoadIconArt(int id, int size);

// Icon <id> with its 32 x 32 and 16 x 16 images and the 2x art of each that has one, so that
// the window manager gets the picture drawn for the screen's density.
QIcon LoadIconResource(int id);

// The picture for a screen of `devicePixelRatio` device pixels per device-independent pixel:
// exactly the device pixels it covers there, so that drawing it scales nothing. It comes from
// the 2x art from a ratio of 2 up and from the 1x art below, enlarged pixel by pixel where the
// ratio is larger than the art's. Between 1 and 2 that is sharper than the 2x art reduced
// smoothly, which leaves a grey fringe at every edge.
QPixmap ArtForDensity(const DensityArt& art, qreal devicePixelRatio);

} // namespace zandrel
