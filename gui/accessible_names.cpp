#include "gui/accessible_names.h"

#include "app/reading_words.h"
#include "platform/qt_text.h"

#include <array>
#include <string>

namespace zandrel {
namespace {

QString Q(std::string_view text) {
    return ToQString(text);
}

// The large pictures show the trigrams as they are cast; the small ones the trigrams of
// the reading.
std::string LargeName(const Vocabulary& words, Position position) {
    return words.PositionName(position);
}

std::string SmallName(const Vocabulary& words, Position position) {
    return words.PictureName(position);
}

// "Body" or "Use" for the outer and inner trigrams of a reading, else nothing.
std::string Role(const Vocabulary& words, Position position, const Reading* reading) {
    if (reading == nullptr || (position != Position::Outer && position != Position::Inner)) {
        return {};
    }
    return std::string(words.RoleName(position == reading->BodyPosition()));
}

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return lower;
}

// "trigram 5, Wood", with ", use" when it has a role; in Chinese the trigram by its name.
std::string TrigramWords(const Vocabulary& words, Trigram trigram, std::string_view role) {
    const std::string_view name = words.TrigramName(trigram);
    const std::string which = name.empty() ? std::to_string(trigram) : std::string(name);
    QString text = words.translate("AccessibleNames", "trigram %1, %2")
                       .arg(Q(which), Q(words.ElementName(ElementOfTrigram(trigram))));
    if (!role.empty()) {
        //: A trigram's words, then its role (body or use)
        text = words.translate("AccessibleNames", "%1, %2").arg(text, Q(Lowercase(role)));
    }
    return ToUtf8(text);
}

// Its three lines from the top, as the picture shows them.
std::string LineWords(const Vocabulary& words, Trigram trigram) {
    QString lines[3];
    for (int k = 3; k >= 1; --k) {
        lines[3 - k] = HexagramLine(trigram, trigram, k) == Line::Solid
                           ? words.translate("AccessibleNames", "solid")
                           : words.translate("AccessibleNames", "broken");
    }
    return ToUtf8(words.translate("AccessibleNames", "Lines from the top: %1, %2, %3.")
                      .arg(lines[0], lines[1], lines[2]));
}

// "<what>: <value>", the shape of every name that tells a value.
std::string Valued(const Vocabulary& words, const std::string& what, const std::string& value) {
    //: An accessible name: what a control shows, then its value
    return ToUtf8(words.translate("AccessibleNames", "%1: %2").arg(Q(what), Q(value)));
}

std::string Empty(const Vocabulary& words, const std::string& what) {
    return ToUtf8(words.translate("AccessibleNames", "%1: empty").arg(Q(what)));
}

AccessibleText PictureText(const Vocabulary& words, const std::string& name, Trigram shown,
                           std::string_view role) {
    if (shown == 0) {
        return {Empty(words, name), ToUtf8(words.translate("AccessibleNames", "An empty frame."))};
    }
    return {Valued(words, name, TrigramWords(words, shown, role)), LineWords(words, shown)};
}

} // namespace

AccessibleText LargePictureText(const Vocabulary& words, Position position, Trigram shown,
                                const Reading* reading) {
    const bool ofReading = reading != nullptr && reading->TrigramAt(position) == shown;
    return PictureText(words, LargeName(words, position), shown,
                       ofReading ? Role(words, position, reading) : "");
}

AccessibleText CastingPictureText(const Vocabulary& words, Position position) {
    return {
        ToUtf8(
            words.translate("AccessibleNames", "%1: casting").arg(Q(LargeName(words, position)))),
        ""};
}

AccessibleText CastingSmallPictureText(const Vocabulary& words, Position position) {
    return {
        ToUtf8(
            words.translate("AccessibleNames", "%1: casting").arg(Q(SmallName(words, position)))),
        ""};
}

AccessibleText CastingElementLabelText(const Vocabulary& words, Position position) {
    return {ToUtf8(words.translate("AccessibleNames", "%1 element: casting")
                       .arg(Q(SmallName(words, position)))),
            ""};
}

AccessibleText CastingRoleLabelText(const Vocabulary& words, Position position) {
    return {ToUtf8(words.translate("AccessibleNames", "Role of the %1: casting")
                       .arg(Q(Lowercase(LargeName(words, position))))),
            ""};
}

AccessibleText CastingNumberLabelText(const Vocabulary& words, const char* what) {
    return {ToUtf8(words.translate("AccessibleNames", "%1: casting")
                       .arg(words.translate("AccessibleNames", what))),
            ""};
}

AccessibleText SmallPictureText(const Vocabulary& words, Position position,
                                const Reading* reading) {
    const Trigram shown = reading != nullptr ? reading->TrigramAt(position) : 0;
    return PictureText(words, SmallName(words, position), shown, Role(words, position, reading));
}

AccessibleText ElementLabelText(const Vocabulary& words, Position position,
                                const Reading* reading) {
    const QString small = Q(Lowercase(SmallName(words, position)));
    if (reading == nullptr) {
        return {ToUtf8(words.translate("AccessibleNames", "%1 element: empty")
                           .arg(Q(SmallName(words, position)))),
                ToUtf8(words.translate("AccessibleNames", "Element of the %1.").arg(small))};
    }
    const ElementMark& mark = reading->Mark(position);
    const std::string element(words.ElementName(mark.element));
    if (mark.isBody) {
        return {Valued(words, std::string(words.RoleName(true)), element),
                ToUtf8(words.translate("AccessibleNames", "Element of the %1, which is the body.")
                           .arg(small))};
    }
    const std::string role = Role(words, position, reading);
    const std::string what = role.empty() ? SmallName(words, position) : role;
    const QString judged = mark.Favourable()
                               ? words.translate("AccessibleNames", "%1, favourable")
                               : words.translate("AccessibleNames", "%1, unfavourable");
    // The description names the classical relation, as the label's tooltip does.
    return {Valued(words, what, ToUtf8(judged.arg(Q(element)))),
            ToUtf8(words.translate("AccessibleNames", "Element of the %1. %2.")
                       .arg(small, Q(RelationSentence(words, mark))))};
}

AccessibleText RoleLabelText(const Vocabulary& words, Position position, const Reading* reading) {
    const std::string role = Role(words, position, reading);
    return {ToUtf8(words.translate("AccessibleNames", "Role of the %1: %2")
                       .arg(Q(Lowercase(LargeName(words, position))),
                            role.empty() ? words.translate("AccessibleNames", "empty") : Q(role))),
            ""};
}

AccessibleText NumberLabelText(const Vocabulary& words, const char* what, int value) {
    const std::string name = words.Tr("AccessibleNames", what);
    if (value == 0) {
        return {Empty(words, name), ""};
    }
    //: What a number is, then the number: "Original hexagram 49"
    return {ToUtf8(words.translate("AccessibleNames", "%1 %2").arg(Q(name)).arg(value)), ""};
}

AccessibleText LineMarkerText(const Vocabulary& words, int line, const Reading* reading) {
    const QString place = line % 3 == 1   ? words.translate("AccessibleNames", "bottom")
                          : line % 3 == 2 ? words.translate("AccessibleNames", "middle")
                                          : words.translate("AccessibleNames", "top");
    const QString description =
        (line > 3 ? words.translate("AccessibleNames",
                                    "Line %1 of 6, counted from the bottom: the %2 line of the "
                                    "outer trigram.")
                  : words.translate("AccessibleNames",
                                    "Line %1 of 6, counted from the bottom: the %2 line of the "
                                    "inner trigram."))
            .arg(line)
            .arg(place);
    QString name = words.translate("AccessibleNames", "Line %1").arg(line);
    if (reading != nullptr) {
        name = reading->changeLine == line
                   ? words.translate("AccessibleNames", "%1, the change line").arg(name)
                   : words.translate("AccessibleNames", "%1, not the change line").arg(name);
    }
    return {ToUtf8(name), ToUtf8(description)};
}

std::string ReadingAnnouncement(const Vocabulary& words, const Reading& reading,
                                const TextStore& texts) {
    const auto title = [&texts](int n) {
        return Q(HexagramTitle(texts.hexagramTexts, n, texts.language));
    };
    const auto trigram = [&words, &reading](Position position) {
        //: A trigram's place in the reading, then its element: "outer trigram, Metal"
        return words.translate("AccessibleNames", "%1, %2")
            .arg(Q(Lowercase(LargeName(words, position))),
                 Q(words.ElementName(reading.Mark(position).element)));
    };
    const Position body = reading.BodyPosition();
    const Position use = body == Position::Outer ? Position::Inner : Position::Outer;
    // One arg() call, so that a custom title holding "%1" is taken as it stands.
    return ToUtf8(words
                      .translate("AccessibleNames",
                                 "Original hexagram %1, %2. Change line %3. Final hexagram "
                                 "%4, %5. Body: %6. Use: %7.")
                      .arg(QString::number(reading.original), title(reading.original),
                           Q(ChangeLineWords(words, reading.original, reading.changeLine)),
                           QString::number(reading.final), title(reading.final), trigram(body),
                           trigram(use)));
}

} // namespace zandrel
