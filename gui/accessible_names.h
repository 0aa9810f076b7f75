#pragma once

#include "app/vocabulary.h"
#include "core/reading.h"
#include "platform/accessible_text.h"
#include "text/hexagram_text.h"

#include <string>
#include <string_view>

namespace zandrel {

class CDialog;

// What assistive technology says of the main window's reading display, where a picture or a
// bare value shows it: each element's name and description, for the reading shown (none
// before the first), in `words`.

// A large picture of the cast: `shown` is the trigram it shows, 0 for the empty frame. Its
// role is told once a reading gives it one.
AccessibleText LargePictureText(const Vocabulary& words, Position position, Trigram shown,
                                const Reading* reading);
// A large picture while its animation runs.
AccessibleText CastingPictureText(const Vocabulary& words, Position position);
// The rest of the display while the first cast runs, which shows no reading yet but is not
// empty either: a small picture, an element label, a role label and a number label.
AccessibleText CastingSmallPictureText(const Vocabulary& words, Position position);
AccessibleText CastingElementLabelText(const Vocabulary& words, Position position);
AccessibleText CastingRoleLabelText(const Vocabulary& words, Position position);
AccessibleText CastingNumberLabelText(const Vocabulary& words, const char* what);
AccessibleText SmallPictureText(const Vocabulary& words, Position position, const Reading* reading);
AccessibleText ElementLabelText(const Vocabulary& words, Position position, const Reading* reading);
// The role label beside a large picture's small copy, Outer or Inner.
AccessibleText RoleLabelText(const Vocabulary& words, Position position, const Reading* reading);
// A number label, "Original hexagram 49"; `value` 0 when there is no reading.
AccessibleText NumberLabelText(const Vocabulary& words, const char* what, int value);
// The marker of line 1 (bottom) .. 6 (top).
AccessibleText LineMarkerText(const Vocabulary& words, int line, const Reading* reading);

// What a screen reader says as a reading appears: the original hexagram with its number and
// title, the change line, the final hexagram, and body and use with their elements.
std::string ReadingAnnouncement(const Vocabulary& words, const Reading& reading,
                                const TextStore& texts);

} // namespace zandrel
