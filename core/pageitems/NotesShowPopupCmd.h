// NotesShowPopupCmd: opens the popups of the annotations in its list that have none open: each
// popup is made on the annotation layer of the annotation's spread from the annotation's points,
// colour and content, and the annotation refers to it until it is hidden.
#pragma once

#include "host/commands/Command.h"

class INotesAnnotation;

class NotesShowPopupCmd final : public Command {
public:
    explicit NotesShowPopupCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    PMString* CreateName() override;

private:
    bool ShowPopupOf(const UIDRef& annotationRef);
    UID CreatePopup(UID parent, const UIDRef& owner, const INotesAnnotation* annotation);
};
