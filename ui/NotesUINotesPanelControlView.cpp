#include "NotesUINotesPanelControlView.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMinWidth = 200;
constexpr double kMinHeight = 200;
constexpr double kFirstHeightAboveMin = 240;
constexpr double kMaxHeight = 2048;
constexpr double kHeightStep = 5;

double ConstrainHeight(double h) {
    if (h <= kMinHeight + kGeometryTolerance)
        return kMinHeight;
    if (h <= kFirstHeightAboveMin + kGeometryTolerance)
        return kFirstHeightAboveMin;
    if (h >= kMaxHeight - kGeometryTolerance)
        return kMaxHeight;
    // Heights 5 above a multiple of 5 stay; any other is rounded up onto that grid, which never
    // carries a height past the maximum.
    const auto offset = static_cast<int64_t>(std::trunc(h - kHeightStep));
    if (offset % static_cast<int64_t>(kHeightStep) == 0)
        return h;
    return std::min(kMaxHeight, kHeightStep + kHeightStep * std::trunc(h / kHeightStep));
}
} // namespace

PMPoint NotesUINotesPanelControlView::ConstrainDimensions(const PMPoint& dimensions) const {
    const double width = dimensions.X() <= kMinWidth + kGeometryTolerance ? kMinWidth : dimensions.X();
    return PMPoint(width, ConstrainHeight(dimensions.Y()));
}
