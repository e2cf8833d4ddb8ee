// NotesDrawMarkupAnnotationCmdData: the drawing values as command data; the creating commands
// turn them into graphic attributes of the item they make.
#pragma once

#include "NotesDrawMarkupAnnotationBase.h"

class NotesDrawMarkupAnnotationCmdData final : public NotesDrawMarkupAnnotationBase {
public:
    explicit NotesDrawMarkupAnnotationCmdData(IPMUnknown* boss) : NotesDrawMarkupAnnotationBase(boss) {}
};
