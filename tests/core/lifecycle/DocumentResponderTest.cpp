// Before a save the document responder clears a layer reference whose layer is gone and, when no
// annotation is left, drops the document's dependency on the plug-in; a document that still holds
// annotations keeps it, so that a host without the plug-in warns when opening it.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "INotesAnnotsManager.h"
#include "INotesLayerManager.h"
#include "TestSupport.h"
#include "host/commands/CmdUtils.h"
#include "host/database/DocumentFile.h"
#include "host/document/DocumentManager.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IPageList.h"
#include "host/notify/IK2ServiceProvider.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"

using namespace CoreFixture;

namespace {
bool DependsOnThePlugIn(const std::string& path) {
    DocumentFileContents contents;
    EXPECT_EQ(DocumentFile::Read(path, &contents).status, DocumentFile::kOk);
    for (const PlugInDependency& dependency : contents.plugIns)
        if (dependency.id == kNotesPluginID)
            return true;
    return false;
}

UID AddNote(IDocument* document) {
    IDataBase* db = document->GetDocumentDataBase();
    const UIDRef doc = DocumentRef(document);
    InterfacePtr<INotesLayerManager> layers(doc, IID_INOTESLAYERMANAGER);
    layers->GetNotesLayerUID();
    InterfacePtr<INotesAnnotsManager> manager(doc, IID_INOTESANNOTSMANAGER);
    InterfacePtr<IPageList> pages(doc, IID_IPAGELIST);
    const PMPoint c =
        Utils<ILayoutUtils>()->GetPageBoundsOnPasteboard(UIDRef(db, pages->GetNthPageUID(0))).GetCenter();
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesCreateStickyNoteCmdBoss));
    InterfacePtr<INotesAnnotation> record(cmd, IID_INOTESANNOTATION);
    record->Set(INotesAnnotation::kStickyNoteAnnotation, {c, c + PMPoint(20, 20)}, kInvalidUID, kTrue,
                PMString("n"), PMString(), IDTime());
    cmd->SetItemList(UIDList(UIDRef(db, manager->GetAnnotationSpreadLayer(0))));
    EXPECT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
    return cmd->GetItemList()->At(0);
}

TEST(DocumentResponderTest, TheResponderServesTheSixDocumentSignals) {
    RegisterPlugIns();
    InterfacePtr<IK2ServiceProvider> provider(
        CreateObject2<IK2ServiceProvider>(kNotesDocResponderServiceBoss));
    ASSERT_TRUE(provider);
    PMString name;
    provider->GetName(&name);
    EXPECT_EQ(name.GetUTF8String(), "Notes Document Responder Service");
    std::vector<ServiceID> ids;
    provider->GetServiceIDs(ids);
    EXPECT_EQ(ids, (std::vector<ServiceID>{0xE0C, 0xE0E, 0xE19, 0xE10, 0xE12, 0xE14}));
    EXPECT_TRUE(provider->HasMultipleIDs());
}

TEST(DocumentResponderTest, ADocumentWithoutAnnotationsIsSavedWithoutTheDependency) {
    IDocument* document = BuildThreeSpreadDocument();
    const std::filesystem::path dir = TestSupport::MakeTempDir("responder");
    AddNote(document);
    ASSERT_EQ(DocumentManager::Instance().SaveDocumentAs(document, (dir / "with.phd").string()), kSuccess);
    EXPECT_TRUE(DependsOnThePlugIn((dir / "with.phd").string())) << "notes keep the dependency";

    InterfacePtr<ICommand> clear(CmdUtils::CreateCommand(kNotesClearAllCmdBoss));
    clear->SetItemList(UIDList(DocumentRef(document)));
    ASSERT_EQ(CmdUtils::ProcessCommand(clear), kSuccess);
    ASSERT_EQ(DocumentManager::Instance().SaveDocumentAs(document, (dir / "without.phd").string()), kSuccess);
    EXPECT_FALSE(DependsOnThePlugIn((dir / "without.phd").string()));
    Close(document);
}

TEST(DocumentResponderTest, AReferenceToADeletedLayerIsClearedBeforeTheSave) {
    IDocument* document = BuildThreeSpreadDocument();
    IDataBase* db = document->GetDocumentDataBase();
    InterfacePtr<INotesLayerManager> layers(DocumentRef(document), IID_INOTESLAYERMANAGER);
    const UID layer = layers->GetNotesLayerUID();
    InterfacePtr<ICommand> deleteLayer(CmdUtils::CreateCommand(kDeleteLayerCmdBoss));
    deleteLayer->SetItemList(UIDList(UIDRef(db, layer)));
    ASSERT_EQ(CmdUtils::ProcessCommand(deleteLayer), kSuccess);
    ASSERT_TRUE(layers->HasNotesLayer());
    const std::filesystem::path dir = TestSupport::MakeTempDir("responder-layer");
    ASSERT_EQ(DocumentManager::Instance().SaveDocumentAs(document, (dir / "doc.phd").string()), kSuccess);
    EXPECT_FALSE(layers->HasNotesLayer());
    EXPECT_NE(layers->GetNotesLayerUID(), layer) << "the next use makes a fresh layer";
    Close(document);
}
} // namespace
