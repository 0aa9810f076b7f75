// Stored bytes shown in a read-only text box: decoded line by line (UTF-8, or Windows-1252
// where a line is not UTF-8) with every line end kept, then laid out as DisplayedText does.
// The layout is compared with one written plainly here from its rules; positions and copies
// with a walk over what is shown; and the same text built by appending it in pieces, or
// changed in the middle, with the result laid out at once and with the shown text patched
// as each change says.

#include "fuzz/fuzz_check.h"
#include "platform/displayed_text.h"
#include "platform/qt_text.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

using namespace zandrel;

namespace {

// Where the lines of `text` are broken: each line on its own, in blocks of at most
// kMaxDisplayBlock characters; a full block ends after its last blank among its final 256
// characters, or else at its full length, one earlier where that would split a surrogate pair.
std::vector<qsizetype> PlainBreaks(const QString& text) {
    std::vector<qsizetype> breaks;
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0) {
            lineEnd = text.size();
        }
        qsizetype start = lineStart;
        while (lineEnd - start > kMaxDisplayBlock) {
            qsizetype end = start + kMaxDisplayBlock;
            qsizetype blank = end - 1;
            while (blank >= end - 256 && !text[blank].isSpace()) {
                --blank;
            }
            if (blank >= end - 256) {
                end = blank + 1;
            } else if (text[end].isLowSurrogate()) {
                --end;
            }
            breaks.push_back(end);
            start = end;
        }
        lineStart = lineEnd + 1;
    }
    return breaks;
}

QChar Symbol(QChar c) {
    const char16_t code = c.unicode();
    if (code == 0x7F) {
        return QChar(char16_t(0x2421));
    }
    return code < 0x20 && code != u'\t' && code != u'\n' ? QChar(char16_t(0x2400 + code)) : c;
}

// What is shown, and for each shown position the text position of its character, or -1 for
// an added line feed.
struct PlainShown {
    QString shown;
    std::vector<qsizetype> source;
};

PlainShown ShowPlainly(const QString& text, const std::vector<qsizetype>& breaks) {
    PlainShown plain;
    plain.shown.reserve(text.size() + static_cast<qsizetype>(breaks.size()));
    plain.source.reserve(static_cast<std::size_t>(text.size()) + breaks.size());
    std::size_t next = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (next < breaks.size() && breaks[next] == i) {
            plain.shown += QLatin1Char('\n');
            plain.source.push_back(-1);
            ++next;
        }
        plain.shown += Symbol(text[i]);
        plain.source.push_back(i);
    }
    return plain;
}

// A small generator seeded by the input, for the pieces and ranges the checks use.
class Choices {
public:
    explicit Choices(std::string_view bytes) {
        for (char c : bytes) {
            state_ = state_ * 1099511628211ULL ^ static_cast<unsigned char>(c);
        }
    }
    qsizetype Below(qsizetype bound) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return bound <= 0 ? 0 : static_cast<qsizetype>((state_ >> 33) % std::uint64_t(bound));
    }

private:
    std::uint64_t state_ = 14695981039346656037ULL;
};

// Checks the layout of `text`, and gives what it shows, worked out plainly.
PlainShown CheckLayout(const DisplayedText& laid, const QString& text) {
    FUZZ_CHECK(laid.Text() == text);
    FUZZ_CHECK(laid.Breaks() == PlainBreaks(text));
    PlainShown plain = ShowPlainly(text, laid.Breaks());
    FUZZ_CHECK(laid.Shown() == plain.shown);
    FUZZ_CHECK(laid.ShownSize() == plain.shown.size());
    return plain;
}

// Both ways between positions, the whole copy, and copies of ranges that start or end at every
// added break, given what the text shows.
void CheckPositions(const DisplayedText& laid, const PlainShown& plain) {
    const QString& text = laid.Text();
    const auto shownSize = static_cast<qsizetype>(plain.source.size());
    std::vector<qsizetype> textAt(plain.source.size() + 1); // text position of each shown one
    std::vector<qsizetype> addedAt;
    for (qsizetype q = 0, p = 0; q <= shownSize; ++q) {
        textAt[static_cast<std::size_t>(q)] = p;
        if (q < shownSize) {
            const qsizetype from = plain.source[static_cast<std::size_t>(q)];
            if (from < 0) {
                addedAt.push_back(q);
            } else {
                FUZZ_CHECK(laid.ToShown(from) == q);
                p = from + 1;
            }
        }
    }
    FUZZ_CHECK(laid.ToShown(text.size()) == shownSize);
    for (qsizetype q = 0; q <= shownSize; ++q) {
        FUZZ_CHECK(laid.ToText(q) == textAt[static_cast<std::size_t>(q)]);
    }
    // A copy holds the characters that the range shows: those the walk counted between its
    // ends, which are consecutive in the text.
    const auto copied = [&](qsizetype from, qsizetype to) {
        const qsizetype first =
            textAt[static_cast<std::size_t>(std::clamp<qsizetype>(from, 0, shownSize))];
        const qsizetype last =
            textAt[static_cast<std::size_t>(std::clamp<qsizetype>(to, 0, shownSize))];
        return text.mid(first, last - first);
    };
    for (qsizetype added : addedAt) {
        // Ranges a block long at most, across the next break too: longer ones would make the
        // checks quadratic in the text's length.
        for (qsizetype from : {added - 1, added, added + 1}) {
            for (qsizetype to : {added, added + 1, added + 2, added + kMaxDisplayBlock + 2}) {
                if (from <= to) {
                    FUZZ_CHECK(laid.TextOf(from, to) == copied(from, to));
                }
            }
        }
    }
    FUZZ_CHECK(laid.TextOf(0, shownSize) == text);
    FUZZ_CHECK(laid.TextOf(shownSize, 0) == text);
}

// Replaces [start, end) with `with` in `laid`, and in the shown text `shown` as the change
// says. The layout starts again at most two blocks before the change.
void Replace(DisplayedText& laid, QString& shown, qsizetype start, qsizetype end,
             const QString& with) {
    const DisplayedText::Change change = laid.Replace(start, end, with);
    FUZZ_CHECK(0 <= change.shownStart && change.shownStart <= change.shownEnd &&
               change.shownEnd <= shown.size());
    shown.replace(change.shownStart, change.shownEnd - change.shownStart, change.shown);
    FUZZ_CHECK(laid.ToText(change.shownStart) >= start - 2 * kMaxDisplayBlock - 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const QString text = ToQString(bytes);
    FUZZ_CHECK(text.count(QLatin1Char('\n')) ==
               static_cast<qsizetype>(std::count(bytes.begin(), bytes.end(), '\n')));
    const QByteArray utf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (QString::fromUtf8(utf8).toUtf8() == utf8) {
        FUZZ_CHECK(text == QString::fromUtf8(utf8));
    }

    Choices choose(bytes);
    const DisplayedText laid(text);
    CheckPositions(laid, CheckLayout(laid, text));
    std::vector<qsizetype> breaks;
    FUZZ_CHECK(DisplayText(text, &breaks) == laid.Shown() && breaks == laid.Breaks());
    const QString whole = laid.Shown();
    for (const QString& block : whole.split(QLatin1Char('\n'))) {
        FUZZ_CHECK(block.size() <= kMaxDisplayBlock);
    }
    // Shown piece by piece, as a text box is filled.
    {
        QString pieces;
        for (qsizetype at = 0; at < text.size();) {
            const qsizetype end =
                std::min(at + 1 + choose.Below(3 * kMaxDisplayBlock), text.size());
            pieces += laid.ShownOf(at, end);
            at = end;
        }
        FUZZ_CHECK(pieces == whole);
    }

    // Built by appending, as the reading display fills its box.
    DisplayedText built;
    QString shown;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype end = std::min(at + 1 + choose.Below(2 * kMaxDisplayBlock), text.size());
        Replace(built, shown, at, at, text.mid(at, end - at));
        at = end;
    }
    CheckLayout(built, text);
    FUZZ_CHECK(shown == laid.Shown());

    // Changed in the middle with a piece of itself, then changed back.
    DisplayedText changed(text);
    shown = changed.Shown();
    const qsizetype start = choose.Below(text.size() + 1);
    const qsizetype end = start + choose.Below(text.size() - start + 1);
    const qsizetype from = choose.Below(text.size() + 1);
    const QString with = text.mid(from, choose.Below(text.size() - from + 1));
    Replace(changed, shown, start, end, with);
    QString expected = text;
    expected.replace(start, end - start, with);
    CheckPositions(changed, CheckLayout(changed, expected));
    FUZZ_CHECK(shown == changed.Shown());
    Replace(changed, shown, start, start + with.size(), text.mid(start, end - start));
    CheckLayout(changed, text);
    FUZZ_CHECK(shown == laid.Shown());
    return 0;
}
