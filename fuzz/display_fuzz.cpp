// Stored bytes shown in a text box: decoded line by line (UTF-8, or Windows-1252 where a line
// is not UTF-8) with every line end kept, and shown in blocks no longer than the cap, which
// give back the decoded text once the added line breaks are taken out and the visible
// symbols of control characters turned back.

#include "fuzz/fuzz_check.h"
#include "platform/qt_text.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

using namespace zandrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const QString text = ToQString(bytes);
    FUZZ_CHECK(text.count(QLatin1Char('\n')) ==
               static_cast<qsizetype>(std::count(bytes.begin(), bytes.end(), '\n')));
    const QByteArray utf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (QString::fromUtf8(utf8).toUtf8() == utf8) {
        FUZZ_CHECK(text == QString::fromUtf8(utf8));
    }

    std::vector<qsizetype> breaks;
    const QString shown = DisplayText(text, &breaks);
    FUZZ_CHECK(shown.size() == text.size() + static_cast<qsizetype>(breaks.size()));
    // Every character keeps its place apart from the added line feeds; a control character
    // shows as its visible symbol.
    qsizetype at = 0;
    std::size_t next = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (next < breaks.size() && breaks[next] + static_cast<qsizetype>(next) == i) {
            FUZZ_CHECK(shown[i] == QLatin1Char('\n'));
            FUZZ_CHECK(breaks[next] == at);
            ++next;
            continue;
        }
        FUZZ_CHECK(at < text.size());
        const char16_t from = text[at++].unicode();
        const char16_t to = shown[i].unicode();
        const bool control = (from < 0x20 && from != u'\t' && from != u'\n') || from == 0x7F;
        FUZZ_CHECK(control ? to == (from == 0x7F ? 0x2421 : 0x2400 + from) : to == from);
    }
    FUZZ_CHECK(at == text.size() && next == breaks.size());
    for (const QString& block : shown.split(QLatin1Char('\n'))) {
        FUZZ_CHECK(block.size() <= kMaxDisplayBlock);
    }
    return 0;
}
