// The data behind an ASText handle: UTF-16 text kept zero-terminated so
// ASTextGetUnicode can hand out its buffer.
#pragma once

#include <string>

struct ASTextRec {
    std::u16string text;
};
