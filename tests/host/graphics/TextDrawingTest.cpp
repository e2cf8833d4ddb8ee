// Drawing text frames: each run's glyphs at the positions the composer gave them with the text
// they stand for, and the text adornments that attribute reports attach: beneath the glyphs for
// negative priorities, above them otherwise, none for an attribute without a value, and
// screen-only adornments kept off output.
#include "DeclaredPlugIn.h"
#include <gtest/gtest.h>

#include <algorithm>

#include "../text/TextFrameDocument.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IGraphicsPort.h"
#include "host/graphics/IShape.h"
#include "host/graphics/RecordingGraphicsPort.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IPlugIn.h"
#include "host/text/IAttrReport.h"
#include "host/text/IDrawingStyle.h"
#include "host/text/ITextAdornment.h"
#include "host/text/ITextAttrUID.h"
#include "host/text/ITextModelCmds.h"
#include "host/text/ITextParcelList.h"
#include "host/util/PMString.h"

namespace {
constexpr PluginID kDrawingTestPluginID = 0x7E2000;
constexpr ClassID kMarkAttrBoss = 0x7E2001;        // attaches a band beneath and a line above
constexpr ClassID kBandAdornmentBoss = 0x7E2002;   // priority -10: a rectangle over the run
constexpr ClassID kLineAdornmentBoss = 0x7E2003;   // priority 1: a line through the run
constexpr ClassID kScreenAttrBoss = 0x7E2004;      // attaches a screen-only adornment
constexpr ClassID kScreenAdornmentBoss = 0x7E2005; // priority 2, screen only: closes a path

template <ClassID... Adornments> class TestAttrReport final : public CPMUnknown<IAttrReport> {
public:
    explicit TestAttrReport(IPMUnknown* boss) : CPMUnknown<IAttrReport>(boss) {}
    bool16 IsParagraphAttribute() const override { return kFalse; }
    int32 GetDrawingImpact() const override { return 1; }
    int32 GetShapingImpact() const override { return 0; }
    int32 GetLineBreakImpact() const override { return 0; }
    int32 GetCopyBehavior() const override { return 2; }
    // Attaches the adornments only while the attribute names an object, as marked text does.
    void TellComposition(const IPMUnknown* attribute, IDrawingStyle* style) const override {
        InterfacePtr<ITextAttrUID> value(attribute, IID_ITEXTATTRUID);
        const bool on = value && value->Get() != kInvalidUID;
        for (ClassID adornment : {Adornments...})
            style->SetTextAdornment(adornment, on ? adornment : kInvalidClass);
    }
    void Describe(const IPMUnknown*, PMString* into) const override { into->Append("Test mark"); }
};

template <int Priority, int Flags> class TestAdornment final : public CPMUnknown<ITextAdornment> {
public:
    explicit TestAdornment(IPMUnknown* boss) : CPMUnknown<ITextAdornment>(boss) {}
    PMReal GetDrawPriority() const override { return Priority; }
    void Draw(GraphicsData* graphicsData, const UIDRef&, const WaxLine& line, const WaxRun& run,
              int32) override {
        IGraphicsPort* port = graphicsData->GetGraphicsPort();
        const PMReal right = run.GetX() + run.GetWidth();
        if (Priority < 0) {
            port->rectpath(PMRect(run.GetX(), line.GetTopFromBaseline(), right, 0));
        } else {
            port->moveto(run.GetX(), -2);
            port->lineto(right, -2);
            if (Flags & kScreenOnly)
                port->closepath();
        }
    }
    void Invalidate(const UIDRef&, RangeData) override {}
    int32 GetAdornmentFlags() const override { return Flags; }
};

using MarkReport = TestAttrReport<kBandAdornmentBoss, kLineAdornmentBoss>;
using ScreenReport = TestAttrReport<kScreenAdornmentBoss>;
using BandAdornment = TestAdornment<-10, 0>;
using LineAdornment = TestAdornment<1, 0>;
using ScreenAdornment = TestAdornment<2, ITextAdornment::kScreenOnly>;

PlugInDeclaration DrawingTestPlugInDeclaration() {
    PlugInDeclaration decl;
    decl.id = kDrawingTestPluginID;
    decl.name = "TextDrawingTests";
    decl.version = {1, 0, 0};
    decl.implementations = {
        IMPLEMENTATION(MarkReport, 0x7E2001, false), IMPLEMENTATION(ScreenReport, 0x7E2002, false),
        IMPLEMENTATION(BandAdornment, 0x7E2003, false), IMPLEMENTATION(LineAdornment, 0x7E2004, false),
        IMPLEMENTATION(ScreenAdornment, 0x7E2005, false)};
    decl.classes = {
        {kMarkAttrBoss, kTextAttrBoss, "kMarkAttrBoss", {{IID_IATTRREPORT, 0x7E2001}}},
        {kScreenAttrBoss, kTextAttrBoss, "kScreenAttrBoss", {{IID_IATTRREPORT, 0x7E2002}}},
        {kBandAdornmentBoss, kInvalidClass, "kBandAdornmentBoss", {{IID_ITEXTADORNMENT, 0x7E2003}}},
        {kLineAdornmentBoss, kInvalidClass, "kLineAdornmentBoss", {{IID_ITEXTADORNMENT, 0x7E2004}}},
        {kScreenAdornmentBoss, kInvalidClass, "kScreenAdornmentBoss", {{IID_ITEXTADORNMENT, 0x7E2005}}}};
    return decl;
}

class TextDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        static DeclaredPlugIn plugIn(DrawingTestPlugInDeclaration(), "host_tests");
        plugIn.RegisterOnce();
        frame = doc.NewFrame(0, PMRect(72, 72, 372, 272));
        ASSERT_EQ(doc.Insert(frame.story, 0, kText), kSuccess);
    }
    void Mark(ClassID attributeClass, RangeData range, UID value) {
        InterfacePtr<ITextAttrUID> attribute(CreateObject2<ITextAttrUID>(attributeClass));
        attribute->Set(value);
        InterfacePtr<ICommand> apply(
            doc.Get<ITextModelCmds>(frame.story)->ApplyAttributeCmd(range, AttributeBossList(attribute)));
        ASSERT_EQ(CmdUtils::ProcessCommand(apply), kSuccess);
    }
    RecordingGraphicsPort Draw(int32 flags = IShape::kDrawNormal) {
        RecordingGraphicsPort port;
        GraphicsData data(&port, doc.DB());
        doc.Get<IShape>(frame.spline)->Draw(&data, flags);
        return port;
    }
    static size_t IndexOf(const RecordingGraphicsPort& port, const std::string& name) {
        const std::vector<std::string> names = port.GetNames();
        return static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin());
    }
    const TextComposition& Composition() { return doc.Get<ITextParcelList>(frame.story)->GetComposition(); }

    const std::u16string kText = u"Plain and marked words";
    TextFrameDocument doc;
    TextFrameDocument::Frame frame;
};

TEST_F(TextDrawing, GlyphsGoWhereTheComposerPutThemWithTheTextTheyStandFor) {
    const RecordingGraphicsPort port = Draw();
    const std::vector<RecordingGraphicsPort::Operation> shown = port.Find("showglyphs");
    ASSERT_EQ(shown.size(), 1u);
    const WaxLine& line = Composition().GetNthLine(0);
    const WaxRun& run = line.GetRuns().front();
    EXPECT_EQ(shown[0].text, kText) << "the paragraph return shows nothing";
    ASSERT_EQ(shown[0].args.size(), 1 + 3 * kText.size());
    EXPECT_EQ(shown[0].args[0], 12.0);
    PMReal x = run.GetX();
    for (size_t g = 0; g < kText.size(); ++g) {
        EXPECT_EQ(shown[0].args[1 + 3 * g], run.GetGlyphID(static_cast<int32>(g)));
        EXPECT_NEAR(shown[0].args[2 + 3 * g], x, 1e-9);
        EXPECT_NEAR(shown[0].args[3 + 3 * g], line.GetBaseline(), 1e-9);
        x += run.GetAdvances()[g];
    }
}

TEST_F(TextDrawing, NegativePrioritiesDrawBeneathTheGlyphsAndTheOthersAbove) {
    Mark(kMarkAttrBoss, RangeData(10, 16), doc.Root().GetUID());
    const RecordingGraphicsPort port = Draw();
    ASSERT_EQ(port.Find("showglyphs").size(), 3u) << "plain, marked, plain";
    EXPECT_LT(IndexOf(port, "rectpath"), IndexOf(port, "showglyphs"));
    EXPECT_GT(IndexOf(port, "lineto"), IndexOf(port, "showglyphs") + 2);

    // The band covers exactly the marked run, from the line's top down to the baseline.
    const WaxLine& line = Composition().GetNthLine(0);
    const WaxRun& marked = line.GetRuns()[1];
    EXPECT_EQ(marked.GetTextRange(), RangeData(10, 16));
    const std::vector<PMReal> band = port.Find("rectpath").at(0).args;
    EXPECT_NEAR(band[0], marked.GetX(), 1e-9);
    EXPECT_NEAR(band[1], line.GetTopFromBaseline(), 1e-9);
    EXPECT_NEAR(band[2], marked.GetX() + marked.GetWidth(), 1e-9);
    // Adornments draw in the run's coordinates: the baseline is y = 0.
    const std::vector<RecordingGraphicsPort::Operation> moves = port.Find("concat");
    EXPECT_TRUE(std::any_of(moves.begin(), moves.end(), [&](const RecordingGraphicsPort::Operation& op) {
        return op.args[4] == 0 && std::abs(op.args[5] - line.GetBaseline()) < 1e-9;
    }));
}

TEST_F(TextDrawing, AnAttributeWithoutAValueAttachesNothing) {
    Mark(kMarkAttrBoss, RangeData(10, 16), kInvalidUID);
    const RecordingGraphicsPort port = Draw();
    EXPECT_EQ(port.Find("rectpath").size(), 0u);
    EXPECT_EQ(port.Find("lineto").size(), 0u);
    EXPECT_EQ(port.Find("showglyphs").size(), 3u);
}

TEST_F(TextDrawing, ScreenOnlyAdornmentsStayOffOutput) {
    Mark(kScreenAttrBoss, RangeData(0, 5), doc.Root().GetUID());
    EXPECT_EQ(Draw().Find("closepath").size(), 1u);
    EXPECT_EQ(Draw(IShape::kDrawFlagsForOutput).Find("closepath").size(), 0u);
}

TEST_F(TextDrawing, EveryLineOfEveryThreadedFrameIsDrawnOnce) {
    const TextFrameDocument::Frame next = doc.NewFrame(0, PMRect(72, 300, 200, 400), frame.story);
    ASSERT_EQ(doc.Insert(frame.story, 0, Words(150)), kSuccess);
    RecordingGraphicsPort port;
    GraphicsData data(&port, doc.DB());
    doc.Get<IShape>(frame.spline)->Draw(&data, 0);
    doc.Get<IShape>(next.spline)->Draw(&data, 0);
    std::u16string drawn;
    for (const RecordingGraphicsPort::Operation& op : port.Find("showglyphs"))
        drawn += op.text;
    const TextIndex end = doc.TextFrame(next)->GetTextRange().End();
    std::u16string expected = doc.Model(frame.story)->GetText(0, end).GetUTF16();
    std::erase(expected, u'\r');
    EXPECT_EQ(drawn, expected);
}
} // namespace
