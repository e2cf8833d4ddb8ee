// NotesSaveAnnotationCmd: rewrites one annotation's record with the command's record.
#pragma once

#include "host/commands/Command.h"

class NotesSaveAnnotationCmd final : public Command {
public:
    explicit NotesSaveAnnotationCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    PMString* CreateName() override;
};
