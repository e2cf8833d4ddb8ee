// Composition of about 1.5 MB of text into 500 pages' worth of parcels (one 468 x 648 pt column a
// page), from scratch and again after one paragraph in the middle was edited. Only composition
// is timed; the edits run outside the clock.
#include <benchmark/benchmark.h>

#include "LongText.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextModelCmds.h"
#include "host/text/IWaxStrand.h"

namespace {
constexpr int32 kPages = 500;

std::vector<Parcel> Pages() {
    std::vector<Parcel> parcels;
    for (int32 page = 0; page < kPages; ++page)
        parcels.push_back(Parcel{page, PMRect(72, 72, 540, 720), PMMatrix(1, 0, 0, 1, 0, page * 800.0)});
    return parcels;
}

ErrorCode Process(ICommand* cmd) {
    InterfacePtr<ICommand> owned(cmd);
    return CmdUtils::ProcessCommand(owned);
}

class LongStory {
public:
    LongStory() : fDocument(DocumentManager::Instance().NewDocument().document) {
        IDataBase* db = fDocument->GetDocumentDataBase();
        InterfacePtr<ICommand> newStory(CmdUtils::CreateCommand(kNewStoryCmdBoss));
        newStory->SetItemList(UIDList(UIDRef(db, db->GetRootUID())));
        CmdUtils::ProcessCommand(newStory);
        const UID story = newStory->GetItemList()->At(0);
        fModel.reset(ObjectModel::CheckedCast<ITextModel>(db->Instantiate(story, IID_ITEXTMODEL)));
        fCmds = InterfacePtr<ITextModelCmds>(fModel, IID_ITEXTMODELCMDS);
        fWax = InterfacePtr<IWaxStrand>(fModel, IID_IWAXSTRAND);
        Process(fCmds->InsertCmd(0, WideString(LongText::Make())));
    }
    ~LongStory() {
        fModel.reset();
        fCmds.reset();
        fWax.reset();
        DocumentManager::Instance().CloseDocument(fDocument);
    }
    const TextComposition& Compose() {
        return fWax->Compose(0, RangeData(0, fModel->TotalLength()), fParcels);
    }
    void Forget() { fWax->Invalidate(0); }
    // Types a word into (or takes it out of) the paragraph in the middle of the story.
    void EditMiddleParagraph(bool insert) {
        const TextIndex at = fModel->TotalLength() / 2;
        Process(insert ? fCmds->InsertCmd(at, WideString("edited ")) : fCmds->DeleteCmd(at, 7));
    }

private:
    IDocument* fDocument;
    InterfacePtr<ITextModel> fModel;
    InterfacePtr<ITextModelCmds> fCmds;
    InterfacePtr<IWaxStrand> fWax;
    std::vector<Parcel> fParcels = Pages();
};

LongStory& Story() {
    static LongStory story;
    return story;
}

void Report(benchmark::State& state, const TextComposition& c) {
    state.counters["lines"] = c.CountAllLines();
    int32 pagesUsed = 0;
    for (int32 page = 0; page < c.CountParcels(); ++page)
        pagesUsed += c.CountLines(page) > 0 ? 1 : 0;
    state.counters["pagesUsed"] = pagesUsed;
    state.counters["characters"] = c.GetNthLine(c.CountAllLines() - 1).GetTextRange().End();
    state.counters["overset"] = c.IsOverset() ? 1 : 0;
    state.counters["paragraphsShaped"] = c.GetStats().paragraphsShaped;
    state.counters["paragraphsLaidOut"] = c.GetStats().paragraphsLaidOut;
}

void BM_ComposeStory(benchmark::State& state) {
    LongStory& story = Story();
    const TextComposition* composed = nullptr;
    for (auto _ : state) {
        state.PauseTiming();
        story.Forget();
        state.ResumeTiming();
        composed = &story.Compose();
        benchmark::DoNotOptimize(composed);
    }
    Report(state, *composed);
}
BENCHMARK(BM_ComposeStory)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Iterations(3);

void BM_RecomposeAfterOneParagraphEdit(benchmark::State& state) {
    LongStory& story = Story();
    story.Compose();
    bool insert = true;
    for (auto _ : state) {
        state.PauseTiming();
        story.EditMiddleParagraph(insert);
        insert = !insert;
        state.ResumeTiming();
        const TextComposition& c = story.Compose();
        benchmark::DoNotOptimize(&c);
        state.PauseTiming();
        state.counters["paragraphsShaped"] = c.GetStats().paragraphsShaped;
        state.counters["paragraphsLaidOut"] = c.GetStats().paragraphsLaidOut;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RecomposeAfterOneParagraphEdit)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Iterations(10);
} // namespace

BENCHMARK_MAIN();
