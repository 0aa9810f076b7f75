#pragma once

#include "core/trigrams.h"
#include "text/language.h"

#include <array>
#include <cstddef>
#include <string_view>

// What each of the eight trigrams stands for (八卦万物类象) in a language, with the name of
// each field in that language, as res/languages/<code>/correspondences.txt gives them.

namespace zandrel {

struct Correspondence {
    std::string_view label; // "Animal"; 动物
    std::string_view value; // "horse"; 马. Several things are listed with ", " or 、.
};

struct TrigramCorrespondences {
    Correspondence nature;           // heaven; 天
    Correspondence quality;          // strong; 健
    Correspondence family;           // father; 父
    Correspondence bodyPart;         // head; 首
    Correspondence animal;           // horse; 马
    Correspondence earlierDirection; // south: its place in the Earlier Heaven (先天) arrangement
    Correspondence laterDirection;   // northwest: in the Later Heaven (后天) arrangement
    Correspondence colour;           // deep red; 大赤
    Correspondence season;           // late autumn to early winter; 秋冬之交
    Correspondence earlierNumber;    // "1" .. "8", in digits in every language
    Correspondence laterNumber;      // the Luoshu number of its Later Heaven place: "6"
    Correspondence objects;          // jade, gold, ice ..; 玉、金、冰 ..

    static constexpr std::size_t kFieldCount = 12;
    // Every field in the order above, the order a reading lists them in.
    std::array<Correspondence, kFieldCount> Fields() const;
};

// The correspondences of trigram t (1 乾 .. 8 坤) in `language`. Outside 1..8 every value is
// empty and the labels are still given.
TrigramCorrespondences CorrespondencesOf(Language language, Trigram t);

} // namespace zandrel
