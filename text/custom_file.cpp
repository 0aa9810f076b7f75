#include "text/custom_file.h"

#include <utility>

namespace zandrel {
namespace {

// Cuts `text`, longer than the cap, to the cap, or before the character that the cap would
// split: the byte right after the cap continues a character (one of at most four bytes) whose
// first byte and the continuation bytes after it come before the cap. A byte that begins no
// UTF-8 character, or a character that ends before the cap, is kept.
void CutAtCap(std::string& text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto continuation = [&byte](std::size_t i) { return (byte(i) & 0xC0) == 0x80; };
    std::size_t end = kMaxCustomTextBytes;
    if (continuation(end)) {
        std::size_t lead = end - 1;
        while (lead + 3 > end && continuation(lead)) {
            --lead;
        }
        const unsigned char first = byte(lead);
        const std::size_t length = (first & 0xE0) == 0xC0   ? 2
                                   : (first & 0xF0) == 0xE0 ? 3
                                   : (first & 0xF8) == 0xF0 ? 4
                                                            : 1;
        if (lead + length > end) {
            end = lead;
        }
    }
    text.resize(end);
}

} // namespace

bool CustomFileReader::Take(std::string_view bytes) {
    if (done_) {
        return false;
    }
    if (bytes.size() >= kMaxCustomFileBytes - taken_) {
        bytes = bytes.substr(0, kMaxCustomFileBytes - taken_);
        done_ = true;
    }
    taken_ += bytes.size();
    while (line_ < texts_.size() && !bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        if (!skipping_) {
            std::string& text = texts_[line_];
            const std::string_view piece = bytes.substr(0, lf);
            // One byte past the cap is kept for a CR that turns out to belong to the line end.
            const std::size_t room = kMaxCustomTextBytes + 1 - text.size();
            text.append(piece.substr(0, room));
            if (piece.size() > room) {
                CutAtCap(text);
                skipping_ = true;
            }
        }
        if (lf == std::string_view::npos) {
            break;
        }
        std::string& text = texts_[line_];
        if (!skipping_ && !text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        EndLine();
        bytes.remove_prefix(lf + 1);
    }
    done_ = done_ || line_ == texts_.size();
    return !done_;
}

void CustomFileReader::EndLine() {
    std::string& text = texts_[line_];
    if (text.size() > kMaxCustomTextBytes) {
        CutAtCap(text);
    }
    // Appending piece by piece leaves up to twice the room a text needs.
    text.shrink_to_fit();
    skipping_ = false;
    ++line_;
}

EightTexts CustomFileReader::Finish() {
    if (line_ < texts_.size()) {
        EndLine();
    }
    line_ = texts_.size();
    done_ = true;
    return std::move(texts_);
}

EightTexts ParseCustomFile(std::string_view bytes) {
    CustomFileReader reader;
    reader.Take(bytes);
    return reader.Finish();
}

std::string CustomFileBytes(const EightTexts& texts) {
    std::string bytes;
    for (const std::string& text : texts) {
        bytes += text;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace zandrel
