// Writes the trigram bitmaps, the icon images and the icon theme's icons into the res folder
// given as the argument:
//   make_bitmaps <res folder>
// The files it writes are committed; res_tests fails if they no longer match this generator.

#include "tools/bitmap_art.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <utility>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_bitmaps <res folder>\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    auto files = zandrel::GenerateResourceFiles();
    for (auto& file : zandrel::GenerateIconThemeFiles()) {
        files.push_back(std::move(file));
    }
    for (const auto& file : files) {
        const auto path = root / file.path;
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        if (ec) {
            std::cerr << "make_bitmaps: " << path.parent_path().string() << ": " << ec.message()
                      << "\n";
            return 1;
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.bytes.data()),
                  static_cast<std::streamsize>(file.bytes.size()));
        out.close();
        if (!out) {
            std::cerr << "make_bitmaps: " << path.string() << ": " << std::strerror(errno) << "\n";
            return 1;
        }
    }
    return 0;
}
