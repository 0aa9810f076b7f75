#include "ui/accessible_names.h"

#include "ui/reading_labels.h"

#include <array>
#include <string>

namespace zandrel {
namespace {

// The large pictures show the trigrams as they are cast; the small ones the trigrams of
// the reading.
std::string LargeName(Position position) {
    return position == Position::Outer ? "Outer trigram" : "Inner trigram";
}

std::string SmallName(Position position) {
    constexpr std::array<std::string_view, kPositionCount> kNames = {
        "Original outer trigram", "Original inner trigram", "Upper nuclear trigram",
        "Lower nuclear trigram",  "Final outer trigram",    "Final inner trigram"};
    return std::string(kNames[static_cast<std::size_t>(position)]);
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

// "trigram 5, Wood", with ", use" when it has a role.
std::string TrigramWords(Trigram trigram, std::string_view role) {
    std::string words =
        "trigram " + std::to_string(trigram) + ", " + ElementName(ElementOfTrigram(trigram));
    if (!role.empty()) {
        words += ", " + Lowercase(role);
    }
    return words;
}

// Its three lines from the top, as the picture shows them.
std::string LineWords(Trigram trigram) {
    std::string words = "Lines from the top:";
    for (int k = 3; k >= 1; --k) {
        words += HexagramLine(trigram, trigram, k) == Line::Solid ? " solid" : " broken";
        words += k > 1 ? "," : ".";
    }
    return words;
}

AccessibleText PictureText(const std::string& name, Trigram shown, std::string_view role) {
    if (shown == 0) {
        return {name + ": empty", "An empty frame."};
    }
    return {name + ": " + TrigramWords(shown, role), LineWords(shown)};
}

} // namespace

AccessibleText LargePictureText(Position position, Trigram shown, const Reading* reading) {
    const bool ofReading = reading != nullptr && reading->TrigramAt(position) == shown;
    return PictureText(LargeName(position), shown, ofReading ? Role(position, reading) : "");
}

AccessibleText CastingPictureText(Position position) {
    return {LargeName(position) + ": casting", ""};
}

AccessibleText SmallPictureText(Position position, const Reading* reading) {
    const Trigram shown = reading != nullptr ? reading->TrigramAt(position) : 0;
    return PictureText(SmallName(position), shown, Role(position, reading));
}

AccessibleText ElementLabelText(Position position, const Reading* reading) {
    const std::string of = "Element of the " + Lowercase(SmallName(position));
    if (reading == nullptr) {
        return {SmallName(position) + " element: empty", of + "."};
    }
    const ElementMark& mark = reading->Mark(position);
    const std::string element = ElementName(mark.element);
    if (mark.isBody) {
        return {RoleText(true) + ": " + element, of + ", which is the body."};
    }
    const std::string role = Role(position, reading);
    const std::string what = role.empty() ? SmallName(position) : role;
    return {what + ": " + element + (mark.Favourable() ? ", favourable" : ", unfavourable"),
            of + ", and whether it favours the body's element."};
}

AccessibleText RoleLabelText(Position position, const Reading* reading) {
    const std::string role = Role(position, reading);
    return {"Role of the " + Lowercase(LargeName(position)) + ": " +
                (role.empty() ? "empty" : role),
            ""};
}

AccessibleText NumberLabelText(std::string_view what, int value) {
    if (value == 0) {
        return {std::string(what) + ": empty", ""};
    }
    return {std::string(what) + " " + std::to_string(value), ""};
}

AccessibleText LineMarkerText(int line, const Reading* reading) {
    constexpr std::array<std::string_view, 3> kPlaces = {"bottom", "middle", "top"};
    const std::string description = "Line " + std::to_string(line) +
                                    " of 6, counted from the bottom: the " +
                                    std::string(kPlaces[static_cast<std::size_t>((line - 1) % 3)]) +
                                    " line of the " + (line > 3 ? "outer" : "inner") + " trigram.";
    std::string name = "Line " + std::to_string(line);
    if (reading != nullptr) {
        name += reading->changeLine == line ? ", the change line" : ", not the change line";
    }
    return {name, description};
}

} // namespace zandrel
