#include "cli/terminal.h"

#include "core/control_pictures.h"
#include "platform/qt_text.h"

#include <ostream>

namespace zandrel {
namespace {

bool IsBidiFormatting(char16_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

} // namespace

int Print(std::ostream& out, std::ostream& err, const Vocabulary& words, const std::string& text) {
    out << text << std::flush;
    if (!out) {
        err << "zandrel: "
            << ToUtf8(words.translate("Commands", "cannot write to the standard output")) << "\n";
        return 1;
    }
    return 0;
}

std::string TerminalText(std::string_view text) {
    const QString decoded = ToQString(text);
    QString shown;
    shown.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const char16_t c = decoded[i].unicode();
        if (c == u'\r' && i + 1 < decoded.size() && decoded[i + 1] == u'\n') {
            continue; // the LF that follows ends the line
        }
        if ((c >= 0x80 && c <= 0x9F) || IsBidiFormatting(c)) {
            // C1 controls have no symbols of their own, and terminals act on some of them (CSI,
            // OSC); the bidirectional formatting characters reorder the text around them, so
            // that a line could show other than what it holds. Both are shown by their code.
            shown.append(
                QStringLiteral("<U+%1>").arg(static_cast<int>(c), 4, 16, QChar(u'0')).toUpper());
            continue;
        }
        shown.append(QChar(static_cast<char16_t>(VisibleCharacter(c))));
    }
    return ToUtf8(shown);
}

std::size_t Columns(std::string_view text) {
    const QString decoded = ToQString(text);
    std::size_t columns = 0;
    for (const QChar c : decoded) {
        if (c.isLowSurrogate()) {
            continue;
        }
        columns += c.unicode() >= 0x1100 && (c.unicode() < 0x2000 || c.unicode() >= 0x2E80) ? 2 : 1;
    }
    return columns;
}

std::string Padded(std::string text, std::size_t width) {
    if (const std::size_t columns = Columns(text); columns < width) {
        text.append(width - columns, ' ');
    }
    return text;
}

} // namespace zandrel
