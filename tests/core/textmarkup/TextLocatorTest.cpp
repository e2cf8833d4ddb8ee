// Text location on a real proof: the document is exported, PyMuPDF finds words in the proof, and the
// quadrilaterals it reports (taken to the pasteboard through the pages' own transforms) are located
// back in the stories: one run per markup and story thread, carets between characters, nothing for
// marks that fall between stories or on no text.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "../fixtures/CoreFixture.h"
#include "INotesTextProfile.h"
#include "TestSupport.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/IPageList.h"
#include "host/document/ITransform.h"
#include "host/graphics/PdfExporter.h"
#include "host/text/IStoryList.h"
#include "host/text/ITextModel.h"
#include "NotesFailureLog.h"
#include "textmarkup/NotesTextLocator.h"

using namespace CoreFixture;
using A = INotesAnnotation;

namespace {
// Story s flows through the two columns of page 1; t (with a table) and u sit side by side on
// page 2; e is empty.
constexpr const char* kLayout = R"({
  "pageSize": {"width": 612, "height": 792},
  "spreads": [{"pages": [{}]}, {"pages": [{}, {}]}],
  "textFrames": [{"page": 1, "bounds": [72, 72, 540, 400], "story": "s", "columns": 2, "gutter": 12},
                 {"page": 2, "bounds": [72, 72, 300, 300], "story": "t"},
                 {"page": 2, "bounds": [310, 72, 540, 300], "story": "u"},
                 {"page": 3, "bounds": [72, 72, 540, 300], "story": "e"}],
  "stories": [{"id": "s", "paragraphs": ["Harbour lights gleam over the quiet water tonight", "Beacon",
                 "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "",
                 "Omega marks the second column"]},
              {"id": "t", "paragraphs": ["Tern", {"table": {"columnWidths": [100, 100], "rowHeights": [40, 40],
                 "cells": [["Quince", "Rowan"], ["Sorrel", "Teasel"]]}}]},
              {"id": "u", "paragraphs": ["Umber"]},
              {"id": "e", "paragraphs": [""]}]
})";

PMPoint Mid(const PMPoint& a, const PMPoint& b) {
    return PMPoint((a.X() + b.X()) / 2, (a.Y() + b.Y()) / 2);
}

struct Quad {
    int page = 0;
    PMPointList corners; // page coordinates, y down
};

class TextLocatorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        document = BuildDocument(kLayout);
        ASSERT_NE(document, nullptr);
        db = document->GetDocumentDataBase();
        const std::filesystem::path dir = TestSupport::MakeTempDir("text-locator");
        const std::string proof = (dir / "proof.pdf").string();
        ASSERT_EQ(PdfExporter::Export(db, proof).error, kSuccess);
        quads =
            FindQuads(proof, {"Harbour", "tonight", "Beacon", "Omega", "Tern", "Umber", "Rowan", "Teasel"});
    }
    static void TearDownTestSuite() {
        Close(document);
        document = nullptr;
    }

    static std::multimap<std::string, Quad> FindQuads(const std::string& pdf,
                                                      const std::vector<std::string>& words) {
        std::vector<std::string> args = {pdf};
        args.insert(args.end(), words.begin(), words.end());
        int status = 0;
        const std::string output = TestSupport::RunPythonScript(
            TestSupport::SourceDir() / "tests/core/textmarkup/pdf_word_quads.py", args, &status);
        EXPECT_EQ(status, 0);
        std::multimap<std::string, Quad> found;
        std::istringstream lines(output);
        std::string tag, word, pageTag;
        Quad quad;
        while (lines >> tag >> word >> pageTag >> quad.page) {
            quad.corners.clear();
            for (int i = 0; i < 4; ++i) {
                double x = 0, y = 0;
                lines >> x >> y;
                quad.corners.emplace_back(x, y);
            }
            found.emplace(word, quad);
        }
        return found;
    }

    static UID PageUID(int page) {
        InterfacePtr<IPageList> pages(DocumentRef(document), IID_IPAGELIST);
        return pages->GetNthPageUID(page);
    }
    static UID SpreadOfPage(int page) {
        InterfacePtr<IHierarchy> hierarchy(UIDRef(db, PageUID(page)), IID_IHIERARCHY);
        return hierarchy->GetSpreadUID();
    }
    // A point on a page (PyMuPDF's page coordinates) on the pasteboard, through the page's transform.
    static PMPoint OnPasteboard(int page, const PMPoint& p) {
        InterfacePtr<IGeometry> geometry(UIDRef(db, PageUID(page)), IID_IGEOMETRY);
        InterfacePtr<ITransform> transform(UIDRef(db, PageUID(page)), IID_ITRANSFORM);
        PMPoint q = geometry->GetPathBoundingBox().LeftTop() + p;
        transform->TransformInnerPointToPasteboard(&q);
        return q;
    }
    static Quad QuadOf(const std::string& word) {
        const auto found = quads.find(word);
        EXPECT_NE(found, quads.end()) << word << " is not in the proof";
        return found == quads.end() ? Quad() : found->second;
    }
    static PMPointList PasteboardCorners(const Quad& quad) {
        PMPointList points;
        for (const PMPoint& p : quad.corners)
            points.push_back(OnPasteboard(quad.page, p));
        return points;
    }
    static UID StoryWith(const std::string& text) {
        InterfacePtr<IStoryList> stories(DocumentRef(document), IID_ISTORYLIST);
        for (int32 i = 0; i < stories->CountStories(); ++i) {
            InterfacePtr<ITextModel> model(UIDRef(db, stories->GetNthStoryUID(i)), IID_ITEXTMODEL);
            if (StoryText(model).find(text) != std::string::npos)
                return stories->GetNthStoryUID(i);
        }
        return kInvalidUID;
    }
    static std::string StoryText(ITextModel* model) {
        const std::u16string utf16 = model->GetText(0, model->TotalLength()).GetUTF16();
        return std::string(utf16.begin(), utf16.end()); // the stories here are ASCII
    }
    // Where a word starts in its story.
    static TextIndex IndexOf(const std::string& word) {
        InterfacePtr<ITextModel> model(UIDRef(db, StoryWith(word)), IID_ITEXTMODEL);
        return static_cast<TextIndex>(StoryText(model).find(word));
    }
    std::vector<NotesTextLocator::Run> Locate(int page, const PMPointList& points,
                                              A::NotesAnnotationType type) {
        InterfacePtr<INotesTextProfile> profile(DocumentRef(document), IID_INOTESTEXTPROFILE);
        profile->Update();
        NotesTextLocator locator(db, SpreadOfPage(page), profile);
        return locator.Locate(points, type);
    }

    static IDocument* document;
    static IDataBase* db;
    static std::multimap<std::string, Quad> quads;
};
IDocument* TextLocatorTest::document = nullptr;
IDataBase* TextLocatorTest::db = nullptr;
std::multimap<std::string, Quad> TextLocatorTest::quads;

TEST_F(TextLocatorTest, AHighlightedWordIsThatWordsRun) {
    const Quad beacon = QuadOf("Beacon");
    const auto runs = Locate(beacon.page, PasteboardCorners(beacon), A::kHighlightAnnotation);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].story, StoryWith("Beacon"));
    EXPECT_EQ(runs[0].range, RangeData(IndexOf("Beacon"), IndexOf("Beacon") + 6));
}

TEST_F(TextLocatorTest, QuadsOfOneThreadJoinIntoOneRunAcrossLinesAndColumns) {
    PMPointList twoLines = PasteboardCorners(QuadOf("Harbour"));
    const PMPointList last = PasteboardCorners(QuadOf("tonight"));
    twoLines.insert(twoLines.end(), last.begin(), last.end());
    auto runs = Locate(0, twoLines, A::kUnderlineAnnotation);
    ASSERT_EQ(runs.size(), 1u) << "the words lie on two lines of one column";
    EXPECT_EQ(runs[0].range, RangeData(0, IndexOf("tonight") + 7));

    PMPointList twoColumns = PasteboardCorners(QuadOf("Harbour"));
    const PMPointList omega = PasteboardCorners(QuadOf("Omega"));
    twoColumns.insert(twoColumns.end(), omega.begin(), omega.end());
    runs = Locate(0, twoColumns, A::kHighlightAnnotation);
    ASSERT_EQ(runs.size(), 1u) << "both columns show the story's primary thread";
    EXPECT_EQ(runs[0].range, RangeData(0, IndexOf("Omega") + 5));
}

TEST_F(TextLocatorTest, QuadsInTwoStoriesGiveTwoRunsButOneQuadAcrossThemGivesNone) {
    const Quad tern = QuadOf("Tern");
    const Quad umber = QuadOf("Umber");
    PMPointList both = PasteboardCorners(tern);
    const PMPointList second = PasteboardCorners(umber);
    both.insert(both.end(), second.begin(), second.end());
    const auto runs = Locate(tern.page, both, A::kStrikethroughAnnotation);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].story, StoryWith("Tern"));
    EXPECT_EQ(runs[1].story, StoryWith("Umber"));

    // One quadrilateral from the left edge of Tern to the right edge of Umber: its two ends lie in
    // different frames, so no text area holds both.
    const PMPointList across = {both[0], second[1], both[2], second[3]};
    EXPECT_TRUE(Locate(tern.page, across, A::kHighlightAnnotation).empty());
}

TEST_F(TextLocatorTest, TableCellsAreTextAreasOfTheirOwnThreads) {
    const Quad rowan = QuadOf("Rowan");
    auto runs = Locate(rowan.page, PasteboardCorners(rowan), A::kSquigglyAnnotation);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].story, StoryWith("Tern")) << "a cell's text lies in its table's story";
    EXPECT_EQ(runs[0].range, RangeData(IndexOf("Rowan"), IndexOf("Rowan") + 5));

    // Body text and a cell are two threads of one story: one markup over both gives two runs, and
    // two cells are two threads too.
    PMPointList mixed = PasteboardCorners(QuadOf("Tern"));
    for (const char* word : {"Rowan", "Teasel"}) {
        const PMPointList more = PasteboardCorners(QuadOf(word));
        mixed.insert(mixed.end(), more.begin(), more.end());
    }
    runs = Locate(rowan.page, mixed, A::kHighlightAnnotation);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].range, RangeData(IndexOf("Tern"), IndexOf("Tern") + 4));
    EXPECT_EQ(runs[2].range, RangeData(IndexOf("Teasel"), IndexOf("Teasel") + 6));
}

TEST_F(TextLocatorTest, MarksWithinHalfAPointOutsideAColumnStillHitIt) {
    const Quad beacon = QuadOf("Beacon");
    const PMPointList corners = PasteboardCorners(beacon);
    InterfacePtr<INotesTextProfile> profile(DocumentRef(document), IID_INOTESTEXTPROFILE);
    profile->Update();
    const PMPoint inside = Mid(corners[0], corners[3]);
    const auto areas = profile->FindTextAreas(SpreadOfPage(0), inside, inside);
    ASSERT_EQ(areas.size(), 1u);
    const PMReal columnLeft = areas[0].bounds.Left() + 0.5;

    const auto shiftedTo = [&](PMReal left) {
        PMPointList moved = corners;
        const PMReal dx = left - corners[0].X();
        moved[0].X(left);
        moved[2].X(left);
        moved[1].X(moved[1].X() + dx);
        moved[3].X(moved[3].X() + dx);
        return moved;
    };
    const auto near = Locate(0, shiftedTo(columnLeft - 0.4), A::kHighlightAnnotation);
    ASSERT_EQ(near.size(), 1u);
    EXPECT_EQ(near[0].range.Start(), IndexOf("Beacon")) << "left of a line, its start answers";
    EXPECT_TRUE(Locate(0, shiftedTo(columnLeft - 0.6), A::kHighlightAnnotation).empty());
}

TEST_F(TextLocatorTest, ACaretStandsBetweenCharactersButNotInAnEmptyStory) {
    const PMPointList beacon = PasteboardCorners(QuadOf("Beacon"));
    const PMPoint afterWord = Mid(beacon[1], beacon[3]);
    const auto runs = Locate(0, {afterWord - PMPoint(2, 3), afterWord + PMPoint(2, 3)}, A::kCaretAnnotation);
    ASSERT_EQ(runs.size(), 1u);
    const TextIndex end = IndexOf("Beacon") + 6;
    EXPECT_EQ(runs[0].range, RangeData(end, end, RangeData::kLeanBack));

    // The empty story's frame on page 3 starts 72 pt in from the page's left and top edges.
    const PMPoint inEmptyStory = OnPasteboard(2, PMPoint(80, 78));
    EXPECT_TRUE(
        Locate(2, {inEmptyStory - PMPoint(2, 3), inEmptyStory + PMPoint(2, 3)}, A::kCaretAnnotation).empty());
}

TEST_F(TextLocatorTest, OnlyWholeQuadrilateralsCount) {
    PMPointList seven = PasteboardCorners(QuadOf("Beacon"));
    const PMPointList extra = PasteboardCorners(QuadOf("Harbour"));
    seven.insert(seven.end(), extra.begin(), extra.begin() + 3);
    const auto runs = Locate(0, seven, A::kHighlightAnnotation);
    ASSERT_EQ(runs.size(), 1u) << "the three points after the first quadrilateral are ignored";
    EXPECT_EQ(runs[0].range.Start(), IndexOf("Beacon"));

    const PMPointList three(extra.begin(), extra.begin() + 3);
    EXPECT_TRUE(Locate(0, three, A::kHighlightAnnotation).empty());
}

TEST(TextLocatorMidlineTest, MidlinesOfOnePieceOrOfTheWholeMarkup) {
    const PMPointList points = {{0, 0}, {10, 0}, {0, 4}, {10, 4}, {0, 10}, {30, 10}, {0, 14}, {30, 16}};
    PMPoint left, right;
    ASSERT_TRUE(NotesTextLocator::GetQuadMidline(points, 2, &left, &right));
    EXPECT_EQ(left, PMPoint(0, 12));
    EXPECT_EQ(right, PMPoint(30, 13));
    ASSERT_TRUE(NotesTextLocator::GetQuadMidline(points, 0, &left, &right));
    EXPECT_EQ(left, PMPoint(0, 2)) << "the first quadrilateral's left edge";
    EXPECT_EQ(right, PMPoint(30, 13)) << "the last quadrilateral's right edge";
    EXPECT_FALSE(NotesTextLocator::GetQuadMidline(points, 3, &left, &right));

    ClearFailureLog();
    EXPECT_FALSE(NotesTextLocator::GetQuadMidline(points, -1, &left, &right));
    EXPECT_NE(FailureLogText().find("piece >= 0"), std::string::npos);
}
} // namespace
