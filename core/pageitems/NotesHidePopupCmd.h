// NotesHidePopupCmd: closes the open popups of the annotations in its list: the popup's place and
// size become the annotation's points, so the next show opens it where the user left it; the
// popup is deleted and the annotation's reference cleared.
#pragma once

#include "host/commands/Command.h"

class NotesHidePopupCmd final : public Command {
public:
    explicit NotesHidePopupCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    PMString* CreateName() override;

private:
    bool HidePopupOf(const UIDRef& annotationRef);
};
