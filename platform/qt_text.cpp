#include "platform/qt_text.h"

#include <QStringDecoder>

#include <algorithm>
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

// The visible symbol of a control character, or the character itself.
QChar Visible(QChar c) {
    const char16_t code = c.unicode();
    if (code < 0x20 && code != u'\t' && code != u'\n') {
        return QChar(char16_t(0x2400 + code)); // the Control Pictures block
    }
    return code == 0x7F ? QChar(char16_t(0x2421)) : c;
}

// Where a block that starts at `start` of a line ending at `end` is broken: after the last
// blank of its final stretch, else at its full length, never inside a surrogate pair.
qsizetype BreakOf(const QString& text, qsizetype start, qsizetype end) {
    constexpr qsizetype kBlankSearch = 256;
    qsizetype at = std::min(start + kMaxDisplayBlock, end);
    if (at == end) {
        return at;
    }
    for (qsizetype i = at; i > std::max(start, at - kBlankSearch); --i) {
        if (text[i - 1].isSpace()) {
            return i;
        }
    }
    return text[at].isLowSurrogate() ? at - 1 : at;
}

} // namespace

QString DisplayText(const QString& text, std::vector<qsizetype>* breaks) {
    breaks->clear();
    QString shown;
    shown.reserve(text.size() + text.size() / kMaxDisplayBlock + 1);
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0) {
            lineEnd = text.size();
        }
        for (qsizetype start = lineStart; start < lineEnd;) {
            const qsizetype end = BreakOf(text, start, lineEnd);
            if (start != lineStart) {
                breaks->push_back(start);
                shown += QLatin1Char('\n');
            }
            for (qsizetype i = start; i < end; ++i) {
                shown += Visible(text[i]);
            }
            start = end;
        }
        if (lineEnd < text.size()) {
            shown += QLatin1Char('\n');
        }
        lineStart = lineEnd + 1;
    }
    return shown;
}

QString ToQString(std::string_view text) {
    // Line by line, so that one line written in the old encoding (a log entry from an older
    // copy, say) does not garble the UTF-8 lines around it.
    QString decoded;
    decoded.reserve(static_cast<qsizetype>(text.size()));
    for (;;) {
        const std::size_t end = text.find('\n');
        decoded += DecodeLine(text.substr(0, end));
        if (end == std::string_view::npos) {
            return decoded;
        }
        decoded += QChar('\n');
        text.remove_prefix(end + 1);
    }
}

} // namespace zandrel
