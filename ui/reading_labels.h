#pragma once

#include "core/reading.h"
#include "core/trigrams.h"

#include <string>
#include <vector>

// The words the main window shows for what a reading means: the element names, the element
// marks, the roles, the numbers, and the entries of the target-time lists.

namespace zandrel {

std::string ElementName(Element element);

// "(Metal)" at the body's own position, else the element between two signs: "+Wood+" when it
// favours the body, "-Fire-" when it does not.
std::string ElementMarkText(const ElementMark& mark);

// "Body" or "Use".
std::string RoleText(bool isBody);

// A hexagram or line number as shown: decimal, no padding.
std::string NumberText(int value);

// The entries of the four target-time lists, in the order they are shown.
std::vector<std::string> YearEntries();   // "1998" .. "2099"
std::vector<std::string> MonthEntries();  // "Jan" .. "Dec"
std::vector<std::string> DayEntries();    // "1" .. "31"
std::vector<std::string> PeriodEntries(); // "11PM - 1AM" .. "9PM - 11PM"

} // namespace zandrel
