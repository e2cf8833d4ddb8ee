#include "TableDrawer.h"

#include "../document/Query.h"
#include "../text/ColumnTables.h"
#include "WaxLineDrawer.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IGraphicsPort.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextParcelList.h"

void TableDrawer::DrawTablesIn(UID column) const {
    IGraphicsPort* port = fGraphicsData->GetGraphicsPort();
    for (const InterfacePtr<ITableFrame>& table :
         ColumnTables::Of(fStory.GetDataBase(), fStory.GetUID(), column)) {
        InterfacePtr<ITableModel> model(table->QueryTableModel());
        for (int32 row = 0; row < model->GetRowCount(); ++row)
            for (int32 col = 0; col < model->GetColumnCount(); ++col)
                DrawCellText(model->GetCellUID(row, col), table->GetCellBounds(row, col));
        port->gsave();
        port->setrgbcolor(0, 0, 0);
        port->setlinewidth(kBorderWeight);
        port->setdash({}, 0);
        port->newpath();
        for (int32 row = 0; row < model->GetRowCount(); ++row)
            for (int32 col = 0; col < model->GetColumnCount(); ++col)
                port->rectpath(table->GetCellBounds(row, col));
        port->stroke();
        port->grestore();
    }
}

// A cell's text is composed in the column's inner coordinates too; what overflows the cell is clipped.
void TableDrawer::DrawCellText(UID cell, const PMRect& bounds) const {
    InterfacePtr<ITextParcelList> parcels = Query::Get<ITextParcelList>(fStory.GetDataBase(), cell);
    if (!parcels)
        return;
    const TextComposition& composition = parcels->GetComposition();
    const int32 parcel = composition.FindParcel(static_cast<ParcelKey>(cell));
    if (composition.CountLines(parcel) == 0)
        return;
    IGraphicsPort* port = fGraphicsData->GetGraphicsPort();
    port->gsave();
    port->newpath();
    port->rectpath(bounds);
    port->clip();
    const WaxLineDrawer drawer(fGraphicsData, fStory, fFlags);
    for (int32 line = 0; line < composition.CountLines(parcel); ++line)
        drawer.DrawLine(composition.GetLine(parcel, line));
    port->grestore();
}
