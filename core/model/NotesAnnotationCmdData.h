// NotesAnnotationCmdData: the annotation record as command data; the caller fills it with Set and
// the command copies it onto its target.
#pragma once

#include "NotesAnnotationBase.h"

class NotesAnnotationCmdData final : public NotesAnnotationBase {
public:
    explicit NotesAnnotationCmdData(IPMUnknown* boss) : NotesAnnotationBase(boss) {}
};
