// NotesSaveLayerReferenceCmd: stores a layer UID (or kInvalidUID) in the document's layer reference.
#pragma once

#include "host/commands/Command.h"

class NotesSaveLayerReferenceCmd final : public Command {
public:
    explicit NotesSaveLayerReferenceCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    PMString* CreateName() override;
};
