#include "ui/accessible_names.h"

#include "platform/qt_text.h"
#include "text/chinese_names.h"
#include "ui/interface_language.h"
#include "ui/reading_labels.h"

#include <QCoreApplication>

#include <array>
#include <string>

namespace zandrel {
namespace {

class AccessibleNames {
    Q_DECLARE_TR_FUNCTIONS(AccessibleNames)
};

std::string Tr(const char* text) {
    return ToUtf8(AccessibleNames::tr(text));
}

QString Q(const std::string& text) {
    return ToQString(text);
}

// The large pictures show the trigrams as they are cast; the small ones the trigrams of
// the reading.
std::string LargeName(Position position) {
    return position == Position::Outer ? Tr(QT_TRANSLATE_NOOP("AccessibleNames", "Outer trigram"))
                                       : Tr(QT_TRANSLATE_NOOP("AccessibleNames", "Inner trigram"));
}

std::string SmallName(Position position) {
    constexpr std::array<const char*, kPositionCount> kNames = {
        QT_TRANSLATE_NOOP("AccessibleNames", "Original outer trigram"),
        QT_TRANSLATE_NOOP("AccessibleNames", "Original inner trigram"),
        QT_TRANSLATE_NOOP("AccessibleNames", "Upper nuclear trigram"),
        QT_TRANSLATE_NOOP("AccessibleNames", "Lower nuclear trigram"),
        QT_TRANSLATE_NOOP("AccessibleNames", "Final outer trigram"),
        QT_TRANSLATE_NOOP("AccessibleNames", "Final inner trigram")};
    return Tr(kNames[static_cast<std::size_t>(position)]);
}

// "Body" or "Use" for the outer and inner trigrams of a reading, else nothing.
std::string Role(Position position, const Reading* reading) {
    if (reading == nullptr || (position != Position::Outer && position != Position::Inner)) {
        return {};
    }
    return RoleText(position == reading->BodyPosition());
}

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return lower;
}

// "trigram 5, Wood", with ", use" when it has a role; in Chinese the trigram by its name.
std::string TrigramWords(Trigram trigram, std::string_view role) {
    const auto script = ScriptOf(InterfaceLanguage());
    const std::string which =
        script ? std::string(TrigramName(*script, trigram)) : std::to_string(trigram);
    QString words = AccessibleNames::tr("trigram %1, %2")
                        .arg(Q(which), Q(ElementWord(ElementOfTrigram(trigram))));
    if (!role.empty()) {
        //: A trigram's words, then its role (body or use)
        words = AccessibleNames::tr("%1, %2").arg(words, Q(Lowercase(role)));
    }
    return ToUtf8(words);
}

// Its three lines from the top, as the picture shows them.
std::string LineWords(Trigram trigram) {
    QString lines[3];
    for (int k = 3; k >= 1; --k) {
        lines[3 - k] = HexagramLine(trigram, trigram, k) == Line::Solid
                           ? AccessibleNames::tr("solid")
                           : AccessibleNames::tr("broken");
    }
    return ToUtf8(
        AccessibleNames::tr("Lines from the top: %1, %2, %3.").arg(lines[0], lines[1], lines[2]));
}

// "<what>: <value>", the shape of every name that tells a value.
std::string Valued(const std::string& what, const std::string& value) {
    //: An accessible name: what a control shows, then its value
    return ToUtf8(AccessibleNames::tr("%1: %2").arg(Q(what), Q(value)));
}

std::string Empty(const std::string& what) {
    return ToUtf8(AccessibleNames::tr("%1: empty").arg(Q(what)));
}

AccessibleText PictureText(const std::string& name, Trigram shown, std::string_view role) {
    if (shown == 0) {
        return {Empty(name), Tr(QT_TRANSLATE_NOOP("AccessibleNames", "An empty frame."))};
    }
    return {Valued(name, TrigramWords(shown, role)), LineWords(shown)};
}

} // namespace

AccessibleText LargePictureText(Position position, Trigram shown, const Reading* reading) {
    const bool ofReading = reading != nullptr && reading->TrigramAt(position) == shown;
    return PictureText(LargeName(position), shown, ofReading ? Role(position, reading) : "");
}

AccessibleText CastingPictureText(Position position) {
    return {ToUtf8(AccessibleNames::tr("%1: casting").arg(Q(LargeName(position)))), ""};
}

AccessibleText CastingSmallPictureText(Position position) {
    return {ToUtf8(AccessibleNames::tr("%1: casting").arg(Q(SmallName(position)))), ""};
}

AccessibleText CastingElementLabelText(Position position) {
    return {ToUtf8(AccessibleNames::tr("%1 element: casting").arg(Q(SmallName(position)))), ""};
}

AccessibleText CastingRoleLabelText(Position position) {
    return {
        ToUtf8(
            AccessibleNames::tr("Role of the %1: casting").arg(Q(Lowercase(LargeName(position))))),
        ""};
}

AccessibleText CastingNumberLabelText(std::string_view what) {
    return {ToUtf8(AccessibleNames::tr("%1: casting").arg(Q(Tr(std::string(what).c_str())))), ""};
}

AccessibleText SmallPictureText(Position position, const Reading* reading) {
    const Trigram shown = reading != nullptr ? reading->TrigramAt(position) : 0;
    return PictureText(SmallName(position), shown, Role(position, reading));
}

AccessibleText ElementLabelText(Position position, const Reading* reading) {
    const QString small = Q(Lowercase(SmallName(position)));
    if (reading == nullptr) {
        return {ToUtf8(AccessibleNames::tr("%1 element: empty").arg(Q(SmallName(position)))),
                ToUtf8(AccessibleNames::tr("Element of the %1.").arg(small))};
    }
    const ElementMark& mark = reading->Mark(position);
    const std::string element = ElementWord(mark.element);
    if (mark.isBody) {
        return {Valued(RoleText(true), element),
                ToUtf8(AccessibleNames::tr("Element of the %1, which is the body.").arg(small))};
    }
    const std::string role = Role(position, reading);
    const std::string what = role.empty() ? SmallName(position) : role;
    const QString judged = mark.Favourable() ? AccessibleNames::tr("%1, favourable")
                                             : AccessibleNames::tr("%1, unfavourable");
    // The description names the classical relation, as the label's tooltip does.
    return {
        Valued(what, ToUtf8(judged.arg(Q(element)))),
        ToUtf8(
            AccessibleNames::tr("Element of the %1. %2.").arg(small, Q(RelationSentence(mark))))};
}

AccessibleText RoleLabelText(Position position, const Reading* reading) {
    const std::string role = Role(position, reading);
    return {ToUtf8(AccessibleNames::tr("Role of the %1: %2")
                       .arg(Q(Lowercase(LargeName(position))),
                            role.empty() ? AccessibleNames::tr("empty") : Q(role))),
            ""};
}

AccessibleText NumberLabelText(std::string_view what, int value) {
    const std::string name = Tr(std::string(what).c_str());
    if (value == 0) {
        return {Empty(name), ""};
    }
    //: What a number is, then the number: "Original hexagram 49"
    return {ToUtf8(AccessibleNames::tr("%1 %2").arg(Q(name)).arg(value)), ""};
}

AccessibleText LineMarkerText(int line, const Reading* reading) {
    const QString place = line % 3 == 1   ? AccessibleNames::tr("bottom")
                          : line % 3 == 2 ? AccessibleNames::tr("middle")
                                          : AccessibleNames::tr("top");
    const QString description =
        (line > 3 ? AccessibleNames::tr("Line %1 of 6, counted from the bottom: the %2 line of the "
                                        "outer trigram.")
                  : AccessibleNames::tr("Line %1 of 6, counted from the bottom: the %2 line of the "
                                        "inner trigram."))
            .arg(line)
            .arg(place);
    QString name = AccessibleNames::tr("Line %1").arg(line);
    if (reading != nullptr) {
        name = reading->changeLine == line
                   ? AccessibleNames::tr("%1, the change line").arg(name)
                   : AccessibleNames::tr("%1, not the change line").arg(name);
    }
    return {ToUtf8(name), ToUtf8(description)};
}

std::string ReadingAnnouncement(const Reading& reading, const TextStore& texts) {
    const auto title = [&texts](int n) {
        return Q(HexagramTitle(texts.hexagramTexts, n, texts.language));
    };
    const auto trigram = [&reading](Position position) {
        //: A trigram's place in the reading, then its element: "outer trigram, Metal"
        return AccessibleNames::tr("%1, %2").arg(Q(Lowercase(LargeName(position))),
                                                 Q(ElementWord(reading.Mark(position).element)));
    };
    const Position body = reading.BodyPosition();
    const Position use = body == Position::Outer ? Position::Inner : Position::Outer;
    // One arg() call, so that a custom title holding "%1" is taken as it stands.
    return ToUtf8(AccessibleNames::tr("Original hexagram %1, %2. Change line %3. Final hexagram "
                                      "%4, %5. Body: %6. Use: %7.")
                      .arg(QString::number(reading.original), title(reading.original),
                           QString::number(reading.changeLine), QString::number(reading.final),
                           title(reading.final), trigram(body), trigram(use)));
}

} // namespace zandrel
