// zandrel cast: the reading of a target time or traditional time query, or of a cast from
// numbers, characters or trigrams, as a table or JSON, and with --log the entry the window
// would write.

#include "app/case_book_words.h"
#include "app/cast_request.h"
#include "app/count_input.h"
#include "app/data_directory.h"
#include "app/date_input.h"
#include "app/file_error_message.h"
#include "app/question.h"
#include "app/reading_details.h"
#include "app/reading_report.h"
#include "cli/command.h"
#include "cli/convention_options.h"
#include "cli/reading_table.h"
#include "cli/terminal.h"
#include "core/periods.h"
#include "platform/json_text.h"
#include "platform/local_time.h"
#include "platform/qt_text.h"

#include <QJsonObject>

#include <algorithm>
#include <ostream>

namespace zandrel {
namespace {

constexpr std::string_view kValueOptions[] = {
    "--date",    "--period",     "--time",       "--question", "--language",
    "--numbers", "--characters", "--trigrams",   "--rule",     "--strokes",
    "--count",   "--line",       "--year-start", "--zi-hour",  "--longitude"};
constexpr std::string_view kFlagOptions[] = {"--traditional", "--json", "--log", "--user-data",
                                             "--details"};
constexpr std::string_view kRepeatableOptions[] = {"--count"};

// The options that choose a way of casting, and those that only one of them takes.
constexpr std::string_view kMethodOptions[] = {"--numbers", "--characters", "--trigrams",
                                               "--traditional"};
struct OwnOption {
    std::string_view option;
    std::string_view method;
};
constexpr OwnOption kOwnOptions[] = {
    {"--rule", "--numbers"},     {"--rule", "--characters"}, {"--strokes", "--characters"},
    {"--count", "--characters"}, {"--line", "--trigrams"},
};

struct CastInput {
    CastRequest request;
    std::string question;
};

bool Given(const ParsedArguments& arguments, std::string_view option) {
    return arguments.Flag(option) || arguments.Value(option) != nullptr;
}

// The method option given, "" for a target time query; an error where there are several.
std::optional<std::string_view> MethodOption(const ParsedArguments& arguments,
                                             const Vocabulary& words, std::string* error) {
    std::string_view method;
    for (const std::string_view option : kMethodOptions) {
        if (Given(arguments, option)) {
            if (!method.empty()) {
                *error = FillIn(words.translate("Commands", "give %1 or %2, not both"),
                                {method, option});
                return std::nullopt;
            }
            method = option;
        }
    }
    for (const OwnOption& own : kOwnOptions) {
        const bool belongs =
            std::any_of(std::begin(kOwnOptions), std::end(kOwnOptions), [&](const OwnOption& o) {
                return o.option == own.option && o.method == method;
            });
        if (Given(arguments, own.option) && !belongs) {
            *error = FillIn(words.translate("Commands", "option '%1' goes with %2"),
                            {own.option, own.method});
            return std::nullopt;
        }
    }
    return method;
}

// The date and the hour of a cast from counts: those given, else the present's.
std::optional<CastMoment> ReadMoment(const ParsedArguments& arguments, const Vocabulary& words,
                                     std::string* error) {
    const std::tm now = CurrentLocalTime();
    const std::string today = CivilDateText({now.tm_year + 1900, now.tm_mon + 1, now.tm_mday});
    const std::string nowTime = ClockTimeText({now.tm_hour, now.tm_min});
    const std::string* date = arguments.Value("--date");
    const std::string* period = arguments.Value("--period");
    const std::string* time = arguments.Value("--time");
    if (period != nullptr && time != nullptr) {
        *error = ToUtf8(words.translate("Commands", "give either --period or --time, not both"));
        return std::nullopt;
    }
    const DateAndHourInput moment =
        ReadDateAndHour(words, date ? *date : today, period, period || time ? time : &nowTime);
    if (!moment.value) {
        *error = moment.error;
        return std::nullopt;
    }
    const DateAndHour& given = *moment.value;
    return CastMoment{given.date, given.time.value_or(ClockTime{PeriodStartHour(given.period), 0})};
}

// The request of a cast by numbers, characters or trigrams.
std::optional<CastRequest> ReadCountCast(const ParsedArguments& arguments, const Vocabulary& words,
                                         std::string_view method, std::string* error) {
    const std::optional<CastMoment> moment = ReadMoment(arguments, words, error);
    if (!moment) {
        return std::nullopt;
    }
    CountCastForm form;
    form.moment = *moment;
    form.rule = arguments.Value("--rule") ? *arguments.Value("--rule") : "";
    form.counts = arguments.Values("--count");
    if (method == "--characters") {
        if (!arguments.plain.empty()) {
            *error = UnexpectedArgument(words, arguments.plain.front());
            return std::nullopt;
        }
        form.method = CountMethod::Characters;
        form.items = {*arguments.Value(method)};
    } else {
        form.method = method == "--numbers" ? CountMethod::Numbers : CountMethod::Trigrams;
        form.items = InputItems(*arguments.Value(method));
        form.items.insert(form.items.end(), arguments.plain.begin(), arguments.plain.end());
    }
    if (const std::string* line = arguments.Value("--line")) {
        if (form.items.size() != 2) {
            *error = ToUtf8(words.translate(
                "Commands", "give the change line once: with --line or after the trigrams"));
            return std::nullopt;
        }
        form.items.push_back(*line);
    }
    if (const std::string* strokes = arguments.Value("--strokes")) {
        const std::optional<StrokeCount> count = StrokeCountNamed(*strokes);
        if (!count) {
            *error =
                ToUtf8(words.translate("Commands", "give --strokes modern or --strokes kangxi"));
            return std::nullopt;
        }
        form.strokes = *count;
    }
    CountCastInput input = ReadCountCast(words, form);
    *error = input.error;
    return std::move(input.request);
}

// The request of a target time or traditional time query.
std::optional<CastRequest> ReadTimeCast(const ParsedArguments& arguments, const Vocabulary& words,
                                        std::string* error) {
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
    const DateAndHour& given = *moment.value;
    if (arguments.Flag("--traditional")) {
        return Traditional{given.date, given.period, given.time};
    }
    return TargetTime{given.date, given.period, given.time};
}

std::optional<CastInput> ReadInput(const CommandRun& run, std::string* error) {
    const ParsedArguments& arguments = run.arguments;
    const Vocabulary& words = run.words;
    const std::optional<std::string_view> method = MethodOption(arguments, words, error);
    if (!method) {
        return std::nullopt;
    }
    const bool fromCounts = !method->empty() && *method != "--traditional";
    std::optional<CastRequest> request = fromCounts
                                             ? ReadCountCast(arguments, words, *method, error)
                                             : ReadTimeCast(arguments, words, error);
    if (!request) {
        return std::nullopt;
    }
    CastInput input{std::move(*request), {}};
    if (const std::string* question = arguments.Value("--question")) {
        const QuestionInput read = ReadQuestion(words, *question);
        if (!read.question) {
            *error = read.error;
            return std::nullopt;
        }
        input.question = *read.question;
    }
    return input;
}

int Run(const CommandRun& run, std::string* error) {
    std::optional<CastInput> input = ReadInput(run, error);
    if (!input) {
        return kBadInput;
    }
    const std::optional<ReadingConventions> conventions = ReadConventions(run, error);
    if (!conventions) {
        return kBadInput;
    }
    const std::unique_ptr<Session> session = run.OpenSession();
    // The input has been checked: every request read can be cast.
    const std::optional<CastResult> result =
        session->Cast(input->request, std::move(input->question));
    if (!result) {
        return kBadInput;
    }
    // The entry is written before anything is printed, so that an output closed early (a pipe
    // into head) cannot stop the program before it logs.
    int status = kDone;
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
        // The case book never fails a cast: what is wrong with it is only told.
        session->FlushCaseBook();
        if (const std::optional<CaseBookError> problem = session->TakeCaseBookProblem()) {
            run.err << "zandrel: " << TerminalText(CaseBookErrorMessage(run.words, *problem))
                    << "\n";
        }
    }
    const ReadingReport report = ReportOf(*result);
    const ReadingDetails details = DetailsOf(*result, *conventions);
    std::string output;
    if (run.arguments.Flag("--json")) {
        QJsonObject json = ReportJson(report);
        const QJsonObject more = DetailsJson(details);
        for (auto it = more.begin(); it != more.end(); ++it) {
            json.insert(it.key(), it.value());
        }
        output = CompactJson(json) + "\n";
    } else {
        output = ReadingTable(run.words, report);
        if (run.arguments.Flag("--details")) {
            output += "\n" + DetailsText(run.words, details);
        }
    }
    return std::max(status, Print(run.out, run.err, run.words, output));
}

} // namespace

const Command& CastCommand() {
    static const Command command{
        "cast",
        kValueOptions,
        kFlagOptions,
        QT_TRANSLATE_NOOP(
            "Commands",
            "  zandrel cast --date YYYY-MM-DD (--period N | --time HH:MM) [--question TEXT]\n"
            "               [--traditional] [--json] [--log] [--user-data] [--details]\n"
            "               [--year-start lunar|lichun] [--zi-hour same-day|next-day]\n"
            "               [--longitude DEG]\n"
            "      Prints the reading of a target time query: the date's year, month and day\n"
            "      and the two-hour period N (1 is 11PM - 1AM, 12 is 9PM - 11PM) or the one\n"
            "      that holds the time. With --traditional, casts by the lunar date and hour\n"
            "      instead. --json prints one JSON object, --log also adds the entry to the\n"
            "      query log. Dates run from 1998-01-01 to 2099-12-31.\n"
            "      --details also prints the four pillars and the solar term of the cast's\n"
            "      moment, the strength of each trigram's element in the season, body and use\n"
            "      at each stage, the nuclear, opposite and reversed hexagrams and the\n"
            "      conditions of timing; --json always holds them. --year-start lunar|lichun,\n"
            "      --zi-hour same-day|next-day and --longitude DEG (true solar time at DEG\n"
            "      degrees east) override the settings file for one reading; they change the\n"
            "      details only, never the cast.\n"
            "  zandrel cast --numbers A [B [C]] [--rule RULE]\n"
            "  zandrel cast --characters TEXT [--strokes modern|kangxi] [--count CHAR=N ...]\n"
            "               [--rule RULE]\n"
            "  zandrel cast --trigrams OUTER INNER [--line N]\n"
            "               [--date YYYY-MM-DD] [--time HH:MM | --period N] [--question TEXT]\n"
            "               [--json] [--log] [--user-data]\n"
            "      Casts from counts: each value is a sum divided by 8 (a trigram) or 6 (the\n"
            "      change line), a remainder of 0 counting as 8 or 6. The hour is the branch\n"
            "      number of the time (11PM - 1AM is 1, 11AM - 1PM is 7); it is now's unless\n"
            "      --date, --time or --period give another.\n"
            "      Numbers 1 to 999999999. One number: outer from it, inner from the hour, line\n"
            "      from both (rule inner-from-hour), or inner and line from it and the hour\n"
            "      (inner-from-sum). Two: outer from A, inner from B, line from A + B\n"
            "      (line-without-hour) or A + B + hour (line-with-hour; a measure in zhang and\n"
            "      chi is cast so). Three: line from C (line-from-third) or A + B + C\n"
            "      (line-from-sum). Example: --numbers 27 15 gives outer 27 mod 8 = 3 Fire,\n"
            "      inner 15 mod 8 = 7 Mountain, change line (27 + 15) mod 6 = 0, so 6.\n"
            "      Characters: Chinese characters only, others are left out. Two to ten: the\n"
            "      first half (the smaller when odd) gives the outer, the rest the inner, all\n"
            "      the line (halves); eleven or more count characters instead of strokes\n"
            "      (count). One character by its two parts, radical and rest unless --count\n"
            "      CHAR=L+R gives them (parts), or by its strokes and the hour\n"
            "      (strokes-and-hour). --count CHAR=N sets a character's count. Example:\n"
            "      --characters 天地人: 天 4 over 地 6 + 人 2 = 8, line 12 mod 6 = 0, so 6.\n"
            "      Trigrams: 1 to 8, a name (li, 離), an image (fire, 火) or the direction of\n"
            "      the later-heaven arrangement (south, 南); the line from outer + inner +\n"
            "      hour, or as --line gives it. Example: --trigrams south north at 12:00\n"
            "      gives 3 over 6, change line (3 + 6 + 7) mod 6 = 4.\n"),
        Run,
        kRepeatableOptions};
    return command;
}

} // namespace zandrel
