#include "ui/commands.h"

#include "core/casting.h"
#include "core/control_pictures.h"
#include "core/lunar_calendar.h"
#include "core/reading.h"
#include "log/query_log.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "text/chinese_names.h"
#include "text/hexagram_text.h"
#include "text/reading_text.h"
#include "ui/command_line.h"
#include "ui/data_directory.h"
#include "ui/date_input.h"
#include "ui/interface_language.h"
#include "ui/lunar_labels.h"
#include "ui/query_dlg.h"
#include "ui/reading_labels.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <ostream>
#include <set>

namespace zandrel {
namespace {

class Commands {
    Q_DECLARE_TR_FUNCTIONS(Commands)
};

std::string Tr(const char* text) {
    return ToUtf8(Commands::tr(text));
}

constexpr std::array<std::string_view, 3> kCommands = {"cast", "lunar", "text"};

constexpr int kBadInput = 2;

// Keeps the one line that says what is wrong with the input, for the caller to print.
std::nullopt_t Refuse(std::string* error, std::string message) {
    *error = std::move(message);
    return std::nullopt;
}

// The options and the plain arguments of a command line. An option with a value takes it
// from "--name=value" or from the next argument.
struct ParsedArguments {
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::string, std::less<>> flags;
    std::vector<std::string> plain;
    bool help = false;
    std::string error;

    bool Flag(std::string_view name) const { return flags.find(name) != flags.end(); }
    const std::string* Value(std::string_view name) const {
        const auto found = values.find(name);
        return found == values.end() ? nullptr : &found->second;
    }
};

ParsedArguments ParseArguments(const std::vector<std::string>& arguments,
                               std::initializer_list<std::string_view> valueOptions,
                               std::initializer_list<std::string_view> flagOptions) {
    ParsedArguments parsed;
    const auto among = [](std::initializer_list<std::string_view> list, std::string_view name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            parsed.help = true;
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-') {
            parsed.plain.push_back(argument);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (among(valueOptions, name)) {
            if (equals != std::string::npos) {
                parsed.values[name] = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                parsed.values[name] = arguments[++i];
            } else {
                parsed.error = FillIn(Commands::tr("option '%1' needs a value"), {name});
                return parsed;
            }
        } else if (among(flagOptions, name) && equals == std::string::npos) {
            parsed.flags.insert(name);
        } else if (among(flagOptions, name)) {
            parsed.error = FillIn(Commands::tr("option '%1' takes no value"), {name});
            return parsed;
        } else {
            parsed.error = FillIn(Commands::tr("unknown option '%1'"), {argument});
            return parsed;
        }
    }
    return parsed;
}

// A whole number first..last written in decimal digits, or nothing.
std::optional<int> ParseNumber(std::string_view text, int first, int last) {
    if (text.empty() || text.size() > 3) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value >= first && value <= last ? std::optional<int>(value) : std::nullopt;
}

// The question as the question dialog would hold it: lines joined by a blank, a line break at
// the end dropped; at most kMaxQuestionCharacters characters of UTF-8.
std::optional<std::string> QuestionOf(const std::string& text, std::string* error) {
    const QByteArray bytes = QByteArray::fromStdString(text);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString question = utf8(bytes);
    if (utf8.hasError()) {
        return Refuse(error, Tr(QT_TRANSLATE_NOOP("Commands", "the question is not UTF-8 text")));
    }
    static const QRegularExpression trailing(QStringLiteral("[\\r\\n]+$"));
    static const QRegularExpression inner(QStringLiteral("[\\r\\n]+"));
    question.remove(trailing);
    question.replace(inner, QStringLiteral(" "));
    const int characters = CharacterCount(question);
    if (characters > kMaxQuestionCharacters) {
        return Refuse(error,
                      ToUtf8(Commands::tr("the question has %1 characters; the question dialog "
                                          "takes at most %2")
                                 .arg(characters)
                                 .arg(kMaxQuestionCharacters)));
    }
    return ToUtf8(question);
}

// What the commands print; a failure to print it is a failure of the command.
int Print(std::ostream& out, std::ostream& err, const std::string& text) {
    out << text << std::flush;
    if (!out) {
        err << "zandrel: "
            << Tr(QT_TRANSLATE_NOOP("Commands", "cannot write to the standard output")) << "\n";
        return 1;
    }
    return 0;
}

std::string DataDirectory(bool userData) {
    return userData ? UserDataDirectory() : CurrentDirectory();
}

QString Q(const std::string& text) {
    return ToQString(text);
}

std::string UnexpectedArgument(const std::string& argument) {
    return FillIn(Commands::tr("unexpected argument '%1'"), {argument});
}

std::optional<ChineseScript> Script() {
    return ScriptOf(InterfaceLanguage());
}

// Columns of `text` on a terminal: two for each wide (CJK) character, one for the others.
std::size_t Columns(std::string_view text) {
    const QString decoded = ToQString(text);
    std::size_t columns = 0;
    for (const QChar c : decoded) {
        if (c.isLowSurrogate()) {
            continue;
        }
        columns += c.unicode() >= 0x1100 && (c.unicode() < 0x2000 || c.unicode() >= 0x2E80) ? 2 : 1;
    }
    return columns;
}

// --- cast ---------------------------------------------------------------------------------

struct CastRequest {
    CivilDate date;
    std::optional<int> period; // 1..12, as listed
    std::optional<ClockTime> time;
    std::string question;
    bool traditional = false;
    bool json = false;
    bool log = false;
    bool userData = false;
};

std::optional<CastRequest> ReadCastRequest(const ParsedArguments& parsed, std::string* error) {
    if (!parsed.plain.empty()) {
        return Refuse(error, UnexpectedArgument(parsed.plain.front()));
    }
    CastRequest request;
    const std::string* date = parsed.Value("--date");
    if (date == nullptr) {
        return Refuse(error,
                      Tr(QT_TRANSLATE_NOOP("Commands", "give the date with --date YYYY-MM-DD")));
    }
    const DateInput dateInput = ReadCalendarDate(*date);
    if (!dateInput.date) {
        return Refuse(error, dateInput.error);
    }
    request.date = *dateInput.date;
    const std::string* period = parsed.Value("--period");
    const std::string* time = parsed.Value("--time");
    if ((period == nullptr) == (time == nullptr)) {
        return Refuse(
            error,
            period == nullptr
                ? Tr(QT_TRANSLATE_NOOP("Commands", "give the hour with --period N or --time HH:MM"))
                : Tr(QT_TRANSLATE_NOOP("Commands", "give either --period or --time, not both")));
    }
    if (period != nullptr) {
        request.period = ParseNumber(*period, 1, kPeriodCount);
        if (!request.period) {
            return Refuse(error,
                          FillIn(Commands::tr("'%1' is not a period: give 1 (%2) to 12 (%3)"),
                                 {*period, PeriodEntries().front(), PeriodEntries().back()}));
        }
    } else {
        const TimeInput timeInput = ReadClockTime(*time);
        if (!timeInput.time) {
            return Refuse(error, timeInput.error);
        }
        request.time = timeInput.time;
    }
    if (const std::string* question = parsed.Value("--question")) {
        const std::optional<std::string> folded = QuestionOf(*question, error);
        if (!folded) {
            return std::nullopt;
        }
        request.question = *folded;
    }
    request.traditional = parsed.Flag("--traditional");
    request.json = parsed.Flag("--json");
    request.log = parsed.Flag("--log");
    request.userData = parsed.Flag("--user-data");
    return request;
}

// The period of a clock time: 23:00 to 00:59 is the first.
int PeriodOf(ClockTime time) {
    return HourBranch(time).value_or(1);
}

// The clock time a period starts at: 23:00 for the first.
ClockTime PeriodStart(int period) {
    return {PeriodStartHour(period), 0};
}

std::string PositionName(Position position) {
    constexpr std::array<const char*, kPositionCount> kNames = {
        QT_TRANSLATE_NOOP("Commands", "Outer trigram"),
        QT_TRANSLATE_NOOP("Commands", "Inner trigram"),
        QT_TRANSLATE_NOOP("Commands", "Upper nuclear trigram"),
        QT_TRANSLATE_NOOP("Commands", "Lower nuclear trigram"),
        QT_TRANSLATE_NOOP("Commands", "Final outer trigram"),
        QT_TRANSLATE_NOOP("Commands", "Final inner trigram")};
    return Tr(kNames[static_cast<std::size_t>(position)]);
}

std::string PositionKey(Position position) {
    constexpr std::array<std::string_view, kPositionCount> kKeys = {
        "outer", "inner", "nuclear_upper", "nuclear_lower", "final_outer", "final_inner"};
    return std::string(kKeys[static_cast<std::size_t>(position)]);
}

// "use; unfavourable: body feeds use", "body", "favourable: same element"; in Chinese with the
// classical names (用；不利：体生用).
std::string JudgementText(const Reading& reading, Position position) {
    const ElementMark& mark = reading.Mark(position);
    const auto script = Script();
    QString role;
    if (position == Position::Outer || position == Position::Inner) {
        role = Q(script ? RoleText(position == reading.BodyPosition())
                        : std::string(position == reading.BodyPosition() ? "body" : "use"));
    }
    if (mark.isBody) {
        return ToUtf8(role);
    }
    const QString relation =
        Q(script ? std::string(RelationName(*script, mark.relation)) : RelationText(mark.relation));
    const QString judgement = mark.Favourable() ? Commands::tr("favourable: %1").arg(relation)
                                                : Commands::tr("unfavourable: %1").arg(relation);
    //: A trigram's role, then how its element stands to the body's
    return ToUtf8(role.isEmpty() ? judgement : Commands::tr("%1; %2").arg(role, judgement));
}

std::string Padded(std::string text, std::size_t width) {
    if (const std::size_t columns = Columns(text); columns < width) {
        text.append(width - columns, ' ');
    }
    return text;
}

// A hexagram's number, and in Chinese its name: "12", "12 天地否".
std::string HexagramWords(Hexagram n) {
    const auto script = Script();
    return script ? NumberText(n) + " " + std::string(HexagramFullName(*script, n)) : NumberText(n);
}

// A trigram's number, and in Chinese its name: "1", "1 乾".
std::string TrigramWords(Trigram t) {
    const auto script = Script();
    return script ? NumberText(t) + " " + std::string(TrigramName(*script, t)) : NumberText(t);
}

std::string CastText(const CastRequest& request, const std::string& when, const Reading& reading,
                     const ReadingText& blocks) {
    std::string text = when + "\n";
    text += FillIn(Commands::tr("Question: %1"), {request.question}) + "\n";
    text += ToUtf8(Commands::tr("Original hexagram %1, change line %2, final hexagram %3")
                       .arg(Q(HexagramWords(reading.original)), Q(NumberText(reading.changeLine)),
                            Q(HexagramWords(reading.final)))) +
            "\n";
    const std::size_t numberWidth = Script() ? 6 : 3;
    for (int p = 0; p < kPositionCount; ++p) {
        const auto position = static_cast<Position>(p);
        const Trigram trigram = reading.TrigramAt(position);
        text += Padded(PositionName(position), 23) + Padded(TrigramWords(trigram), numberWidth) +
                Padded(ElementWord(ElementOfTrigram(trigram)), 7) +
                JudgementText(reading, position) + "\n";
    }
    return text + "\n" + TerminalText(blocks.originalText + blocks.lineText + blocks.finalText);
}

QJsonObject LunarJson(const LunarDate& lunar, std::optional<int> hourBranch) {
    QJsonObject object{
        {"year", lunar.year},
        {"year_stem", lunar.yearStem},
        {"year_branch", lunar.yearBranch},
        {"year_name", Q(StemBranchName(lunar.yearStem, lunar.yearBranch))},
        {"animal", Q(AnimalName(lunar.yearBranch))},
        {"month", lunar.month},
        {"leap", lunar.leap},
        {"day", lunar.day},
        {"text", Q(LunarDateText(lunar, hourBranch))},
        {"chinese", Q(LunarDateChineseText(lunar, hourBranch))},
    };
    if (hourBranch) {
        object["hour_branch"] = *hourBranch;
        object["hour_name"] = Q(BranchName(*hourBranch));
    }
    return object;
}

std::string JsonLine(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

int Cast(const ParsedArguments& parsed, std::ostream& out, std::ostream& err, std::string* error) {
    const std::optional<CastRequest> read = ReadCastRequest(parsed, error);
    if (!read) {
        return kBadInput;
    }
    const CastRequest& request = *read;

    CastValues cast;
    std::string when;
    QJsonObject json{{"date", Q(CivilDateText(request.date))}};
    if (request.time) {
        json["time"] = Q(ClockTimeText(*request.time));
    }
    if (request.traditional) {
        const ClockTime time = request.time.value_or(PeriodStart(request.period.value_or(1)));
        // The date and time have been checked: the calendar has both.
        cast = TraditionalCast(request.date, time).value_or(CastValues{1, 1, 1});
        const LunarDate lunar = LunarDateOf(request.date).value_or(LunarDate{});
        const std::optional<int> hour = HourBranch(time);
        const std::string civil =
            CivilDateText(request.date) + (request.time ? " " + ClockTimeText(*request.time) : "");
        const auto script = Script();
        when = ToUtf8(
            Commands::tr("Traditional time query: %1, %2")
                .arg(Q(civil), Q(script ? LunarDateChineseText(lunar, hour,
                                                               *script == ChineseScript::Simplified)
                                        : LunarDateText(lunar, hour))));
        json["method"] = "traditional";
        json["lunar"] = LunarJson(lunar, hour);
    } else {
        const int period = request.period.value_or(request.time ? PeriodOf(*request.time) : 1);
        cast = TimeCast(request.date.year - kFirstYear, request.date.month - 1,
                        request.date.day - 1, period - 1, request.question);
        when = ToUtf8(Commands::tr("Target time query: %1, period %2 (%3)")
                          .arg(Q(CivilDateText(request.date) +
                                 (request.time ? " " + ClockTimeText(*request.time) : "")),
                               Q(NumberText(period)),
                               Q(PeriodEntries()[static_cast<std::size_t>(period - 1)])));
        json["method"] = "target time";
        json["period"] = period;
    }

    const std::string directory = DataDirectory(request.userData);
    HexagramTexts texts{};
    LoadCustomTexts(texts, directory);
    const Reading reading = ComputeReading(cast.outer, cast.inner, cast.changeLine);
    const ReadingText blocks = ComposeReadingText(texts, reading, InterfaceLanguage());

    std::string output;
    if (request.json) {
        json["question"] = Q(request.question);
        json["outer"] = reading.outer;
        json["inner"] = reading.inner;
        json["change_line"] = reading.changeLine;
        json["original"] = reading.original;
        json["final"] = reading.final;
        json["body"] = reading.bodyIsOuter ? "outer" : "inner";
        QJsonArray trigrams;
        for (int p = 0; p < kPositionCount; ++p) {
            const auto position = static_cast<Position>(p);
            const ElementMark& mark = reading.Mark(position);
            QJsonObject trigram{
                {"position", Q(PositionKey(position))},
                {"trigram", reading.TrigramAt(position)},
                {"element", Q(ElementName(mark.element))},
                {"body", mark.isBody},
            };
            if (!mark.isBody) {
                trigram["favourable"] = mark.Favourable();
                trigram["relation"] = Q(RelationText(mark.relation));
            }
            trigrams.append(trigram);
        }
        json["trigrams"] = trigrams;
        // Exactly as the window shows it and the log keeps it, line ends and all.
        json["text"] = Q(blocks.originalText + blocks.lineText + blocks.finalText);
        output = JsonLine(json);
    } else {
        output = CastText(request, when, reading, blocks);
    }
    int status = Print(out, err, output);

    if (request.log) {
        FileError error;
        if (request.userData) {
            error = CreateDirectories(directory);
        }
        if (!error.Failed()) {
            error = AppendLogEntry(directory, LogEntryBytes(request.question, blocks.originalText,
                                                            blocks.lineText, blocks.finalText,
                                                            CurrentLocalTime()));
        }
        if (error.Failed()) {
            err << "zandrel: " << FileErrorMessage(error) << "\n";
            status = 1;
        }
    }
    return status;
}

// --- lunar --------------------------------------------------------------------------------

int Lunar(const ParsedArguments& parsed, std::ostream& out, std::ostream& err, std::string* error) {
    if (parsed.plain.empty()) {
        *error = Tr(QT_TRANSLATE_NOOP("Commands", "give the date as YYYY-MM-DD"));
        return kBadInput;
    }
    if (parsed.plain.size() > 2) {
        *error = UnexpectedArgument(parsed.plain[2]);
        return kBadInput;
    }
    const DateInput date = ReadCalendarDate(parsed.plain[0]);
    if (!date.date) {
        *error = date.error;
        return kBadInput;
    }
    std::optional<int> hour;
    std::optional<ClockTime> time;
    if (parsed.plain.size() == 2) {
        const TimeInput timeInput = ReadClockTime(parsed.plain[1]);
        if (!timeInput.time) {
            *error = timeInput.error;
            return kBadInput;
        }
        time = timeInput.time;
        hour = HourBranch(*time);
    }
    const LunarDate lunar = LunarDateOf(*date.date).value_or(LunarDate{});
    if (parsed.Flag("--json")) {
        QJsonObject json = LunarJson(lunar, hour);
        json["date"] = Q(CivilDateText(*date.date));
        if (time) {
            json["time"] = Q(ClockTimeText(*time));
        }
        return Print(out, err, JsonLine(json));
    }
    return Print(out, err, LunarDateLines(lunar, hour) + "\n");
}

// --- text ---------------------------------------------------------------------------------

int Text(const ParsedArguments& parsed, std::ostream& out, std::ostream& err, std::string* error) {
    if (parsed.plain.empty()) {
        *error = Tr(QT_TRANSLATE_NOOP("Commands", "give the hexagram's number, 1 to 64"));
        return kBadInput;
    }
    if (parsed.plain.size() > 1) {
        *error = UnexpectedArgument(parsed.plain[1]);
        return kBadInput;
    }
    const std::optional<int> n = ParseNumber(parsed.plain[0], 1, kHexagramCount);
    if (!n) {
        *error = FillIn(Commands::tr("'%1' is not a hexagram: give 1 to 64"), {parsed.plain[0]});
        return kBadInput;
    }
    HexagramTexts texts{};
    LoadCustomTexts(texts, DataDirectory(parsed.Flag("--user-data")));
    return Print(out, err, TerminalText(FullHexagramText(texts, *n, InterfaceLanguage())));
}

} // namespace

bool IsCommandName(std::string_view name) {
    return std::find(kCommands.begin(), kCommands.end(), name) != kCommands.end();
}

int RunCommand(std::string_view name, const std::vector<std::string>& arguments, std::ostream& out,
               std::ostream& err, Language language) {
    const auto parse = [&] {
        if (name == "cast") {
            return ParseArguments(arguments,
                                  {"--date", "--period", "--time", "--question", "--language"},
                                  {"--traditional", "--json", "--log", "--user-data"});
        }
        if (name == "lunar") {
            return ParseArguments(arguments, {"--language"}, {"--json"});
        }
        return ParseArguments(arguments, {"--language"}, {"--user-data"});
    };
    // The language first, so that every word after it is in it, the complaints too.
    const ParsedArguments first = parse();
    const std::string* named = first.Value("--language");
    const std::optional<Language> chosen = named ? LanguageNamed(*named) : std::nullopt;
    const PrintingLanguage session(chosen.value_or(language));
    const ParsedArguments parsed = parse();
    const std::string prefix = "zandrel " + std::string(name) + ": ";
    if (!parsed.error.empty()) {
        err << prefix << parsed.error << "\n";
        return kBadInput;
    }
    if (named != nullptr && !chosen) {
        err << prefix << UnknownLanguageText(*named) << "\n";
        return kBadInput;
    }
    if (parsed.help) {
        return Print(out, err, UsageText());
    }
    std::string error;
    const int status = name == "cast"    ? Cast(parsed, out, err, &error)
                       : name == "lunar" ? Lunar(parsed, out, err, &error)
                                         : Text(parsed, out, err, &error);
    if (status == kBadInput) {
        err << prefix << error << "\n";
    }
    return status;
}

std::string CommandUsageText() {
    return Tr(QT_TRANSLATE_NOOP(
        "Commands",
        "Commands, which need no display:\n"
        "  zandrel cast --date YYYY-MM-DD (--period N | --time HH:MM) [--question TEXT]\n"
        "               [--traditional] [--json] [--log] [--user-data]\n"
        "      Prints the reading of a target time query: the date's year, month and day\n"
        "      and the two-hour period N (1 is 11PM - 1AM, 12 is 9PM - 11PM) or the one\n"
        "      that holds the time. With --traditional, casts by the lunar date and hour\n"
        "      instead. --json prints one JSON object, --log also adds the entry to the\n"
        "      query log. Dates run from 1998-01-01 to 2099-12-31.\n"
        "  zandrel lunar YYYY-MM-DD [HH:MM] [--json]\n"
        "      Prints the lunar date, and the hour of the time.\n"
        "  zandrel text N [--user-data]\n"
        "      Prints the full text of hexagram N (1 to 64), as the text browser shows it.\n"
        "  Each takes --language LANG too, and then prints in that language.\n"
        "  Their lines end in LF; in the JSON \"text\" the reading keeps the CR LF of the\n"
        "  log. Exit status: 0 done, 1 a file error, 2 bad input.\n"));
}

std::string TerminalText(std::string_view text) {
    const QString decoded = ToQString(text);
    QString shown;
    shown.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const char16_t c = decoded[i].unicode();
        if (c == u'\r' && i + 1 < decoded.size() && decoded[i + 1] == u'\n') {
            continue; // the LF that follows ends the line
        }
        shown.append(QChar(static_cast<char16_t>(VisibleCharacter(c))));
    }
    return ToUtf8(shown);
}

} // namespace zandrel
