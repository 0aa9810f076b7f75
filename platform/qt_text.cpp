#include "platform/qt_text.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <utility>

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

DisplayedText::DisplayedText(QString text) : text_(std::move(text)) {
    LayOut(0, text_.size(), &breaks_);
}

void DisplayedText::LayOut(qsizetype from, qsizetype to, std::vector<qsizetype>* breaks) const {
    for (qsizetype lineStart = from; lineStart < to;) {
        qsizetype lineEnd = text_.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0 || lineEnd > to) {
            lineEnd = to;
        }
        for (qsizetype start = BreakOf(text_, lineStart, lineEnd); start != lineEnd;
             start = BreakOf(text_, start, lineEnd)) {
            breaks->push_back(start);
        }
        lineStart = lineEnd + 1;
    }
}

QString DisplayedText::ShownBetween(qsizetype from, qsizetype to,
                                    std::vector<qsizetype>::const_iterator nextBreak) const {
    QString shown;
    shown.reserve(to - from + (to - from) / (kMaxDisplayBlock / 2) + 1);
    for (qsizetype i = from; i < to; ++i) {
        if (nextBreak != breaks_.end() && *nextBreak == i) {
            shown += QLatin1Char('\n');
            ++nextBreak;
        }
        shown += Visible(text_[i]);
    }
    return shown;
}

QString DisplayedText::Shown() const {
    // Most texts show as they are: they share the text instead of a copy as large.
    const bool asItIs = breaks_.empty() && std::all_of(text_.begin(), text_.end(),
                                                       [](QChar c) { return Visible(c) == c; });
    return asItIs ? text_ : ShownBetween(0, text_.size(), breaks_.begin());
}

qsizetype DisplayedText::ToShown(qsizetype position) const {
    position = std::clamp<qsizetype>(position, 0, text_.size());
    return position +
           (std::upper_bound(breaks_.begin(), breaks_.end(), position) - breaks_.begin());
}

qsizetype DisplayedText::ToText(qsizetype shown) const {
    shown = std::clamp<qsizetype>(shown, 0, ShownSize());
    // The i-th added break is shown at breaks_[i] + i; count those wholly before `shown`.
    std::size_t low = 0;
    std::size_t high = breaks_.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (breaks_[middle] + static_cast<qsizetype>(middle) < shown) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return shown - static_cast<qsizetype>(low);
}

QString DisplayedText::TextOf(qsizetype shownStart, qsizetype shownEnd) const {
    const qsizetype start = ToText(std::min(shownStart, shownEnd));
    return text_.mid(start, ToText(std::max(shownStart, shownEnd)) - start);
}

DisplayedText::Change DisplayedText::Replace(qsizetype start, qsizetype end, const QString& text) {
    start = std::clamp<qsizetype>(start, 0, text_.size());
    end = std::clamp<qsizetype>(end, start, text_.size());
    // Where a block ends depends only on its line's end and on the text from its start to
    // kMaxDisplayBlock characters on, so a block that starts further before the change than
    // that ends where it did, and so does every block before it. The layout starts again at
    // the latest such block, about two blocks back at most, or at the start of the line where
    // that is later.
    const auto safe =
        std::upper_bound(breaks_.begin(), breaks_.end(), start - kMaxDisplayBlock - 1);
    qsizetype from = safe == breaks_.begin() ? 0 : *(safe - 1);
    if (const qsizetype lineFeed =
            QStringView(text_).mid(from, start - from).lastIndexOf(QLatin1Char('\n'));
        lineFeed >= 0) {
        from += lineFeed + 1;
    }
    // Lines are laid out each on its own, so the layout ends with the line of the change's end.
    qsizetype lineEnd = text_.indexOf(QLatin1Char('\n'), end);
    if (lineEnd < 0) {
        lineEnd = text_.size();
    }

    Change change{ToShown(from), ToShown(lineEnd), {}};
    const qsizetype delta = text.size() - (end - start);
    if (start == text_.size()) {
        text_.append(text);
    } else {
        text_.replace(start, end - start, text);
    }
    std::vector<qsizetype> added;
    LayOut(from, lineEnd + delta, &added);

    const auto first = std::upper_bound(breaks_.begin(), breaks_.end(), from);
    const auto last = std::lower_bound(first, breaks_.end(), lineEnd);
    for (auto later = last; later != breaks_.end(); ++later) {
        *later += delta;
    }
    const auto at = breaks_.erase(first, last) - breaks_.begin();
    breaks_.insert(breaks_.begin() + at, added.begin(), added.end());
    change.shown = ShownBetween(from, lineEnd + delta, breaks_.begin() + at);
    return change;
}

QString DisplayText(const QString& text, std::vector<qsizetype>* breaks) {
    DisplayedText shown(text);
    *breaks = shown.Breaks();
    return shown.Shown();
}

namespace {

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
