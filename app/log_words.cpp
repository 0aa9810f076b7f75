#include "app/log_words.h"

#include "log/query_log.h"
#include "platform/qt_text.h"

#include <QDateTime>
#include <QLocale>

#include <optional>

namespace zandrel {

std::string LogTextInLanguage(const Vocabulary& words, std::string log) {
    const QString head = words.translate("LogWords", "[Your query on %1]");
    const QString reply = words.translate("LogWords", "[Auvrel's reply]");
    if (head == QLatin1String("[Your query on %1]") && reply == QLatin1String("[Auvrel's reply]")) {
        return log; // the log's own frame: not copied
    }
    std::string_view text = log;
    //: The time of a log entry as a QDateTime format: "Friday, December 11, 2026 06:15:00"
    const QString format = words.translate("LogWords", "dddd, MMMM dd, yyyy HH:mm:ss");
    const QLocale locale(ToQString(LanguageCode(words.Speaks())));
    std::string shown;
    shown.reserve(text.size() + text.size() / 8);
    // The entry's own reply line is the first after its header that follows an empty line (the
    // question ends with one); the question and the texts of a reading may hold anything.
    bool replyPending = false;
    bool afterEmpty = false;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        const std::string_view line = text.substr(0, end);
        const std::string_view ending =
            end == std::string_view::npos ? std::string_view() : text.substr(end, 2);
        text.remove_prefix(line.size() + ending.size());
        if (const std::optional<std::tm> time = ReadLogHeadTime(line)) {
            const QDate date(time->tm_year + 1900, time->tm_mon + 1, time->tm_mday);
            const QTime clock(time->tm_hour, time->tm_min, time->tm_sec);
            if (date.isValid() && clock.isValid() && date.dayOfWeek() % 7 == time->tm_wday) {
                shown += ToUtf8(head.arg(locale.toString(QDateTime(date, clock), format)));
                shown += ending;
                replyPending = true;
                afterEmpty = false;
                continue;
            }
        }
        if (replyPending && afterEmpty && line == kLogReplyLine) {
            shown += ToUtf8(reply);
            replyPending = false;
        } else {
            shown += line;
        }
        shown += ending;
        afterEmpty = line.empty();
    }
    return shown;
}

} // namespace zandrel
