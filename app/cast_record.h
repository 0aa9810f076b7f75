#pragma once

#include "app/session.h"
#include "app/vocabulary.h"
#include "casebook/record.h"

#include <ctime>

// The case book's record of a cast the session made.

namespace zandrel {

// The record of `result`, cast at `moment` and shown in `words`' language, with a new id.
CaseRecord CaseRecordOf(const CastResult& result, const Vocabulary& words, std::time_t moment);

} // namespace zandrel
