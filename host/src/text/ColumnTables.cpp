#include "ColumnTables.h"

#include "../document/Query.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextStoryThreadDictHier.h"

namespace ColumnTables {
std::vector<InterfacePtr<ITableFrame>> Of(IDataBase* db, UID story, UID column) {
    std::vector<InterfacePtr<ITableFrame>> tables;
    InterfacePtr<ITextStoryThreadDictHier> dictionaries = Query::Get<ITextStoryThreadDictHier>(db, story);
    if (!dictionaries || column == kInvalidUID)
        return tables;
    // The first dictionary is the story's own; each other one is a table model's.
    for (UID owner = dictionaries->NextUID(story); owner != kInvalidUID;
         owner = dictionaries->NextUID(owner)) {
        InterfacePtr<ITableModel> model = Query::Get<ITableModel>(db, owner);
        InterfacePtr<ITableFrame> frame(model ? model->QueryTableFrame() : nullptr);
        if (frame && frame->GetFrameColumnUID() == column)
            tables.push_back(frame);
    }
    return tables;
}
} // namespace ColumnTables
