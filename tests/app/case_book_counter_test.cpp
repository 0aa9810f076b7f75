// Counting the records of a search on a thread of its own: the answers agree with the book's own
// count, a question replaced is never answered, and a count that gave way to the asking thread
// goes on once that thread is back in its event loop.

#include "app/case_book_counter.h"
#include "tests/casebook/case_book_fixtures.h"
#include "tests/support/fault_helpers.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

namespace zandrel {
namespace {

using fixtures::OpenOk;
using fixtures::Record;
using fixtures::TempDir;

// The answers come through the event loop of the asking thread.
void NeedEventLoop() {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "app_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication application(argc, argv);
    }
}

// Runs the event loop until the counter has answered, or for ten seconds at most.
std::optional<CaseBookCounter::Answer> AnswerOf(CaseBookCounter& counter) {
    QEventLoop loop;
    bool late = false;
    QObject::connect(&counter, &CaseBookCounter::Answered, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    QTimer::singleShot(10000, &loop, [&] {
        late = true;
        loop.quit();
    });
    while (counter.Busy() && !late) {
        loop.exec();
    }
    return counter.Take();
}

class CaseBookCounterTest : public ::testing::Test {
protected:
    void SetUp() override {
        NeedEventLoop();
        book = OpenOk(dir.Path());
        ASSERT_TRUE(book);
        for (int n = 0; n < 60; ++n) {
            ASSERT_TRUE(book->Add(Record(n), nullptr));
        }
    }

    TempDir dir;
    std::unique_ptr<CaseBook> book;
};

TEST_F(CaseBookCounterTest, AnswersAsTheBookCounts) {
    const std::string id = book->Page({}, 17, 1).at(0).id;
    const std::string passing = book->Page({.tag = "t1"}, 5, 1).at(0).id;
    const struct {
        CaseBookCounter::Question question;
    } cases[] = {
        {{{}, {}, false}},
        {{{.tag = "t1"}, {}, true}},
        {{{}, id, true}},
        {{{.tag = "t1"}, passing, false}},
        {{{.search = "question 4"}, id, true}}, // the record does not pass
        {{{.method = "none such"}, {}, true}},
    };
    CaseBookCounter counter(*book);
    for (const auto& entry : cases) {
        const CaseBookCounter::Question& question = entry.question;
        SCOPED_TRACE(question.filter.tag + question.filter.search + " " + question.id);
        counter.Ask(question);
        const std::optional<CaseBookCounter::Answer> answer = AnswerOf(counter);
        ASSERT_TRUE(answer.has_value());
        EXPECT_FALSE(answer->error.Failed());
        EXPECT_EQ(answer->count, book->Count(question.filter));
        EXPECT_EQ(answer->total, question.total ? book->Count({}) : std::nullopt);
        EXPECT_EQ(answer->index,
                  question.id.empty() ? std::nullopt : book->IndexOf(question.filter, question.id));
        EXPECT_FALSE(counter.Take().has_value()) << "an answer is taken once";
    }
}

TEST_F(CaseBookCounterTest, AQuestionReplacedIsNeverAnswered) {
    CaseBookCounter counter(*book);
    counter.Ask({{.tag = "t0"}, {}, true});
    counter.Ask({{.tag = "t2"}, {}, false});
    const std::optional<CaseBookCounter::Answer> answer = AnswerOf(counter);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->count, book->Count({.tag = "t2"}));
    EXPECT_FALSE(answer->total.has_value());

    counter.Ask({{.tag = "t0"}, {}, false});
    counter.Forget();
    EXPECT_FALSE(counter.Busy());
    EXPECT_FALSE(AnswerOf(counter).has_value());
}

TEST_F(CaseBookCounterTest, ACountThatGaveWayGoesOnOnceTheAskerIsBack) {
    CaseBookCounter counter(*book);
    counter.Yield(); // nothing asked: nothing to stop
    counter.Ask({{.search = "question"}, book->Page({}, 40, 1).at(0).id, true});
    counter.Yield();
    // The asking thread has the book to itself until it is back in its event loop.
    EXPECT_EQ(book->Count({}), 60);
    EXPECT_TRUE(counter.Busy());
    const std::optional<CaseBookCounter::Answer> answer = AnswerOf(counter);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->count, 60);
    EXPECT_EQ(answer->total, 60);
    EXPECT_EQ(answer->index, 40);
}

} // namespace
} // namespace zandrel
