// NotesNewStickyNoteCmd: a new, empty sticky note where the user clicked in the layout view. The
// note is made by the create command on the annotation layer of the spread under the click; its
// record then keeps the rectangle its popup opens in beside the page. Observers of the document
// hear of the new note when the command is done.
#pragma once

#include "host/commands/Command.h"
#include "host/database/UIDRef.h"
#include "host/util/Geometry.h"

class IDocument;

class NotesNewStickyNoteCmd final : public Command {
public:
    explicit NotesNewStickyNoteCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    void DoNotify() override;
    PMString* CreateName() override;

private:
    // The annotation layer's document layer, made when the document has none yet.
    UID AnnotationLayerOf(IDocument* document);
    // The annotation layer's spread layer on the spread under the point, or kInvalidUID.
    UIDRef ParentAt(IDocument* document, UID documentLayer, const PMPoint& point);
    UID CreateNote(const UIDRef& parent, UID color, const PMPoint& point);
    bool SavePopupPlace(const UIDRef& note, const UIDRef& spread, UID color, const PMPoint& point);
};
