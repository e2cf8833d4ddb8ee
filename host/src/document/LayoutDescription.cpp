#include "host/document/LayoutDescription.h"

int32 LayoutDescription::CountPages() const {
    int32 count = 0;
    for (const Spread& spread : spreads)
        count += static_cast<int32>(spread.pages.size());
    return count;
}
