// PageItemOps: steps the host's layout commands share. They change the database directly and
// are meant to run inside a command, so that undo records them.
#pragma once

#include <vector>

#include "host/database/UIDList.h"
#include "host/document/GraphicAttribute.h"
#include "host/objectmodel/ObjectIDs.h"
#include "host/util/Geometry.h"

class ICommand;

namespace PageItemOps {
// The matrix from an object's inner coordinates to the pasteboard; spread layers add nothing.
PMMatrix InnerToPasteboard(IDataBase* db, UID uid);
// Removes an object from its parent and deletes it with all its descendants.
void DeleteTree(IDataBase* db, UID uid);
// Moves an item under a new parent at position, keeping where it sits on the pasteboard.
void Reparent(IDataBase* db, UID item, UID newParent, int32 position);
// A new spread layer of a document layer (kInvalidUID: the pages layer) under spread at position.
UID NewSpreadLayer(IDataBase* db, UID spread, UID documentLayer, bool16 guide, int32 position);
// Every spread followed by every master spread.
UIDList AllSpreads(IDataBase* db);
// Stacks the spreads of the list (document or master) from top to bottom, pasteboards touching;
// from a spread on, those before it standing where they are (from the first without one).
void ArrangeSpreads(IDataBase* db, bool masters, UID from = kInvalidUID);
// True for page items: objects in a spread layer other than the pages layer.
bool IsPageItem(IDataBase* db, UID uid);
// True when every UID of the list is a page item (and the list is not empty).
bool AreAllPageItems(const UIDList& items);
// Adds the attributes to the graphic attribute list of each item in turn; false at the first item
// without such a list (the items before it keep theirs, for the failed command to roll back).
bool AddAttributes(const UIDList& items, const std::vector<GraphicAttribute>& attributes);
// Tells the document's observers, with the command as the changer.
void Broadcast(IDataBase* db, ClassID change, PMIID protocol, ICommand* cmd);
} // namespace PageItemOps
