#include "platform/qt_text.h"

#include <QStringDecoder>

#include <array>

namespace zandrel {
namespace {

// Windows-1252 at 0x80..0x9F; the five unassigned bytes keep their C1 code points. Every
// other byte is the Latin-1 character of the same number.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString FromWindows1252(std::string_view text) {
    QString decoded;
    decoded.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        decoded.append(byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252High[byte - 0x80])
                                                   : QChar(byte));
    }
    return decoded;
}

QString DecodeLine(std::string_view line) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString decoded = utf8(QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
    return utf8.hasError() ? FromWindows1252(line) : decoded;
}

// Line by line, so that one line written in the old encoding (a log entry from an older copy,
// say) does not garble the UTF-8 lines around it. With `dropCrBeforeLf` a CR right before an
// LF goes with it.
QString Decode(std::string_view text, bool dropCrBeforeLf) {
    QString decoded;
    decoded.reserve(static_cast<qsizetype>(text.size()));
    for (;;) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (dropCrBeforeLf && end != std::string_view::npos && line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        decoded += DecodeLine(line);
        if (end == std::string_view::npos) {
            return decoded;
        }
        decoded += QChar('\n');
        text.remove_prefix(end + 1);
    }
}

} // namespace

QString ToQString(std::string_view text) {
    return Decode(text, false);
}

QString FromCrLf(std::string_view text) {
    return Decode(text, true);
}

std::string FillIn(const QString& pattern, std::initializer_list<std::string_view> arguments) {
    const std::string text = ToUtf8(pattern);
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t place =
            i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : arguments.size();
        if (text[i] == '%' && place < arguments.size()) {
            filled += arguments.begin()[place];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace zandrel
