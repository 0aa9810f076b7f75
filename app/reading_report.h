#pragma once

#include "app/session.h"

#include <QJsonObject>

#include <optional>
#include <string>
#include <string_view>

// A cast as facts, each under a stable key, from which the command line makes its JSON and its
// table. The keys and their values never change with the language: the words among them are
// the English vocabulary's, and a new fact is a new key.

namespace zandrel {

struct ReadingReport {
    // How it was cast: the method and the inputs the user gave.
    CastRequest request;
    std::string question;
    Reading reading;
    // The reading text as the window shows it and the log keeps it, CR LF and all.
    std::string text;
};

ReadingReport ReportOf(const CastResult& result);

// "outer", "inner", "nuclear_upper", "nuclear_lower", "final_outer", "final_inner".
std::string_view PositionKey(Position position);

// The report as one JSON object: "method", the request's facts ("date", "time", "period",
// "lunar"), "question", "outer", "inner", "change_line", "original", "final", "body",
// "trigrams" and "text".
QJsonObject ReportJson(const ReadingReport& report);

} // namespace zandrel
