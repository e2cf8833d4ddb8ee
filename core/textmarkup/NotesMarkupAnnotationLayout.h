// NotesMarkupAnnotationLayout: page, layer and bounds of a text markup (on its end marker): those
// of the text frame that shows the marker's character now. A markup in overset text is shown by
// no frame: it has no page, no layer and empty bounds.
#pragma once

#include "INotesAnnotationLayout.h"
#include "host/database/UIDRef.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/text/TextTypes.h"

class NotesMarkupAnnotationLayout final : public CPMUnknown<INotesAnnotationLayout> {
public:
    explicit NotesMarkupAnnotationLayout(IPMUnknown* boss) : CPMUnknown<INotesAnnotationLayout>(boss) {}
    UID GetPageUID() override;
    UID GetLayerUID() override;
    PMRect GetBounds() override;

    // The multi-column text frame that shows the character at index of a story, or an invalid
    // reference when no frame shows it (overset text).
    static UIDRef FrameShowing(const UIDRef& story, TextIndex index);

private:
    UIDRef Frame() const;
};
