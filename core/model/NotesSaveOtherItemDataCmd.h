// NotesSaveOtherItemDataCmd: stores a UID in one object's partner reference (the link between the
// start and end markers of a text markup).
#pragma once

#include "host/commands/Command.h"

class NotesSaveOtherItemDataCmd final : public Command {
public:
    explicit NotesSaveOtherItemDataCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
};
