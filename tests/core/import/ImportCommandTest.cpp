// The import command on PDFs made with the fixture tools: sticky notes land on the paired pages at
// the places the PDF gives (beside the page for notes on the pasteboard), hidden ones stay out,
// page offsets pair pages as asked, the whole import is one undo step, an annotation object is imported
// once however often the pages list it, values beyond their range count as failed, and the PDF is
// opened once per import.
#include <gtest/gtest.h>

#include "host/objectmodel/IUIDData.h"
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>

#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "INotesAnnotationLayout.h"
#include "INotesAnnotationList.h"
#include "INotesImportPlanData.h"
#include "INotesImportSettings.h"
#include "INotesImportUtils.h"
#include "INotesLayerManager.h"
#include "PdfFixtureFiles.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/objectmodel/IBoolData.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/ObjectModel.h"

using namespace CoreFixture;

namespace {
// A plain PDF of n pages of the widths given (US Letter by default), one line of text each.
std::filesystem::path LetterPdf(const std::string& name, int pages, std::vector<int> widths = {}) {
    std::string spec = "[";
    for (int i = 0; i < pages; ++i)
        spec += std::string(i ? "," : "") + R"({"size": [)" +
                std::to_string(i < static_cast<int>(widths.size()) ? widths[static_cast<size_t>(i)] : 612) +
                R"(, 792], "lines": ["Page )" + std::to_string(i + 1) + R"("]})";
    spec += "]";
    const auto specFile = PdfFixtureFiles::writeFile(name + ".json", spec);
    const auto pdf = PdfFixtureFiles::tempDir() / (name + ".pdf");
    PdfFixtureFiles::run("/usr/bin/python3 " +
                         PdfFixtureFiles::quoted(PdfFixtureFiles::repoRoot() / "tools/make_sample_pdf.py") +
                         " " + PdfFixtureFiles::quoted(pdf) + " " + PdfFixtureFiles::quoted(specFile));
    return pdf;
}

std::filesystem::path Annotate(const std::filesystem::path& pdf, const std::string& name,
                               const std::string& comments) {
    const auto commentsFile = PdfFixtureFiles::writeFile(name + "-comments.json", comments);
    const auto out = PdfFixtureFiles::tempDir() / (name + "-reviewed.pdf");
    PdfFixtureFiles::run("/usr/bin/python3 " +
                         PdfFixtureFiles::quoted(PdfFixtureFiles::repoRoot() / "tools/annotate_pdf.py") +
                         " " + PdfFixtureFiles::quoted(pdf) + " " + PdfFixtureFiles::quoted(commentsFile) +
                         " " + PdfFixtureFiles::quoted(out));
    return out;
}

// Rewrites the Annots of every page of a PDF with PyMuPDF: "no-popups" keeps every annotation but the
// popups, "repeat N" lists the page's first annotation N times.
std::filesystem::path RewriteAnnots(const std::filesystem::path& pdf, const std::string& name,
                                    const std::string& mode) {
    const auto script = PdfFixtureFiles::writeFile("rewrite_annots.py", R"(import fitz, sys
doc = fitz.open(sys.argv[1])
for page in doc:
    xrefs = page.annot_xrefs()
    if sys.argv[3] == "no-popups":
        kept = [x for x, kind, _ in xrefs if kind != fitz.PDF_ANNOT_POPUP]
    else:
        kept = [xrefs[0][0]] * int(sys.argv[4])
    doc.xref_set_key(page.xref, "Annots", "[" + " ".join("%d 0 R" % x for x in kept) + "]")
doc.save(sys.argv[2])
)");
    const auto out = PdfFixtureFiles::tempDir() / (name + "-rewritten.pdf");
    PdfFixtureFiles::run("/usr/bin/python3 " + PdfFixtureFiles::quoted(script) + " " +
                         PdfFixtureFiles::quoted(pdf) + " " + PdfFixtureFiles::quoted(out) + " " + mode);
    return out;
}

std::vector<std::string> Lines(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class ImportCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = BuildThreeSpreadDocument();
        ASSERT_NE(document, nullptr);
        db = document->GetDocumentDataBase();
        doc = DocumentRef(document);
    }
    void TearDown() override { Close(document); }

    // Processes the import command, with the caller's plan when one is given.
    ErrorCode Import(const std::filesystem::path& pdf, int32 offset, int32* failed = nullptr,
                     const NotesImportPlan* plan = nullptr, bool16 stickyNotes = kTrue) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesImportCmdBoss));
        InterfacePtr<INotesImportSettings> settings(cmd, IID_INOTESIMPORTSETTINGS);
        settings->Set(PMString(pdf.string().c_str()), offset, stickyNotes, kTrue, kTrue, kTrue);
        InterfacePtr<INotesImportPlanData> planData(cmd, IID_INOTESIMPORTPLANDATA);
        if (plan)
            planData->SetPlan(*plan);
        cmd->SetItemList(UIDList(doc));
        const ErrorCode result = CmdUtils::ProcessCommand(cmd);
        InterfacePtr<IIntData> errorCodeData(cmd, IID_IINTDATA);
        if (failed)
            *failed = errorCodeData->GetInt();
        read = planData->GetAnnotationsRead();
        imported = planData->GetAnnotationsImported();
        return result;
    }
    UID Page(int32 index) {
        InterfacePtr<IPageList> pages(doc, IID_IPAGELIST);
        return pages->GetNthPageUID(index);
    }
    UIDList Notes(int32 pageIndex) {
        InterfacePtr<INotesAnnotationList> list(UIDRef(db, Page(pageIndex)), IID_INOTESANNOTATIONLIST);
        list->Invalidate();
        return list->GetAnnotations();
    }
    std::string ContentOf(UID note) {
        InterfacePtr<INotesAnnotation> record(UIDRef(db, note), IID_INOTESANNOTATION);
        return record->GetContent().GetUTF8String();
    }
    // Where a point given in the PDF's top-left page coordinates lies on the pasteboard.
    PMPoint OnPasteboard(int32 pageIndex, PMPoint topLeftPoint) {
        return Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(db, Page(pageIndex))).LeftTop() +
               topLeftPoint;
    }

    IDocument* document = nullptr;
    IDataBase* db = nullptr;
    UIDRef doc;
    int32 read = 0;     // of the last import: annotations read from paired pages
    int32 imported = 0; // and imported
};

TEST_F(ImportCommandTest, StickyNotesLandOnTheirPagesAtTheirPlacesAndHiddenOnesStayOut) {
    const auto pdf = Annotate(LetterPdf("notes", 5), "notes", R"([
      {"page": 0, "kind": "Text", "point": [100, 100], "contents": "first page", "author": "Ann"},
      {"page": 2, "kind": "Text", "point": [640, 300], "contents": "beside page three"},
      {"page": 3, "kind": "Text", "point": [300, 500], "contents": "hidden", "flags": 2},
      {"page": 4, "kind": "Text", "point": [50, 700], "contents": "Ελληνικά 日本語", "date": "D:20240102030405Z"}
    ])");
    int32 failed = -1;
    ASSERT_EQ(Import(pdf, 0, &failed), kSuccess);
    EXPECT_EQ(failed, 0) << "every note and its popup lands";

    ASSERT_EQ(Notes(0).Length(), 1);
    EXPECT_EQ(ContentOf(Notes(0).At(0)), "first page");
    InterfacePtr<INotesAnnotationLayout> layout(UIDRef(db, Notes(0).At(0)), IID_INOTESANNOTATIONLAYOUT);
    const PMRect bounds = layout->GetBounds();
    // The tool puts a 20 by 20 note with its left-top corner at the point.
    const PMPoint expectedCenter = OnPasteboard(0, PMPoint(110, 110));
    EXPECT_NEAR(bounds.GetCenter().X(), expectedCenter.X(), 0.5);
    EXPECT_NEAR(bounds.GetCenter().Y(), expectedCenter.Y(), 0.5);

    ASSERT_EQ(Notes(2).Length(), 1) << "a note right of page 3 belongs to page 3";
    EXPECT_EQ(ContentOf(Notes(2).At(0)), "beside page three");
    EXPECT_TRUE(Notes(3).IsEmpty()) << "hidden notes are not imported";
    ASSERT_EQ(Notes(4).Length(), 1);
    InterfacePtr<INotesAnnotation> last(UIDRef(db, Notes(4).At(0)), IID_INOTESANNOTATION);
    EXPECT_EQ(last->GetContent().GetUTF8String(), "Ελληνικά 日本語");
    EXPECT_EQ(last->GetDate().Format(), "2024-01-02 03:04:05");
    // Each note refers to the popup the import made for it, and the popup to its note.
    for (int32 page : {0, 2, 4}) {
        const UID note = Notes(page).At(0);
        InterfacePtr<IUIDData> noteReference(UIDRef(db, note), IID_INOTESANNOTATIONREFERENCE);
        const UID popup = noteReference->GetUID();
        ASSERT_TRUE(db->IsValidUID(popup)) << "page " << page;
        EXPECT_EQ(db->GetClass(popup), kNotesPopupAnnotationBoss);
        InterfacePtr<IUIDData> popupReference(UIDRef(db, popup), IID_INOTESANNOTATIONREFERENCE);
        EXPECT_EQ(popupReference->GetUID(), note);
    }
}

TEST_F(ImportCommandTest, PopupsWhoseNotesAreLeftOutAreRemovedAfterThePageLoop) {
    const auto pdf = Annotate(LetterPdf("orphans", 2), "orphans", R"([
      {"page": 0, "kind": "Text", "point": [100, 100], "contents": "left out"},
      {"page": 1, "kind": "Text", "point": [200, 200], "contents": "left out too"}
    ])");
    int32 failed = -1;
    ASSERT_EQ(Import(pdf, 0, &failed, nullptr, kFalse), kSuccess);
    EXPECT_EQ(failed, 0) << "the popups were made, then removed as orphans";
    for (UID uid : db->GetAllUIDs())
        EXPECT_NE(db->GetClass(uid), kNotesPopupAnnotationBoss) << "no popup frame stays behind";
    EXPECT_TRUE(Notes(0).IsEmpty());
    EXPECT_TRUE(Notes(1).IsEmpty());
}

TEST_F(ImportCommandTest, OneUndoTakesTheWholeImportAwayLayerIncluded) {
    const auto pdf = Annotate(LetterPdf("undo", 2), "undo", R"([
      {"page": 0, "kind": "Text", "point": [100, 100]}, {"page": 1, "kind": "Text", "point": [200, 200]}
    ])");
    const int32 stepsBefore = db->GetUndoHistory().CountUndoSteps();
    ASSERT_EQ(Import(pdf, 0), kSuccess);
    EXPECT_EQ(db->GetUndoHistory().CountUndoSteps(), stepsBefore + 1);
    EXPECT_EQ(db->GetUndoHistory().GetUndoName().GetUTF8String(), "Import Annotations");
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    InterfacePtr<INotesLayerManager> layers(doc, IID_INOTESLAYERMANAGER);
    EXPECT_FALSE(layers->HasNotesLayer());
    EXPECT_TRUE(Notes(0).IsEmpty());
    EXPECT_TRUE(Notes(1).IsEmpty());
}

TEST_F(ImportCommandTest, PageOffsetsPairPagesAndExtraPdfPagesImportNothing) {
    const auto pdf = Annotate(LetterPdf("offset", 3), "offset", R"([
      {"page": 0, "kind": "Text", "point": [100, 100], "contents": "pdf 1"},
      {"page": 1, "kind": "Text", "point": [100, 100], "contents": "pdf 2"},
      {"page": 2, "kind": "Text", "point": [100, 100], "contents": "pdf 3"}
    ])");
    ASSERT_EQ(Import(pdf, 2), kSuccess);
    ASSERT_EQ(Notes(2).Length(), 1);
    EXPECT_EQ(ContentOf(Notes(2).At(0)), "pdf 1") << "offset +2: PDF page 1 goes to page 3";
    EXPECT_EQ(ContentOf(Notes(4).At(0)), "pdf 3");
    EXPECT_TRUE(Notes(0).IsEmpty());
    db->GetUndoHistory().Undo();

    ASSERT_EQ(Import(pdf, -1), kSuccess);
    ASSERT_EQ(Notes(0).Length(), 1);
    EXPECT_EQ(ContentOf(Notes(0).At(0)), "pdf 2") << "offset -1: PDF page 1 is skipped";
    EXPECT_EQ(ContentOf(Notes(1).At(0)), "pdf 3");
    db->GetUndoHistory().Undo();

    const auto longer = Annotate(LetterPdf("longer", 7), "longer", R"([
      {"page": 6, "kind": "Text", "point": [100, 100], "contents": "no page for me"}
    ])");
    ASSERT_EQ(Import(longer, 0), kSuccess);
    for (int32 i = 0; i < 5; ++i)
        EXPECT_TRUE(Notes(i).IsEmpty()) << i;
}

TEST_F(ImportCommandTest, APdfThatCannotBeOpenedOrDoesNotFitLeavesTheDocumentUnchanged) {
    const int32 stepsBefore = db->GetUndoHistory().CountUndoSteps();
    EXPECT_NE(Import(PdfFixtureFiles::writeFile("broken.pdf", "%PDF-1.4 this is not really a PDF"), 0),
              kSuccess);
    std::string a4 = R"([{"size": [595, 842], "lines": ["A4"]}])";
    const auto a4File = PdfFixtureFiles::writeFile("a4.json", a4);
    const auto a4Pdf = PdfFixtureFiles::tempDir() / "a4.pdf";
    PdfFixtureFiles::run("/usr/bin/python3 " +
                         PdfFixtureFiles::quoted(PdfFixtureFiles::repoRoot() / "tools/make_sample_pdf.py") +
                         " " + PdfFixtureFiles::quoted(a4Pdf) + " " + PdfFixtureFiles::quoted(a4File));
    EXPECT_NE(Import(a4Pdf, 0), kSuccess) << "A4 pages do not fit US Letter pages";
    EXPECT_EQ(db->GetUndoHistory().CountUndoSteps(), stepsBefore);
    InterfacePtr<INotesLayerManager> layers(doc, IID_INOTESLAYERMANAGER);
    EXPECT_FALSE(layers->HasNotesLayer()) << "rolled back, layer included";
}

TEST_F(ImportCommandTest, DrawnKindsAreImportedBesideNotesWithoutFailures) {
    const auto pdf = Annotate(LetterPdf("kinds", 1), "kinds", R"([
      {"page": 0, "kind": "Text", "point": [100, 100]},
      {"page": 0, "kind": "Square", "rect": [200, 200, 260, 240]},
      {"page": 0, "kind": "Line", "points": [[100, 400], [300, 420]]}
    ])");
    int32 failed = -1;
    ASSERT_EQ(Import(pdf, 0, &failed), kSuccess);
    EXPECT_EQ(Notes(0).Length(), 3);
    EXPECT_EQ(failed, 0);
}
// How many page items of the class the document holds.
int CountItems(IDataBase* db, ClassID itemClass) {
    int count = 0;
    for (UID uid : db->GetAllUIDs())
        count += db->GetClass(uid) == itemClass;
    return count;
}

GraphicAttribute AttributeOf(IDataBase* db, UID item, ClassID attributeClass) {
    InterfacePtr<INotesAnnotation> boss(UIDRef(db, item), IID_INOTESANNOTATION);
    return Utils<IGraphicAttributeUtils>()->GetAttribute(boss, attributeClass);
}

TEST_F(ImportCommandTest, DrawnMarkupsThatCannotBeDrawnCountAsFailedAndLeaveNothingBehind) {
    const auto pdf = Annotate(LetterPdf("bad-drawings", 1), "bad-drawings", R"([
      {"page": 0, "kind": "Line", "points": [[100, 100], [200, 120]], "raw": {"L": "[100 100]"}},
      {"page": 0, "kind": "PolyLine", "points": [[100, 150], [200, 160], [150, 200]], "raw": {"Vertices": "[]"}},
      {"page": 0, "kind": "Polygon", "points": [[100, 250], [200, 260], [150, 300]],
       "raw": {"Vertices": "[100 500 40000 500 150 450]"}},
      {"page": 0, "kind": "Square", "rect": [300, 300, 360, 340], "raw": {"BS": "<< /W -2 >>"}},
      {"page": 0, "kind": "Line", "points": [[100, 400], [300, 420]], "raw": {"LE": "[/Feather /Quill]"}},
      {"page": 0, "kind": "Line", "points": [[100, 450], [300, 470]],
       "raw": {"LE": "[/OpenArrow /OpenArrow /OpenArrow]"}},
      {"page": 0, "kind": "Circle", "rect": [300, 500, 360, 540], "raw": {"BS": "null", "Border": "[0 0 4 [3 2]]"}},
      {"page": 0, "kind": "Square", "rect": [300, 600, 360, 640], "raw": {"BS": "null", "Border": "[0 0]"}}
    ])");
    ClearFailureLog();
    const int32 steps = db->GetUndoHistory().CountUndoSteps();
    int32 failed = -1;
    ASSERT_EQ(Import(pdf, 0, &failed), kSuccess);
    EXPECT_EQ(failed, 4) << "one point, no vertices, a vertex beyond range, a negative width";
    EXPECT_EQ(CountItems(db, kNotesLineAnnotationBoss), 2);
    EXPECT_EQ(CountItems(db, kNotesPolygonAnnotationBoss), 2) << "the refused square is not left half made";
    const UIDList drawn = Notes(0);
    ASSERT_EQ(drawn.Length(), 4);
    // In the page's order: the two lines, whose unknown or miscounted endings give no arrowheads,
    // then the circle and the square with their width and style from the Border array, or the
    // default border for an array of two numbers.
    for (int32 i : {0, 1}) {
        EXPECT_EQ(AttributeOf(db, drawn.At(i), kGraphicStyleLineStartAttrBoss).classValue, kInvalidClass);
        EXPECT_EQ(AttributeOf(db, drawn.At(i), kGraphicStyleLineEndAttrBoss).classValue, kInvalidClass);
    }
    EXPECT_EQ(AttributeOf(db, drawn.At(2), kGraphicStyleStrokeWeightAttrBoss).real, 4.0);
    EXPECT_EQ(AttributeOf(db, drawn.At(2), kGraphicStyleStrokeTypeAttrBoss).classValue,
              kDashedPathStrokerBoss);
    EXPECT_EQ(AttributeOf(db, drawn.At(3), kGraphicStyleStrokeWeightAttrBoss).real, 1.0);
    EXPECT_EQ(AttributeOf(db, drawn.At(3), kGraphicStyleStrokeTypeAttrBoss).classValue,
              kSolidPathStrokerBoss);
    const std::string log = FailureLogText();
    EXPECT_NE(log.find("points.size() >= 2"), std::string::npos) << log;
    EXPECT_NE(log.find("CosArrayLength(cosArray) == 2"), std::string::npos) << log;
    EXPECT_NE(log.find("length == 3 || length == 4"), std::string::npos) << log;

    EXPECT_EQ(db->GetUndoHistory().CountUndoSteps(), steps + 1);
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(CountItems(db, kNotesLineAnnotationBoss) + CountItems(db, kNotesPolygonAnnotationBoss), 0)
        << "undoing the import takes every drawing away";
}

// With the convert-not-imported option on, every annotation whose creating command was missing got a
// "Not Imported" note; only one whose command ran and made nothing (a highlight over no text) does,
// and the drawings that land get none.
TEST_F(ImportCommandTest, OnlyAnAnnotationWhoseCommandRanAndMadeNothingGetsANotImportedNote) {
    InterfacePtr<IBoolData> convert(GetApplicationObject(), IID_INOTESCONVERTNOTIMPORTEDOPTION);
    ASSERT_NE(convert, nullptr);
    convert->Set(kTrue);
    const auto pdf = Annotate(LetterPdf("not-imported", 1), "not-imported", R"([
      {"page": 0, "kind": "Text", "point": [100, 100], "contents": "kept"},
      {"page": 0, "kind": "Square", "rect": [200, 200, 260, 240]},
      {"page": 0, "kind": "Line", "points": [[100, 400], [300, 420]]},
      {"page": 0, "kind": "Highlight", "rects": [[300, 600, 360, 620]], "contents": "over nothing"}
    ])");
    const ErrorCode result = Import(pdf, 0);
    convert->Set(kFalse);
    ASSERT_EQ(result, kSuccess);
    std::vector<std::string> contents;
    const UIDList notes = Notes(0);
    for (UID note : notes.GetUIDs())
        contents.push_back(ContentOf(note));
    ASSERT_EQ(contents.size(), 4u) << testing::PrintToString(contents);
    EXPECT_EQ(std::count(contents.begin(), contents.end(), "kept"), 1);
    EXPECT_EQ(std::count_if(contents.begin(), contents.end(),
                            [](const std::string& text) { return text.rfind("Not Imported ", 0) == 0; }),
              1);
    const auto notImported = std::find_if(contents.begin(), contents.end(), [](const std::string& text) {
        return text.rfind("Not Imported ", 0) == 0;
    });
    ASSERT_NE(notImported, contents.end()) << testing::PrintToString(contents);
    EXPECT_NE(notImported->find("\"over nothing\""), std::string::npos) << *notImported;
}

TEST_F(ImportCommandTest, AnAnnotationListedThousandsOfTimesIsImportedOnce) {
    const auto once = Annotate(LetterPdf("repeated", 1), "repeated", R"([
      {"page": 0, "kind": "Text", "point": [100, 100], "contents": "listed 5000 times"}
    ])");
    int32 failed = -1;
    ASSERT_EQ(Import(RewriteAnnots(once, "repeated", "repeat 5000"), 0, &failed), kSuccess);
    ASSERT_EQ(Notes(0).Length(), 1);
    EXPECT_EQ(ContentOf(Notes(0).At(0)), "listed 5000 times");
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(read, 1);
    EXPECT_EQ(imported, 1);
}

TEST_F(ImportCommandTest, FlagsOrRectanglesBeyondTheirRangeCountAsFailed) {
    const auto pdf = Annotate(LetterPdf("ranges", 1), "ranges", R"([
      {"page": 0, "kind": "Text", "point": [100, 100], "contents": "good"},
      {"page": 0, "kind": "Text", "point": [100, 200], "raw": {"F": "99999999999"}},
      {"page": 0, "kind": "Text", "point": [100, 300], "raw": {"F": "-1"}},
      {"page": 0, "kind": "Text", "point": [100, 400], "raw": {"Rect": "[100 100 40000 120]"}},
      {"page": 0, "kind": "Text", "point": [100, 500], "raw": {"Rect": "[-99999.5 100 120 120]"}},
      {"page": 0, "kind": "Text", "point": [100, 600], "raw": {"F": "4294967295"}}
    ])");
    int32 failed = -1;
    ASSERT_EQ(Import(RewriteAnnots(pdf, "ranges", "no-popups"), 0, &failed), kSuccess);
    ASSERT_EQ(Notes(0).Length(), 1);
    EXPECT_EQ(ContentOf(Notes(0).At(0)), "good");
    EXPECT_EQ(failed, 4) << "two flags and two rectangles beyond range; all 32 flag bits set is hidden";
    EXPECT_EQ(read, 5);
    EXPECT_EQ(imported, 1);
}

TEST_F(ImportCommandTest, ImportingTheSamePdfTwiceOpensItOncePerImport) {
    const auto pdf = Annotate(LetterPdf("opened-once", 2), "opened-once", R"([
      {"page": 0, "kind": "Text", "point": [100, 100]}, {"page": 1, "kind": "Text", "point": [200, 200]}
    ])");
    const std::filesystem::path log = PdfFixtureFiles::tempDir() / "pdf-openings.log";
    std::filesystem::remove(log);
    ::setenv("PAGEHOST_PDF_OPEN_LOG", log.c_str(), 1);
    ASSERT_EQ(Import(pdf, 0), kSuccess);
    ASSERT_EQ(Import(pdf, 0), kSuccess);
    EXPECT_EQ(Lines(log), std::vector<std::string>(2, pdf.string()));
    // A plan the caller made (and showed) is carried out on its open PDF: no second opening.
    const NotesImportPlan plan = Utils<INotesImportUtils>()->PlanImport(PMString(pdf.string()), doc, 0);
    ASSERT_TRUE(plan.IsImportable());
    ASSERT_EQ(Import(pdf, 0, nullptr, &plan), kSuccess);
    ::unsetenv("PAGEHOST_PDF_OPEN_LOG");
    EXPECT_EQ(Lines(log).size(), 3u);
    EXPECT_EQ(Notes(1).Length(), 3) << "three imports of one note each";
}

// Free texts with insets and callouts as files have them, good and bad: RD is read left, top, right,
// bottom; insets that are the wrong count, negative or larger than the rectangle are logged and the
// box is the whole rectangle; a callout whose numbers do not pair up is dropped; one of more than
// three points, or a number that is none, counts the annotation as failed.
TEST_F(ImportCommandTest, FreeTextInsetsAndCalloutsAreReadOrRefusedOneByOne) {
    const auto pdf = Annotate(LetterPdf("free-text", 1), "free-text", R"([
      {"page": 0, "kind": "FreeText", "rect": [100, 100, 250, 160], "text": "insets", "raw": {"RD": "[10 20 30 5]"}},
      {"page": 0, "kind": "FreeText", "rect": [100, 200, 250, 260], "text": "three", "raw": {"RD": "[10 20 30]"}},
      {"page": 0, "kind": "FreeText", "rect": [100, 300, 250, 360], "text": "negative", "raw": {"RD": "[-5 0 0 0]"}},
      {"page": 0, "kind": "FreeText", "rect": [100, 400, 250, 460], "text": "wide", "raw": {"RD": "[80 0 80 0]"}},
      {"page": 0, "kind": "FreeText", "rect": [300, 100, 450, 160], "text": "odd", "raw": {"CL": "[300 700 320 680 330]"}},
      {"page": 0, "kind": "FreeText", "rect": [300, 200, 450, 260], "text": "long",
       "raw": {"CL": "[300 600 310 590 320 580 330 570]"}},
      {"page": 0, "kind": "FreeText", "rect": [300, 300, 450, 360], "text": "nan", "raw": {"CL": "[nan 1 2 3]"}},
      {"page": 0, "kind": "FreeText", "rect": [300, 400, 450, 460], "text": "gone", "raw": {"Contents": "null"}}
    ])");
    ClearFailureLog();
    int32 failed = -1;
    ASSERT_EQ(Import(pdf, 0, &failed), kSuccess);
    EXPECT_EQ(failed, 2) << "the callout of four points and the one that is not numbers";
    std::map<std::string, PMRect> boxes;
    const UIDList notes = Notes(0);
    for (UID note : notes.GetUIDs()) {
        InterfacePtr<INotesAnnotationLayout> layout(UIDRef(db, note), IID_INOTESANNOTATIONLAYOUT);
        boxes[ContentOf(note)] = layout->GetBounds();
    }
    ASSERT_EQ(boxes.size(), 6u);
    const auto expect = [&](const std::string& content, PMReal l, PMReal t, PMReal r, PMReal b) {
        const PMPoint lt = OnPasteboard(0, PMPoint(l, t)), rb = OnPasteboard(0, PMPoint(r, b));
        EXPECT_NEAR(boxes[content].Left(), lt.X(), 1e-3) << content;
        EXPECT_NEAR(boxes[content].Top(), lt.Y(), 1e-3) << content;
        EXPECT_NEAR(boxes[content].Right(), rb.X(), 1e-3) << content;
        EXPECT_NEAR(boxes[content].Bottom(), rb.Y(), 1e-3) << content;
    };
    expect("insets", 110, 120, 220, 155);
    expect("three", 100, 200, 250, 260);
    expect("negative", 100, 300, 250, 360);
    expect("wide", 100, 400, 250, 460);
    expect("odd", 300, 100, 450, 160);
    expect("", 300, 400, 450, 460);
    for (UID note : notes.GetUIDs()) {
        InterfacePtr<IHierarchy> hierarchy(UIDRef(db, note), IID_IHIERARCHY);
        EXPECT_NE(db->GetClass(hierarchy->GetParentUID()), kGroupItemBoss) << "no callout: no group";
    }
    const std::string log = FailureLogText();
    EXPECT_NE(log.find("values->differences.size() == 4"), std::string::npos) << log;
    EXPECT_NE(log.find("leavesBox"), std::string::npos) << log;
    EXPECT_NE(log.find("numbers.size() % 2 == 0"), std::string::npos) << log;
}

// A free text may not open a popup, so its popup, once linked to it, could never be closed again.
TEST_F(ImportCommandTest, PopupOfAFreeTextIsRemovedInsteadOfStayingOpenForGood) {
    const auto pdf = Annotate(LetterPdf("free-text-popup", 1), "free-text-popup", R"([
      {"page": 0, "kind": "FreeText", "rect": [100, 100, 250, 160], "text": "boxed", "popup": true},
      {"page": 0, "kind": "Text", "point": [100, 400], "contents": "note", "popup": true}
    ])");
    int32 failed = -1;
    ASSERT_EQ(Import(pdf, 0, &failed), kSuccess);
    EXPECT_EQ(failed, 0);
    int32 popups = 0;
    for (UID uid : db->GetAllUIDs())
        popups += db->GetClass(uid) == kNotesPopupAnnotationBoss;
    EXPECT_EQ(popups, 1) << "only the sticky note's popup stays";
    const UIDList notes = Notes(0);
    ASSERT_EQ(notes.Length(), 2);
    for (UID note : notes.GetUIDs()) {
        InterfacePtr<INotesAnnotation> record(UIDRef(db, note), IID_INOTESANNOTATION);
        InterfacePtr<IUIDData> reference(UIDRef(db, note), IID_INOTESANNOTATIONREFERENCE);
        if (record->GetType() == INotesAnnotation::kFreeTextAnnotation) {
            EXPECT_EQ(reference->GetUID(), kInvalidUID) << "no reference to a removed popup";
        }
    }
}

TEST_F(ImportCommandTest, AnOffsetPairingNoPageFailsWithoutChangingTheDocument) {
    const auto pdf = Annotate(LetterPdf("far-offset", 1), "far-offset", R"([
      {"page": 0, "kind": "Text", "point": [100, 100]}
    ])");
    const int32 stepsBefore = db->GetUndoHistory().CountUndoSteps();
    for (int32 offset : {5, -1, INT32_MAX, INT32_MIN})
        EXPECT_NE(Import(pdf, offset), kSuccess) << offset;
    EXPECT_EQ(db->GetUndoHistory().CountUndoSteps(), stepsBefore);
    InterfacePtr<INotesLayerManager> layers(doc, IID_INOTESLAYERMANAGER);
    EXPECT_FALSE(layers->HasNotesLayer());
}
TEST_F(ImportCommandTest, APdfOfSpreadsPlacesEachNoteOnThePageOfItsSpreadUnderIt) {
    // The document's spreads hold 1, 2 and 2 pages: a PDF exported as spreads has pages 612, 1224 and
    // 1224 points wide. A note on the right half of the second PDF page belongs to document page 3.
    const auto pdf = Annotate(LetterPdf("spreads", 3, {612, 1224, 1224}), "spreads", R"([
      {"page": 1, "kind": "Text", "point": [700, 300], "contents": "right half of spread two"},
      {"page": 2, "kind": "Text", "point": [100, 300], "contents": "left half of spread three"}
    ])");
    ASSERT_EQ(Import(RewriteAnnots(pdf, "spreads", "no-popups"), 0), kSuccess);
    ASSERT_EQ(Notes(2).Length(), 1);
    EXPECT_EQ(ContentOf(Notes(2).At(0)), "right half of spread two");
    ASSERT_EQ(Notes(3).Length(), 1);
    EXPECT_EQ(ContentOf(Notes(3).At(0)), "left half of spread three");
    InterfacePtr<INotesAnnotationLayout> layout(UIDRef(db, Notes(2).At(0)), IID_INOTESANNOTATIONLAYOUT);
    const PMPoint expectedCenter = OnPasteboard(2, PMPoint(700 - 612 + 10, 310));
    EXPECT_NEAR(layout->GetBounds().GetCenter().X(), expectedCenter.X(), 0.5);
    EXPECT_NEAR(layout->GetBounds().GetCenter().Y(), expectedCenter.Y(), 0.5);
}
} // namespace
