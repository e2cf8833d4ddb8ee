// NotesClearAllCmd: removes every text markup and the annotation layer with all annotation page
// items, so that the document no longer holds annotations.
#pragma once

#include "host/commands/Command.h"

class NotesClearAllCmd final : public Command {
public:
    explicit NotesClearAllCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    PMString* CreateName() override;
};
