// Drawing tables: every cell's border as a rectangle of the thin black stroke, and every cell's
// text where the composer put it, inside its cell and clipped to it.
#include <gtest/gtest.h>

#include <algorithm>

#include "../text/TextFrameDocument.h"
#include "host/graphics/GraphicsData.h"
#include "host/graphics/IShape.h"
#include "host/graphics/RecordingGraphicsPort.h"
#include "host/text/ITableFrame.h"
#include "host/text/ITableModel.h"
#include "host/text/ITextParcelList.h"

namespace {
TEST(TableDrawing, BordersAndCellTextGoWhereTheTableIsComposed) {
    TextFrameDocument doc;
    const TextFrameDocument::Frame frame = doc.NewFrame(0, PMRect(72, 72, 372, 372));
    ASSERT_EQ(doc.Insert(frame.story, 0, u"Above\r"), kSuccess);
    const UID table = doc.NewTable(frame.story, 6, {90, 110}, {30, 30}, {u"alpha", u"beta", u"gamma", u""});
    InterfacePtr<ITableModel> model = doc.Get<ITableModel>(table);
    InterfacePtr<ITableFrame> placed(model->QueryTableFrame());

    RecordingGraphicsPort port;
    GraphicsData data(&port, doc.DB());
    doc.Get<IShape>(frame.spline)->Draw(&data, IShape::kDrawFlagsForOutput);

    std::vector<PMRect> rects;
    for (const RecordingGraphicsPort::Operation& op : port.Find("rectpath"))
        rects.emplace_back(op.args[0], op.args[1], op.args[2], op.args[3]);
    for (int32 n = 0; n < 4; ++n) {
        const PMRect cell = placed->GetCellBounds(n / 2, n % 2);
        EXPECT_EQ(std::count(rects.begin(), rects.end(), cell), 2)
            << "the cell's clip and its border, cell " << n;
    }
    ASSERT_EQ(port.Find("stroke").size(), 1u);
    const std::vector<RecordingGraphicsPort::Operation> widths = port.Find("setlinewidth");
    EXPECT_TRUE(std::any_of(widths.begin(), widths.end(),
                            [](const RecordingGraphicsPort::Operation& op) { return op.args[0] == 0.5; }));

    std::vector<std::u16string> drawn;
    for (const RecordingGraphicsPort::Operation& op : port.Find("showglyphs"))
        drawn.push_back(op.text);
    EXPECT_EQ(drawn, (std::vector<std::u16string>{u"Above", u"alpha", u"beta", u"gamma"}));
    // Each glyph of "gamma" at the position of its cell's composition, inside the cell.
    const TextComposition& gamma = doc.Get<ITextParcelList>(model->GetCellUID(1, 0))->GetComposition();
    const WaxLine& line = gamma.GetNthLine(0);
    const RecordingGraphicsPort::Operation shown = port.Find("showglyphs").at(3);
    PMReal x = line.GetXLeft();
    for (size_t g = 0; g < 5; ++g) {
        EXPECT_NEAR(shown.args[2 + 3 * g], x, 1e-9);
        EXPECT_NEAR(shown.args[3 + 3 * g], line.GetBaseline(), 1e-9);
        EXPECT_TRUE(placed->GetCellBounds(1, 0).Contains(PMPoint(x, line.GetBaseline())));
        x += line.GetRuns().front().GetAdvances()[g];
    }
}
} // namespace
