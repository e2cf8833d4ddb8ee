// Exporting a 500-page document as a PDF proof. The document is built by the layout builder from
// a description made here: 500 one-page spreads, each with one text frame, all threaded on one
// story of about 1.5 MB of text (the text benchmark's story). Timed, each as the median of
// several repetitions:
//   BM_ComposeThread       composing the story into its 500 frames from nothing;
//   BM_ExportPdf           PdfExporter writing the proof, with the composition already made
//                          (what `pagehost export-pdf` does after opening a composed document);
//   BM_BareCairoGlyphRuns  cairo writing a PDF of the very same glyph runs at the same places and
//                          page sizes, collected from the document beforehand (the floor: what
//                          writing the glyphs costs in cairo alone).
// The ratios printed at the end say what the export adds to cairo's own work (walking the spread
// hierarchy, asking frames for their lines, drawing pages and frames, the qpdf pass that adds
// TrimBoxes, writing twice) and how the export compares with composing the same text.
#include <benchmark/benchmark.h>

#include <cairo-pdf.h>
#include <cairo.h>

#include <filesystem>
#include <stdexcept>

#include "../text/LongText.h"
#include "GlyphRunCollector.h"
#include "MedianRatioReporter.h"
#include "host/Host.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/document/LayoutBuilder.h"
#include "host/graphics/CairoGraphicsPort.h"
#include "host/graphics/IShape.h"
#include "host/graphics/PdfExporter.h"
#include "host/graphics/SpreadDrawer.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IFrameList.h"
#include "host/text/IStoryList.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/IWaxStrand.h"

namespace {
namespace fs = std::filesystem;
constexpr int32 kPages = 500;

LayoutDescription Describe() {
    LayoutDescription description;
    description.layers.push_back({"Layer 1", true, false, true});
    description.stories.push_back({"long", LongText::Paragraphs(), {}});
    for (int32 page = 0; page < kPages; ++page) {
        description.spreads.push_back({{LayoutDescription::Page()}});
        LayoutDescription::TextFrame frame;
        frame.page = page;
        frame.bounds = PMRect(72, 72, 540, 708); // 44 lines of 468 pt a page
        frame.story = "long";
        description.textFrames.push_back(frame);
    }
    return description;
}

template <class T> InterfacePtr<T> Get(IDataBase* db, UID uid) {
    return InterfacePtr<T>(ObjectModel::CheckedCast<T>(db->Instantiate(uid, T::kDefaultIID)));
}

class LongDocument {
public:
    LongDocument() {
        Host::Initialize();
        const LayoutBuilder::Result built = LayoutBuilder::Build(Describe());
        if (!built.document)
            throw std::runtime_error("cannot build the benchmark document: " + built.message);
        fDocument = built.document;
        fDataBase = fDocument->GetDocumentDataBase();
        fStory = FindStory();
    }
    ~LongDocument() { DocumentManager::Instance().CloseDocument(fDocument); }

    IDataBase* DB() const { return fDataBase; }
    void ForgetComposition() const {
        Get<IWaxStrand>(fDataBase, fStory)
            ->Invalidate(Get<ITextStoryThread>(fDataBase, fStory)->GetThreadKey());
    }
    const TextComposition& Compose() const {
        return Get<ITextParcelList>(fDataBase, fStory)->GetComposition();
    }
    // Every page's size and glyph runs, in page coordinates, as the export draws them.
    std::vector<std::pair<PMRect, std::vector<GlyphRunCollector::PlacedRun>>> CollectPages() const;

private:
    // The one story of the description: the one with frames.
    UID FindStory() const {
        InterfacePtr<IStoryList> stories = Get<IStoryList>(fDataBase, fDataBase->GetRootUID());
        for (int32 n = 0; stories && n < stories->CountStories(); ++n)
            if (Get<IFrameList>(fDataBase, stories->GetNthStoryUID(n))->GetFrameCount() > 0)
                return stories->GetNthStoryUID(n);
        throw std::runtime_error("the benchmark document has no threaded story");
    }

    IDocument* fDocument = nullptr;
    IDataBase* fDataBase = nullptr;
    UID fStory = kInvalidUID;
};

std::vector<std::pair<PMRect, std::vector<GlyphRunCollector::PlacedRun>>> LongDocument::CollectPages() const {
    std::vector<std::pair<PMRect, std::vector<GlyphRunCollector::PlacedRun>>> sheets;
    InterfacePtr<IPageList> pages = Get<IPageList>(fDataBase, fDataBase->GetRootUID());
    GlyphRunCollector collector;
    for (int32 i = 0; i < pages->GetPageCount(); ++i) {
        const UIDRef page(fDataBase, pages->GetNthPageUID(i));
        const PMRect bounds = Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(page);
        collector.Clear();
        collector.concat(PMMatrix(1, 0, 0, 1, -bounds.Left(), -bounds.Top()));
        SpreadDrawer(&collector, IShape::kDrawFlagsForOutput)
            .DrawSpread(UIDRef(fDataBase, Get<IHierarchy>(fDataBase, page.GetUID())->GetSpreadUID()));
        sheets.emplace_back(bounds, collector.GetRuns());
    }
    return sheets;
}

LongDocument& Document() {
    static LongDocument document;
    return document;
}

fs::path OutputPath(const char* name) {
    return fs::temp_directory_path() / name;
}

void BM_ComposeThread(benchmark::State& state) {
    const LongDocument& document = Document();
    const TextComposition* composed = nullptr;
    for (auto _ : state) {
        state.PauseTiming();
        document.ForgetComposition();
        state.ResumeTiming();
        composed = &document.Compose();
        benchmark::DoNotOptimize(composed);
    }
    int32 pagesUsed = 0;
    for (int32 parcel = 0; parcel < composed->CountParcels(); ++parcel)
        pagesUsed += composed->CountLines(parcel) > 0 ? 1 : 0;
    state.counters["lines"] = composed->CountAllLines();
    state.counters["pagesUsed"] = pagesUsed;
    state.counters["overset"] = composed->IsOverset() ? 1 : 0;
}
BENCHMARK(BM_ComposeThread)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Iterations(1);

void BM_ExportPdf(benchmark::State& state) {
    const LongDocument& document = Document();
    document.Compose();
    const fs::path path = OutputPath("pagehost-export-bench.pdf");
    for (auto _ : state) {
        const PdfExporter::Result result = PdfExporter::Export(document.DB(), path.string());
        if (result.error != kSuccess)
            state.SkipWithError(result.message.c_str());
        state.counters["pages"] = result.pageCount;
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(path));
}
BENCHMARK(BM_ExportPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Iterations(1);

// Writes the collected runs page by page, each run under its own matrix, through the host's cairo
// port so the glyphs carry their text exactly as the export's do.
bool WriteBarePdf(const std::vector<std::pair<PMRect, std::vector<GlyphRunCollector::PlacedRun>>>& sheets,
                  const std::string& path) {
    cairo_surface_t* surface =
        cairo_pdf_surface_create(path.c_str(), sheets[0].first.Width(), sheets[0].first.Height());
    cairo_t* context = cairo_create(surface);
    CairoGraphicsPort port(context);
    for (const auto& [bounds, runs] : sheets) {
        cairo_pdf_surface_set_size(surface, bounds.Width(), bounds.Height());
        for (const GlyphRunCollector::PlacedRun& placed : runs) {
            const PMMatrix& m = placed.matrix;
            cairo_matrix_t matrix;
            cairo_matrix_init(&matrix, m.A(), m.B(), m.C(), m.D(), m.Tx(), m.Ty());
            cairo_save(context);
            cairo_set_matrix(context, &matrix);
            port.showglyphs(placed.run);
            cairo_restore(context);
        }
        cairo_show_page(context);
    }
    const bool ok = cairo_status(context) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(context);
    cairo_surface_finish(surface);
    const bool written = ok && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

void BM_BareCairoGlyphRuns(benchmark::State& state) {
    const auto sheets = Document().CollectPages();
    const fs::path path = OutputPath("pagehost-export-bench-bare.pdf");
    size_t runs = 0;
    for (const auto& sheet : sheets)
        runs += sheet.second.size();
    for (auto _ : state)
        if (!WriteBarePdf(sheets, path.string()))
            state.SkipWithError("cairo cannot write the bare PDF");
    state.counters["pages"] = static_cast<double>(sheets.size());
    state.counters["glyphRuns"] = static_cast<double>(runs);
    state.counters["bytes"] = static_cast<double>(fs::file_size(path));
}
BENCHMARK(BM_BareCairoGlyphRuns)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Iterations(1);
} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    MedianRatioReporter reporter(
        {{"BM_ExportPdf", "BM_BareCairoGlyphRuns",
          "the export against cairo writing the same glyph runs alone (1.0 would mean the host adds "
          "nothing)"},
         {"BM_ExportPdf", "BM_ComposeThread", "the export against composing the same text from nothing"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
