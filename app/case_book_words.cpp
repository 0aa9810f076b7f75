#include "app/case_book_words.h"

#include "platform/qt_text.h"

namespace zandrel {

std::string CaseBookErrorMessage(const Vocabulary& words, const CaseBookError& error) {
    const std::string_view path = error.path;
    switch (error.kind) {
    case CaseBookError::Kind::None:
        break;
    case CaseBookError::Kind::CannotOpen:
        //: %1 is the case book's file, %2 what SQLite said of it
        return FillIn(words.translate("CaseBookWords", "The case book %1 could not be opened: %2"),
                      {path, error.detail});
    case CaseBookError::Kind::CannotWrite:
        //: %1 is the case book's file, %2 what SQLite said of it
        return FillIn(words.translate("CaseBookWords", "The case book %1 could not be written: %2"),
                      {path, error.detail});
    case CaseBookError::Kind::NotACaseBook:
        return FillIn(
            words.translate("CaseBookWords", "%1 is not a case book. It was left as it is."),
            {path});
    case CaseBookError::Kind::NewerVersion:
        return FillIn(words.translate("CaseBookWords",
                                      "The case book %1 was made by a newer version of Zandrel. "
                                      "It was left as it is."),
                      {path});
    case CaseBookError::Kind::Damaged:
        return FillIn(words.translate("CaseBookWords",
                                      "The case book %1 is damaged. It was left as it is: "
                                      "restore your last export, or recover it with SQLite's "
                                      "own tools."),
                      {path});
    }
    return {};
}

std::string VerdictName(const Vocabulary& words, Verdict verdict) {
    switch (verdict) {
    case Verdict::True:
        //: The verdict on a reading: what it foretold happened
        return words.Tr("CaseBookWords", QT_TRANSLATE_NOOP("CaseBookWords", "came true"));
    case Verdict::Partly:
        //: The verdict on a reading: part of what it foretold happened
        return words.Tr("CaseBookWords", QT_TRANSLATE_NOOP("CaseBookWords", "partly"));
    case Verdict::False:
        //: The verdict on a reading: what it foretold did not happen
        return words.Tr("CaseBookWords", QT_TRANSLATE_NOOP("CaseBookWords", "did not"));
    case Verdict::Pending:
        break;
    }
    //: The verdict on a reading: not known yet
    return words.Tr("CaseBookWords", QT_TRANSLATE_NOOP("CaseBookWords", "not yet"));
}

} // namespace zandrel
