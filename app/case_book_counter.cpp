#include "app/case_book_counter.h"

#include <utility>

namespace zandrel {

CaseBookCounter::CaseBookCounter(CaseBook& book) : book_(book), worker_([this] { Run(); }) {}

CaseBookCounter::~CaseBookCounter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        cancel_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void CaseBookCounter::Ask(Question question) {
    {
        const std::lock_guard lock(mutex_);
        question_ = std::move(question);
        ++asked_;
        count_.reset();
        total_.reset();
        answer_.reset();
        cancel_ = true;
    }
    wake_.notify_one();
}

void CaseBookCounter::Forget() {
    const std::lock_guard lock(mutex_);
    question_.reset();
    ++asked_;
    answer_.reset();
    cancel_ = true;
}

bool CaseBookCounter::Busy() const {
    const std::lock_guard lock(mutex_);
    return question_.has_value();
}

void CaseBookCounter::Yield() {
    const std::lock_guard lock(mutex_);
    if (!question_) {
        return;
    }
    paused_ = true;
    cancel_ = true;
    if (!resumeQueued_) {
        resumeQueued_ = true;
        QMetaObject::invokeMethod(
            this, [this] { Resume(); }, Qt::QueuedConnection);
    }
}

void CaseBookCounter::Resume() {
    {
        const std::lock_guard lock(mutex_);
        paused_ = false;
        resumeQueued_ = false;
    }
    wake_.notify_one();
}

std::optional<CaseBookCounter::Answer> CaseBookCounter::Take() {
    const std::lock_guard lock(mutex_);
    return std::exchange(answer_, std::nullopt);
}

void CaseBookCounter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || (question_ && !paused_); });
        if (stopping_) {
            return;
        }
        const Question question = *question_;
        const std::uint64_t serial = asked_;
        std::optional<std::int64_t> count = count_;
        std::optional<std::int64_t> total = total_;
        cancel_ = false;
        lock.unlock();

        // A count gives none without an error only where it was stopped.
        Answer answer;
        bool stopped = false;
        const auto step = [&](std::optional<std::int64_t>* figure, const CaseFilter& filter) {
            if (!figure->has_value() && !stopped && !answer.error.Failed()) {
                *figure = book_.Count(filter, &answer.error, &cancel_);
                stopped = !figure->has_value() && !answer.error.Failed();
            }
        };
        step(&count, question.filter);
        if (question.total) {
            step(&total, CaseFilter{});
        }
        // Finding the record's place cannot be stopped: it is left until the counts are in.
        stopped = stopped || cancel_;
        if (!stopped && !answer.error.Failed() && !question.id.empty()) {
            answer.index = book_.IndexOf(question.filter, question.id, &answer.error);
        }

        lock.lock();
        if (serial != asked_) {
            continue; // replaced meanwhile
        }
        if (stopped) {
            // Given way: what is known waits for the count to go on.
            count_ = count;
            total_ = total;
            continue;
        }
        if (!answer.error.Failed()) {
            answer.count = count.value_or(0);
            answer.total = total;
        } else {
            answer.index.reset();
        }
        answer_ = std::move(answer);
        question_.reset();
        lock.unlock();
        emit Answered();
        lock.lock();
    }
}

} // namespace zandrel
