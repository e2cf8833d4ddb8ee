// PageRenderer: draws one document page with a margin of its spread's pasteboard into a PNG.
// One point is `scale` pixels; pixel (0, 0) is the page's left top corner less the margin.
#pragma once

#include <string>

#include "host/database/UIDRef.h"
#include "host/util/Geometry.h"

class PageRenderer {
public:
    struct Result {
        ErrorCode error = kSuccess;
        std::string message; // one sentence when it failed
        int32 width = 0;
        int32 height = 0;
    };
    static constexpr PMReal kMargin = 36.0;

    // page is a 0-based index into the document's page list.
    static Result RenderPageToPNG(IDataBase* db, int32 pageIndex, PMReal scale, const std::string& path,
                                  int32 flags = 0);
};
