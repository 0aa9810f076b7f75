#pragma once

#include "casebook/case_book.h"
#include "app/vocabulary.h"

#include <string>
#include <string_view>

// The case book's words in a language: what went wrong with the file, and the verdicts.

namespace zandrel {

// One sentence or two that say what is wrong and with which file, in `words`.
std::string CaseBookErrorMessage(const Vocabulary& words, const CaseBookError& error);

// "came true", "partly", "did not", "not yet".
std::string VerdictName(const Vocabulary& words, Verdict verdict);

// The name of a way of casting by its method key ("general" is "General query"); "log" is an
// entry taken from a query log. A key the program does not know is shown as it stands.
std::string MethodName(const Vocabulary& words, std::string_view method);

// What is known of a record's verdicts, as lines: the records, each verdict's count and the
// share that came true among those judged, overall and per method.
std::string StatisticsText(const Vocabulary& words, const CaseStatistics& statistics);

// The moment of a cast as it was on the caster's clock: "2026-12-11 16:06".
std::string CastMomentText(const std::string& castUtc, int utcOffsetMinutes);

// How a record was cast, as lines: the name of its method, then each input and convention as
// "key: value", under the keys of the export; nothing more for a record without inputs.
std::string InputsText(const Vocabulary& words, const CaseRecord& record);

} // namespace zandrel
