// The icon in the desktop's icon theme: the committed PNG and SVG files are the generator's
// output, read back by Qt to the pictures it draws, and every size shows the
// window icon's shapes drawn for that size.

#include "tools/bitmap_art.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QSvgRenderer>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace zandrel {
namespace {

const std::filesystem::path kResDir = ZANDREL_RES_DIR;

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Picture ThemePicture(int size) {
    return size == 16 ? IconPicture16() : IconPicture(size);
}

TEST(IconThemeTest, CommittedFilesAreExactlyWhatTheGeneratorWrites) {
    std::set<std::string> names;
    for (const auto& file : GenerateIconThemeFiles()) {
        names.insert(file.path);
        EXPECT_EQ(ReadBytes(kResDir / file.path), file.bytes)
            << file.path << " differs from the generator's output; rerun make_bitmaps";
    }
    EXPECT_EQ(names,
              (std::set<std::string>{"icon/icon_16.png", "icon/icon_32.png", "icon/icon_48.png",
                                     "icon/icon_64.png", "icon/icon_128.png", "icon/icon_256.png",
                                     "icon/icon.svg"}));
}

TEST(IconThemeTest, PngFilesDecodeToTheDrawnPictures) {
    for (const int size : kIconThemeSizes) {
        SCOPED_TRACE("size " + std::to_string(size));
        const QString path = QString::fromStdString(
            (kResDir / ("icon/icon_" + std::to_string(size) + ".png")).string());
        const QImage image(path, "PNG");
        ASSERT_FALSE(image.isNull()) << "Qt cannot read the file";
        ASSERT_EQ(image.width(), size);
        ASSERT_EQ(image.height(), size);
        const Picture picture = ThemePicture(size);
        int wrong = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb expected =
                    picture.At(x, y) == kBlue ? qRgb(0, 0, 255) : qRgb(255, 255, 0);
                if (image.pixel(x, y) != expected && ++wrong <= 5) {
                    ADD_FAILURE() << "pixel " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

// Qt's SVG renderer, drawing smooth edges, covers what the pictures make blue: every pixel it
// covers for the most part is blue in the picture of that size, every pixel it leaves for the
// most part is yellow; only pixels cut near their middle by an edge may go either way.
TEST(IconThemeTest, SvgDrawsTheSameShapes) {
    QSvgRenderer renderer(QString::fromStdString((kResDir / "icon/icon.svg").string()));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 32, 32));
    for (const int size : kIconThemeSizes) {
        if (size == 16) {
            continue; // drawn by hand
        }
        SCOPED_TRACE("size " + std::to_string(size));
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();

        const Picture picture = IconPicture(size);
        int wrong = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                // Red runs from 255 on yellow down to 0 on blue.
                const double blue = 1.0 - qRed(image.pixel(x, y)) / 255.0;
                const bool clear = blue >= 0.9 || blue <= 0.1;
                if (clear && (blue >= 0.9) != (picture.At(x, y) == kBlue) && ++wrong <= 5) {
                    ADD_FAILURE() << "pixel " << x << "," << y << " is " << blue << " blue";
                }
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

// Where a shape's edges lie along the middle row of the 32-pixel icon, from the left edge.
struct Edges {
    double first, end; // in pixels of the 32-pixel icon, end excluded
};
constexpr Edges kRing{1, 4};
constexpr Edges kBar{7, 9};
constexpr Edges kCentreRing{11.5, 13.25};

// The blue runs of the left half of the middle row, in pixels of the picture.
std::vector<std::pair<int, int>> BlueRuns(const Picture& p) {
    std::vector<std::pair<int, int>> runs;
    const int y = p.height / 2;
    for (int x = 0; x < p.width / 2; ++x) {
        if (p.At(x, y) != kBlue) {
            continue;
        }
        if (runs.empty() || runs.back().second != x) {
            runs.push_back({x, x + 1});
        } else {
            runs.back().second = x + 1;
        }
    }
    return runs;
}

TEST(IconThemeTest, EverySizeDrawsTheWindowIconsShapesForItsSize) {
    // At 32 the shapes give exactly the window icon.
    EXPECT_EQ(IconPicture(32).pixels, IconPicture32().pixels);

    for (const int size : kIconThemeSizes) {
        if (size == 16) {
            continue; // drawn by hand
        }
        SCOPED_TRACE("size " + std::to_string(size));
        const Picture p = IconPicture(size);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const std::uint8_t c = p.At(x, y);
                ASSERT_TRUE(c == kBlue || c == kYellow) << "colour at " << x << "," << y;
                ASSERT_EQ(c, p.At(size - 1 - x, y)) << x << "," << y;
                ASSERT_EQ(c, p.At(x, size - 1 - y)) << x << "," << y;
                ASSERT_EQ(c, p.At(y, x)) << x << "," << y;
            }
        }
        EXPECT_EQ(p.At(0, 0), kYellow);
        EXPECT_EQ(p.At(size / 2, size / 2), kYellow);

        // Ring, bar and centre ring where the shapes put them at this size, to the pixel.
        const auto runs = BlueRuns(p);
        ASSERT_EQ(runs.size(), 3u);
        const double scale = size / 32.0;
        const Edges expected[] = {kRing, kBar, kCentreRing};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(runs[i].first, expected[i].first * scale, 1.0) << "run " << i;
            EXPECT_NEAR(runs[i].second, expected[i].end * scale, 1.0) << "run " << i;
        }

        // Drawn for the size, not the 32-pixel picture enlarged.
        if (size > 32 && size % 32 == 0) {
            const int k = size / 32;
            const Picture small = IconPicture32();
            bool differs = false;
            for (int y = 0; y < size && !differs; ++y) {
                for (int x = 0; x < size && !differs; ++x) {
                    differs = p.At(x, y) != small.At(x / k, y / k);
                }
            }
            EXPECT_TRUE(differs) << "an enlargement of the 32-pixel icon";
        }
    }
}

} // namespace
} // namespace zandrel
