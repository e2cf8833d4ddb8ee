// NotesCreateFreeTextAnnotationCmd: makes a free-text annotation under the given spread layer: a
// one-column text frame holding the annotation's content, stroked with the border's width, colour
// and dash and filled with its second colour (no fill without one). With more than two points it
// also makes the callout line, an open path through points[2] onwards with the line start at its
// first point, and groups it with the frame so the two move and go together. The record holds 2 to
// 5 finite points; anything else makes nothing. The output item list is the frame.
#pragma once

#include "host/commands/Command.h"
#include "host/document/PMPathPoint.h"
#include "host/util/Geometry.h"

class INotesDrawMarkupAnnotationData;

class NotesCreateFreeTextAnnotationCmd final : public Command {
public:
    explicit NotesCreateFreeTextAnnotationCmd(IPMUnknown* boss) : Command(boss) {}

    static constexpr size_t kMinPoints = 2;
    static constexpr size_t kMaxPoints = 5;

protected:
    void Do() override;
    PMString* CreateName() override;

private:
    static bool ArePointsUsable(const PMPointList& points);
    static bool ApplyFrameLook(const UIDRef& frame, const INotesDrawMarkupAnnotationData* data);
    static UIDRef CreateCallout(const UIDRef& parent, const PMRect& frameBounds, const PMPointList& points,
                                const INotesDrawMarkupAnnotationData* data);
    static bool ReplacePath(const UIDRef& callout, const PMPointList& points);
    static bool Group(const UIDRef& frame, const UIDRef& callout);
    bool LinkPopup(const UIDRef& frame);
};
