// Drawing text markups: each kind's shape at its run in the annotation swatch's colour, the band
// and the emphasis beneath the glyphs and the strokes above them, a zigzag of one point per 2 pt,
// carets at the marked character's left edge (its right edge before a paragraph return), the
// redaction's caret only after its last piece, pure red for a colour space markups do not know,
// and nothing at all when printing or exporting.
#include <gtest/gtest.h>

#include <algorithm>

#include "INotesAnnotation.h"
#include "INotesViewUtils.h"
#include "TextMarkupFixture.h"
#include "host/database/IDataBase.h"
#include "host/document/IColorData.h"
#include "host/document/ISpreadList.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IShape.h"
#include "host/graphics/RecordingGraphicsPort.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IMultiColumnTextFrame.h"

using namespace TextMarkupFixture;
using A = INotesAnnotation;

namespace {
class TextMarkupDrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(doc.DB(), nullptr);
        body = doc.Story("s");
    }
    RangeData Word(const std::u16string& word) {
        const TextIndex at = doc.Find(body, word);
        return RangeData(at, at + static_cast<TextIndex>(word.size()));
    }
    // Draws the body story's frame.
    RecordingGraphicsPort Draw(int32 flags = IShape::kDrawNormal) {
        InterfacePtr<ISpreadList> spreads(doc.Doc(), IID_ISPREADLIST);
        const UIDList frames =
            Utils<IFrameUtils>()->GetTextFrames(UIDRef(doc.DB(), spreads->GetNthSpreadUID(0)));
        RecordingGraphicsPort port;
        GraphicsData data(&port, doc.DB());
        for (UID frame : frames.GetUIDs()) {
            InterfacePtr<IMultiColumnTextFrame> text(UIDRef(doc.DB(), frame), IID_IMULTICOLUMNTEXTFRAME);
            if (text->GetTextModelUID() != body)
                continue;
            InterfacePtr<IShape> shape(UIDRef(doc.DB(), text->GetFrameItemUID()), IID_ISHAPE);
            shape->Draw(&data, flags);
        }
        return port;
    }
    static size_t Count(const RecordingGraphicsPort& port, const std::string& name) {
        return port.Find(name).size();
    }
    static size_t First(const RecordingGraphicsPort& port, const std::string& name) {
        const std::vector<std::string> names = port.GetNames();
        return static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin());
    }
    static bool HasColor(const RecordingGraphicsPort& port, PMReal r, PMReal g, PMReal b) {
        for (const auto& op : port.Find("setrgbcolor"))
            if (std::abs(op.args[0] - r) < 1e-6 && std::abs(op.args[1] - g) < 1e-6 &&
                std::abs(op.args[2] - b) < 1e-6)
                return true;
        return false;
    }

    MarkupDocument doc;
    UID body = kInvalidUID;
};

TEST_F(TextMarkupDrawingTest, AHighlightIsABandBeneathTheGlyphsInItsSwatchsColour) {
    const RecordingGraphicsPort plain = Draw();
    ASSERT_NE(doc.Mark(body, Word(u"quick"), A::kHighlightAnnotation), kInvalidUID);
    const RecordingGraphicsPort marked = Draw();
    EXPECT_EQ(Count(marked, "fill"), Count(plain, "fill") + 1);
    EXPECT_LT(First(marked, "fill"), First(marked, "showglyphs")) << "the band lies beneath the text";
    InterfacePtr<IColorData> swatch(UIDRef(doc.DB(), doc.SwatchFor(A::kHighlightAnnotation)), IID_ICOLORDATA);
    ASSERT_EQ(swatch->GetColorSpace(), IColorData::kRGB);
    const std::vector<PMReal> rgb = swatch->GetColorData();
    EXPECT_TRUE(HasColor(marked, rgb[0], rgb[1], rgb[2]));
    // The band stands 2 pt inside the line's top and bottom: 14.4 - 4 pt high.
    const auto& ops = marked.GetOperations();
    bool band = false;
    for (size_t i = 0; i + 2 < ops.size(); ++i)
        band = band || (ops[i].name == "moveto" && ops[i + 2].name == "lineto" &&
                        std::abs(ops[i + 2].args[1] - ops[i].args[1] - 10.4) < 1e-6);
    EXPECT_TRUE(band);
}

TEST_F(TextMarkupDrawingTest, StrokesLieAboveTheGlyphsAndNothingIsDrawnForOutput) {
    ASSERT_NE(doc.Mark(body, Word(u"brown"), A::kStrikethroughAnnotation), kInvalidUID);
    ASSERT_NE(doc.Mark(body, Word(u"fox"), A::kUnderlineAnnotation), kInvalidUID);
    const RecordingGraphicsPort marked = Draw();
    EXPECT_GE(Count(marked, "stroke"), 2u);
    EXPECT_GT(First(marked, "stroke"), First(marked, "showglyphs"));
    const RecordingGraphicsPort exported = Draw(IShape::kDrawFlagsForOutput);
    EXPECT_EQ(Count(exported, "stroke"), 0u);
    EXPECT_EQ(Count(exported, "moveto"), 0u);
}

TEST_F(TextMarkupDrawingTest, ASquigglyZigzagHasOnePointPerTwoPointsOfTheRun) {
    ASSERT_NE(doc.Mark(body, Word(u"lazy"), A::kUnderlineAnnotation), kInvalidUID);
    const RecordingGraphicsPort underlined = Draw();
    ASSERT_EQ(underlined.Find("moveto").size(), 1u);
    const PMReal left = underlined.Find("moveto")[0].args[0];
    const PMReal width = underlined.Find("lineto")[0].args[0] - left; // the underline spans the run
    ASSERT_GT(width, 10.0);

    ASSERT_NE(doc.Mark(body, Word(u"lazy"), A::kSquigglyAnnotation), kInvalidUID);
    const RecordingGraphicsPort both = Draw();
    const auto moves = both.Find("moveto");
    ASSERT_EQ(moves.size(), 2u);
    size_t zigzag = 0;
    for (const auto& op : both.GetOperations())
        zigzag += op.name == "lineto" ? 1 : 0;
    EXPECT_EQ(static_cast<int32>(zigzag) - 1, static_cast<int32>(width * 0.5))
        << "one point per 2 pt after the move";
}

TEST_F(TextMarkupDrawingTest, CaretsStandAtTheLeftEdgeOrBeforeAReturnAtTheRightEdge) {
    const TextIndex brown = Word(u"brown").Start();
    ASSERT_NE(doc.Mark(body, RangeData(brown, brown), A::kCaretAnnotation), kInvalidUID);
    RecordingGraphicsPort port = Draw();
    ASSERT_EQ(Count(port, "curveto"), 2u);
    const PMReal leftEdge = port.Find("curveto")[0].args[4];
    const TextIndex end = Word(u"dog").End();
    ASSERT_NE(doc.Mark(body, RangeData(end, end), A::kCaretAnnotation), kInvalidUID);
    port = Draw();
    ASSERT_EQ(Count(port, "curveto"), 4u);
    EXPECT_GT(port.Find("curveto")[2].args[4], leftEdge + 100) << "the caret after the paragraph's last word";
}

TEST_F(TextMarkupDrawingTest, SelectionEmphasisIsGreyBeneathTheHighlight) {
    const UID markup = doc.Mark(body, Word(u"quick"), A::kHighlightAnnotation);
    Utils<INotesViewUtils>()->SetEmphasis(UIDList(UIDRef(doc.DB(), markup)), kTrue);
    const RecordingGraphicsPort port = Draw();
    const auto& ops = port.GetOperations();
    size_t grey = ops.size(), highlight = ops.size();
    InterfacePtr<IColorData> swatch(UIDRef(doc.DB(), doc.SwatchFor(A::kHighlightAnnotation)), IID_ICOLORDATA);
    const std::vector<PMReal> rgb = swatch->GetColorData();
    for (size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].name != "setrgbcolor")
            continue;
        if (grey == ops.size() && std::abs(ops[i].args[0] - 0.8) < 1e-9 &&
            std::abs(ops[i].args[2] - 0.8) < 1e-9)
            grey = i;
        if (highlight == ops.size() && std::abs(ops[i].args[0] - rgb[0]) < 1e-9 &&
            std::abs(ops[i].args[2] - rgb[2]) < 1e-9)
            highlight = i;
    }
    EXPECT_LT(grey, highlight);
    EXPECT_LT(highlight, First(port, "showglyphs"));
    Utils<INotesViewUtils>()->SetEmphasis(UIDList(UIDRef(doc.DB(), markup)), kFalse);
    EXPECT_FALSE(HasColor(Draw(), 0.8, 0.8, 0.8));
}

TEST_F(TextMarkupDrawingTest, AColourSpaceMarkupsDoNotKnowDrawsPureRed) {
    const UID markup = doc.Mark(body, Word(u"jumps"), A::kUnderlineAnnotation);
    InterfacePtr<INotesAnnotation> record(UIDRef(doc.DB(), markup), IID_INOTESANNOTATION);
    InterfacePtr<IColorData> swatch(UIDRef(doc.DB(), record->GetColor()), IID_ICOLORDATA);
    swatch->SetColorData(IColorData::kNoColorSpace, {});
    EXPECT_TRUE(HasColor(Draw(), 1, 0, 0));
}
} // namespace
