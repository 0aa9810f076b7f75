#pragma once

#include "app/cast_request.h"
#include "app/vocabulary.h"
#include "core/reading.h"
#include "platform/file_error.h"
#include "text/hexagram_text.h"
#include "text/reading_text.h"

#include <memory>
#include <optional>
#include <string>

namespace zandrel {

class CaseBookRecorder;
struct CaseBookError;

// One cast as the session made it: what was asked for and how, the reading and its texts.
struct CastResult {
    CastRequest request;
    std::string question;
    Reading reading;
    ReadingText text;
    // The local date and time the cast was made, to the minute: the moment of a cast that the
    // clock makes (the general query).
    CastMoment castAt;
};

// The program without a screen: the data folder, the hexagram texts read from it and the
// language, and the one way a reading is cast and logged. Every front end (the window, the
// command line) casts through a session and assembles no cast of its own; the dialogs that
// show or edit the texts are handed the session's text store while they are open.
class Session {
public:
    // Works in `dataDirectory`, which the caller has found (and made, where it had to).
    Session(std::string dataDirectory, Language language);
    // The same in `words`, which outlives it; its texts are composed in the language of its
    // names.
    Session(std::string dataDirectory, const Vocabulary& words);
    virtual ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const std::string& DataDirectory() const { return texts_.dataDirectory; }
    const Vocabulary& Words() const { return *words_; }
    TextStore& Texts() { return texts_; }
    const TextStore& Texts() const { return texts_; }

    // Reads the custom texts of the data folder, replacing those held.
    void LoadTexts();

    // The reading of `request` for `question`, with its texts composed from the texts held, in
    // the session's language; none for a request whose values cannot be cast (a traditional
    // date outside the calendar, which the front ends refuse before they ask).
    virtual std::optional<CastResult> Cast(const CastRequest& request, std::string question) const;

    // Appends the entry of `result` to the query log, stamped with the local time now, then
    // hands its record to the case book, which adds it without holding up the caller. A cast
    // the log refused is not recorded either.
    FileError Log(const CastResult& result) const;

    // What adds the records of the logged casts to the case book: a front end learns from its
    // signals when a record was written and when something went wrong with the book (once for
    // each problem). The cast and its log entry stand regardless.
    CaseBookRecorder& Recorder() const;
    // What went wrong with the case book since this was last asked.
    std::optional<CaseBookError> TakeCaseBookProblem() const;
    // Waits until the records of the casts logged so far are in the case book (or failed).
    void FlushCaseBook() const;

private:
    TextStore texts_;
    const Vocabulary* words_;
    mutable std::unique_ptr<CaseBookRecorder> recorder_;
};

} // namespace zandrel
