// NotesCreateDrawnMarkupCmd: what the commands that make drawn markups (lines, polygons) share.
// The body checks the parent and the command's record and drawing values, creates a rectangular
// spline item of the subclass's page-item class over the record's first two points, lets the
// subclass give it its path and graphic attributes, turns text wrap off, saves the record on it
// and sets its popup reference. When a step after the creation fails, the item is deleted again,
// so a refused drawing leaves nothing behind in the document.
#pragma once

#include "host/commands/Command.h"
#include "host/document/PMPathPoint.h"

class INotesAnnotation;
class INotesDrawMarkupAnnotationData;
class IGraphicStyleAttributeBossList;

class NotesCreateDrawnMarkupCmd : public Command {
public:
    // Coordinates beyond this distance from the pasteboard origin are refused: no document reaches
    // them, and the bounds of such points are not representable.
    static constexpr PMReal kLargestCoordinate = 1.0e7;

    // True when every coordinate of the points is a finite number within kLargestCoordinate.
    static bool AreUsablePoints(const PMPointList& points);
    // The host stroke type of a border style code: dashed for code 3, solid for every other code.
    static ClassID StrokeTypeOf(int32 borderStyle);

protected:
    NotesCreateDrawnMarkupCmd(IPMUnknown* boss, ClassID itemClass, const char* drawDataName)
        : Command(boss), fItemClass(itemClass), fDrawDataName(drawDataName) {}

    void Do() final;
    // Gives the new item its path; false when that fails.
    virtual bool Shape(const UIDRef& item, const INotesAnnotation* record) = 0;
    // Gives the new item its graphic attributes; false when that fails.
    virtual bool Paint(const UIDRef& item, const INotesDrawMarkupAnnotationData* drawData) = 0;

    // Replaces the item's paths by one path through the points (pasteboard coordinates), open or closed.
    static bool ReplacePath(const UIDRef& item, const PMPointList& points, bool16 open);
    // A new attribute list with the stroke weight, stroke colour and stroke type of the drawing
    // values; nil (logged) when one of them cannot be added.
    static IGraphicStyleAttributeBossList*
    NewStrokeAttributes(const INotesDrawMarkupAnnotationData* drawData);

private:
    bool Finish(const UIDRef& item, const INotesAnnotation* record);
    bool SetPopupReference(const UIDRef& item);
    // Deletes an item whose making failed half way.
    static void Discard(const UIDRef& item);

    ClassID fItemClass;
    const char* fDrawDataName;
};
