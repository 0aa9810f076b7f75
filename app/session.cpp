#include "app/session.h"

#include "app/cast_record.h"
#include "casebook/recorder.h"
#include "log/query_log.h"
#include "platform/local_time.h"

#include <ctime>

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
    const std::tm now = CurrentLocalTime();
    const CastMoment castAt{{now.tm_year + 1900, now.tm_mon + 1, now.tm_mday},
                            {now.tm_hour, now.tm_min}};
    return CastResult{request, std::move(question), reading, ComposeReadingText(texts_, reading),
                      castAt};
}

FileError Session::Log(const CastResult& result) const {
    // The entry and the record carry the same moment, so that importing the log later finds
    // the record already there.
    const std::time_t now = std::time(nullptr);
    const FileError error = AppendLogEntry(texts_.dataDirectory,
                                           LogEntryBytes(result.question, result.text.originalText,
                                                         result.text.lineText,
                                                         result.text.finalText, LocalTimeOf(now)));
    if (!error.Failed()) {
        Recorder().Add(CaseRecordOf(result, *words_, now));
    }
    return error;
}

CaseBookRecorder& Session::Recorder() const {
    if (!recorder_) {
        recorder_ = std::make_unique<CaseBookRecorder>(texts_.dataDirectory);
    }
    return *recorder_;
}

std::optional<CaseBookError> Session::TakeCaseBookProblem() const {
    return recorder_ ? recorder_->TakeProblem() : std::nullopt;
}

void Session::FlushCaseBook() const {
    if (recorder_) {
        recorder_->Flush();
    }
}

} // namespace zandrel
