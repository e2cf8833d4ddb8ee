#include "host/graphics/PdfExporter.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include <cairo-pdf.h>
#include <cairo.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "../document/Query.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/ISpread.h"
#include "host/document/ISpreadList.h"
#include "host/document/ITransform.h"
#include "host/graphics/CairoGraphicsPort.h"
#include "host/graphics/IShape.h"
#include "host/graphics/SpreadDrawer.h"
#include "host/objectmodel/ObjectModel.h"

namespace {
// One PDF page: the spread to draw and the rectangle of the pasteboard it shows.
struct Sheet {
    UID spread = kInvalidUID;
    PMRect bounds;
};

PdfExporter::Result Failure(const std::string& message) {
    PdfExporter::Result result;
    result.error = kFailure;
    result.message = message;
    return result;
}

std::vector<Sheet> PageSheets(IDataBase* db) {
    std::vector<Sheet> sheets;
    InterfacePtr<IPageList> pages = Query::Get<IPageList>(db, db->GetRootUID());
    for (int32 i = 0; pages && i < pages->GetPageCount(); ++i) {
        const UIDRef page(db, pages->GetNthPageUID(i));
        InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(page);
        sheets.push_back({hierarchy ? hierarchy->GetSpreadUID() : kInvalidUID,
                          Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(page)});
    }
    return sheets;
}

std::vector<Sheet> SpreadSheets(IDataBase* db) {
    std::vector<Sheet> sheets;
    InterfacePtr<ISpreadList> spreads = Query::Get<ISpreadList>(db, db->GetRootUID());
    for (int32 i = 0; spreads && i < spreads->GetSpreadCount(); ++i) {
        const UID uid = spreads->GetNthSpreadUID(i);
        InterfacePtr<ISpread> spread = Query::Get<ISpread>(db, uid);
        InterfacePtr<ITransform> transform = Query::Get<ITransform>(db, uid);
        if (spread && transform && spread->GetNumPages() > 0)
            sheets.push_back(
                {uid, transform->InnerToPasteboardMatrix().TransformRect(spread->GetPagesBounds())});
    }
    return sheets;
}

void DrawSheet(cairo_t* context, IDataBase* db, const Sheet& sheet) {
    cairo_pdf_surface_set_size(cairo_get_target(context), sheet.bounds.Width(), sheet.bounds.Height());
    cairo_save(context);
    cairo_translate(context, -sheet.bounds.Left(), -sheet.bounds.Top());
    cairo_rectangle(context, sheet.bounds.Left(), sheet.bounds.Top(), sheet.bounds.Width(),
                    sheet.bounds.Height());
    cairo_clip(context);
    CairoGraphicsPort port(context);
    SpreadDrawer(&port, IShape::kDrawFlagsForOutput).DrawSpread(UIDRef(db, sheet.spread));
    cairo_restore(context);
    cairo_show_page(context);
}

// Draws every sheet into a PDF with cairo; false when cairo reports a failure.
bool WriteWithCairo(IDataBase* db, const std::vector<Sheet>& sheets, const std::string& path) {
    cairo_surface_t* surface =
        cairo_pdf_surface_create(path.c_str(), sheets[0].bounds.Width(), sheets[0].bounds.Height());
    cairo_t* context = cairo_create(surface);
    for (const Sheet& sheet : sheets)
        DrawSheet(context, db, sheet);
    const bool drawn = cairo_status(context) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(context);
    cairo_surface_finish(surface);
    const bool written = drawn && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

// cairo writes the MediaBox only; a proof's trim is the page itself, so the TrimBox repeats it.
void AddTrimBoxes(const std::string& from, const std::string& to) {
    QPDF pdf;
    pdf.processFile(from.c_str());
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        QPDFObjectHandle object = page.getObjectHandle();
        object.replaceKey("/TrimBox", object.getKey("/MediaBox").shallowCopy());
    }
    QPDFWriter writer(pdf, to.c_str());
    writer.write();
}
} // namespace

PdfExporter::Result PdfExporter::Export(IDataBase* db, const std::string& path, Mode mode) {
    if (!db)
        return Failure("There is no document to export.");
    const std::vector<Sheet> sheets = mode == kSpreads ? SpreadSheets(db) : PageSheets(db);
    if (sheets.empty())
        return Failure("The document has no pages to export.");
    const std::string drawn = path + ".drawing";
    const std::string trimmed = path + ".writing";
    bool ok = WriteWithCairo(db, sheets, drawn);
    try {
        if (ok)
            AddTrimBoxes(drawn, trimmed);
    } catch (const std::exception&) {
        ok = false;
    }
    std::error_code ignored;
    std::filesystem::remove(drawn, ignored);
    if (ok)
        std::filesystem::rename(trimmed, path, ignored);
    if (!ok || ignored) {
        std::filesystem::remove(trimmed, ignored);
        return Failure("The PDF cannot be written to " + path + ".");
    }
    Result result;
    result.pageCount = static_cast<int32>(sheets.size());
    return result;
}
