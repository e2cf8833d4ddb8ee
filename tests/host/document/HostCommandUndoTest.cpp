// Every host layout command changes the document and is undone to the very same stored bytes.
#include <functional>

#include <gtest/gtest.h>

#include "LayoutTestDocument.h"
#include "host/document/IApplyMultAttributesCmdData.h"
#include "host/document/IConvertShapeCmdData.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/ILayerPropertiesCmdData.h"
#include "host/document/IPMUnknownData.h"
#include "host/document/IStandOffData.h"
#include "host/document/IStandOffModeCmdData.h"
#include "host/document/ISwatchUtils.h"
#include "host/document/ITransformCmdData.h"
#include "host/objectmodel/IUIDData.h"

namespace {
struct Case {
    const char* name;
    // Processes the command on a document that holds two rectangles and a swatch; answers its result.
    std::function<ErrorCode(LayoutTestDocument&, UID first, UID second, UID swatch)> run;
};

ErrorCode ProcessWith(ClassID cmdClass, const UIDList& items, const std::function<void(ICommand*)>& fill) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(cmdClass));
    cmd->SetItemList(items);
    fill(cmd);
    return CmdUtils::ProcessCommand(cmd);
}

UIDList Items(LayoutTestDocument& doc, std::initializer_list<UID> uids) {
    UIDList list(doc.DB());
    for (UID uid : uids)
        list.Append(uid);
    return list;
}

const Case kCases[] = {
    {"NewPageItem",
     [](LayoutTestDocument& doc, UID, UID, UID) {
         return doc.NewRectangle(doc.ContentLayer(doc.Spread(0)), PMRect(0, 0, 10, 10)) != kInvalidUID
                    ? kSuccess
                    : kFailure;
     }},
    {"Delete",
     [](LayoutTestDocument& doc, UID a, UID, UID) {
         ErrorCode result;
         doc.Process(kDeleteCmdBoss, Items(doc, {a}), &result);
         return result;
     }},
    {"DeleteUID",
     [](LayoutTestDocument& doc, UID, UID, UID swatch) {
         ErrorCode result;
         doc.Process(kDeleteUIDCmdBoss, Items(doc, {swatch}), &result);
         return result;
     }},
    {"Group",
     [](LayoutTestDocument& doc, UID a, UID b, UID) {
         ErrorCode result;
         doc.Process(kGroupCmdBoss, Items(doc, {a, b}), &result);
         return result;
     }},
    {"Transform",
     [](LayoutTestDocument& doc, UID a, UID b, UID) {
         return ProcessWith(kTransformPageItemsCmdBoss, Items(doc, {a, b}), [](ICommand* cmd) {
             PMMatrix rotate;
             rotate.Rotate(30);
             InterfacePtr<ITransformCmdData>(cmd, IID_ITRANSFORMCMDDATA)->SetTransformData(rotate);
         });
     }},
    {"ConvertShape",
     [](LayoutTestDocument& doc, UID a, UID, UID) {
         return ProcessWith(kConvertShapeCmdBoss, Items(doc, {a}), [](ICommand* cmd) {
             InterfacePtr<IConvertShapeCmdData>(cmd, IID_ICONVERTSHAPECMDDATA)
                 ->Set(IConvertShapeCmdData::kEllipse, kInvalidClass, 12, 6, 0);
         });
     }},
    {"ApplyMultipleAttributes",
     [](LayoutTestDocument& doc, UID a, UID, UID swatch) {
         return ProcessWith(kGfxApplyMultAttributesCmdBoss, Items(doc, {a}), [&](ICommand* cmd) {
             InterfacePtr<IApplyMultAttributesCmdData> data(cmd, IID_IAPPLYMULTATTRIBUTESCMDDATA);
             data->AddAnAttribute(GraphicAttribute::Swatch(kGraphicStyleStrokeRenderingAttrBoss, swatch));
             data->AddAnAttribute(
                 GraphicAttribute::Class(kGraphicStyleLineEndAttrBoss, kTriangleArrowHeadBoss));
         });
     }},
    {"ApplyAttributeOverrides",
     [](LayoutTestDocument& doc, UID a, UID b, UID swatch) {
         InterfacePtr<IGraphicStyleAttributeBossList> list(
             Utils<IGraphicAttributeUtils>()->CreateAttributeList());
         Utils<IGraphicAttributeUtils>()->AddFillRenderingAttribute(list, swatch);
         Utils<IGraphicAttributeUtils>()->AddCornerSizeAttribute(list, 20);
         return ProcessWith(kGfxApplyAttrOverridesCmdBoss, Items(doc, {a, b}), [&](ICommand* cmd) {
             InterfacePtr<IPMUnknownData>(cmd, IID_IPMUNKNOWNDATA)->SetPMUnknown(list);
         });
     }},
    {"StandOff",
     [](LayoutTestDocument& doc, UID a, UID, UID) {
         return ProcessWith(kStandOffModeCmdBoss, Items(doc, {a}), [](ICommand* cmd) {
             InterfacePtr<IStandOffModeCmdData>(cmd, IID_ISTANDOFFMODECMDDATA)
                 ->SetMode(IStandOffData::kBoundingBox);
         });
     }},
    {"BringToFront",
     [](LayoutTestDocument& doc, UID a, UID, UID) {
         ErrorCode result;
         doc.Process(kBringToFrontCmdBoss, Items(doc, {a}), &result);
         return result;
     }},
    {"NewLayer",
     [](LayoutTestDocument& doc, UID, UID, UID) {
         ErrorCode result;
         doc.Process(kNewLayerCmdBoss, UIDList(doc.Root()), &result);
         return result;
     }},
    {"SetLayerProperties",
     [](LayoutTestDocument& doc, UID, UID, UID) {
         return ProcessWith(kSetLayerPropertiesCmdBoss, Items(doc, {doc.Layer(0)}), [](ICommand* cmd) {
             LayerProperties properties;
             properties.name = PMString("Renamed");
             properties.locked = kTrue;
             InterfacePtr<ILayerPropertiesCmdData>(cmd, IID_ILAYERPROPERTIESCMDDATA)->Set(properties);
         });
     }},
    {"DeleteLayer",
     [](LayoutTestDocument& doc, UID, UID, UID) {
         ErrorCode result;
         doc.Process(kDeleteLayerCmdBoss, Items(doc, {doc.Layer(1)}), &result);
         return result;
     }},
    {"NewColorAndAddSwatches",
     [](LayoutTestDocument& doc, UID, UID, UID) {
         CmdUtils::SequenceContext oneStep;
         return doc.NewSwatch("Teal", {0, 0.5, 0.5}) != kInvalidUID ? kSuccess : kFailure;
     }},
    {"DeleteSwatches",
     [](LayoutTestDocument& doc, UID, UID, UID swatch) {
         return Utils<ISwatchUtils>()->DeleteSwatches(Items(doc, {swatch}), kInvalidUID);
     }},
    {"NewSpread",
     [](LayoutTestDocument& doc, UID, UID, UID) {
         ErrorCode result;
         doc.Process(kNewSpreadCmdBoss, UIDList(doc.Root()), &result);
         return result;
     }},
};

class HostCommandUndo : public ::testing::TestWithParam<Case> {};
} // namespace

TEST_P(HostCommandUndo, UndoRestoresTheStoredBytesAndRedoTheChange) {
    LayoutTestDocument doc;
    doc.Process(kNewLayerCmdBoss, UIDList(doc.Root()));
    const UID swatch = doc.NewSwatch("Orange", {1, 0.5, 0});
    const UID first = doc.NewRectangleOnPage(0, PMRect(10, 10, 110, 60));
    const UID second = doc.NewRectangleOnPage(0, PMRect(200, 10, 300, 60));
    {
        // The second item uses the swatch, so that deleting the swatch has a use to replace.
        InterfacePtr<IGraphicStyleAttributeBossList> list = doc.Get<IGraphicStyleAttributeBossList>(second);
        CmdUtils::SequenceContext sequence;
        Utils<IGraphicAttributeUtils>()->AddFillRenderingAttribute(list, swatch);
    }
    const LayoutTestDocument::Objects before = doc.Snapshot();

    ASSERT_EQ(GetParam().run(doc, first, second, swatch), kSuccess);
    const LayoutTestDocument::Objects changed = doc.Snapshot();
    ASSERT_FALSE(SameObjects(before, changed)) << "the command changed nothing";

    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_TRUE(SameObjects(before, doc.Snapshot()));
    ASSERT_EQ(doc.DB()->GetUndoHistory().Redo(), kSuccess);
    EXPECT_TRUE(SameObjects(changed, doc.Snapshot()));
}

INSTANTIATE_TEST_SUITE_P(EachCommand, HostCommandUndo, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });
