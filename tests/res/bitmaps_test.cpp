// Reads the committed trigram bitmaps and icon images with a reader of its own and checks them
// pixel by pixel, and checks that the generator still produces exactly these files.

#include "res/trigram_bitmaps.h"
#include "tools/bitmap_art.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zandrel {
namespace {

const std::filesystem::path kResDir = ZANDREL_RES_DIR;

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb kBlackRgb{0, 0, 0};
constexpr Rgb kWhiteRgb{255, 255, 255};
constexpr Rgb kYellowRgb{255, 255, 0};
constexpr Rgb kBlueRgb{0, 0, 255};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b.at(at) | b.at(at + 1) << 8);
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

// A 4-bit BI_RGB BMP, decoded to colours with rows top-down.
struct Bmp {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool Black(int x, int y) const { return At(x, y) == kBlackRgb; }
};

// Checks every header field the program and Qt rely on, then decodes the pixels. Reports each
// mismatch and returns nothing if the file is not the expected kind of bitmap.
std::optional<Bmp> LoadBmp16(const std::string& name, int width, int height) {
    const auto b = ReadBytes(kResDir / name);
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 4 + 31) / 32 * 4;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(height);
    if (b.size() != 118 + imageSize) {
        ADD_FAILURE() << name << ": " << b.size() << " bytes, expected " << 118 + imageSize;
        return std::nullopt;
    }
    struct Field {
        const char* what;
        std::uint32_t actual, expected;
    };
    const Field fields[] = {
        {"signature", U16(b, 0), 'B' | 'M' << 8},
        {"file size", U32(b, 2), static_cast<std::uint32_t>(b.size())},
        {"pixel offset", U32(b, 10), 118}, // file header, info header, 16 palette entries
        {"info header size", U32(b, 14), 40},
        {"width", U32(b, 18), static_cast<std::uint32_t>(width)},
        {"height (positive: bottom-up)", U32(b, 22), static_cast<std::uint32_t>(height)},
        {"planes", U16(b, 26), 1},
        {"bits per pixel", U16(b, 28), 4},
        {"compression", U32(b, 30), 0}, // BI_RGB
        {"image size", U32(b, 34), imageSize},
        {"colours used", U32(b, 46), 16},
    };
    bool ok = true;
    for (const Field& f : fields) {
        if (f.actual != f.expected) {
            ADD_FAILURE() << name << ": " << f.what << " is " << f.actual << ", expected "
                          << f.expected;
            ok = false;
        }
    }
    if (!ok) {
        return std::nullopt;
    }
    // The file's own palette gives each pixel its colour; the checks then ask for the colours
    // the art means (black bars on white, a blue icon on yellow), whatever the palette order.
    std::array<Rgb, 16> palette{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const std::size_t at = 54 + 4 * i;
        palette[i] = Rgb{b[at + 2], b[at + 1], b[at]};
    }

    Bmp bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.pixels.resize(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        const std::size_t row = 118 + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t pair = b[row + static_cast<std::size_t>(x / 2)];
            const int index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
            bmp.pixels[static_cast<std::size_t>(y * width + x)] =
                palette[static_cast<std::size_t>(index)];
        }
    }
    return bmp;
}

struct Span {
    int first, last;
    bool Holds(int v) const { return first <= v && v <= last; }
};

// Where the frame, the three bars and (small pictures only) the digit lie, in the pixels of
// the 1x art or of the 2x art.
struct TrigramGeometry {
    int width, height;
    int frameInset, frameThickness;
    std::array<Span, 3> lineRows; // top, middle, bottom line
    Span solid;
    std::array<Span, 2> broken;
    bool hasDigit;
    int scale = 1;
};

constexpr TrigramGeometry kSmall{
    60, 28, 1, 1, {{{5, 8}, {12, 15}, {19, 22}}}, {7, 42}, {{{7, 18}, {31, 42}}}, true};
constexpr TrigramGeometry kLarge{
    100, 68, 2, 2, {{{10, 21}, {28, 39}, {46, 57}}}, {14, 85}, {{{14, 38}, {61, 85}}}, false};

// The 2x art keeps the proportions: each span covers twice the pixels.
constexpr Span Doubled(Span s) {
    return {2 * s.first, 2 * s.last + 1};
}
constexpr TrigramGeometry Doubled(const TrigramGeometry& g) {
    return {2 * g.width,
            2 * g.height,
            2 * g.frameInset,
            2 * g.frameThickness,
            {Doubled(g.lineRows[0]), Doubled(g.lineRows[1]), Doubled(g.lineRows[2])},
            Doubled(g.solid),
            {Doubled(g.broken[0]), Doubled(g.broken[1])},
            g.hasDigit,
            2};
}
constexpr TrigramGeometry kSmall2x = Doubled(kSmall);
constexpr TrigramGeometry kLarge2x = Doubled(kLarge);

// The box the digit must stay inside: rows 12..22 around columns 47..52 of the 1x art, and
// the same area of the 2x art.
constexpr Span kDigitRows{12, 22};
constexpr Span kDigitColumns{46, 53};
Span DigitRows(const TrigramGeometry& g) {
    return g.scale == 2 ? Doubled(kDigitRows) : kDigitRows;
}
Span DigitColumns(const TrigramGeometry& g) {
    return g.scale == 2 ? Doubled(kDigitColumns) : kDigitColumns;
}

std::string BitmapName(int id, int scale) {
    return "bitmaps/" + std::to_string(id) + (scale == 2 ? "@2x" : "") + ".bmp";
}

bool OnFrame(const TrigramGeometry& g, int x, int y) {
    const Span across{g.frameInset, g.width - 1 - g.frameInset};
    const Span down{g.frameInset, g.height - 1 - g.frameInset};
    if (!across.Holds(x) || !down.Holds(y)) {
        return false;
    }
    const int t = g.frameThickness - 1;
    return x <= across.first + t || x >= across.last - t || y <= down.first + t ||
           y >= down.last - t;
}

// Black where the trigram's lines are drawn; trigram 0 has none.
bool OnBar(const TrigramGeometry& g, int trigram, int x, int y) {
    if (trigram == 0) {
        return false;
    }
    const int code = trigram - 1;
    for (int line = 0; line < 3; ++line) { // line 0 is the top line, code bit 0
        if (!g.lineRows[static_cast<std::size_t>(line)].Holds(y)) {
            continue;
        }
        const bool broken = (code >> line) & 1;
        return broken ? g.broken[0].Holds(x) || g.broken[1].Holds(x) : g.solid.Holds(x);
    }
    return false;
}

// Reads the three lines back from the picture as a trigram code, sampling each bar's first
// row in the middle of the gap a broken line leaves.
int DecodeTrigramCode(const Bmp& bmp, const TrigramGeometry& g) {
    const int gapColumn = (g.broken[0].last + g.broken[1].first) / 2;
    int code = 0;
    for (int line = 0; line < 3; ++line) {
        const int row = g.lineRows[static_cast<std::size_t>(line)].first;
        if (!bmp.Black(gapColumn, row)) {
            code |= 1 << line;
        }
    }
    return code;
}

void CheckTrigramPicture(const TrigramGeometry& g, int id, int trigram) {
    SCOPED_TRACE(BitmapName(id, g.scale) + ", trigram " + std::to_string(trigram));
    const auto loaded = LoadBmp16(BitmapName(id, g.scale), g.width, g.height);
    ASSERT_TRUE(loaded);
    const Bmp& bmp = *loaded;

    if (trigram != 0) {
        EXPECT_EQ(DecodeTrigramCode(bmp, g), trigram - 1);
    }
    int wrong = 0;
    int digitPixels = 0;
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            const Rgb c = bmp.At(x, y);
            EXPECT_TRUE(c == kBlackRgb || c == kWhiteRgb) << "colour at " << x << "," << y;
            const bool inDigitBox =
                g.hasDigit && trigram != 0 && DigitRows(g).Holds(y) && DigitColumns(g).Holds(x);
            if (inDigitBox) {
                digitPixels += c == kBlackRgb;
                continue;
            }
            const bool expectBlack = OnFrame(g, x, y) || OnBar(g, trigram, x, y);
            if ((c == kBlackRgb) != expectBlack && ++wrong <= 5) {
                ADD_FAILURE() << "pixel " << x << "," << y << " should be "
                              << (expectBlack ? "black" : "white");
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    if (g.hasDigit && trigram != 0) {
        EXPECT_GT(digitPixels, 6) << "no digit drawn";
    }
}

TEST(TrigramBitmapTest, SmallPicturesHaveFrameBarsAndDigitWhereExpected) {
    for (const TrigramGeometry& g : {kSmall, kSmall2x}) {
        for (int t = 0; t <= 8; ++t) {
            CheckTrigramPicture(g, SmallTrigramBitmap(t), t);
        }
    }
}

TEST(TrigramBitmapTest, LargePicturesHaveFrameAndBarsWhereExpected) {
    for (const TrigramGeometry& g : {kLarge, kLarge2x}) {
        for (int t = 0; t <= 8; ++t) {
            CheckTrigramPicture(g, LargeTrigramBitmap(t), t);
        }
    }
}

// The digit box of a small picture, one entry per pixel.
std::vector<bool> DigitBox(const Bmp& bmp, const TrigramGeometry& g) {
    std::vector<bool> box;
    for (int y = DigitRows(g).first; y <= DigitRows(g).last; ++y) {
        for (int x = DigitColumns(g).first; x <= DigitColumns(g).last; ++x) {
            box.push_back(bmp.Black(x, y));
        }
    }
    return box;
}

TEST(TrigramBitmapTest, EverySmallDigitDiffersFromEveryOther) {
    for (const TrigramGeometry& g : {kSmall, kSmall2x}) {
        std::set<std::vector<bool>> digits;
        for (int t = 1; t <= 8; ++t) {
            const auto bmp =
                LoadBmp16(BitmapName(SmallTrigramBitmap(t), g.scale), g.width, g.height);
            ASSERT_TRUE(bmp);
            EXPECT_TRUE(digits.insert(DigitBox(*bmp, g)).second)
                << "digit of trigram " << t << " repeats at " << g.scale << "x";
        }
    }
}

// Whether every 2 x 2 block of `big` is one pixel of `small`.
bool IsDoubled(const Bmp& small, const Bmp& big) {
    for (int y = 0; y < big.height; ++y) {
        for (int x = 0; x < big.width; ++x) {
            if (big.At(x, y) != small.At(x / 2, y / 2)) {
                return false;
            }
        }
    }
    return true;
}

TEST(TrigramBitmapTest, TwiceSizeArtIsDrawnForItsSizeNotDoubled) {
    // The bars and frames of the 2x art lie where doubling puts them; the digits and the
    // icon's rings are drawn anew, with finer steps.
    for (int t = 1; t <= 8; ++t) {
        SCOPED_TRACE("trigram " + std::to_string(t));
        const auto small = LoadBmp16(BitmapName(133 + t, 1), 60, 28);
        const auto big = LoadBmp16(BitmapName(133 + t, 2), 120, 56);
        ASSERT_TRUE(small && big);
        EXPECT_FALSE(IsDoubled(*small, *big));
    }
    const auto icon = LoadBmp16("icon/icon_32.bmp", 32, 32);
    const auto icon2x = LoadBmp16("icon/icon_32@2x.bmp", 64, 64);
    ASSERT_TRUE(icon && icon2x);
    EXPECT_FALSE(IsDoubled(*icon, *icon2x));
}

TEST(IconTest, BlueOnYellowAndSymmetricInEveryImage) {
    const std::pair<const char*, int> images[] = {
        {"icon/icon_32.bmp", 32}, {"icon/icon_16.bmp", 16}, {"icon/icon_32@2x.bmp", 64}};
    for (const auto& [name, size] : images) {
        SCOPED_TRACE(name);
        const auto loaded = LoadBmp16(name, size, size);
        ASSERT_TRUE(loaded);
        const Bmp& bmp = *loaded;
        int blue = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const Rgb c = bmp.At(x, y);
                ASSERT_TRUE(c == kBlueRgb || c == kYellowRgb) << "colour at " << x << "," << y;
                blue += c == kBlueRgb;
                // The octagon, the four bars and the centre ring look the same mirrored
                // either way and turned a quarter.
                ASSERT_EQ(c, bmp.At(size - 1 - x, y)) << x << "," << y;
                ASSERT_EQ(c, bmp.At(x, size - 1 - y)) << x << "," << y;
                ASSERT_EQ(c, bmp.At(y, x)) << x << "," << y;
            }
        }
        // Yellow corners outside the octagon, yellow inside the centre ring.
        EXPECT_EQ(bmp.At(0, 0), kYellowRgb);
        EXPECT_EQ(bmp.At(size / 2, size / 2), kYellowRgb);
        // Along the middle row from the left edge: ring, bar, centre ring, each blue,
        // separated by yellow.
        int runs = 0;
        for (int x = 0; x < size / 2; ++x) {
            const bool startsRun = bmp.At(x, size / 2) == kBlueRgb &&
                                   (x == 0 || bmp.At(x - 1, size / 2) == kYellowRgb);
            runs += startsRun;
        }
        EXPECT_EQ(runs, 3);
        EXPECT_GT(blue, size * size / 6);
    }
}

TEST(GeneratorTest, CommittedFilesAreExactlyWhatTheGeneratorWrites) {
    const auto files = GenerateResourceFiles();
    std::set<std::string> names;
    for (const auto& file : files) {
        names.insert(file.path);
        EXPECT_EQ(ReadBytes(kResDir / file.path), file.bytes)
            << file.path << " differs from the generator's output; rerun make_bitmaps";
    }
    std::set<std::string> expected = {"icon/icon_32.bmp", "icon/icon_16.bmp",
                                      "icon/icon_32@2x.bmp"};
    for (int id = 134; id <= 152; ++id) {
        if (id != 143) {
            expected.insert(BitmapName(id, 1));
            expected.insert(BitmapName(id, 2));
        }
    }
    EXPECT_EQ(names, expected);
}

} // namespace
} // namespace zandrel
