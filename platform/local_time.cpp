#include "platform/local_time.h"

namespace zandrel {

std::tm CurrentLocalTime() {
    return LocalTimeOf(std::time(nullptr));
}

std::tm LocalTimeOf(std::time_t moment) {
    // The reentrant form: the case book's thread reads local times too.
    std::tm local{};
    return localtime_r(&moment, &local) != nullptr ? local : std::tm{};
}

} // namespace zandrel
