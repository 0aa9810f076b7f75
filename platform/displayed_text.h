#pragma once

#include <QString>

#include <vector>

namespace zandrel {

// The longest block of text a text box lays out in one piece; see DisplayedText.
inline constexpr qsizetype kMaxDisplayBlock = 4096;

// A text as a read-only text box shows it. The text keeps its own characters (line ends as
// LF); what is shown differs in two ways only. A line longer than kMaxDisplayBlock characters
// is broken into blocks of at most that many, after a blank near the end where there is one,
// never inside a surrogate pair, so that laying out even a long run without blanks takes time
// in proportion to its length and only the blocks in view are laid out. Control characters
// other than tab and line feed are shown as their visible symbols, DEL as U+2421. So every
// character keeps its place, apart from the line feeds added before the text positions that
// Breaks() holds, ascending.
class DisplayedText {
public:
    // What changed in the shown text: the shown range [shownStart, shownEnd) as it was is now
    // `shown`.
    struct Change {
        qsizetype shownStart = 0;
        qsizetype shownEnd = 0;
        QString shown;
    };

    DisplayedText() = default;
    explicit DisplayedText(QString text);

    const QString& Text() const { return text_; }
    const std::vector<qsizetype>& Breaks() const { return breaks_; }
    qsizetype ShownSize() const { return text_.size() + static_cast<qsizetype>(breaks_.size()); }
    QString Shown() const;
    // Whether the text is shown exactly as it is: no added breaks, no control characters.
    bool ShowsAsItIs() const;
    // What the text positions [start, end) show: their characters as shown, with the breaks
    // added before any of them. Pieces of the text show, one after the other, what it shows.
    QString ShownOf(qsizetype start, qsizetype end) const;

    // Where the character at text position `position` is shown; a position where a break was
    // added is shown after that break, at the start of the next line. Clamped to the text.
    qsizetype ToShown(qsizetype position) const;
    // The text position of shown position `shown`. Both sides of an added break are the text
    // position where it was added. Clamped to what is shown.
    qsizetype ToText(qsizetype shown) const;
    // The characters of the text that the shown range [shownStart, shownEnd) shows, without
    // the added breaks and with control characters as they are: what a copy gives.
    QString TextOf(qsizetype shownStart, qsizetype shownEnd) const;

    // Replaces the text positions [start, end) with `text` (line ends as LF). Only the lines
    // that the change touches are laid out again, from a block before it that the change
    // cannot have moved, so appending costs what is appended, not what the text holds.
    Change Replace(qsizetype start, qsizetype end, const QString& text);

private:
    // Adds the breaks of the text from block start `from` to line end `to`.
    void LayOut(qsizetype from, qsizetype to, std::vector<qsizetype>* breaks) const;
    // What the text from block start `from` to line end `to` shows, given the breaks in it.
    QString ShownBetween(qsizetype from, qsizetype to,
                         std::vector<qsizetype>::const_iterator nextBreak) const;

    QString text_;
    std::vector<qsizetype> breaks_;
};

// DisplayedText(text).Shown(), with its breaks in `breaks`.
QString DisplayText(const QString& text, std::vector<qsizetype>* breaks);

} // namespace zandrel
