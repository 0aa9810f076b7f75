#pragma once

#include <QString>
#include <QTextBoundaryFinder>

#include <string>
#include <string_view>
#include <vector>

namespace zandrel {

// The program holds its texts as UTF-8; Qt holds them as QString. Text that is not valid
// UTF-8 (a custom text file written on an older system) is read as Windows-1252, so that it
// still shows readably.
QString ToQString(std::string_view text);

inline std::string ToUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// The longest block of text a text box lays out in one piece; see DisplayText.
inline constexpr qsizetype kMaxDisplayBlock = 4096;

// How a read-only text box shows `text` (line ends as LF). A line longer than kMaxDisplayBlock
// characters is broken into blocks of at most that many, after a blank near the end where
// there is one, so that laying out even a long run without blanks takes time in proportion to
// its length and only the blocks in view are laid out. Control characters other than tab and
// line feed are shown as their visible symbols. Only line feeds are added, at the positions of
// `text` that `breaks` receives, ascending; every other character keeps its place.
QString DisplayText(const QString& text, std::vector<qsizetype>* breaks);

// Characters as the user sees them: an accented letter or an emoji counts once, whatever
// number of code units it takes.
inline int CharacterCount(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1) {
        ++count;
    }
    return count;
}

// The first `characters` characters of `text`, counted as CharacterCount does.
inline QString LeftCharacters(const QString& text, int characters) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (int i = 0; i < characters; ++i) {
        if (finder.toNextBoundary() == -1) {
            return text;
        }
    }
    return text.left(finder.position());
}

} // namespace zandrel
