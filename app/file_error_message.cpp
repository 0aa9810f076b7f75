#include "app/file_error_message.h"

#include "platform/qt_text.h"

namespace zandrel {

std::string FileErrorMessage(const Vocabulary& words, const FileError& error) {
    return FillIn(words.translate("FileError", FileErrorPattern(error.cause)), {error.name});
}

} // namespace zandrel
