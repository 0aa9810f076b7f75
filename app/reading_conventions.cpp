#include "app/reading_conventions.h"

#include "platform/qt_text.h"

#include <QFileInfo>
#include <QSettings>

#include <cmath>
#include <cstdlib>

namespace zandrel {
namespace {

constexpr qint64 kMaxSettingsBytes = 64 * 1024;

QString SettingsPath(const std::string& dataDirectory) {
    return ToQString(dataDirectory + "/" + std::string(kSettingsFileName));
}

std::string Text(const QSettings& settings, const char* key) {
    return ToUtf8(settings.value(key).toString());
}

} // namespace

std::string_view YearStartKey(YearStart start) {
    return start == YearStart::Lichun ? "lichun" : "lunar";
}

std::string_view ZiHourKey(ZiHour ziHour) {
    return ziHour == ZiHour::NextDay ? "next-day" : "same-day";
}

std::string_view EarthRuleKey(EarthRule rule) {
    return rule == EarthRule::EarthDays ? "days" : "months";
}

std::optional<YearStart> YearStartNamed(std::string_view key) {
    for (const YearStart s : {YearStart::Lunar, YearStart::Lichun}) {
        if (key == YearStartKey(s)) {
            return s;
        }
    }
    return std::nullopt;
}

std::optional<ZiHour> ZiHourNamed(std::string_view key) {
    for (const ZiHour z : {ZiHour::SameDay, ZiHour::NextDay}) {
        if (key == ZiHourKey(z)) {
            return z;
        }
    }
    return std::nullopt;
}

std::optional<EarthRule> EarthRuleNamed(std::string_view key) {
    for (const EarthRule r : {EarthRule::EarthMonths, EarthRule::EarthDays}) {
        if (key == EarthRuleKey(r)) {
            return r;
        }
    }
    return std::nullopt;
}

std::optional<double> ReadLongitude(std::string_view text) {
    // Digits, at most one point, an optional sign: no exponents, no "nan", no spaces.
    std::size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            digits = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits || text.size() > 32) {
        return std::nullopt;
    }
    const double value = std::strtod(std::string(text).c_str(), nullptr);
    return IsLongitude(value) ? std::optional<double>(value) : std::nullopt;
}

ReadingConventions LoadConventions(const std::string& dataDirectory) {
    ReadingConventions c;
    // Anyone can put a file beside the program: one far larger than any settings file counts
    // as absent rather than being read whole.
    if (QFileInfo(SettingsPath(dataDirectory)).size() > kMaxSettingsBytes) {
        return c;
    }
    const QSettings settings(SettingsPath(dataDirectory), QSettings::IniFormat);
    c.pillars.yearStart =
        YearStartNamed(Text(settings, "reading/year_start")).value_or(YearStart::Lunar);
    c.pillars.ziHour = ZiHourNamed(Text(settings, "reading/zi_hour")).value_or(ZiHour::SameDay);
    c.earth = EarthRuleNamed(Text(settings, "reading/earth")).value_or(EarthRule::EarthMonths);
    c.keptLongitude = ReadLongitude(Text(settings, "reading/longitude"));
    if (Text(settings, "reading/true_solar_time") == "true") {
        c.pillars.longitude = c.keptLongitude;
    }
    return c;
}

bool SaveConventions(const std::string& dataDirectory, const ReadingConventions& conventions) {
    QSettings settings(SettingsPath(dataDirectory), QSettings::IniFormat);
    const PillarConventions& p = conventions.pillars;
    settings.setValue("reading/year_start", ToQString(YearStartKey(p.yearStart)));
    settings.setValue("reading/zi_hour", ToQString(ZiHourKey(p.ziHour)));
    settings.setValue("reading/true_solar_time", p.longitude ? "true" : "false");
    if (const std::optional<double> longitude =
            p.longitude ? p.longitude : conventions.keptLongitude) {
        settings.setValue("reading/longitude", QString::number(*longitude, 'f', 4));
    } else {
        settings.remove("reading/longitude");
    }
    settings.setValue("reading/earth", ToQString(EarthRuleKey(conventions.earth)));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QJsonObject ConventionsJson(const ReadingConventions& conventions) {
    const PillarConventions& p = conventions.pillars;
    QJsonObject json{
        {"year_start", ToQString(YearStartKey(p.yearStart))},
        {"zi_hour", ToQString(ZiHourKey(p.ziHour))},
        {"true_solar_time", p.longitude.has_value()},
        {"earth", ToQString(EarthRuleKey(conventions.earth))},
    };
    if (p.longitude) {
        json["longitude"] = *p.longitude;
    }
    return json;
}

} // namespace zandrel
