#pragma once

#include "app/reading_conventions.h"
#include "cli/command.h"

#include <optional>
#include <string>
#include <string_view>

namespace zandrel {

// The options that override the settings file's conventions for one run.
inline constexpr std::string_view kConventionOptions[] = {"--year-start", "--zi-hour",
                                                          "--longitude"};

// The conventions of the data folder's settings file, with --year-start lunar|lichun,
// --zi-hour same-day|next-day and --longitude DEG (true solar time at DEG degrees east) in
// place of the file's; none, with what is wrong in *error, for a value none of them takes.
std::optional<ReadingConventions> ReadConventions(const CommandRun& run, std::string* error);

} // namespace zandrel
