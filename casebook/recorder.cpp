#include "casebook/recorder.h"

#include "casebook/case_book.h"

#include <memory>
#include <utility>

namespace zandrel {

CaseBookRecorder::CaseBookRecorder(std::string dataDirectory)
    : dataDirectory_(std::move(dataDirectory)), worker_([this] { Run(); }) {}

CaseBookRecorder::~CaseBookRecorder() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void CaseBookRecorder::Add(CaseRecord record) {
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(record));
    }
    wake_.notify_one();
}

void CaseBookRecorder::Flush() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

std::optional<CaseBookError> CaseBookRecorder::TakeProblem() {
    const std::lock_guard lock(mutex_);
    return std::exchange(problem_, std::nullopt);
}

void CaseBookRecorder::Run() {
    // A case book that cannot be opened is tried again at the next record: the user may have
    // mended the folder meanwhile.
    std::unique_ptr<CaseBook> book;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) {
            return; // stopping, with nothing left to write
        }
        CaseRecord record = std::move(queue_.front());
        queue_.pop_front();
        busy_ = true;
        lock.unlock();
        CaseBookError error;
        if (!book) {
            book = CaseBook::Open(dataDirectory_, &error);
        }
        if (book && !book->Add(record, &error)) {
            // A file found damaged while writing is never written to again by this copy.
            if (error.kind != CaseBookError::Kind::CannotWrite) {
                book.reset();
            }
        }
        lock.lock();
        const bool tell = error.Failed() && (error.kind != told_.kind || error.path != told_.path);
        if (tell) {
            told_ = error;
            problem_ = error;
        }
        lock.unlock();
        // Told before a Flush returns, so that what a front end learns from Flush and from
        // the signals agrees.
        if (tell) {
            emit ProblemFound();
        } else if (!error.Failed()) {
            emit Recorded();
        }
        lock.lock();
        busy_ = false;
        if (queue_.empty()) {
            idle_.notify_all();
        }
    }
}

} // namespace zandrel
