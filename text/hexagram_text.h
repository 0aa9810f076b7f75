#pragma once

#include "platform/file.h"
#include "text/custom_file.h"
#include "text/language.h"

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

// The texts of a run: the 64 records, the data directory their custom files live in and the
// language the blocks are composed in. The main window owns it; the text browser reads it and
// the editor changes and commits it while they are open. Every front end composes its blocks
// through this one object, so the reading, the log and the browser always agree on the
// language.
struct TextStore {
    std::string dataDirectory;
    HexagramTexts hexagramTexts{};
    Language language = Language::English;
};

// "custom%d.txt" for hexagram n.
std::string CustomFileName(int n);

// Custom text files live in `directory`.
bool HasCustomFile(const std::string& directory, int n);
void LoadCustomTexts(HexagramTexts& texts, const std::string& directory);

// The heading, title and main text of hexagram n, ending in CR LF: custom when its record is
// Active, the default otherwise. A language with classical texts (text/names.h) takes its
// heading ("第四十四卦　") and default texts from them, any other the English ones ("Hexagram
// 44 "); a custom text keeps its title and texts as written in every language.
std::string HeaderBlock(const HexagramTexts& texts, int n, Language language = Language::English);
// The title of hexagram n as its heading shows it, without the heading's number: the custom
// title when its record is Active, else the default ("Peace", or 地天泰 in Chinese).
std::string HexagramTitle(const HexagramTexts& texts, int n, Language language = Language::English);
// The first line of the header block, without its line end: "Hexagram 11 Peace".
std::string HeadingLine(const HexagramTexts& texts, int n, Language language = Language::English);
// The heading and text of line k (1..6) of hexagram n, ending in CR LF: "Line 1", or in a
// language with classical texts the line's name (初九).
std::string LineBlock(const HexagramTexts& texts, int n, int k,
                      Language language = Language::English);

// The whole text of hexagram n, as the browser shows it: its header block and the blocks of
// lines 1 to 6. The classical texts of hexagrams 1 and 2 add their extra statement
// (用九, 用六) as a seventh line block; a custom text, which has no such line, does not.
std::string FullHexagramText(const HexagramTexts& texts, int n,
                             Language language = Language::English);
std::string FullHexagramText(const TextStore& store, int n);

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
