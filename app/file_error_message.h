#pragma once

#include "app/vocabulary.h"
#include "platform/file_error.h"

#include <string>

namespace zandrel {

// The text that tells the user of a file failure, in `words`: the file layer's text of its
// cause translated, with the file's name inserted as it is.
std::string FileErrorMessage(const Vocabulary& words, const FileError& error);

} // namespace zandrel
