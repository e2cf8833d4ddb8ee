// The data behind an ASPathName handle: a file path in UTF-8.
#pragma once

#include <string>

struct ASPathNameRec {
    std::string path;
};
