#include "tools/bitmap_art.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
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
    return IconPicture(32);
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
    // The icon's shapes drawn for 64 pixels, not the 32 x 32 pixels doubled.
    return IconPicture(64);
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

namespace {

// The icon's shapes, in quarters of a pixel of the 32-pixel icon, measured from its centre.
// The octagon ring lies between two octagons, each made of the points with |x|, |y| <= half
// and |x| + |y| <= diagonal; the centre ring lies between two circles; the bars above and
// below cover |x| <= kBarHalfLength and kBarNear <= |y| <= kBarFar, the bars left and right
// the same turned a quarter.
constexpr int kOuterHalf = 60;
constexpr int kOuterDiagonal = 82;
constexpr int kInnerHalf = 48;
constexpr int kInnerDiagonal = 66;
constexpr int kCentreInnerRadius = 11;
constexpr int kCentreOuterRadius = 18;
constexpr int kBarHalfLength = 16;
constexpr int kBarNear = 28;
constexpr int kBarFar = 36;

// Whether a pixel centre u half-pixels from the middle of a size x size picture lies at most
// `quarters` from it: 64 * u / size is that distance in quarters of a 32-pixel icon's pixel.
bool Within(int u, int quarters, int size) {
    return 64 * u <= quarters * size;
}

bool InShapeOctagon(int u, int v, int half, int diagonal, int size) {
    return Within(u, half, size) && Within(v, half, size) && Within(u + v, diagonal, size);
}

bool OnBar(int along, int across, int size) {
    return Within(along, kBarHalfLength, size) && 64 * across >= kBarNear * size &&
           Within(across, kBarFar, size);
}

// A length in quarters as SVG writes it: "20.5", "3.625", "-16".
std::string Units(double quarters) {
    char text[16];
    std::snprintf(text, sizeof text, "%g", quarters / 4.0);
    return text;
}

} // namespace

Picture IconPicture(int size) {
    Picture p(size, size, kYellow);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int u = Offset2(x, size);
            const int v = Offset2(y, size);
            const bool ring = InShapeOctagon(u, v, kOuterHalf, kOuterDiagonal, size) &&
                              !InShapeOctagon(u, v, kInnerHalf, kInnerDiagonal, size);
            // Compared as 4096 (u^2 + v^2) against (radius * size)^2, both in whole numbers.
            const std::int64_t r2 = 4096LL * (u * u + v * v);
            const std::int64_t inner = static_cast<std::int64_t>(kCentreInnerRadius) * size;
            const std::int64_t outer = static_cast<std::int64_t>(kCentreOuterRadius) * size;
            const bool centre = r2 >= inner * inner && r2 <= outer * outer;
            const bool bar = OnBar(u, v, size) || OnBar(v, u, size);
            if (ring || centre || bar) {
                p.Set(x, y, kBlue);
            }
        }
    }
    return p;
}

std::string IconSvg() {
    // The corners of an octagon, clockwise from the top of its right side.
    const auto octagon = [](int half, int diagonal) {
        const int h = half;
        const int d = diagonal - half;
        const int corners[8][2] = {{h, -d}, {h, d},   {d, h},   {-d, h},
                                   {-h, d}, {-h, -d}, {-d, -h}, {d, -h}};
        std::string path;
        for (const auto& c : corners) {
            path += (path.empty() ? "M" : " L") + Units(c[0]) + "," + Units(c[1]);
        }
        return path + " Z";
    };
    const auto rect = [](int x0, int y0, int x1, int y1) {
        return "<rect x=\"" + Units(x0) + "\" y=\"" + Units(y0) + "\" width=\"" + Units(x1 - x0) +
               "\" height=\"" + Units(y1 - y0) + "\"/>\n";
    };
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
                      "viewBox=\"0 0 32 32\">\n"
                      "<rect width=\"32\" height=\"32\" fill=\"#ffff00\"/>\n"
                      "<g transform=\"translate(16 16)\" fill=\"#0000ff\">\n";
    svg += "<path fill-rule=\"evenodd\" d=\"" + octagon(kOuterHalf, kOuterDiagonal) + " " +
           octagon(kInnerHalf, kInnerDiagonal) + "\"/>\n";
    svg += "<circle r=\"" + Units((kCentreInnerRadius + kCentreOuterRadius) / 2.0) +
           "\" fill=\"none\" stroke=\"#0000ff\" stroke-width=\"" +
           Units(kCentreOuterRadius - kCentreInnerRadius) + "\"/>\n";
    svg += rect(-kBarHalfLength, -kBarFar, kBarHalfLength, -kBarNear);
    svg += rect(-kBarHalfLength, kBarNear, kBarHalfLength, kBarFar);
    svg += rect(-kBarFar, -kBarHalfLength, -kBarNear, kBarHalfLength);
    svg += rect(kBarNear, -kBarHalfLength, kBarFar, kBarHalfLength);
    return svg + "</g>\n</svg>\n";
}

namespace {

void PutU32BigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFU;
    for (std::size_t i = 0; i < size; ++i) {
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFU;
}

void PutChunk(std::vector<std::uint8_t>& out, std::string_view type,
              const std::vector<std::uint8_t>& data) {
    PutU32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    PutU32BigEndian(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> ZlibStored(const std::vector<std::uint8_t>& data) {
    constexpr std::size_t kMaxBlock = 65535;
    std::vector<std::uint8_t> out = {0x78, 0x01}; // deflate, 32 KiB window, no dictionary
    std::size_t at = 0;
    do {
        const std::size_t size = std::min(kMaxBlock, data.size() - at);
        const bool last = at + size == data.size();
        out.push_back(last ? 1 : 0); // BFINAL, BTYPE 00: stored
        const auto len = static_cast<std::uint16_t>(size);
        const auto nlen = static_cast<std::uint16_t>(~len);
        out.insert(out.end(),
                   {static_cast<std::uint8_t>(len & 0xFF), static_cast<std::uint8_t>(len >> 8),
                    static_cast<std::uint8_t>(nlen & 0xFF), static_cast<std::uint8_t>(nlen >> 8)});
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
    } while (at < data.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutU32BigEndian(out, b << 16 | a);
    return out;
}

} // namespace

std::vector<std::uint8_t> EncodePng16(const Picture& picture) {
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    std::vector<std::uint8_t> header;
    PutU32BigEndian(header, static_cast<std::uint32_t>(picture.width));
    PutU32BigEndian(header, static_cast<std::uint32_t>(picture.height));
    // 4 bits per pixel, palette colours, deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {4, 3, 0, 0, 0});
    PutChunk(out, "IHDR", header);

    std::vector<std::uint8_t> palette;
    for (const auto& rgb : kPalette) {
        palette.insert(palette.end(), rgb.begin(), rgb.end());
    }
    PutChunk(out, "PLTE", palette);

    // Rows top-down, each led by filter type 0 (none).
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < picture.height; ++y) {
        rows.push_back(0);
        for (int x = 0; x < picture.width; x += 2) {
            const std::uint8_t left = picture.At(x, y);
            const std::uint8_t right = x + 1 < picture.width ? picture.At(x + 1, y) : 0;
            rows.push_back(static_cast<std::uint8_t>(left << 4 | right));
        }
    }
    PutChunk(out, "IDAT", ZlibStored(rows));
    PutChunk(out, "IEND", {});
    return out;
}

std::vector<ResourceFile> GenerateIconThemeFiles() {
    std::vector<ResourceFile> files;
    for (const int size : kIconThemeSizes) {
        const Picture picture = size == 16 ? IconPicture16() : IconPicture(size);
        files.push_back({"icon/icon_" + std::to_string(size) + ".png", EncodePng16(picture)});
    }
    const std::string svg = IconSvg();
    files.push_back({"icon/icon.svg", std::vector<std::uint8_t>(svg.begin(), svg.end())});
    return files;
}

} // namespace zandrel
