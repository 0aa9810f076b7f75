#include "app/question.h"

#include "platform/qt_text.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace zandrel {

QuestionInput ReadQuestion(const Vocabulary& words, std::string_view text) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString question = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (utf8.hasError()) {
        return {std::nullopt,
                ToUtf8(words.translate("Commands", "the question is not UTF-8 text"))};
    }
    static const QRegularExpression trailing(QStringLiteral("[\\r\\n]+$"));
    static const QRegularExpression inner(QStringLiteral("[\\r\\n]+"));
    question.remove(trailing);
    question.replace(inner, QStringLiteral(" "));
    if (const int characters = CharacterCount(question); characters > kMaxQuestionCharacters) {
        return {std::nullopt,
                ToUtf8(words
                           .translate("Commands", "the question has %1 characters; "
                                                  "the question dialog takes at most %2")
                           .arg(characters)
                           .arg(kMaxQuestionCharacters))};
    }
    return {ToUtf8(question), {}};
}

} // namespace zandrel
