#include "platform/displayed_text.h"

#include "core/control_pictures.h"

#include <algorithm>
#include <utility>

namespace zandrel {
namespace {

QChar Visible(QChar c) {
    return QChar(static_cast<char16_t>(VisibleCharacter(c.unicode())));
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
    // The runs between breaks are copied whole, then the control characters replaced.
    for (qsizetype i = from; i < to;) {
        if (nextBreak != breaks_.end() && *nextBreak == i) {
            shown += QLatin1Char('\n');
            ++nextBreak;
        }
        const qsizetype run = nextBreak != breaks_.end() && *nextBreak < to ? *nextBreak : to;
        shown.append(QStringView(text_).mid(i, run - i));
        i = run;
    }
    for (QChar& c : shown) {
        c = Visible(c);
    }
    return shown;
}

bool DisplayedText::ShowsAsItIs() const {
    return breaks_.empty() &&
           std::all_of(text_.begin(), text_.end(), [](QChar c) { return Visible(c) == c; });
}

QString DisplayedText::Shown() const {
    // Most texts show as they are: they share the text instead of a copy as large.
    return ShowsAsItIs() ? text_ : ShownBetween(0, text_.size(), breaks_.begin());
}

QString DisplayedText::ShownOf(qsizetype start, qsizetype end) const {
    start = std::clamp<qsizetype>(start, 0, text_.size());
    end = std::clamp<qsizetype>(end, start, text_.size());
    return ShownBetween(start, end, std::lower_bound(breaks_.begin(), breaks_.end(), start));
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

} // namespace zandrel
