#include "cli/convention_options.h"

#include "platform/qt_text.h"

namespace zandrel {

std::optional<ReadingConventions> ReadConventions(const CommandRun& run, std::string* error) {
    const Vocabulary& words = run.words;
    ReadingConventions conventions = LoadConventions(run.DataDirectory());
    if (const std::string* start = run.arguments.Value("--year-start")) {
        const std::optional<YearStart> read = YearStartNamed(*start);
        if (!read) {
            *error = ToUtf8(
                words.translate("Commands", "give --year-start lunar or --year-start lichun"));
            return std::nullopt;
        }
        conventions.pillars.yearStart = *read;
    }
    if (const std::string* ziHour = run.arguments.Value("--zi-hour")) {
        const std::optional<ZiHour> read = ZiHourNamed(*ziHour);
        if (!read) {
            *error = ToUtf8(
                words.translate("Commands", "give --zi-hour same-day or --zi-hour next-day"));
            return std::nullopt;
        }
        conventions.pillars.ziHour = *read;
    }
    if (const std::string* longitude = run.arguments.Value("--longitude")) {
        const std::optional<double> read = ReadLongitude(*longitude);
        if (!read) {
            *error = ToUtf8(words.translate(
                "Commands", "give --longitude as degrees east, from -180 to 180 (116.4)"));
            return std::nullopt;
        }
        conventions.pillars.longitude = *read;
    }
    return conventions;
}

} // namespace zandrel
