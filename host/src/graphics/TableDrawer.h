// TableDrawer: draws the tables composed in one frame column, in the column's inner coordinates:
// each cell's composed lines, clipped to the cell, then the cells' borders in a thin black stroke.
#pragma once

#include "host/database/UIDRef.h"
#include "host/util/Geometry.h"

class GraphicsData;

class TableDrawer {
public:
    static constexpr PMReal kBorderWeight = 0.5;

    TableDrawer(GraphicsData* graphicsData, const UIDRef& story, int32 flags)
        : fGraphicsData(graphicsData), fStory(story), fFlags(flags) {}
    void DrawTablesIn(UID column) const;

private:
    void DrawCellText(UID cell, const PMRect& bounds) const;

    GraphicsData* fGraphicsData;
    UIDRef fStory;
    int32 fFlags;
};
