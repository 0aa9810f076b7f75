#include "bitmap_art.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace zandrel {

Picture::Picture(int w, int h, std::uint8_t ground)
    : width(w), height(h), pixels(static_cast<std::size_t>(w * h), ground) {}

void Picture::Fill(int x0, int y0, int x1, int y1, std::uint8_t colour) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            Set(x, y, colour);
        }
    }
}

namespace {

// Draws the black frame of the given thickness whose outer edge lies `inset` pixels inside.
void DrawFrame(Picture& p, int inset, int thickness) {
    const int left = inset;
    const int top = inset;
    const int right = p.width - 1 - inset;
    const int bottom = p.height - 1 - inset;
    p.Fill(left, top, right, top + thickness - 1, kBlack);
    p.Fill(left, bottom - thickness + 1, right, bottom, kBlack);
    p.Fill(left, top, left + thickness - 1, bottom, kBlack);
    p.Fill(right - thickness + 1, top, right, bottom, kBlack);
}

struct BarLayout {
    std::array<int, 3> firstRow; // top, middle and bottom line
    int height;
    int solidLeft, solidRight; // a solid line
    int gapLeft, gapRight;     // the columns a broken line leaves white
};

// Draws the three lines of a trigram; the top line (code bit 0) goes at the top.
void DrawBars(Picture& p, int trigram, const BarLayout& layout) {
    const int code = trigram - 1;
    for (int line = 0; line < 3; ++line) {
        const int top = layout.firstRow[line];
        const int bottom = top + layout.height - 1;
        const bool broken = (code >> line) & 1;
        if (broken) {
            p.Fill(layout.solidLeft, top, layout.gapLeft - 1, bottom, kBlack);
            p.Fill(layout.gapRight + 1, top, layout.solidRight, bottom, kBlack);
        } else {
            p.Fill(layout.solidLeft, top, layout.solidRight, bottom, kBlack);
        }
    }
}

// Digits 1..8 in a 6 x 11 box with one-pixel strokes, drawn at columns 47..52, rows 12..22
// of the small pictures: level with the middle and bottom bars.
constexpr int kDigitWidth = 6;
constexpr int kDigitHeight = 11;
constexpr int kDigitLeft = 47;
constexpr int kDigitTop = 12;

constexpr std::array<std::array<std::string_view, kDigitHeight>, 8> kDigits = {{
    {"...#..", "..##..", ".#.#..", "...#..", "...#..", "...#..", "...#..", "...#..", "...#..",
     "...#..", ".#####"},
    {".####.", "#....#", ".....#", ".....#", ".....#", "....#.", "...#..", "..#...", ".#....",
     "#.....", "######"},
    {".####.", "#....#", ".....#", ".....#", ".....#", "..###.", ".....#", ".....#", ".....#",
     "#....#", ".####."},
    {"....#.", "...##.", "..#.#.", "..#.#.", ".#..#.", ".#..#.", "#...#.", "######", "....#.",
     "....#.", "....#."},
    {"######", "#.....", "#.....", "#.....", "#####.", ".....#", ".....#", ".....#", ".....#",
     "#....#", ".####."},
    {"..###.", ".#....", "#.....", "#.....", "#.###.", "##...#", "#....#", "#....#", "#....#",
     "#....#", ".####."},
    {"######", ".....#", ".....#", "....#.", "....#.", "...#..", "...#..", "..#...", "..#...",
     "..#...", "..#..."},
    {".####.", "#....#", "#....#", "#....#", "#....#", ".####.", "#....#", "#....#", "#....#",
     "#....#", ".####."},
}};

void DrawDigit(Picture& p, int digit) {
    const auto& rows = kDigits[static_cast<std::size_t>(digit - 1)];
    for (int y = 0; y < kDigitHeight; ++y) {
        for (int x = 0; x < kDigitWidth; ++x) {
            if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
                p.Set(kDigitLeft + x, kDigitTop + y, kBlack);
            }
        }
    }
}

// The 16 x 16 icon, drawn pixel by pixel: at this size computed shapes come out lumpy.
constexpr std::array<std::string_view, 16> kIcon16 = {
    "................", //
    ".....######.....", //
    "....#......#....", //
    "...#..####..#...", //
    "..#..........#..", //
    ".#............#.", //
    ".#.#...##...#.#.", //
    ".#.#..#..#..#.#.", //
    ".#.#..#..#..#.#.", //
    ".#.#...##...#.#.", //
    ".#............#.", //
    "..#..........#..", //
    "...#..####..#...", //
    "....#......#....", //
    ".....######.....", //
    "................", //
};

// Twice the distance from the centre of a size x size picture to the centre of pixel x: an odd
// whole number, so the shapes below need no rounding.
int Offset2(int x, int size) {
    return std::abs(2 * x + 1 - size);
}

// Inside an octagon centred on the picture: |dx|, |dy| <= half and |dx| + |dy| <= diagonal,
// all in doubled units.
bool InOctagon(int u, int v, int half, int diagonal) {
    return u <= half && v <= half && u + v <= diagonal;
}

} // namespace

Picture SmallTrigramPicture(int trigram) {
    Picture p(60, 28, kWhite);
    DrawFrame(p, 1, 1);
    if (trigram != 0) {
        DrawBars(p, trigram, BarLayout{{5, 12, 19}, 4, 7, 42, 19, 30});
        DrawDigit(p, trigram);
    }
    return p;
}

Picture LargeTrigramPicture(int trigram) {
    Picture p(100, 68, kWhite);
    DrawFrame(p, 2, 2);
    if (trigram != 0) {
        DrawBars(p, trigram, BarLayout{{10, 28, 46}, 12, 14, 85, 39, 60});
    }
    return p;
}

Picture IconPicture32() {
    constexpr int size = 32;
    Picture p(size, size, kYellow);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int u = Offset2(x, size);
            const int v = Offset2(y, size);
            // A ring three pixels wide whose straight sides lie one pixel inside the square.
            if (InOctagon(u, v, 29, 41) && !InOctagon(u, v, 23, 33)) {
                p.Set(x, y, kBlue);
            }
            // The small centre ring, eight pixels across.
            const int r2 = u * u + v * v;
            if (r2 >= 34 && r2 <= 74) {
                p.Set(x, y, kBlue);
            }
        }
    }
    // Bars above and below run across, bars left and right run down, each parallel to the
    // side of the ring it faces and halfway between the ring and the centre.
    p.Fill(12, 7, 19, 8, kBlue);
    p.Fill(12, 23, 19, 24, kBlue);
    p.Fill(7, 12, 8, 19, kBlue);
    p.Fill(23, 12, 24, 19, kBlue);
    return p;
}

Picture IconPicture16() {
    constexpr int size = 16;
    Picture p(size, size, kYellow);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (kIcon16[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
                p.Set(x, y, kBlue);
            }
        }
    }
    return p;
}

namespace {

// Digits 1..8 for the 2x small pictures, drawn at that size: a 12 x 22 box with two-pixel
// strokes and diagonals that step one pixel at a time, at columns 94..105 and rows 24..45,
// level with the middle and bottom bars as in the 1x pictures.
constexpr int kDigitWidth2x = 12;
constexpr int kDigitHeight2x = 22;
constexpr int kDigitLeft2x = 94;
constexpr int kDigitTop2x = 24;

constexpr std::array<std::array<std::string_view, kDigitHeight2x>, 8> kDigits2x = {{
    {".....##.....", "....###.....", "...####.....", "..##.##.....", ".##..##.....", ".....##.....",
     ".....##.....", ".....##.....", ".....##.....", ".....##.....", ".....##.....", ".....##.....",
     ".....##.....", ".....##.....", ".....##.....", ".....##.....", ".....##.....", ".....##.....",
     ".....##.....", ".....##.....", ".##########.", ".##########."},
    {"..########..", ".##########.", "##........##", "##........##", "..........##", "..........##",
     "..........##", "..........##", ".........##.", "........###.", ".......###..", "......###...",
     ".....###....", "....###.....", "...###......", "..###.......", ".###........", "###.........",
     "##..........", "##..........", "############", "############"},
    {"..########..", ".##########.", "##........##", "##........##", "..........##", "..........##",
     "..........##", "..........##", "..........##", ".........##.", "....######..", "....######..",
     ".........##.", "..........##", "..........##", "..........##", "..........##", "..........##",
     "##........##", "##........##", ".##########.", "..########.."},
    {"........##..", ".......###..", "......####..", "......####..", ".....##.##..", "....##..##..",
     "....##..##..", "...##...##..", "..##....##..", "..##....##..", ".##.....##..", "##......##..",
     "##......##..", "##......##..", "############", "############", "........##..", "........##..",
     "........##..", "........##..", "........##..", "........##.."},
    {"############", "############", "##..........", "##..........", "##..........", "##..........",
     "##..........", "##..........", "#########...", "##########..", ".........##.", "..........##",
     "..........##", "..........##", "..........##", "..........##", "..........##", "..........##",
     "##........##", "##........##", ".##########.", "..########.."},
    {".....#####..", "...#######..", "..###.......", ".##.........", "##..........", "##..........",
     "##..........", "##..........", "##..######..", "##.########.", "####......##", "###.......##",
     "##........##", "##........##", "##........##", "##........##", "##........##", "##........##",
     "##........##", "##........##", ".##########.", "..########.."},
    {"############", "############", "..........##", "..........##", ".........##.", ".........##.",
     "........##..", "........##..", ".......##...", ".......##...", "......##....", "......##....",
     ".....##.....", ".....##.....", ".....##.....", "....##......", "....##......", "....##......",
     "....##......", "....##......", "....##......", "....##......"},
    {"..########..", ".##########.", "##........##", "##........##", "##........##", "##........##",
     "##........##", "##........##", "##........##", ".##......##.", "..########..", "..########..",
     ".##......##.", "##........##", "##........##", "##........##", "##........##", "##........##",
     "##........##", "##........##", ".##########.", "..########.."},
}};

void DrawDigit2x(Picture& p, int digit) {
    const auto& rows = kDigits2x[static_cast<std::size_t>(digit - 1)];
    for (int y = 0; y < kDigitHeight2x; ++y) {
        for (int x = 0; x < kDigitWidth2x; ++x) {
            if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
                p.Set(kDigitLeft2x + x, kDigitTop2x + y, kBlack);
            }
        }
    }
}

} // namespace

Picture SmallTrigramPicture2x(int trigram) {
    Picture p(120, 56, kWhite);
    DrawFrame(p, 2, 2);
    if (trigram != 0) {
        DrawBars(p, trigram, BarLayout{{10, 24, 38}, 8, 14, 85, 38, 61});
        DrawDigit2x(p, trigram);
    }
    return p;
}

Picture LargeTrigramPicture2x(int trigram) {
    Picture p(200, 136, kWhite);
    DrawFrame(p, 4, 4);
    if (trigram != 0) {
        DrawBars(p, trigram, BarLayout{{20, 56, 92}, 24, 28, 171, 78, 121});
    }
    return p;
}

Picture IconPicture32At2x() {
    // The 32 x 32 icon's shapes at twice the size, each edge placed on the doubled grid, so
    // that the rings come out rounder than the 32 x 32 pixels doubled.
    constexpr int size = 64;
    Picture p(size, size, kYellow);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int u = Offset2(x, size);
            const int v = Offset2(y, size);
            if (InOctagon(u, v, 59, 82) && !InOctagon(u, v, 47, 66)) {
                p.Set(x, y, kBlue);
            }
            const int r2 = u * u + v * v;
            if (r2 >= 136 && r2 <= 288) {
                p.Set(x, y, kBlue);
            }
        }
    }
    p.Fill(24, 14, 39, 17, kBlue);
    p.Fill(24, 46, 39, 49, kBlue);
    p.Fill(14, 24, 17, 39, kBlue);
    p.Fill(46, 24, 49, 39, kBlue);
    return p;
}

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

// The standard 16-colour palette as red, green, blue.
constexpr std::array<std::array<std::uint8_t, 3>, 16> kPalette = {{
    {0x00, 0x00, 0x00},
    {0x80, 0x00, 0x00},
    {0x00, 0x80, 0x00},
    {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80},
    {0x80, 0x00, 0x80},
    {0x00, 0x80, 0x80},
    {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80},
    {0xFF, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0x00, 0xFF},
    {0x00, 0xFF, 0xFF},
    {0xFF, 0xFF, 0xFF},
}};

} // namespace

std::vector<std::uint8_t> EncodeBmp16(const Picture& picture) {
    constexpr std::uint32_t kFileHeaderSize = 14;
    constexpr std::uint32_t kInfoHeaderSize = 40;
    constexpr std::uint32_t kPaletteSize = 16 * 4;
    constexpr std::uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
    // Rows are padded to whole 32-bit words.
    const auto stride = static_cast<std::uint32_t>((picture.width * 4 + 31) / 32 * 4);
    const auto imageSize = stride * static_cast<std::uint32_t>(picture.height);

    std::vector<std::uint8_t> out;
    out.reserve(kPixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, kPixelOffset + imageSize);
    PutU32(out, 0); // two reserved words
    PutU32(out, kPixelOffset);

    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(picture.width));
    PutU32(out, static_cast<std::uint32_t>(picture.height)); // positive: bottom-up rows
    PutU16(out, 1);                                          // planes
    PutU16(out, 4);                                          // bits per pixel
    PutU32(out, 0);                                          // BI_RGB, uncompressed
    PutU32(out, imageSize);
    PutU32(out, 0); // no preferred resolution
    PutU32(out, 0);
    PutU32(out, 16); // colours used
    PutU32(out, 0);  // all colours important

    for (const auto& rgb : kPalette) {
        out.push_back(rgb[2]);
        out.push_back(rgb[1]);
        out.push_back(rgb[0]);
        out.push_back(0);
    }

    for (int y = picture.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < picture.width; x += 2) {
            const std::uint8_t left = picture.At(x, y);
            const std::uint8_t right = x + 1 < picture.width ? picture.At(x + 1, y) : 0;
            out.push_back(static_cast<std::uint8_t>(left << 4 | right));
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

std::vector<ResourceFile> GenerateResourceFiles() {
    std::vector<ResourceFile> files;
    // Index 0 of each table is the blank frame: 142 for the small pictures, 144 for the large.
    for (int t = 0; t <= 8; ++t) {
        const int smallId = t == 0 ? 142 : 133 + t;
        const int largeId = 144 + t;
        files.push_back(
            {"bitmaps/" + std::to_string(smallId) + ".bmp", EncodeBmp16(SmallTrigramPicture(t))});
        files.push_back(
            {"bitmaps/" + std::to_string(largeId) + ".bmp", EncodeBmp16(LargeTrigramPicture(t))});
        files.push_back({"bitmaps/" + std::to_string(smallId) + "@2x.bmp",
                         EncodeBmp16(SmallTrigramPicture2x(t))});
        files.push_back({"bitmaps/" + std::to_string(largeId) + "@2x.bmp",
                         EncodeBmp16(LargeTrigramPicture2x(t))});
    }
    files.push_back({"icon/icon_32.bmp", EncodeBmp16(IconPicture32())});
    files.push_back({"icon/icon_32@2x.bmp", EncodeBmp16(IconPicture32At2x())});
    files.push_back({"icon/icon_16.bmp", EncodeBmp16(IconPicture16())});
    return files;
}

} // namespace zandrel
