#include "text/hexagram_text.h"

#include "text/default_texts.h"
#include "text/names.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace zandrel {
namespace {

constexpr bool IsHexagram(int n) {
    return n >= 1 && n <= kHexagramCount;
}

HexagramText* Record(HexagramTexts& texts, int n) {
    return IsHexagram(n) ? &texts[static_cast<std::size_t>(n - 1)] : nullptr;
}

const HexagramText* ActiveRecord(const HexagramTexts& texts, int n) {
    const HexagramText& r = texts[static_cast<std::size_t>(n - 1)];
    return r.state == CustomTextState::Active ? &r : nullptr;
}

void ClearTexts(HexagramText& r) {
    r.title.clear();
    r.mainText.clear();
    for (std::string& line : r.lineTexts) {
        line.clear();
    }
}

template <class Record> auto* Field(Record& r, std::size_t index) {
    switch (index) {
    case 0:
        return &r.title;
    case 1:
        return &r.mainText;
    default:
        return &r.lineTexts[index - 2];
    }
}

// The texts of the open custom file, read a piece at a time and no further than they reach,
// so that its size never matters.
EightTexts ReadCustomFile(File& file) {
    constexpr std::size_t kPiece = 4096;
    CustomFileReader reader;
    std::string piece;
    for (std::int64_t offset = 0;
         file.ReadAt(offset, kPiece, &piece, nullptr) && !piece.empty() && reader.Take(piece);
         offset += static_cast<std::int64_t>(piece.size())) {
    }
    return reader.Finish();
}

} // namespace

std::string CustomFileName(int n) {
    return "custom" + std::to_string(n) + ".txt";
}

bool HasCustomFile(const std::string& directory, int n) {
    if (!IsHexagram(n)) {
        return false;
    }
    File file = File::Open(directory, CustomFileName(n), File::Mode::Read, nullptr);
    std::int64_t length = 0;
    return file.IsOpen() && file.Length(&length, nullptr) && length != 0;
}

void LoadCustomTexts(HexagramTexts& texts, const std::string& directory) {
    for (int n = 1; n <= kHexagramCount; ++n) {
        HexagramText& r = *Record(texts, n);
        ClearTexts(r);
        if (!HasCustomFile(directory, n)) {
            r.state = CustomTextState::None;
            continue;
        }
        // A file that vanishes or becomes unreadable between the check and the read leaves
        // the hexagram Active with empty texts, as a file of empty lines would.
        r.state = CustomTextState::Active;
        File file = File::Open(directory, CustomFileName(n), File::Mode::Read, nullptr);
        if (file.IsOpen()) {
            EightTexts texts = ReadCustomFile(file);
            for (std::size_t i = 0; i < texts.size(); ++i) {
                *Field(r, i) = std::move(texts[i]);
            }
        }
    }
}

std::string HeaderBlock(const HexagramTexts& texts, int n, Language language) {
    if (!IsHexagram(n)) {
        return {};
    }
    const HexagramText* r = ActiveRecord(texts, n);
    if (HasClassicalTexts(language)) {
        const EightTexts classical = r == nullptr ? ClassicalTexts(language, n) : EightTexts();
        const std::string& title = r != nullptr ? r->title : classical[0];
        const std::string& main = r != nullptr ? r->mainText : classical[1];
        // The ordinal and the title are set apart by an ideographic space, as Chinese
        // editions set them.
        return HexagramOrdinal(language, n) + "\u3000" + title + "\r\n" + main + "\r\n";
    }
    if (r != nullptr) {
        return "Hexagram " + std::to_string(n) + " " + r->title + "\r\n" + r->mainText + "\r\n";
    }
    return std::string(DefaultText(DefaultTextNumber(n, 0)));
}

std::string HexagramTitle(const HexagramTexts& texts, int n, Language language) {
    if (!IsHexagram(n)) {
        return {};
    }
    if (const HexagramText* r = ActiveRecord(texts, n)) {
        return r->title;
    }
    if (HasClassicalTexts(language)) {
        return ClassicalTexts(language, n)[0];
    }
    // The default heading reads "Hexagram N Title".
    const std::string line = HeadingLine(texts, n, language);
    const std::string number = "Hexagram " + std::to_string(n) + " ";
    return line.starts_with(number) ? line.substr(number.size()) : line;
}

std::string HeadingLine(const HexagramTexts& texts, int n, Language language) {
    const std::string header = HeaderBlock(texts, n, language);
    return header.substr(0, header.find("\r\n"));
}

std::string LineBlock(const HexagramTexts& texts, int n, int k, Language language) {
    if (!IsHexagram(n) || k < 1 || k > 6) {
        return {};
    }
    const HexagramText* r = ActiveRecord(texts, n);
    if (HasClassicalTexts(language)) {
        const std::size_t index = static_cast<std::size_t>(k - 1);
        const std::string text =
            r != nullptr ? r->lineTexts[index] : ClassicalTexts(language, n)[index + 2];
        return LineName(language, n, k) + "\r\n" + text + "\r\n";
    }
    if (r != nullptr) {
        return "Line " + std::to_string(k) + "\r\n" +
               r->lineTexts[static_cast<std::size_t>(k - 1)] + "\r\n";
    }
    return std::string(DefaultText(DefaultTextNumber(n, k)));
}

std::string FullHexagramText(const HexagramTexts& texts, int n, Language language) {
    std::string text = HeaderBlock(texts, n, language);
    for (int k = 1; k <= 6; ++k) {
        text += LineBlock(texts, n, k, language);
    }
    if (IsHexagram(n) && ActiveRecord(texts, n) == nullptr) {
        if (const std::string_view extra = ClassicalExtraText(language, n); !extra.empty()) {
            text += ExtraStatementName(language, n) + "\r\n" + std::string(extra) + "\r\n";
        }
    }
    return text;
}

std::string FullHexagramText(const TextStore& store, int n) {
    return FullHexagramText(store.hexagramTexts, n, store.language);
}

EightTexts RecordTexts(const HexagramTexts& texts, int n) {
    EightTexts eight;
    if (IsHexagram(n)) {
        for (std::size_t i = 0; i < eight.size(); ++i) {
            eight[i] = *Field(texts[static_cast<std::size_t>(n - 1)], i);
        }
    }
    return eight;
}

bool UpdateText(HexagramTexts& texts, int n, const EightTexts& newTexts) {
    HexagramText* r = Record(texts, n);
    if (r == nullptr || !std::all_of(newTexts.begin(), newTexts.end(),
                                     [](const auto& text) { return FitsCustomText(text); })) {
        return false;
    }
    r->state = CustomTextState::PendingSave;
    for (std::size_t i = 0; i < newTexts.size(); ++i) {
        *Field(*r, i) = newTexts[i];
    }
    return true;
}

bool RestoreText(HexagramTexts& texts, int n) {
    HexagramText* r = Record(texts, n);
    if (r == nullptr ||
        (r->state != CustomTextState::Active && r->state != CustomTextState::PendingSave)) {
        return false;
    }
    r->state = CustomTextState::PendingRemove;
    ClearTexts(*r);
    return true;
}

void RestoreAllText(HexagramTexts& texts) {
    for (int n = 1; n <= kHexagramCount; ++n) {
        RestoreText(texts, n);
    }
}

FileError CommitCustomTexts(HexagramTexts& texts, const std::string& directory) {
    for (int n = 1; n <= kHexagramCount; ++n) {
        HexagramText& r = *Record(texts, n);
        if (r.state != CustomTextState::PendingSave && r.state != CustomTextState::PendingRemove) {
            continue;
        }
        // A removed text leaves an empty file behind; the file is never deleted.
        const std::string content =
            r.state == CustomTextState::PendingSave ? CustomFileBytes(RecordTexts(texts, n)) : "";
        if (FileError error = ReplaceFileContent(directory, CustomFileName(n), content);
            error.Failed()) {
            return error;
        }
        r.state = r.state == CustomTextState::PendingSave ? CustomTextState::Active
                                                          : CustomTextState::None;
    }
    return FileError();
}

} // namespace zandrel
