// The main window on a high-density screen, whose density ctest sets with QT_SCALE_FACTOR:
// the window scales as one, and every trigram picture is drawn, pixel for pixel, from the art
// for that density, with no blurred (grey) pixel.

#include "platform/density_art.h"
#include "tests/gui/main_window_fixture.h"

#include <QTest>

using namespace zandrel;
using namespace zandrel::test;

namespace {

QImage Rgb(const QImage& image) {
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    rgb.setDevicePixelRatio(1);
    return rgb;
}

int GreyPixels(const QImage& image) {
    int grey = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            grey += c != qRgb(0, 0, 0) && c != qRgb(255, 255, 255);
        }
    }
    return grey;
}

} // namespace

class HighDensityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitGuiTests(); }

    void trigramPicturesAreSharpAndDrawnFromTheArtForTheDensity();
};

void HighDensityTest::trigramPicturesAreSharpAndDrawnFromTheArtForTheDensity() {
    MainWindow fixture;
    CMainDlg& window = fixture.Start();
    window.ShowReading(1, 8, 5);
    const qreal ratio = window.devicePixelRatioF();
    QVERIFY2(ratio > 1, "run with QT_SCALE_FACTOR above 1");

    const QImage shot = Rgb(window.grab().toImage());
    QCOMPARE(shot.size(), window.size() * ratio);
    QCOMPARE(window.size(), QSize(560, 520)); // in device-independent pixels, as at scale 1
    for (int id : kImages) {
        const auto* picture = window.DlgItem<CBitmapButton>(id);
        const QImage drawn = shot.copy(QRect(picture->pos() * ratio, picture->size() * ratio));
        const DensityArt art = LoadBitmapArt(picture->BitmapId());
        const QImage expected = Rgb((ratio == 2 ? art.at2x : ArtForDensity(art, ratio)).toImage());
        const QByteArray where = QByteArray::number(id) + " at " + QByteArray::number(ratio);
        QVERIFY2(GreyPixels(drawn) == 0, where.constData());
        QVERIFY2(drawn == expected, where.constData());
    }
}

QTEST_MAIN(HighDensityTest)
#include "high_density_test.moc"
