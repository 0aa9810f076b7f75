#pragma once

#include <QJsonArray>
#include <QJsonObject>

#include <string>
#include <string_view>

// JSON as the program writes it, to the terminal and to files alike.

namespace zandrel {

// `json` (UTF-8, as Qt writes it) with the characters that a terminal acts on or that reorder
// the text shown around them written as \uXXXX escapes: DEL U+007F, the C1 controls U+0080 to
// U+009F, and the bidirectional formatting characters U+061C, U+200E, U+200F, U+202A to U+202E
// and U+2066 to U+2069. Qt escapes the C0 controls itself but writes these raw. Outside its
// strings JSON is plain ASCII, so each of them stands inside a string, where its escape means
// the very same character: the JSON reads back to exactly the same text.
std::string InertJson(std::string_view json);

// `value` as compact JSON on one line, made inert by InertJson: the only way the program
// writes JSON.
std::string CompactJson(const QJsonObject& value);
std::string CompactJson(const QJsonArray& value);

} // namespace zandrel
