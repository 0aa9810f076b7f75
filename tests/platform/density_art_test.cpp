// The art a picture is drawn from on screens of each density, and why at 1.5 it is the 1x art
// enlarged pixel by pixel: of the two ways to cover 1.5 device pixels per device-independent
// pixel, it is the sharper one, by a count of grey pixels and the width of the edges.

#include "platform/density_art.h"
#include "tests/platform/gui_test_support.h"

#include <QImage>
#include <QTest>

#include <cmath>
#include <span>
#include <utility>

using namespace zandrel;
using namespace zandrel::test;

namespace {

constexpr int kBitmaps[] = {134, 135, 136, 137, 138, 139, 140, 141, 142,
                            144, 145, 146, 147, 148, 149, 150, 151, 152};

// The pixels alone, whatever density the picture is meant for.
QImage Rgb(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

bool IsGrey(QRgb c) {
    return c != qRgb(0, 0, 0) && c != qRgb(255, 255, 255);
}

// How blurred a black-on-white picture is: the share of its pixels that are neither black
// nor white, and how many such pixels lie, on average, between a black and a white one
// along its rows and columns (0 for a clean step).
struct Blur {
    int greyPixels = 0;
    int pixels = 0;
    int edges = 0;
    int edgeGreys = 0;

    double GreyShare() const { return pixels == 0 ? 0 : 100.0 * greyPixels / pixels; }
    double EdgeWidth() const { return edges == 0 ? 0 : double(edgeGreys) / edges; }
    Blur& operator+=(const Blur& other) {
        greyPixels += other.greyPixels;
        pixels += other.pixels;
        edges += other.edges;
        edgeGreys += other.edgeGreys;
        return *this;
    }
};

Blur Measure(const QImage& image) {
    Blur blur;
    blur.pixels = image.width() * image.height();
    const auto scan = [&](int count, auto pixelAt) {
        QRgb lastPure = 0;
        bool seenPure = false;
        int greys = 0;
        for (int i = 0; i < count; ++i) {
            const QRgb c = pixelAt(i);
            if (IsGrey(c)) {
                ++greys;
                continue;
            }
            if (seenPure && c != lastPure) {
                ++blur.edges;
                blur.edgeGreys += greys;
            }
            seenPure = true;
            lastPure = c;
            greys = 0;
        }
    };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            blur.greyPixels += IsGrey(image.pixel(x, y));
        }
        scan(image.width(), [&](int x) { return image.pixel(x, y); });
    }
    for (int x = 0; x < image.width(); ++x) {
        scan(image.height(), [&](int y) { return image.pixel(x, y); });
    }
    return blur;
}

} // namespace

class DensityArtTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void everyBitmapHasArtForBothDensities();
    void pictureCoversItsDevicePixelsAtEachDensity_data();
    void pictureCoversItsDevicePixelsAtEachDensity();
    void atOneAndAHalfTheSharperWayIsChosen();
    void iconCarriesTheArtOfEachDensity();
};

void DensityArtTest::everyBitmapHasArtForBothDensities() {
    for (int id : kBitmaps) {
        const DensityArt art = LoadBitmapArt(id);
        QVERIFY2(!art.at1x.isNull() && !art.at2x.isNull(), qPrintable(QString::number(id)));
        QCOMPARE(art.at2x.size(), art.at1x.size() * 2);
    }
    const DensityArt icon = LoadIconArt(128, 32);
    QCOMPARE(icon.at1x.size(), QSize(32, 32));
    QCOMPARE(icon.at2x.size(), QSize(64, 64));
    QVERIFY(LoadBitmapArt(143).at1x.isNull());
}

void DensityArtTest::pictureCoversItsDevicePixelsAtEachDensity_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("source"); // the art the picture is, pixel for pixel or enlarged
    QTest::newRow("1") << 1.0 << "1x";
    QTest::newRow("1.25") << 1.25 << "1x enlarged";
    QTest::newRow("1.5") << 1.5 << "1x enlarged";
    QTest::newRow("2") << 2.0 << "2x";
    QTest::newRow("3") << 3.0 << "2x enlarged";
}

void DensityArtTest::pictureCoversItsDevicePixelsAtEachDensity() {
    QFETCH(double, ratio);
    QFETCH(QString, source);
    for (int id : {134, 152}) {
        const DensityArt art = LoadBitmapArt(id);
        const QPixmap picture = ArtForDensity(art, ratio);
        const QSize covered(std::lround(art.at1x.width() * ratio),
                            std::lround(art.at1x.height() * ratio));
        QCOMPARE(picture.size(), covered);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.deviceIndependentSize().toSize(), art.at1x.size());
        const QPixmap& from = source.startsWith("2x") ? art.at2x : art.at1x;
        QCOMPARE(Rgb(picture),
                 Rgb(from).scaled(covered, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        QCOMPARE(Measure(Rgb(picture)).greyPixels, 0);
    }
}

void DensityArtTest::atOneAndAHalfTheSharperWayIsChosen() {
    constexpr double kRatio = 1.5;
    const std::pair<const char*, std::span<const int>> kinds[] = {
        {"small pictures", std::span(kBitmaps).first(9)},
        {"large pictures", std::span(kBitmaps).last(9)}};
    for (const auto& [kind, ids] : kinds) {
        Blur enlarged;
        Blur reduced;
        Blur chosen;
        for (int id : ids) {
            const DensityArt art = LoadBitmapArt(id);
            const QSize covered = art.at1x.size() * kRatio;
            enlarged += Measure(
                Rgb(art.at1x).scaled(covered, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            reduced += Measure(
                Rgb(art.at2x).scaled(covered, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            chosen += Measure(Rgb(ArtForDensity(art, kRatio)));
        }
        qInfo("%s at %.1f: 1x art enlarged pixel by pixel %.1f %% grey pixels, edges %.2f "
              "pixels wide; 2x art reduced smoothly %.1f %% grey, edges %.2f pixels wide",
              kind, kRatio, enlarged.GreyShare(), enlarged.EdgeWidth(), reduced.GreyShare(),
              reduced.EdgeWidth());
        QVERIFY(enlarged.GreyShare() < reduced.GreyShare());
        QVERIFY(enlarged.EdgeWidth() < reduced.EdgeWidth());
        QCOMPARE(chosen.greyPixels, enlarged.greyPixels);
        QCOMPARE(chosen.edges, enlarged.edges);
    }
}

void DensityArtTest::iconCarriesTheArtOfEachDensity() {
    const QIcon icon = LoadIconResource(128);
    const DensityArt art32 = LoadIconArt(128, 32);
    const DensityArt art16 = LoadIconArt(128, 16);
    QCOMPARE(Rgb(icon.pixmap(QSize(16, 16), 1.0)), Rgb(art16.at1x));
    QCOMPARE(Rgb(icon.pixmap(QSize(32, 32), 1.0)), Rgb(art32.at1x));
    // On a screen of twice the density the 32 x 32 icon is its own 2x art, not the 1x enlarged.
    const QPixmap at2x = icon.pixmap(QSize(32, 32), 2.0);
    QCOMPARE(at2x.devicePixelRatio(), 2.0);
    QCOMPARE(Rgb(at2x), Rgb(art32.at2x));
}

QTEST_MAIN(DensityArtTest)
#include "density_art_test.moc"
