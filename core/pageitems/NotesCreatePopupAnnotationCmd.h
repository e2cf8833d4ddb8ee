// NotesCreatePopupAnnotationCmd: makes one popup, a one-column text frame under the given spread
// layer showing its owner's content, filled with the command's main swatch, with a black stroke,
// rounded corners, a text inset and no text wrap; it carries the record and the owner's UID.
#pragma once

#include "host/commands/Command.h"
#include "host/document/PMPathPoint.h"
#include "host/util/Geometry.h"

class INotesAnnotation;
class INotesDrawMarkupAnnotationData;

class NotesCreatePopupAnnotationCmd final : public Command {
public:
    explicit NotesCreatePopupAnnotationCmd(IPMUnknown* boss) : Command(boss) {}

    static constexpr PMReal kTextInset = 5.0;
    static constexpr PMReal kStrokeWeight = 3.0;
    static constexpr PMReal kCornerSize = 20.0;

protected:
    void Do() override;
    PMString* CreateName() override;

private:
    // The frame's two corners: the record's own two points, or beside the page for more points.
    bool FramePoints(const UIDRef& parent, PMPointList* points);
    bool ApplyLook(const UIDRef& popup, UID fillColor);
    bool LinkAndInset(const UIDRef& popup);
    // An owner without an open popup refers to the new one, so hiding it closes this popup.
    static void LinkOwner(const UIDRef& owner, UID popup);
};
