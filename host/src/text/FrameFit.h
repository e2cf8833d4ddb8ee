// FrameFit: the bounds a text frame needs so that its columns show the rest of its story and no
// empty line slot more. Only the frame that holds the end of its story's primary thread has such
// bounds (the thread's last frame while text is overset); earlier frames pass their text on and
// keep their size. The fitted frame keeps its left, top and width; its height is whole line slots
// per column (one at least, so an empty story still has a line) plus its top and bottom inset.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/TextComposition.h"
#include "host/util/Geometry.h"

class IDataBase;

class FrameFit {
public:
    FrameFit(IDataBase* db, UID multiColumnItem);

    // Whether the frame holds the end of its story's text (so fitting it means anything).
    bool HoldsStoryEnd() const;
    // The frame page item (the spline) whose bounds change.
    UID GetFrameItemUID() const;
    // The frame's bounds, in its inner coordinates, that just fit the text from its first column on.
    PMRect FittedBounds() const;

private:
    const TextComposition& Composition() const;
    // The first index the frame's first column shows (or would show).
    TextIndex FirstIndex() const;
    // The lines the text from the frame's first index to the story's end takes at the column width.
    int32 LinesToShow() const;

    IDataBase* fDataBase;
    InterfacePtr<IMultiColumnTextFrame> fFrame;
};
