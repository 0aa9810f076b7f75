#pragma once

#include "core/reading.h"
#include "core/trigrams.h"
#include "text/language.h"
#include "text/names.h"

#include <QString>

#include <memory>
#include <string>
#include <string_view>

class QTranslator;

namespace zandrel {

// The words of one language: the names of the method (elements, roles, relations to the body,
// the six trigram positions, trigrams and hexagrams, stems and branches, the lunar calendar's
// words, the months and the two-hour periods) and the translation of every sentence the
// program composes. Whatever speaks to the user is given the vocabulary of its language; no
// language in force is read from anywhere else, so one process can speak several at once.
class Vocabulary {
public:
    // The words of `language`, made once and kept for the life of the program.
    static const Vocabulary& Of(Language language);

    // The names of `names` (text/names.h) and the sentences of `sentences`; every sentence in
    // English where it is null or lacks one. Of() makes each language's so; a translation the
    // program does not ship (a test's) makes one over it.
    Vocabulary(Language names, std::unique_ptr<QTranslator> sentences);

    Vocabulary(const Vocabulary&) = delete;
    Vocabulary& operator=(const Vocabulary&) = delete;
    ~Vocabulary();

    // The language of its names, which is also that of its sentences unless it was given a
    // translation of its own.
    Language Speaks() const { return language_; }

    // `source` of translation context `context` in this language, from this language's own
    // translation rather than any installed for the program, so that every language can be
    // spoken at any moment; `source` itself in English and wherever the translation lacks it.
    // Named as Qt names it, so that the translation tools gather every text passed to it.
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const;
    // The same as UTF-8.
    std::string Tr(const char* context, const char* source) const;

    std::string_view ElementName(Element element) const;      // Metal; 金
    std::string_view RoleName(bool isBody) const;             // Body, Use; 体, 用
    std::string_view RelationName(Relation relation) const;   // use feeds body; 用生体
    std::string_view RelationPhrase(Relation relation) const; // Use feeds the body; 用生体
    // 乾 .. 坤 and 乾为天 .. 火水未济; empty where the language names them by number alone.
    std::string_view TrigramName(Trigram trigram) const;
    std::string_view HexagramName(Hexagram hexagram) const;
    // 甲 .. 癸 and 子 .. 亥, which every language writes alike.
    std::string_view StemName(int stem) const;
    std::string_view BranchName(int branch) const;
    std::string_view Word(LunarWord word) const;
    // 一 .. 十 for 1 .. 10.
    std::string_view Numeral(int n) const;
    // Body .. Reversed Hexagram; 体 .. 综卦.
    std::string_view TermName(ReadingTerm term) const;
    // Start of Spring .. Major Cold; 立春 .. 大寒, for core's terms 0..23.
    std::string_view SolarTermName(int term) const;
    // prosperous .. dead; 旺 .. 死, for core's Strength 0..4.
    std::string_view StrengthName(int strength) const;

    // The six trigram positions of a reading: "Outer trigram" .. "Final inner trigram".
    std::string PositionName(Position position) const;
    // The small pictures name the trigrams of the original hexagram as such: "Original outer
    // trigram"; the others as PositionName does.
    std::string PictureName(Position position) const;
    // "Rat" .. "Pig" for the branches 1 .. 12.
    std::string AnimalName(int branch) const;
    // "Jan" .. "Dec" as the month list shows them, and "January" .. "December".
    std::string MonthEntry(int month) const;
    std::string MonthName(int month) const;
    // "11PM - 1AM" .. "9PM - 11PM": the two-hour periods as the period list shows them.
    std::string PeriodEntry(int period) const;
    // The period as a sentence names it where the language names the periods by their earthly
    // branch (子时 .. 亥时): the branch and the lunar word for the hour; else empty.
    std::string PeriodName(int period) const;

private:
    Language language_;
    std::unique_ptr<QTranslator> translator_;
};

} // namespace zandrel
