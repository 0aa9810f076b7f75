// zandrel lunar: the lunar date of a civil date, and the hour of a clock time with the four
// pillars and the solar term of that moment.

#include "app/date_input.h"
#include "app/lunar_facts.h"
#include "app/lunar_words.h"
#include "app/reading_details.h"
#include "cli/command.h"
#include "cli/convention_options.h"
#include "cli/terminal.h"
#include "platform/json_text.h"
#include "platform/qt_text.h"

#include <QJsonObject>

namespace zandrel {
namespace {

constexpr std::string_view kValueOptions[] = {"--language", "--year-start", "--zi-hour",
                                              "--longitude"};
constexpr std::string_view kFlagOptions[] = {"--json"};

int Run(const CommandRun& run, std::string* error) {
    const ParsedArguments& arguments = run.arguments;
    const Vocabulary& words = run.words;
    if (arguments.plain.empty()) {
        *error = ToUtf8(words.translate("Commands", "give the date as YYYY-MM-DD"));
        return kBadInput;
    }
    if (arguments.plain.size() > 2) {
        *error = UnexpectedArgument(words, arguments.plain[2]);
        return kBadInput;
    }
    const DateInput date = ReadCalendarDate(words, arguments.plain[0]);
    if (!date.date) {
        *error = date.error;
        return kBadInput;
    }
    std::optional<int> hour;
    std::optional<ClockTime> time;
    if (arguments.plain.size() == 2) {
        const TimeInput timeInput = ReadClockTime(words, arguments.plain[1]);
        if (!timeInput.time) {
            *error = timeInput.error;
            return kBadInput;
        }
        time = timeInput.time;
        hour = HourBranch(*time);
    }
    const std::optional<ReadingConventions> conventions = ReadConventions(run, error);
    if (!conventions) {
        return kBadInput;
    }
    const LunarDate lunar = LunarDateOf(*date.date).value_or(LunarDate{});
    std::optional<FourPillars> pillars;
    if (time) {
        pillars = PillarsOf(*date.date, *time, conventions->pillars);
    }
    if (arguments.Flag("--json")) {
        QJsonObject json = LunarJson(lunar, hour);
        json["date"] = ToQString(CivilDateText(*date.date));
        if (time) {
            json["time"] = ToQString(ClockTimeText(*time));
        }
        if (pillars) {
            json["pillars"] = PillarsJson(*pillars, {*date.date, *time}, MomentSource::Given);
            json["solar_term"] = SolarTermJson(*pillars);
            json["conventions"] = ConventionsJson(*conventions);
        }
        return Print(run.out, run.err, words, CompactJson(json) + "\n");
    }
    std::string text = LunarDateLines(words, lunar, hour) + "\n";
    if (pillars) {
        text += PillarsText(words, *pillars) + "\n" + SolarTermText(words, *pillars) + "\n";
    }
    return Print(run.out, run.err, words, text);
}

} // namespace

const Command& LunarCommand() {
    static const Command command{
        "lunar", kValueOptions, kFlagOptions,
        QT_TRANSLATE_NOOP(
            "Commands",
            "  zandrel lunar YYYY-MM-DD [HH:MM] [--json] [--year-start lunar|lichun]\n"
            "               [--zi-hour same-day|next-day] [--longitude DEG]\n"
            "      Prints the lunar date, and with a time its hour, the four pillars and the\n"
            "      solar term in force, by the settings file's conventions or those given.\n"),
        Run};
    return command;
}

} // namespace zandrel
