// NotesLayerManager: the document's INotesLayerManager; reads the layer reference every time.
#pragma once

#include "INotesLayerManager.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesLayerManager final : public CPMUnknown<INotesLayerManager> {
public:
    explicit NotesLayerManager(IPMUnknown* boss) : CPMUnknown<INotesLayerManager>(boss) {}
    UID GetNotesLayerUID() override;
    bool16 HasNotesLayer() override;
    ErrorCode DeleteNotesLayer() override;
    bool16 IsFreeOfAnnotations() override;
    int32 CountAnnotations() override;

private:
    int32 CountAnnotationsUpTo(int32 limit);
    UID ReferencedLayer();
};
