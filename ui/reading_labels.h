#pragma once

#include "core/reading.h"
#include "core/trigrams.h"

#include <string>
#include <vector>

// The words the main window shows for what a reading means: the element names, the element
// marks, the roles, the numbers, and the entries of the target-time lists. All but the plain
// English names (ElementName, RelationText, which the command line's JSON gives whatever the
// language) are in the interface's language, with the Chinese names of the method from the
// classical data.

namespace zandrel {

std::string ElementName(Element element);
// "Metal", or 金 in Chinese.
std::string ElementWord(Element element);

// "(Metal)" at the body's own position, else the element between two signs: "+Wood+" when it
// favours the body, "-Fire-" when it does not. In Chinese the same marks around 金 .. 土.
std::string ElementMarkText(const ElementMark& mark);

// The classical relation a mark stands in to the body, and whether it favours it: "Use feeds
// the body: favourable", 用生体：有利; for the body's own position what it is.
std::string RelationSentence(const ElementMark& mark);

// How an element stands to the body's, as the classical relations are named: "use controls
// body", "body feeds use", "body controls use", "use feeds body" or "same element".
std::string RelationText(Relation relation);

// "Body" or "Use"; 体 or 用.
std::string RoleText(bool isBody);

// A hexagram or line number as shown: decimal, no padding.
std::string NumberText(int value);

// The entries of the four target-time lists, in the order they are shown.
std::vector<std::string> YearEntries();   // "1998" .. "2099"
std::vector<std::string> MonthEntries();  // "Jan" .. "Dec"; 一月 .. 十二月
std::vector<std::string> DayEntries();    // "1" .. "31"
std::vector<std::string> PeriodEntries(); // "11PM - 1AM" .. "9PM - 11PM"; 子时 (23–1 点) ..

} // namespace zandrel
