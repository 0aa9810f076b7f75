#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zandrel {

// Indices into the standard 16-colour palette that the pictures use.
enum PaletteIndex : std::uint8_t {
    kBlack = 0,
    kYellow = 11,
    kBlue = 12,
    kWhite = 15,
};

// A picture as one palette index per pixel, rows top-down.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    Picture(int w, int h, std::uint8_t ground);
    std::uint8_t At(int x, int y) const { return pixels[y * width + x]; }
    void Set(int x, int y, std::uint8_t colour) { pixels[y * width + x] = colour; }
    // Fills columns x0..x1 of rows y0..y1, both ends included.
    void Fill(int x0, int y0, int x1, int y1, std::uint8_t colour);
};

// Trigram 1..8, or 0 for the blank frame.
Picture SmallTrigramPicture(int trigram);
Picture LargeTrigramPicture(int trigram);

Picture IconPicture32();
Picture IconPicture16();

// The same pictures for screens with two device pixels to each device-independent one:
// twice the size, with frames, bars, digits and rings laid out at that size.
Picture SmallTrigramPicture2x(int trigram);
Picture LargeTrigramPicture2x(int trigram);
Picture IconPicture32At2x();

// An uncompressed 4-bit BMP file with the standard 16-colour palette, rows bottom-up.
std::vector<std::uint8_t> EncodeBmp16(const Picture& picture);

// The icon drawn for any size from its shapes, each pixel taking the colour of the shape under
// its centre. At 32 this is exactly IconPicture32; 16 is drawn by hand instead.
Picture IconPicture(int size);
// The same shapes as a scalable drawing.
std::string IconSvg();

// A 4-bit PNG file with the standard 16-colour palette. Its image data is stored without
// compression, so the bytes depend on the picture alone and not on a zlib version.
std::vector<std::uint8_t> EncodePng16(const Picture& picture);

struct ResourceFile {
    std::string path; // relative to the res folder, e.g. "bitmaps/134.bmp"
    std::vector<std::uint8_t> bytes;
};

// Every generated resource file: the 18 trigram bitmaps and the two icon images, and the 2x
// art of each of them but the 16 x 16 icon, named with "@2x".
std::vector<ResourceFile> GenerateResourceFiles();

// The sizes of the icon in the desktop's icon theme.
inline constexpr int kIconThemeSizes[] = {16, 32, 48, 64, 128, 256};

// The icon for the desktop's icon theme: "icon/icon_<size>.png" at each of kIconThemeSizes and
// the scalable "icon/icon.svg".
std::vector<ResourceFile> GenerateIconThemeFiles();

} // namespace zandrel
