#pragma once

#include <QString>
#include <QTextBoundaryFinder>

#include <initializer_list>
#include <string>
#include <string_view>

namespace zandrel {

// The program holds its texts as UTF-8; Qt holds them as QString. Text that is not valid
// UTF-8 (a custom text file written on an older system) is read as Windows-1252, so that it
// still shows readably.
QString ToQString(std::string_view text);
// The same with CR LF line ends turned into LF, in one pass.
QString FromCrLf(std::string_view text);

inline std::string ToUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// `pattern` (a translated text with places %1 .. %9) as UTF-8, with each place filled by the
// bytes of the matching argument as they are: text that is not UTF-8 keeps its bytes, and a
// "%" inside an argument is never taken for a place.
std::string FillIn(const QString& pattern, std::initializer_list<std::string_view> arguments);

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
