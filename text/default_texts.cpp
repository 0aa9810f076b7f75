#include "text/default_texts.h"

namespace zandrel {
namespace {

const char* const kDefaultTexts[kDefaultTextCount] = {
#include "default_texts.inc"
};

} // namespace

std::string_view DefaultText(int number) {
    const int index = number - kFirstDefaultText;
    if (index < 0 || index >= kDefaultTextCount) {
        return {};
    }
    return kDefaultTexts[index];
}

} // namespace zandrel
