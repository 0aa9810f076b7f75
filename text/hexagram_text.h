#pragma once

#include "platform/file.h"
#include "text/custom_file.h"

#include <array>
#include <cstdint>
#include <string>

namespace zandrel {

enum class CustomTextState : std::int32_t {
    None = 0,          // no custom text: the defaults are shown
    Active = 1,        // custom text in effect, as read from its file or last written to it
    PendingSave = 2,   // changed in the editor, file not yet written
    PendingRemove = 3, // removed in the editor, file not yet emptied
};

// The custom texts of one hexagram. Holds custom text only, never a default.
struct HexagramText {
    CustomTextState state = CustomTextState::None;
    std::string title;
    std::string mainText;
    std::array<std::string, 6> lineTexts; // [0] = line 1, the bottom line
};

inline constexpr int kHexagramCount = 64;
// Indexed by hexagram number - 1.
using HexagramTexts = std::array<HexagramText, kHexagramCount>;

// The texts of a run: the 64 records and the data directory their custom files live in. The
// main window owns it; the text browser reads it and the editor changes and commits it while
// they are open.
struct TextStore {
    std::string dataDirectory;
    HexagramTexts hexagramTexts{};
};

// "custom%d.txt" for hexagram n.
std::string CustomFileName(int n);

// Custom text files live in `directory`.
bool HasCustomFile(const std::string& directory, int n);
void LoadCustomTexts(HexagramTexts& texts, const std::string& directory);

// The heading, title and main text of hexagram n, ending in CR LF: custom when its record is
// Active, the default otherwise.
std::string HeaderBlock(const HexagramTexts& texts, int n);
// The heading and text of line k (1..6) of hexagram n, ending in CR LF.
std::string LineBlock(const HexagramTexts& texts, int n, int k);

// The whole text of hexagram n, as the browser shows it: its header block and the blocks of
// lines 1 to 6.
std::string FullHexagramText(const HexagramTexts& texts, int n);

// The eight texts the record of hexagram n holds, in file order: its custom text, stored or
// pending, and empty texts when it has none.
EightTexts RecordTexts(const HexagramTexts& texts, int n);

// Stores the eight texts as the record's pending text. False, and nothing changes, when a
// text does not fit the cap of a custom file, which would not give it back whole.
bool UpdateText(HexagramTexts& texts, int n, const EightTexts& newTexts);
bool RestoreText(HexagramTexts& texts, int n);
void RestoreAllText(HexagramTexts& texts);

// Writes the file of every pending record, hexagram 1 first, and stops at the first failure,
// which it returns; the failing record and all later ones stay pending.
FileError CommitCustomTexts(HexagramTexts& texts, const std::string& directory);

} // namespace zandrel
