#include "app/lunar_facts.h"

#include "app/languages.h"
#include "app/lunar_words.h"
#include "app/vocabulary.h"
#include "platform/qt_text.h"

namespace zandrel {

QJsonObject LunarJson(const LunarDate& date, std::optional<int> hourBranch) {
    // The JSON keeps the English words in every language.
    const Vocabulary& words = Vocabulary::Of(Language::English);
    const Vocabulary& chinese = Vocabulary::Of(RowOf(words.Speaks()).chineseDates);
    QJsonObject object{
        {"year", date.year},
        {"year_stem", date.yearStem},
        {"year_branch", date.yearBranch},
        {"year_name", ToQString(StemBranchName(words, date.yearStem, date.yearBranch))},
        {"animal", ToQString(words.AnimalName(date.yearBranch))},
        {"month", date.month},
        {"leap", date.leap},
        {"day", date.day},
        {"text", ToQString(LunarDateText(words, date, hourBranch))},
        {"chinese", ToQString(LunarDateChineseText(chinese, date, hourBranch))},
    };
    if (hourBranch) {
        object["hour_branch"] = *hourBranch;
        object["hour_name"] = ToQString(words.BranchName(*hourBranch));
    }
    return object;
}

} // namespace zandrel
