#pragma once

#include "core/lunar_calendar.h"

#include <QJsonObject>

#include <optional>

namespace zandrel {

// A lunar date, and the hour where one is given, as facts under stable keys, in English words
// and Chinese characters whatever the language: "year", "year_stem", "year_branch",
// "year_name", "animal", "month", "leap", "day", "text", "chinese", and with an hour
// "hour_branch" and "hour_name".
QJsonObject LunarJson(const LunarDate& date, std::optional<int> hourBranch);

} // namespace zandrel
