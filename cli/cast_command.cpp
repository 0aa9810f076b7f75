// zandrel cast: the reading of a target time or traditional time query, as a table or JSON,
// and with --log the entry the window would write.

#include "app/cast_request.h"
#include "app/data_directory.h"
#include "app/date_input.h"
#include "app/file_error_message.h"
#include "app/question.h"
#include "app/reading_report.h"
#include "cli/command.h"
#include "cli/reading_table.h"
#include "cli/terminal.h"
#include "platform/qt_text.h"

#include <QJsonDocument>

#include <ostream>

namespace zandrel {
namespace {

constexpr std::string_view kValueOptions[] = {"--date", "--period", "--time", "--question",
                                              "--language"};
constexpr std::string_view kFlagOptions[] = {"--traditional", "--json", "--log", "--user-data"};

struct CastInput {
    CastRequest request;
    std::string question;
};

std::optional<CastInput> ReadInput(const CommandRun& run, std::string* error) {
    const ParsedArguments& arguments = run.arguments;
    const Vocabulary& words = run.words;
    if (!arguments.plain.empty()) {
        *error = UnexpectedArgument(words, arguments.plain.front());
        return std::nullopt;
    }
    const std::string* date = arguments.Value("--date");
    if (date == nullptr) {
        *error = ToUtf8(words.translate("Commands", "give the date with --date YYYY-MM-DD"));
        return std::nullopt;
    }
    if (const DateInput input = ReadCalendarDate(words, *date); !input.date) {
        *error = input.error;
        return std::nullopt;
    }
    const std::string* period = arguments.Value("--period");
    const std::string* time = arguments.Value("--time");
    if ((period == nullptr) == (time == nullptr)) {
        *error = ToUtf8(
            period == nullptr
                ? words.translate("Commands", "give the hour with --period N or --time HH:MM")
                : words.translate("Commands", "give either --period or --time, not both"));
        return std::nullopt;
    }
    const DateAndHourInput moment = ReadDateAndHour(words, *date, period, time);
    if (!moment.value) {
        *error = moment.error;
        return std::nullopt;
    }
    CastInput input;
    if (const std::string* question = arguments.Value("--question")) {
        const QuestionInput read = ReadQuestion(words, *question);
        if (!read.question) {
            *error = read.error;
            return std::nullopt;
        }
        input.question = *read.question;
    }
    const DateAndHour& given = *moment.value;
    if (arguments.Flag("--traditional")) {
        input.request = Traditional{given.date, given.period, given.time};
    } else {
        input.request = TargetTime{given.date, given.period, given.time};
    }
    return input;
}

int Run(const CommandRun& run, std::string* error) {
    std::optional<CastInput> input = ReadInput(run, error);
    if (!input) {
        return kBadInput;
    }
    const std::unique_ptr<Session> session = run.OpenSession();
    // The date and the hour have been checked: the calendar can cast them.
    const std::optional<CastResult> result =
        session->Cast(input->request, std::move(input->question));
    if (!result) {
        return kBadInput;
    }
    const ReadingReport report = ReportOf(*result);
    const std::string output =
        run.arguments.Flag("--json")
            ? QJsonDocument(ReportJson(report)).toJson(QJsonDocument::Compact).toStdString() + "\n"
            : ReadingTable(run.words, report);
    int status = Print(run.out, run.err, run.words, output);

    if (run.arguments.Flag("--log")) {
        FileError failure;
        if (run.arguments.Flag("--user-data")) {
            failure = CreateDirectories(session->DataDirectory());
        }
        if (!failure.Failed()) {
            failure = session->Log(*result);
        }
        if (failure.Failed()) {
            run.err << "zandrel: " << FileErrorMessage(run.words, failure) << "\n";
            status = kFileError;
        }
    }
    return status;
}

} // namespace

const Command& CastCommand() {
    static const Command command{
        "cast", kValueOptions, kFlagOptions,
        QT_TRANSLATE_NOOP(
            "Commands",
            "  zandrel cast --date YYYY-MM-DD (--period N | --time HH:MM) [--question TEXT]\n"
            "               [--traditional] [--json] [--log] [--user-data]\n"
            "      Prints the reading of a target time query: the date's year, month and day\n"
            "      and the two-hour period N (1 is 11PM - 1AM, 12 is 9PM - 11PM) or the one\n"
            "      that holds the time. With --traditional, casts by the lunar date and hour\n"
            "      instead. --json prints one JSON object, --log also adds the entry to the\n"
            "      query log. Dates run from 1998-01-01 to 2099-12-31.\n"),
        Run};
    return command;
}

} // namespace zandrel
