// NotesCreateLayerCmd: makes the annotation layer: a document layer named "Annotations" at the end
// of the layer list, with a content and a guide spread layer on every spread and master spread,
// and stores it in the document's layer reference.
#pragma once

#include "host/commands/Command.h"

class IDataBase;
class IDocumentLayer;

class NotesCreateLayerCmd final : public Command {
public:
    explicit NotesCreateLayerCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    PMString* CreateName() override;

private:
    void SetLayerProperties(IDocumentLayer* documentLayer);
    // Adds the content and guide spread layers to the spread; false when one cannot be made.
    bool AddSpreadLayers(IDataBase* db, UID spread, UID documentLayer, bool master);
    ErrorCode SaveLayerReference(const UIDRef& document, UID layer);
};
