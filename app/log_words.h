#pragma once

#include "app/vocabulary.h"

#include <string>
#include <string_view>

namespace zandrel {

// The log viewer's text (lines ended by CR LF) with the frame of every entry in the language of
// `words`: the line that opens an entry, with its time as the language writes dates, and the
// line that opens its reply. The log itself keeps its one frame in every language; only what
// the viewer shows changes, and in a language that speaks the log's own frame nothing does.
// A line that only looks like a frame (a header whose time FormatLogTime would not write, a
// reply line before any header) is shown as it is.
std::string LogTextInLanguage(const Vocabulary& words, std::string text);

} // namespace zandrel
