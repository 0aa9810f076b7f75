#include "cli/reading_table.h"

#include "app/reading_words.h"
#include "cli/terminal.h"
#include "platform/qt_text.h"

#include <algorithm>

namespace zandrel {
namespace {

QString Q(std::string_view text) {
    return ToQString(text);
}

// "use; unfavourable: body feeds use", "body", "favourable: same element"; in Chinese with the
// classical names (用；不利：体生用).
std::string JudgementText(const Vocabulary& words, const Reading& reading, Position position) {
    const ElementMark& mark = reading.Mark(position);
    QString role;
    if (position == Position::Outer || position == Position::Inner) {
        role = Q(words.RoleName(position == reading.BodyPosition())).toLower();
    }
    if (mark.isBody) {
        return ToUtf8(role);
    }
    const QString relation = Q(words.RelationName(mark.relation));
    const QString judgement = mark.Favourable()
                                  ? words.translate("Commands", "favourable: %1").arg(relation)
                                  : words.translate("Commands", "unfavourable: %1").arg(relation);
    //: A trigram's role, then how its element stands to the body's
    return ToUtf8(role.isEmpty() ? judgement
                                 : words.translate("Commands", "%1; %2").arg(role, judgement));
}

} // namespace

std::string ReadingTable(const Vocabulary& words, const ReadingReport& report) {
    const Reading& reading = report.reading;
    std::string text = CastDescription(words, report.request) + "\n";
    text += FillIn(words.translate("Commands", "Question: %1"), {report.question}) + "\n";
    text +=
        ToUtf8(
            words.translate("Commands", "Original hexagram %1, change line %2, final hexagram %3")
                .arg(Q(HexagramWords(words, reading.original)),
                     Q(ChangeLineWords(words, reading.original, reading.changeLine)),
                     Q(HexagramWords(words, reading.final)))) +
        "\n";
    // The trigrams' column is as wide as the widest of them, with two blanks after it.
    std::size_t trigramWidth = 0;
    for (Trigram t = 1; t <= 8; ++t) {
        trigramWidth = std::max(trigramWidth, Columns(TrigramWords(words, t)));
    }
    for (int p = 0; p < kPositionCount; ++p) {
        const auto position = static_cast<Position>(p);
        const Trigram trigram = reading.TrigramAt(position);
        text += Padded(words.PositionName(position), 23) +
                Padded(TrigramWords(words, trigram), trigramWidth + 2) +
                Padded(std::string(words.ElementName(ElementOfTrigram(trigram))), 7) +
                JudgementText(words, reading, position) + "\n";
    }
    // The question and the characters of a cast are the user's, as the texts may be: nothing of
    // theirs reaches the terminal as a control.
    return TerminalText(text + "\n" + report.text);
}

} // namespace zandrel
