#include "platform/json_text.h"

#include <QJsonDocument>

namespace zandrel {
namespace {

// The code point of the character to escape whose UTF-8 starts at text[at], and its length in
// bytes; 0 for any other character.
char32_t EscapedAt(std::string_view text, std::size_t at, std::size_t* length) {
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0U;
    };
    const unsigned char lead = byte(0);
    if (lead == 0x7F) {
        *length = 1;
        return 0x7F;
    }
    if (lead == 0xC2 && byte(1) >= 0x80 && byte(1) <= 0x9F) { // U+0080..U+009F
        *length = 2;
        return byte(1);
    }
    if (lead == 0xD8 && byte(1) == 0x9C) { // U+061C
        *length = 2;
        return 0x061C;
    }
    if (lead == 0xE2 && (byte(1) == 0x80 || byte(1) == 0x81)) {
        const char32_t c = 0x2000 + ((byte(1) & 0x3FU) << 6) + (byte(2) & 0x3FU);
        if ((byte(2) & 0xC0U) == 0x80 &&
            (c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
             (c >= 0x2066 && c <= 0x2069))) {
            *length = 3;
            return c;
        }
    }
    return 0;
}

} // namespace

std::string InertJson(std::string_view json) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string inert;
    inert.reserve(json.size());
    for (std::size_t at = 0; at < json.size();) {
        std::size_t length = 0;
        if (const char32_t c = EscapedAt(json, at, &length); c != 0) {
            inert += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) {
                inert += kHex[(c >> shift) & 0xF];
            }
            at += length;
            continue;
        }
        inert += json[at++];
    }
    return inert;
}

std::string CompactJson(const QJsonObject& value) {
    const QByteArray json = QJsonDocument(value).toJson(QJsonDocument::Compact);
    return InertJson({json.constData(), static_cast<std::size_t>(json.size())});
}

std::string CompactJson(const QJsonArray& value) {
    const QByteArray json = QJsonDocument(value).toJson(QJsonDocument::Compact);
    return InertJson({json.constData(), static_cast<std::size_t>(json.size())});
}

} // namespace zandrel
