// NotesNewTextMarkupCmd: makes a text markup of any text kind (highlight to caret) over a range of
// a story, without a PDF. Its note rectangle lies beside the page, at the height where the range's
// middle stands in the frame (or table cell) that shows it; overset text uses the story's last
// frame. Item list in: the story; integer data: the type (3 to 8); range data: the characters (a
// caret stands before the range's first character). Item list out: the new annotation (its end
// marker), empty when the range lies outside the story or its kind already marks it.
#pragma once

#include "host/commands/Command.h"
#include "host/database/UIDRef.h"
#include "host/text/RangeData.h"
#include "host/util/Geometry.h"

class NotesNewTextMarkupCmd final : public Command {
public:
    explicit NotesNewTextMarkupCmd(IPMUnknown* boss) : Command(boss) {}

    // Whether a markup of the type can stand on range of a story of totalLength characters.
    static bool RangeFits(int32 type, RangeData range, int32 totalLength);

protected:
    void Do() override;
    void DoNotify() override;
    PMString* CreateName() override;

private:
    // Where the note opens for the range: the popup place beside the page at the range's height.
    static bool NoteBounds(const UIDRef& story, RangeData range, PMRect* note);
    static bool SaveNewRecord(const UIDRef& endMarker, int32 type, const PMRect& note, UID color);
    static void InvalidatePageList(const UIDRef& annotation);
};
