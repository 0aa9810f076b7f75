#pragma once

#include "casebook/error.h"
#include "casebook/record.h"

#include <QObject>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// Adds the records of casts to the case book of a data folder on a thread of its own, so that
// casting never waits for the file (another copy of the program writing, a slow disk) and never
// fails because of it.

namespace zandrel {

class CaseBookRecorder : public QObject {
    Q_OBJECT
public:
    explicit CaseBookRecorder(std::string dataDirectory);
    // Writes what is still waiting first.
    ~CaseBookRecorder() override;
    CaseBookRecorder(const CaseBookRecorder&) = delete;
    CaseBookRecorder& operator=(const CaseBookRecorder&) = delete;

    // Queues `record` and returns at once.
    void Add(CaseRecord record);
    // Waits until every record queued so far has been written or has failed.
    void Flush();
    // The first problem not yet taken, each kind of problem with each file told once: a
    // front end that shows it after each cast says once what is wrong.
    std::optional<CaseBookError> TakeProblem();

signals:
    // Emitted from the recorder's thread: a record was written to the book.
    void Recorded();
    // Emitted from the recorder's thread: a problem waits for TakeProblem.
    void ProblemFound();

private:
    void Run();

    std::string dataDirectory_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<CaseRecord> queue_;
    bool busy_ = false;
    bool stopping_ = false;
    std::optional<CaseBookError> problem_;
    CaseBookError told_;
    std::thread worker_;
};

} // namespace zandrel
