#include "app/trigram_correspondences.h"

#include "text/language_tables.h"

namespace zandrel {
namespace {

// The members in the order of the compiled table's fields (correspondences.txt's kinds).
constexpr std::array<Correspondence TrigramCorrespondences::*, TrigramCorrespondences::kFieldCount>
    kMembers = {&TrigramCorrespondences::nature,         &TrigramCorrespondences::quality,
                &TrigramCorrespondences::family,         &TrigramCorrespondences::bodyPart,
                &TrigramCorrespondences::animal,         &TrigramCorrespondences::earlierDirection,
                &TrigramCorrespondences::laterDirection, &TrigramCorrespondences::colour,
                &TrigramCorrespondences::season,         &TrigramCorrespondences::earlierNumber,
                &TrigramCorrespondences::laterNumber,    &TrigramCorrespondences::objects};

static_assert(std::tuple_size_v<decltype(CorrespondenceTable::labels)> == kMembers.size());

const CorrespondenceTable* TableOf(Language language) {
    const std::string_view code = LanguageCode(language);
    for (const LanguageData& data : LanguageDataTable()) {
        if (data.code == code) {
            return &data.correspondences;
        }
    }
    return nullptr;
}

} // namespace

std::array<Correspondence, TrigramCorrespondences::kFieldCount>
TrigramCorrespondences::Fields() const {
    std::array<Correspondence, kFieldCount> fields;
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        fields[f] = this->*kMembers[f];
    }
    return fields;
}

TrigramCorrespondences CorrespondencesOf(Language language, Trigram t) {
    TrigramCorrespondences result;
    const CorrespondenceTable* table = TableOf(language);
    if (table == nullptr) {
        return result;
    }
    const bool known = t >= 1 && t <= 8;
    for (std::size_t f = 0; f < kMembers.size(); ++f) {
        result.*kMembers[f] = {table->labels[f],
                               known ? table->values[f][static_cast<std::size_t>(t - 1)]
                                     : std::string_view()};
    }
    return result;
}

} // namespace zandrel
