// Free text: the create command makes a text frame with the record's content and the border's
// weight, colour and dash; a callout becomes an open path grouped with the frame, its arrowhead at
// its first point; records it cannot place make nothing and leave nothing; deleting the annotation
// removes its group, and undo gives all of it back.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../fixtures/AnnotationLayerDocument.h"
#include "INotesAnnotation.h"
#include "INotesAnnotationList.h"
#include "INotesDrawMarkupAnnotationData.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/IGeometry.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IHierarchy.h"
#include "host/document/IPathGeometry.h"
#include "host/document/ISwatchUtils.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IUIDData.h"
#include "host/text/IGraphicFrameData.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextModel.h"

namespace {
class FreeTextTest : public AnnotationLayerDocument {
protected:
    // Processes the create command with the points (pasteboard) on page 1's annotation layer;
    // answers the frame, kInvalidUID when nothing was made.
    UID Create(const PMPointList& points, const char* content = "Remark", int32 borderStyle = 1,
               UID fill = kInvalidUID) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesCreateFreeTextAnnotationCmdBoss));
        InterfacePtr<INotesAnnotation> record(cmd, IID_INOTESANNOTATION);
        InterfacePtr<INotesDrawMarkupAnnotationData> data(cmd, IID_INOTESDRAWMARKUPANNOTATIONDATA);
        record->Set(INotesAnnotation::kFreeTextAnnotation, points, black, kFalse, PMString(content),
                    PMString("Ana"), IDTime::FromCalendar(2024, 3, 4, 5, 6, 7));
        data->Set(2.5, black, fill, borderStyle, kSimpleArrowHeadBoss, kCircleArrowHeadBoss);
        cmd->SetItemList(UIDList(UIDRef(db, manager->GetAnnotationSpreadLayer(1))));
        if (CmdUtils::ProcessCommand(cmd) != kSuccess || cmd->GetItemList()->Length() != 1)
            return kInvalidUID;
        return cmd->GetItemList()->At(0);
    }
    PMPoint At(PMReal dx, PMReal dy) { return PageBounds(1).LeftTop() + PMPoint(dx, dy); }
    PMPointList Box() { return {At(100, 100), At(250, 140)}; }
    GraphicAttribute Attribute(UID item, ClassID attributeClass) {
        InterfacePtr<IHierarchy> any(UIDRef(db, item), IID_IHIERARCHY);
        return Utils<IGraphicAttributeUtils>()->GetAttribute(any, attributeClass);
    }
    UID ParentOf(UID item) {
        InterfacePtr<IHierarchy> hierarchy(UIDRef(db, item), IID_IHIERARCHY);
        return hierarchy->GetParentUID();
    }
    std::u16string TextOf(UID frame) {
        InterfacePtr<IGraphicFrameData> frameData(UIDRef(db, frame), IID_IGRAPHICFRAMEDATA);
        InterfacePtr<IMultiColumnTextFrame> text(UIDRef(db, frameData->GetTextContentUID()),
                                                 IID_IMULTICOLUMNTEXTFRAME);
        InterfacePtr<ITextModel> model(UIDRef(db, text->GetTextModelUID()), IID_ITEXTMODEL);
        return model->GetText(0, model->TotalLength() - 1).GetUTF16();
    }
    // The other child of the frame's group: the callout line.
    UID CalloutOf(UID frame) {
        InterfacePtr<IHierarchy> group(UIDRef(db, ParentOf(frame)), IID_IHIERARCHY);
        for (int32 i = 0; i < group->GetChildCount(); ++i)
            if (group->GetChildUID(i) != frame)
                return group->GetChildUID(i);
        return kInvalidUID;
    }
    // The callout's path points on the pasteboard.
    PMPointList PathOf(UID callout) {
        InterfacePtr<IPathGeometry> path(UIDRef(db, callout), IID_IPATHGEOMETRY);
        InterfacePtr<ITransform> transform(UIDRef(db, callout), IID_ITRANSFORM);
        EXPECT_EQ(path->GetNumPaths(), 1);
        EXPECT_TRUE(path->IsPathOpen(0));
        PMPointList points;
        for (int32 i = 0; i < path->GetNumPoints(0); ++i) {
            PMPoint p = path->GetPathPoint(0, i).GetAnchor();
            transform->TransformInnerPointToPasteboard(&p);
            points.push_back(p);
        }
        return points;
    }
    static void ExpectPoints(const PMPointList& actual, const PMPointList& expected) {
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < actual.size(); ++i) {
            EXPECT_NEAR(actual[i].X(), expected[i].X(), 1e-6) << i;
            EXPECT_NEAR(actual[i].Y(), expected[i].Y(), 1e-6) << i;
        }
    }
};

TEST_F(FreeTextTest, TwoPointsMakeAFrameWithTheContentAndTheBorderAndNoGroup) {
    const UID frame = Create({At(250, 140), At(100, 100)}); // corners in either order
    ASSERT_NE(frame, kInvalidUID);
    EXPECT_EQ(db->GetClass(frame), kNotesFreeTextAnnotationBoss);
    EXPECT_EQ(ParentOf(frame), manager->GetAnnotationSpreadLayer(1));
    InterfacePtr<IGeometry> geometry(UIDRef(db, frame), IID_IGEOMETRY);
    InterfacePtr<ITransform> transform(UIDRef(db, frame), IID_ITRANSFORM);
    PMRect bounds = geometry->GetPathBoundingBox();
    transform->TransformInnerRectToPasteboard(&bounds);
    ExpectPoints({bounds.LeftTop(), bounds.RightBottom()}, Box());
    EXPECT_EQ(TextOf(frame), u"Remark");
    EXPECT_EQ(Attribute(frame, kGraphicStyleStrokeWeightAttrBoss).real, 2.5);
    EXPECT_EQ(Attribute(frame, kGraphicStyleStrokeRenderingAttrBoss).swatch, black);
    EXPECT_EQ(Attribute(frame, kGraphicStyleFillRenderingAttrBoss).swatch,
              Utils<ISwatchUtils>()->GetNoneSwatchUID(db))
        << "no interior colour: no fill";
    EXPECT_EQ(Attribute(frame, kGraphicStyleStrokeTypeAttrBoss).classValue, kSolidPathStrokerBoss);
    InterfacePtr<INotesAnnotation> record(UIDRef(db, frame), IID_INOTESANNOTATION);
    EXPECT_EQ(record->GetType(), INotesAnnotation::kFreeTextAnnotation);
    EXPECT_EQ(record->GetContent().GetUTF8String(), "Remark");
    EXPECT_FALSE(record->CanShowPopup());
    record->ShowPopup();
    InterfacePtr<IUIDData> popup(UIDRef(db, frame), IID_INOTESANNOTATIONREFERENCE);
    EXPECT_EQ(popup->GetUID(), kInvalidUID) << "a free text opens no popup";
}

TEST_F(FreeTextTest, ACalloutIsAnOpenPathThroughTheLaterPointsGroupedWithTheFrame) {
    const PMPointList callout = {At(20, 30), At(60, 120), At(100, 120)};
    PMPointList points = Box();
    points.insert(points.end(), callout.begin(), callout.end());
    const UID frame = Create(points, "Dashed", 3, black);
    ASSERT_NE(frame, kInvalidUID);
    EXPECT_EQ(db->GetClass(ParentOf(frame)), kGroupItemBoss);
    EXPECT_EQ(ParentOf(ParentOf(frame)), manager->GetAnnotationSpreadLayer(1));
    const UID line = CalloutOf(frame);
    ASSERT_NE(line, kInvalidUID);
    EXPECT_EQ(db->GetClass(line), kNotesCalloutLineBoss);
    ExpectPoints(PathOf(line), callout);
    EXPECT_EQ(Attribute(line, kGraphicStyleLineStartAttrBoss).classValue, kSimpleArrowHeadBoss);
    EXPECT_EQ(Attribute(line, kGraphicStyleLineEndAttrBoss).classValue, kInvalidClass) << "no end arrowhead";
    EXPECT_EQ(Attribute(line, kGraphicStyleStrokeWeightAttrBoss).real, 2.5);
    EXPECT_EQ(Attribute(frame, kGraphicStyleStrokeTypeAttrBoss).classValue, kDashedPathStrokerBoss);
    EXPECT_EQ(Attribute(frame, kGraphicStyleFillRenderingAttrBoss).swatch, black);

    // Three points: a callout of one point, still grouped.
    const UID single = Create({At(300, 300), At(400, 340), At(280, 280)});
    ASSERT_NE(single, kInvalidUID);
    ExpectPoints(PathOf(CalloutOf(single)), {At(280, 280)});
}

TEST_F(FreeTextTest, RecordsThatCannotBePlacedMakeNothingAndLeaveNothing) {
    const size_t before = db->GetAllUIDs().size();
    const PMReal nan = std::numeric_limits<double>::quiet_NaN();
    const PMPointList cases[] = {
        {At(1, 1)},
        {At(1, 1), At(2, 2), At(3, 3), At(4, 4), At(5, 5), At(6, 6)},
        {At(1, 1), PMPoint(nan, 5)},
        {At(1, 1), At(50, 50), PMPoint(10, std::numeric_limits<double>::infinity())},
        {At(1, 1), At(50, 50), PMPoint(1e12, 0)},
    };
    for (const PMPointList& points : cases) {
        EXPECT_EQ(Create(points), kInvalidUID) << points.size() << " points";
        EXPECT_EQ(db->GetAllUIDs().size(), before) << "nothing half-made stays";
    }
    EXPECT_NE(Create(Box(), ""), kInvalidUID) << "empty content gives an empty frame";
}

TEST_F(FreeTextTest, DeletingTheFreeTextDeletesItsGroupAndUndoGivesItBack) {
    PMPointList points = Box();
    points.push_back(At(20, 30));
    points.push_back(At(90, 120));
    const UID frame = Create(points);
    ASSERT_NE(frame, kInvalidUID);
    const UID group = ParentOf(frame), line = CalloutOf(frame);
    InterfacePtr<ICommand> deleteCmd(CmdUtils::CreateCommand(kNotesDeleteAnnotationCmdBoss));
    deleteCmd->SetItemList(UIDList(UIDRef(db, frame)));
    ASSERT_EQ(CmdUtils::ProcessCommand(deleteCmd), kSuccess);
    EXPECT_FALSE(db->IsValidUID(frame));
    EXPECT_FALSE(db->IsValidUID(group));
    EXPECT_FALSE(db->IsValidUID(line));

    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    ASSERT_TRUE(db->IsValidUID(frame));
    EXPECT_EQ(ParentOf(frame), group);
    EXPECT_EQ(CalloutOf(frame), line);
    EXPECT_EQ(TextOf(frame), u"Remark");
    ExpectPoints(PathOf(line), {At(20, 30), At(90, 120)});
}

TEST_F(FreeTextTest, CreatingIsOneUndoStep) {
    PMPointList points = Box();
    points.push_back(At(20, 30));
    const size_t before = db->GetAllUIDs().size();
    const UID frame = Create(points);
    ASSERT_NE(frame, kInvalidUID);
    EXPECT_EQ(db->GetUndoHistory().GetUndoName().GetUTF8String(), "Create Free Text");
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_FALSE(db->IsValidUID(frame));
    EXPECT_EQ(db->GetAllUIDs().size(), before);
}
} // namespace

namespace {
TEST_F(FreeTextTest, TheFrameIsListedOnceOnItsPageAndOutlivesItsCallout) {
    PMPointList points = Box();
    points.push_back(At(20, 30));
    const UID frame = Create(points);
    ASSERT_NE(frame, kInvalidUID);
    InterfacePtr<INotesAnnotationList> list(UIDRef(db, Page(1)), IID_INOTESANNOTATIONLIST);
    list->Invalidate();
    EXPECT_EQ(list->GetAnnotations(), UIDList(UIDRef(db, frame))) << "in its group, without its callout";

    InterfacePtr<ICommand> deleteCmd(CmdUtils::CreateCommand(kDeleteCmdBoss));
    deleteCmd->SetItemList(UIDList(UIDRef(db, CalloutOf(frame))));
    ASSERT_EQ(CmdUtils::ProcessCommand(deleteCmd), kSuccess);
    list->Invalidate();
    EXPECT_EQ(list->GetAnnotations(), UIDList(UIDRef(db, frame))) << "the annotation stays";
    EXPECT_EQ(TextOf(frame), u"Remark");
}
} // namespace
