// The Notes panel keeps its size within bounds when the user resizes it.
#include <gtest/gtest.h>

#include "NotesPanelFixture.h"
#include "QuillpaneID.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IPanelMgr.h"

namespace {
PMPoint Resized(PMReal width, PMReal height) {
    NotesPanelFixture::RegisterPlugIns();
    InterfacePtr<IPanelMgr> panels(GetApplicationObject(), IID_IPANELMGR);
    IControlView* panel = panels->GetPanelFromWidgetID(kNotesUIPanelWidgetID);
    panel->Resize(PMPoint(width, height));
    return panel->GetDimensions();
}
} // namespace

TEST(NotesPanelSize, TheWidthIsAtLeast200WithNoUpperLimit) {
    EXPECT_EQ(Resized(120, 500).X(), 200);
    EXPECT_EQ(Resized(200.000000001, 500).X(), 200) << "within the tolerance";
    EXPECT_EQ(Resized(200.5, 500).X(), 200.5);
    EXPECT_EQ(Resized(5000, 500).X(), 5000);
}

TEST(NotesPanelSize, HeightsUpTo240GoToTheirFloorsAndAbove2048To2048) {
    EXPECT_EQ(Resized(300, 10).Y(), 200);
    EXPECT_EQ(Resized(300, 200).Y(), 200);
    EXPECT_EQ(Resized(300, 200.5).Y(), 240);
    EXPECT_EQ(Resized(300, 240).Y(), 240);
    EXPECT_EQ(Resized(300, 2048).Y(), 2048);
    EXPECT_EQ(Resized(300, 9000).Y(), 2048);
}

TEST(NotesPanelSize, OtherHeightsSnapUpToTheStepsOfFive) {
    EXPECT_EQ(Resized(300, 500).Y(), 500) << "500 - 5 is divisible by 5";
    EXPECT_EQ(Resized(300, 502.5).Y(), 505);
    EXPECT_EQ(Resized(300, 243).Y(), 245);
    EXPECT_EQ(Resized(300, 2044).Y(), 2045);
    EXPECT_EQ(Resized(300, 2047).Y(), 2048) << "snapping never goes past the maximum";
}
