// Accepting every text edit of a document in one accept command: one edit on each line (a
// strike-through, an insertion or a replacement in turn, 30 to a page), 1,500 edits on 50 pages
// and 6,000 on 200 pages, in a story per page and in one story threaded through all frames.
// Reports the median time of the whole accept and per edit; the per-edit figure staying flat from
// 1,500 to 6,000 edits shows no walk quadratic in the edits. Each iteration is undone so every
// run starts from the same document.
#include <benchmark/benchmark.h>

#include <map>
#include <stdexcept>
#include <string>

#include "INotesAnnotation.h"
#include "WordGridLayout.h"
#include "host/Host.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/database/UndoHistory.h"
#include "host/document/IDocument.h"
#include "host/document/LayoutBuilder.h"
#include "host/document/LayoutParser.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/objectmodel/PlugInLoader.h"
#include "host/text/IRangeData.h"
#include "host/text/IStoryList.h"
#include "host/text/ITextModel.h"
#include "lifecycle/NotesPlugIn.h"
#include "model/NotesSaveAnnotationCmd.h"

namespace {
using A = INotesAnnotation;
constexpr int kLines = 30;

struct Fixture {
    IDocument* document = nullptr;
    UIDList edits;
};

// Makes one edit's markers and record over range; anchored later, all at once.
UID MakeEdit(IDataBase* db, UID story, RangeData range, A::NotesAnnotationType type) {
    InterfacePtr<ICommand> createMarkers(CmdUtils::CreateCommand(kNotesCreateMarkersCmdBoss));
    InterfacePtr<IIntData>(createMarkers, IID_IINTDATA)->Set(type);
    createMarkers->SetItemList(UIDList(UIDRef(db, story)));
    if (CmdUtils::ProcessCommand(createMarkers) != kSuccess)
        throw std::runtime_error("cannot make markers");
    const UIDRef endMarker = createMarkers->GetItemList()->GetRef(0);
    InterfacePtr<IRangeData>(endMarker, IID_IRANGEDATA)->Set(range);
    InterfacePtr<IUIDData>(endMarker, IID_INOTESMARKERDATA)->Set(story);
    InterfacePtr<INotesAnnotation> record(CreateObject2<INotesAnnotation>(kNotesSaveAnnotationCmdBoss));
    record->Set(type, {PMPoint(0, 0), PMPoint(1, 1)}, kInvalidUID, kTrue,
                PMString(type == A::kStrikethroughAnnotation ? "" : "new "), PMString("Reviewer"), IDTime());
    NotesSaveAnnotationCmd::SaveRecord(endMarker, record);
    return endMarker.GetUID();
}

// The middle word of every line of a story, each one edit of the next kind in turn.
void MarkStory(IDataBase* db, UID story, UIDList* edits) {
    InterfacePtr<ITextModel> model(UIDRef(db, story), IID_ITEXTMODEL);
    const std::u16string text = model->GetText(0, model->TotalLength()).GetUTF16();
    const A::NotesAnnotationType kinds[] = {A::kStrikethroughAnnotation, A::kCaretAnnotation,
                                            A::kRedactionAnnotation};
    for (size_t at = text.find(u"y1"); at != std::u16string::npos; at = text.find(u"y1", at + 2)) {
        const size_t start = text.rfind(u' ', at) + 1;
        const RangeData word(static_cast<TextIndex>(start), static_cast<TextIndex>(at + 2));
        edits->Append(MakeEdit(db, story, word, kinds[edits->Length() % 3]));
    }
}

Fixture Make(int pages, bool oneStory) {
    static bool initialized = false;
    if (!initialized) {
        Host::Initialize();
        PlugInLoader::Instance().RegisterPlugIn(GetPlugIn(), "libAnnotations.so");
        initialized = true;
    }
    const LayoutParser::Result parsed = LayoutParser::Parse(WordGridLayout::Make(pages, kLines, oneStory));
    const LayoutBuilder::Result built = LayoutBuilder::Build(parsed.description);
    if (!parsed.ok || !built.document)
        throw std::runtime_error("cannot build the benchmark document");
    IDataBase* db = built.document->GetDocumentDataBase();
    Fixture fixture{built.document, UIDList(db)};
    InterfacePtr<IStoryList> stories(UIDRef(db, db->GetRootUID()), IID_ISTORYLIST);
    {
        CmdUtils::SequenceContext sequence;
        for (int32 i = 0; i < stories->CountStories(); ++i)
            MarkStory(db, stories->GetNthStoryUID(i), &fixture.edits);
        InterfacePtr<ICommand> setTextMarkup(CmdUtils::CreateCommand(kNotesSetTextMarkupCmdBoss));
        setTextMarkup->SetItemList(fixture.edits);
        if (CmdUtils::ProcessCommand(setTextMarkup) != kSuccess ||
            setTextMarkup->GetItemList()->Length() != fixture.edits.Length())
            throw std::runtime_error("cannot anchor the edits");
    }
    db->GetUndoHistory().Clear();
    return fixture;
}

void BM_AcceptAllEdits(benchmark::State& state) {
    const int pages = static_cast<int>(state.range(0));
    const bool oneStory = state.range(1) != 0;
    static std::map<std::pair<int, bool>, Fixture> fixtures;
    auto found = fixtures.find({pages, oneStory});
    if (found == fixtures.end())
        found = fixtures.emplace(std::make_pair(pages, oneStory), Make(pages, oneStory)).first;
    const Fixture& fixture = found->second;
    IDataBase* db = fixture.document->GetDocumentDataBase();
    for (auto _ : state) {
        InterfacePtr<ICommand> accept(CmdUtils::CreateCommand(kNotesAcceptRedactionCmdBoss));
        accept->SetItemList(fixture.edits);
        if (CmdUtils::ProcessCommand(accept) != kSuccess || db->IsValidUID(fixture.edits.At(0)))
            state.SkipWithError("the accept failed");
        state.PauseTiming();
        db->GetUndoHistory().Undo();
        state.ResumeTiming();
    }
    state.counters["edits"] = fixture.edits.Length();
    state.counters["per_edit"] = benchmark::Counter(
        fixture.edits.Length(), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_AcceptAllEdits)
    ->ArgNames({"pages", "one_story"})
    ->Args({50, 0})
    ->Args({200, 0})
    ->Args({50, 1})
    ->Args({200, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
} // namespace

BENCHMARK_MAIN();
