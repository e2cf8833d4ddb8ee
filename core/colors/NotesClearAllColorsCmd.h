// NotesClearAllColorsCmd: makes the document forget its annotation swatches. The "Annotation Color"
// swatches are let go (the user may edit them again) and the colour list is emptied, kind slots
// included, so the next annotation of a kind makes a new kind swatch. No swatch is deleted.
// Item list: the document, exactly one item.
#pragma once

#include "host/commands/Command.h"

class INotesAnnotationColorList;

class NotesClearAllColorsCmd final : public Command {
public:
    explicit NotesClearAllColorsCmd(IPMUnknown* boss);

protected:
    void Do() override;
    PMString* CreateName() override;

private:
    void ReleaseOtherColors(const INotesAnnotationColorList* annotationColorList) const;
};
