#include "FixedRectReader.h"

#include <algorithm>
#include <array>

std::optional<ASFixedRect> FixedRectReader::read(QPDFObjectHandle array) {
    if (!array.isArray() || array.getArrayNItems() < 4) {
        return std::nullopt;
    }
    std::array<double, 4> values{};
    for (int i = 0; i < 4; ++i) {
        QPDFObjectHandle item = array.getArrayItem(i);
        if (!item.isNumber()) {
            return std::nullopt;
        }
        values[static_cast<std::size_t>(i)] = item.getNumericValue();
    }
    ASFixedRect rect;
    rect.left = ASFloatToFixed(std::min(values[0], values[2]));
    rect.right = ASFloatToFixed(std::max(values[0], values[2]));
    rect.bottom = ASFloatToFixed(std::min(values[1], values[3]));
    rect.top = ASFloatToFixed(std::max(values[1], values[3]));
    return rect;
}
