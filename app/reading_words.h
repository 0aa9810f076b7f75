#pragma once

#include "app/vocabulary.h"
#include "core/reading.h"
#include "core/trigrams.h"

#include <string>
#include <vector>

// The words for what a reading means, composed from a language's vocabulary: the element
// marks, the relations to the body, the numbers with their names, and the entries of the
// target-time lists.

namespace zandrel {

// "(Metal)" at the body's own position, else the element between two signs: "+Wood+" when it
// favours the body, "-Fire-" when it does not. In Chinese the same marks around 金 .. 土.
std::string ElementMarkText(const Vocabulary& words, const ElementMark& mark);

// The classical relation a mark stands in to the body, and whether it favours it: "Use feeds
// the body: favourable", 用生体：有利; for the body's own position what it is.
std::string RelationSentence(const Vocabulary& words, const ElementMark& mark);

// A hexagram or line number as shown: decimal, no padding.
std::string NumberText(int value);

// A hexagram's or a trigram's number, followed by its name where the language names it:
// "12", "12 天地否"; "1", "1 乾".
std::string HexagramWords(const Vocabulary& words, Hexagram hexagram);
std::string TrigramWords(const Vocabulary& words, Trigram trigram);
// The change line of a reading as its hexagram names it where the language names lines (九二,
// 上六), else its number: "2".
std::string ChangeLineWords(const Vocabulary& words, Hexagram hexagram, int line);
// A two-hour period as a sentence names it: by its branch where the language does so (午时),
// else by its entry in the period list ("11AM - 1PM").
std::string PeriodWords(const Vocabulary& words, int period);

// The entries of the four target-time lists, in the order they are shown.
std::vector<std::string> YearEntries();                          // "1998" .. "2099"
std::vector<std::string> MonthEntries(const Vocabulary& words);  // "Jan" .. "Dec"; 一月 ..
std::vector<std::string> DayEntries();                           // "1" .. "31"
std::vector<std::string> PeriodEntries(const Vocabulary& words); // "11PM - 1AM" ..; 子时 ..

} // namespace zandrel
