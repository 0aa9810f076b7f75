// zandrel lunar: the lunar date of a civil date, and the hour of a clock time.

#include "app/date_input.h"
#include "app/lunar_facts.h"
#include "app/lunar_words.h"
#include "cli/command.h"
#include "cli/terminal.h"
#include "platform/qt_text.h"

#include <QJsonDocument>

namespace zandrel {
namespace {

constexpr std::string_view kValueOptions[] = {"--language"};
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
    const LunarDate lunar = LunarDateOf(*date.date).value_or(LunarDate{});
    if (arguments.Flag("--json")) {
        QJsonObject json = LunarJson(lunar, hour);
        json["date"] = ToQString(CivilDateText(*date.date));
        if (time) {
            json["time"] = ToQString(ClockTimeText(*time));
        }
        return Print(run.out, run.err, words,
                     QJsonDocument(json).toJson(QJsonDocument::Compact).toStdString() + "\n");
    }
    return Print(run.out, run.err, words, LunarDateLines(words, lunar, hour) + "\n");
}

} // namespace

const Command& LunarCommand() {
    static const Command command{
        "lunar", kValueOptions, kFlagOptions,
        QT_TRANSLATE_NOOP("Commands", "  zandrel lunar YYYY-MM-DD [HH:MM] [--json]\n"
                                      "      Prints the lunar date, and the hour of the time.\n"),
        Run};
    return command;
}

} // namespace zandrel
