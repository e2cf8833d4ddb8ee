// ColumnTables: the tables of a story that are composed in one frame column, for the column's
// hit test and drawing.
#pragma once

#include <vector>

#include "host/database/IDataBase.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/ITableFrame.h"

namespace ColumnTables {
// The table frames of the story's tables placed in the column, in text order.
std::vector<InterfacePtr<ITableFrame>> Of(IDataBase* db, UID story, UID column);
} // namespace ColumnTables
