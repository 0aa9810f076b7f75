#pragma once

namespace zandrel {

// The bitmap resources picturing a trigram 1..8; index 0 is the blank frame.
int SmallTrigramBitmap(int index); // 60 x 28 pixels
int LargeTrigramBitmap(int index); // 100 x 68 pixels

} // namespace zandrel
