// The annotation layer: made once on demand with a content and a guide spread layer on every
// spread and master spread, found again through the layer reference, deleted on request.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "INotesLayerManager.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/document/IDocumentLayer.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayerList.h"
#include "host/document/IMasterSpreadList.h"
#include "host/document/ISpreadLayer.h"
#include "host/document/ISpreadList.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"

using namespace CoreFixture;

namespace {
class AnnotationLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = BuildThreeSpreadDocument();
        ASSERT_NE(document, nullptr);
        db = document->GetDocumentDataBase();
        doc = DocumentRef(document);
        layerManager = InterfacePtr<INotesLayerManager>(doc, IID_INOTESLAYERMANAGER);
        ASSERT_TRUE(layerManager);
    }
    void TearDown() override {
        layerManager.reset();
        Close(document);
    }
    // Every spread and master spread with the spread layers that belong to a document layer.
    std::vector<std::pair<UID, std::vector<UID>>> SpreadLayersOf(UID documentLayer) {
        std::vector<UID> spreads;
        InterfacePtr<ISpreadList> spreadList(doc, IID_ISPREADLIST);
        for (int32 i = 0; i < spreadList->GetSpreadCount(); ++i)
            spreads.push_back(spreadList->GetNthSpreadUID(i));
        InterfacePtr<IMasterSpreadList> masters(doc, IID_IMASTERSPREADLIST);
        for (int32 i = 0; i < masters->GetMasterSpreadCount(); ++i)
            spreads.push_back(masters->GetNthMasterSpreadUID(i));
        std::vector<std::pair<UID, std::vector<UID>>> result;
        for (UID spread : spreads) {
            InterfacePtr<IHierarchy> hierarchy(UIDRef(db, spread), IID_IHIERARCHY);
            std::vector<UID> layers;
            for (int32 c = 0; c < hierarchy->GetChildCount(); ++c) {
                InterfacePtr<ISpreadLayer> layer(UIDRef(db, hierarchy->GetChildUID(c)), IID_ISPREADLAYER);
                if (layer && layer->GetDocLayerUID() == documentLayer)
                    layers.push_back(hierarchy->GetChildUID(c));
            }
            result.emplace_back(spread, layers);
        }
        return result;
    }

    IDocument* document = nullptr;
    IDataBase* db = nullptr;
    UIDRef doc;
    InterfacePtr<INotesLayerManager> layerManager;
};

TEST_F(AnnotationLayerTest, TheLayerIsMadeOnceWithTwoSpreadLayersOnEverySpreadAndMaster) {
    EXPECT_FALSE(layerManager->HasNotesLayer());
    InterfacePtr<ILayerList> layerList(doc, IID_ILAYERLIST);
    const int32 layersBefore = layerList->GetCount();

    const UID layer = layerManager->GetNotesLayerUID();
    ASSERT_NE(layer, kInvalidUID);
    EXPECT_EQ(layerManager->GetNotesLayerUID(), layer) << "a second call finds the same layer";
    EXPECT_TRUE(layerManager->HasNotesLayer());
    EXPECT_EQ(layerList->GetCount(), layersBefore + 1);
    EXPECT_EQ(layerList->GetNthLayerUID(layersBefore), layer) << "appended after all other layers";

    InterfacePtr<IDocumentLayer> documentLayer(UIDRef(db, layer), IID_IDOCUMENTLAYER);
    EXPECT_EQ(documentLayer->GetName().GetUTF8String(), "Annotations");
    EXPECT_TRUE(documentLayer->IsVisible());
    EXPECT_FALSE(documentLayer->IsLocked());

    const auto spreads = SpreadLayersOf(layer);
    ASSERT_EQ(spreads.size(), 5u);
    int32 total = 0;
    for (const auto& [spread, layers] : spreads) {
        ASSERT_EQ(layers.size(), 2u);
        total += 2;
        InterfacePtr<ISpreadLayer> content(UIDRef(db, layers[0]), IID_ISPREADLAYER);
        InterfacePtr<ISpreadLayer> guide(UIDRef(db, layers[1]), IID_ISPREADLAYER);
        EXPECT_FALSE(content->IsGuideLayer());
        EXPECT_TRUE(guide->IsGuideLayer());
        InterfacePtr<IHierarchy> hierarchy(UIDRef(db, spread), IID_IHIERARCHY);
        EXPECT_EQ(hierarchy->GetChildUID(hierarchy->GetChildCount() - 1), layers[1]) << "the pair comes last";
    }
    EXPECT_EQ(total, 10);
    InterfacePtr<IUIDData> reference(doc, IID_INOTESDOCLAYERREFERENCE);
    EXPECT_EQ(reference->GetUID(), layer);
}

TEST_F(AnnotationLayerTest, UndoOfTheCreationTakesLayerAndReferenceAway) {
    const UID layer = layerManager->GetNotesLayerUID();
    ASSERT_EQ(db->GetUndoHistory().GetUndoName().GetUTF8String(), "Create Annotation Layer");
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_FALSE(db->IsValidUID(layer));
    EXPECT_FALSE(layerManager->HasNotesLayer());
    for (const auto& [spread, layers] : SpreadLayersOf(layer))
        EXPECT_TRUE(layers.empty());
}

TEST_F(AnnotationLayerTest, DeletingTheLayerTakesItsSpreadLayersAndClearsTheReference) {
    EXPECT_EQ(layerManager->DeleteNotesLayer(), kSuccess) << "nothing to delete is success";
    const UID layer = layerManager->GetNotesLayerUID();
    ASSERT_EQ(layerManager->DeleteNotesLayer(), kSuccess);
    EXPECT_FALSE(layerManager->HasNotesLayer());
    EXPECT_FALSE(db->IsValidUID(layer));
    for (const auto& [spread, layers] : SpreadLayersOf(layer))
        EXPECT_TRUE(layers.empty());
    const UID again = layerManager->GetNotesLayerUID();
    EXPECT_NE(again, kInvalidUID);
    EXPECT_NE(again, layer) << "a fresh layer";
}

TEST_F(AnnotationLayerTest, TheReferenceOutlivesALayerTheUserDeleted) {
    const UID layer = layerManager->GetNotesLayerUID();
    InterfacePtr<ICommand> deleteLayer(CmdUtils::CreateCommand(kDeleteLayerCmdBoss));
    deleteLayer->SetItemList(UIDList(UIDRef(db, layer)));
    ASSERT_EQ(CmdUtils::ProcessCommand(deleteLayer), kSuccess);
    EXPECT_TRUE(layerManager->HasNotesLayer());
}
} // namespace
