#include "casebook/record.h"

#include <QDateTime>
#include <QUuid>

#include <array>

namespace zandrel {
namespace {

constexpr std::array<std::string_view, 4> kVerdictKeys = {"pending", "true", "partly", "false"};

} // namespace

std::string_view VerdictKey(Verdict verdict) {
    return kVerdictKeys[static_cast<std::size_t>(verdict)];
}

std::optional<Verdict> VerdictNamed(std::string_view key) {
    for (std::size_t i = 0; i < kVerdictKeys.size(); ++i) {
        if (kVerdictKeys[i] == key) {
            return static_cast<Verdict>(i);
        }
    }
    return std::nullopt;
}

std::optional<double> VerdictCounts::ShareTrue() const {
    if (Judged() == 0) {
        return std::nullopt;
    }
    return static_cast<double>(cameTrue) / static_cast<double>(Judged());
}

std::string NewCaseId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
}

std::string CaseStampNow() {
    return QDateTime::currentDateTimeUtc()
        .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"))
        .toStdString();
}

} // namespace zandrel
