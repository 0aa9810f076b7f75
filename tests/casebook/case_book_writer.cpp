// Another copy of the program writing to a case book: opens the book of the folder DIR, adds a
// record with QUESTION and closes the book, as a cast from a terminal does.
//
//   case_book_writer DIR QUESTION

#include "casebook/case_book.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    using namespace zandrel;
    if (argc != 3) {
        std::fprintf(stderr, "usage: case_book_writer DIR QUESTION\n");
        return 2;
    }
    CaseBookError error;
    std::unique_ptr<CaseBook> book = CaseBook::Open(argv[1], &error);
    CaseRecord record;
    record.id = NewCaseId();
    record.castUtc = "2026-12-11T08:00:00Z";
    record.method = "numbers";
    record.question = argv[2];
    record.readingText = "text\r\n";
    record.modifiedUtc = CaseStampNow();
    if (!book || !book->Add(record, &error)) {
        std::fprintf(stderr, "case_book_writer: %s\n", error.detail.c_str());
        return 1;
    }
    return 0;
}
