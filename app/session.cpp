#include "app/session.h"

#include "log/query_log.h"

#include <utility>

namespace zandrel {

Session::Session(std::string dataDirectory, Language language)
    : Session(std::move(dataDirectory), Vocabulary::Of(language)) {}

Session::Session(std::string dataDirectory, const Vocabulary& words)
    : texts_{std::move(dataDirectory), {}, words.Speaks()}, words_(&words) {}

Session::~Session() = default;

void Session::LoadTexts() {
    LoadCustomTexts(texts_.hexagramTexts, texts_.dataDirectory);
}

std::optional<CastResult> Session::Cast(const CastRequest& request, std::string question) const {
    const std::optional<CastValues> values = CastValuesOf(request, question);
    if (!values) {
        return std::nullopt;
    }
    const Reading reading = ComputeReading(values->outer, values->inner, values->changeLine);
    return CastResult{request, std::move(question), reading, ComposeReadingText(texts_, reading)};
}

FileError Session::Log(const CastResult& result) const {
    return AppendLogEntry(texts_.dataDirectory,
                          LogEntryBytes(result.question, result.text.originalText,
                                        result.text.lineText, result.text.finalText,
                                        CurrentLocalTime()));
}

} // namespace zandrel
