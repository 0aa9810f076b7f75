#pragma once

#include "casebook/case_book.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// Counts the records of a case book that pass a filter on a thread of its own, so that a list
// of a search can show its first rows at once and its count when it is known.

namespace zandrel {

class CaseBookCounter : public QObject {
    Q_OBJECT
public:
    struct Question {
        CaseFilter filter;
        // Also where the record `id` stands among those that pass (see CaseBook::IndexOf);
        // empty for none.
        std::string id;
        // Also how many records there are in all.
        bool total = false;
    };
    struct Answer {
        std::int64_t count = 0;
        std::optional<std::int64_t> total;
        // None where the record does not pass the filter or is gone.
        std::optional<std::int64_t> index;
        // What kept the book from being read; the figures are 0 then.
        CaseBookError error;
    };

    // Counts in `book`, which outlives it.
    explicit CaseBookCounter(CaseBook& book);
    ~CaseBookCounter() override;
    CaseBookCounter(const CaseBookCounter&) = delete;
    CaseBookCounter& operator=(const CaseBookCounter&) = delete;

    // Counts for `question` in place of any question asked before: an earlier question's
    // count stops and its answer is never given.
    void Ask(Question question);
    // Drops the question asked, whose answer then never comes.
    void Forget();
    // Whether the question asked still waits for its answer.
    bool Busy() const;
    // The counter's thread shares the book's one connection, so a use of the book on the
    // asking thread waits while a count runs. This lets that thread use the book at once: a
    // count under way stops, and goes on once the thread is back in its event loop. Cheap when
    // nothing is counted.
    void Yield();
    // The answer to the question last asked, once; none before it is known.
    std::optional<Answer> Take();

signals:
    // Emitted from the counter's thread when an answer waits for Take.
    void Answered();

private:
    void Run();
    void Resume();

    CaseBook& book_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Question> question_;
    // Counts the questions asked, so that the work on one that was replaced is dropped.
    std::uint64_t asked_ = 0;
    // What is known of the question under way, kept while it gives way.
    std::optional<std::int64_t> count_;
    std::optional<std::int64_t> total_;
    std::optional<Answer> answer_;
    bool paused_ = false;
    bool resumeQueued_ = false;
    bool stopping_ = false;
    std::atomic<bool> cancel_{false};
    std::thread worker_;
};

} // namespace zandrel
