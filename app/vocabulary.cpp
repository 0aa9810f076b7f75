#include "app/vocabulary.h"

#include "core/range.h"
#include "platform/qt_text.h"

#include <QTranslator>

#include <array>
#include <vector>

namespace zandrel {
namespace {

constexpr std::array<const char*, kPositionCount> kPositions = {
    QT_TRANSLATE_NOOP("Vocabulary", "Outer trigram"),
    QT_TRANSLATE_NOOP("Vocabulary", "Inner trigram"),
    QT_TRANSLATE_NOOP("Vocabulary", "Upper nuclear trigram"),
    QT_TRANSLATE_NOOP("Vocabulary", "Lower nuclear trigram"),
    QT_TRANSLATE_NOOP("Vocabulary", "Final outer trigram"),
    QT_TRANSLATE_NOOP("Vocabulary", "Final inner trigram"),
};
constexpr std::array<const char*, 2> kOriginalPictures = {
    QT_TRANSLATE_NOOP("Vocabulary", "Original outer trigram"),
    QT_TRANSLATE_NOOP("Vocabulary", "Original inner trigram"),
};

//: The animal of a year's earthly branch
constexpr std::array<const char*, 12> kAnimals = {
    QT_TRANSLATE_NOOP("Vocabulary", "Rat"),    QT_TRANSLATE_NOOP("Vocabulary", "Ox"),
    QT_TRANSLATE_NOOP("Vocabulary", "Tiger"),  QT_TRANSLATE_NOOP("Vocabulary", "Rabbit"),
    QT_TRANSLATE_NOOP("Vocabulary", "Dragon"), QT_TRANSLATE_NOOP("Vocabulary", "Snake"),
    QT_TRANSLATE_NOOP("Vocabulary", "Horse"),  QT_TRANSLATE_NOOP("Vocabulary", "Goat"),
    QT_TRANSLATE_NOOP("Vocabulary", "Monkey"), QT_TRANSLATE_NOOP("Vocabulary", "Rooster"),
    QT_TRANSLATE_NOOP("Vocabulary", "Dog"),    QT_TRANSLATE_NOOP("Vocabulary", "Pig"),
};

//: The entries of the month list of the target time query
constexpr std::array<const char*, 12> kMonthEntries = {
    QT_TRANSLATE_NOOP("Vocabulary", "Jan"), QT_TRANSLATE_NOOP("Vocabulary", "Feb"),
    QT_TRANSLATE_NOOP("Vocabulary", "Mar"), QT_TRANSLATE_NOOP("Vocabulary", "Apr"),
    QT_TRANSLATE_NOOP("Vocabulary", "May"), QT_TRANSLATE_NOOP("Vocabulary", "Jun"),
    QT_TRANSLATE_NOOP("Vocabulary", "Jul"), QT_TRANSLATE_NOOP("Vocabulary", "Aug"),
    QT_TRANSLATE_NOOP("Vocabulary", "Sep"), QT_TRANSLATE_NOOP("Vocabulary", "Oct"),
    QT_TRANSLATE_NOOP("Vocabulary", "Nov"), QT_TRANSLATE_NOOP("Vocabulary", "Dec"),
};

constexpr std::array<const char*, 12> kMonthNames = {
    QT_TRANSLATE_NOOP("Vocabulary", "January"),   QT_TRANSLATE_NOOP("Vocabulary", "February"),
    QT_TRANSLATE_NOOP("Vocabulary", "March"),     QT_TRANSLATE_NOOP("Vocabulary", "April"),
    QT_TRANSLATE_NOOP("Vocabulary", "May"),       QT_TRANSLATE_NOOP("Vocabulary", "June"),
    QT_TRANSLATE_NOOP("Vocabulary", "July"),      QT_TRANSLATE_NOOP("Vocabulary", "August"),
    QT_TRANSLATE_NOOP("Vocabulary", "September"), QT_TRANSLATE_NOOP("Vocabulary", "October"),
    QT_TRANSLATE_NOOP("Vocabulary", "November"),  QT_TRANSLATE_NOOP("Vocabulary", "December"),
};

// The two-hour periods as the list names them, in Chinese by their earthly branch with the
// clock hours. "1PM - 3-PM" is written that way on purpose: it is the entry users have always
// seen.
constexpr std::array<const char*, 12> kPeriodEntries = {
    QT_TRANSLATE_NOOP("Vocabulary", "11PM - 1AM"), QT_TRANSLATE_NOOP("Vocabulary", "1AM - 3AM"),
    QT_TRANSLATE_NOOP("Vocabulary", "3AM - 5AM"),  QT_TRANSLATE_NOOP("Vocabulary", "5AM - 7AM"),
    QT_TRANSLATE_NOOP("Vocabulary", "7AM - 9AM"),  QT_TRANSLATE_NOOP("Vocabulary", "9AM - 11AM"),
    QT_TRANSLATE_NOOP("Vocabulary", "11AM - 1PM"), QT_TRANSLATE_NOOP("Vocabulary", "1PM - 3-PM"),
    QT_TRANSLATE_NOOP("Vocabulary", "3PM - 5PM"),  QT_TRANSLATE_NOOP("Vocabulary", "5PM - 7PM"),
    QT_TRANSLATE_NOOP("Vocabulary", "7PM - 9PM"),  QT_TRANSLATE_NOOP("Vocabulary", "9PM - 11PM"),
};

// `value`, which stops a debug build when it lies outside first..last: a number the names of
// text/names.h give no entry for is a programming error.
template <class T> T Checked(T value, int first, int last) {
    RangeIndex(static_cast<int>(value), first, last);
    return value;
}

// The entry of a 1-based number in a table; a number outside it stops a debug build.
template <class T, std::size_t N> T Numbered(const std::array<T, N>& table, int n) {
    return table[RangeIndex(n, 1, static_cast<int>(N))];
}

// The program's translation of `language`; none for English or when it cannot be loaded.
std::unique_ptr<QTranslator> ShippedTranslation(Language language) {
    if (language == Language::English) {
        return nullptr;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("zandrel_") + QString::fromLatin1(LanguageCode(language)),
                          QStringLiteral(":/i18n"))) {
        return nullptr;
    }
    return translator;
}

} // namespace

const Vocabulary& Vocabulary::Of(Language language) {
    static std::vector<std::unique_ptr<Vocabulary>> made(LanguageTable().size());
    std::unique_ptr<Vocabulary>& vocabulary =
        made[static_cast<std::size_t>(&RowOf(language) - LanguageTable().data())];
    if (!vocabulary) {
        vocabulary = std::make_unique<Vocabulary>(language, ShippedTranslation(language));
    }
    return *vocabulary;
}

Vocabulary::Vocabulary(Language names, std::unique_ptr<QTranslator> sentences)
    : language_(names), translator_(std::move(sentences)) {}

Vocabulary::~Vocabulary() = default;

QString Vocabulary::translate(const char* context, const char* source, const char* disambiguation,
                              int n) const {
    if (translator_) {
        const QString translated = translator_->translate(context, source, disambiguation, n);
        if (!translated.isNull()) {
            return translated;
        }
    }
    return QString::fromUtf8(source);
}

std::string Vocabulary::Tr(const char* context, const char* source) const {
    return ToUtf8(translate(context, source));
}

std::string_view Vocabulary::ElementName(Element element) const {
    return zandrel::ElementName(language_, Checked(element, 0, kElementCount - 1));
}

std::string_view Vocabulary::RoleName(bool isBody) const {
    return zandrel::TermName(language_, isBody ? ReadingTerm::Body : ReadingTerm::Use);
}

std::string_view Vocabulary::RelationName(Relation relation) const {
    return zandrel::RelationName(language_, relation);
}

std::string_view Vocabulary::RelationPhrase(Relation relation) const {
    return zandrel::RelationPhrase(language_, relation);
}

std::string_view Vocabulary::TrigramName(Trigram trigram) const {
    return zandrel::TrigramName(language_, trigram);
}

std::string_view Vocabulary::HexagramName(Hexagram hexagram) const {
    return HexagramFullName(language_, hexagram);
}

std::string_view Vocabulary::StemName(int stem) const {
    return zandrel::StemName(language_, Checked(stem, 1, 10));
}

std::string_view Vocabulary::BranchName(int branch) const {
    return zandrel::BranchName(language_, Checked(branch, 1, 12));
}

std::string_view Vocabulary::TermName(ReadingTerm term) const {
    return zandrel::TermName(language_, term);
}

std::string_view Vocabulary::SolarTermName(int term) const {
    return zandrel::SolarTermName(language_, Checked(term, 0, 23));
}

std::string_view Vocabulary::StrengthName(int strength) const {
    return zandrel::StrengthName(language_, Checked(strength, 0, 4));
}

std::string_view Vocabulary::Word(LunarWord word) const {
    return LunarWordName(language_, word);
}

std::string_view Vocabulary::Numeral(int n) const {
    // 0 is allowed and has no numeral.
    return zandrel::Numeral(language_, Checked(n, 0, 10));
}

std::string Vocabulary::PositionName(Position position) const {
    return Tr("Vocabulary", kPositions[static_cast<std::size_t>(position)]);
}

std::string Vocabulary::PictureName(Position position) const {
    if (position == Position::Outer || position == Position::Inner) {
        return Tr("Vocabulary", kOriginalPictures[static_cast<std::size_t>(position)]);
    }
    return PositionName(position);
}

std::string Vocabulary::AnimalName(int branch) const {
    return Tr("Vocabulary", Numbered(kAnimals, branch));
}

std::string Vocabulary::MonthEntry(int month) const {
    return Tr("Vocabulary", Numbered(kMonthEntries, month));
}

std::string Vocabulary::MonthName(int month) const {
    return Tr("Vocabulary", Numbered(kMonthNames, month));
}

std::string Vocabulary::PeriodEntry(int period) const {
    return Tr("Vocabulary", Numbered(kPeriodEntries, period));
}

std::string Vocabulary::PeriodName(int period) const {
    const std::string_view hour = Word(LunarWord::Hour);
    return hour.empty() ? std::string() : std::string(BranchName(period)) + std::string(hour);
}

} // namespace zandrel
