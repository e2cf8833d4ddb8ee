#include "TextTestClasses.h"
#include "DeclaredPlugIn.h"

#include <gtest/gtest.h>

#include "host/commands/CmdUtils.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IPlugIn.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/COwnedItem.h"
#include "host/text/ITextAttrUID.h"
#include "host/text/ITextModelCmds.h"

namespace TextTestClasses {
namespace {
constexpr ImplementationID kMarkerOwnedItemImpl = 0x7E1001;
constexpr ImplementationID kPlainOwnedItemImpl = 0x7E1002;
constexpr ImplementationID kTestMementoImpl = 0x7E1003;

std::vector<std::string> gLog;

template <class T> InterfacePtr<T> Query(IDataBase* db, UID uid, PMIID iid = T::kDefaultIID) {
    return InterfacePtr<T>(ObjectModel::CheckedCast<T>(db->Instantiate(uid, iid)));
}

// Records each call. Like a marker pair, removal deletes the partner (wherever it is anchored)
// and re-insertion points the copy's partner at the partner's copy.
class TestMemento final : public CPMUnknown<ITextModelMemento> {
public:
    explicit TestMemento(IPMUnknown* boss) : CPMUnknown<ITextModelMemento>(boss) {}
    void Removing(const UIDRef&, TextIndex index, RangeData) override {
        const UIDRef item = Item();
        gLog.push_back("removing " + std::to_string(item.GetUID()) + "@" + std::to_string(index));
        IDataBase* db = item.GetDataBase();
        const UID partner = Query<IUIDData>(db, item.GetUID(), IID_ITESTPARTNER)->GetUID();
        if (partner == kInvalidUID || !db->IsValidUID(partner))
            return;
        InterfacePtr<ICommand> deletePartner(CmdUtils::CreateCommand(kDeleteUIDCmdBoss));
        deletePartner->SetItemList(UIDList(UIDRef(db, partner)));
        CmdUtils::ProcessCommand(deletePartner);
    }
    void Reinserted(const UIDRef&, TextIndex index, const UIDList& sources, const UIDList& copies) override {
        const UIDRef item = Item();
        const int32 self = copies.Location(item.GetUID());
        gLog.push_back("reinserted " + std::to_string(item.GetUID()) + "@" + std::to_string(index) +
                       " from " + std::to_string(self >= 0 ? sources[self] : kInvalidUID));
        InterfacePtr<IUIDData> partner = Query<IUIDData>(item.GetDataBase(), item.GetUID(), IID_ITESTPARTNER);
        const int32 partnerAt = sources.Location(partner->GetUID());
        if (partnerAt >= 0)
            partner->Set(copies[partnerAt]);
    }
    void ReinsertionDone(const UIDRef&) override {
        gLog.push_back("done " + std::to_string(Item().GetUID()));
    }

private:
    UIDRef Item() const {
        InterfacePtr<IUIDData> data(this, IID_IUIDDATA);
        return data->GetRef();
    }
};

class MarkerOwnedItem final : public COwnedItem {
public:
    explicit MarkerOwnedItem(IPMUnknown* boss) : COwnedItem(boss) {}
    ITextModelMemento* CreateMemento() override {
        InterfacePtr<IUIDData> item(CreateObject2<IUIDData>(kTestMementoBoss));
        item->Set(UIDRef(::GetDataBase(this), ::GetUID(this)));
        return InterfacePtr<ITextModelMemento>(item, IID_ITEXTMODELMEMENTO).forget();
    }
    bool16 DeletesWithText() override { return kTrue; }
    bool16 CopiesWithText() override { return kTrue; }
};

class PlainOwnedItem final : public COwnedItem {
public:
    explicit PlainOwnedItem(IPMUnknown* boss) : COwnedItem(boss) {}
};

class NewItemCmd final : public Command {
public:
    explicit NewItemCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<IIntData> spec(this, IID_ITESTPAYLOAD);
        InterfacePtr<IIntData> itemClass(this, IID_IINTDATA);
        const UID item = db->NewUID(static_cast<ClassID>(itemClass->GetInt()));
        Query<IIntData>(db, item, IID_ITESTPAYLOAD)->Set(spec->GetInt());
        fItemList = UIDList(db);
        fItemList.Append(item);
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
};
constexpr ClassID kNewTestItemCmdBoss = 0x7E1006;
constexpr ImplementationID kNewTestItemCmdImpl = 0x7E1004;

class SetPartnerCmd final : public Command {
public:
    explicit SetPartnerCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        InterfacePtr<IUIDData> partner(this, IID_ITESTPARTNER);
        IDataBase* db = fItemList.GetDataBase();
        Query<IUIDData>(db, fItemList.At(0), IID_ITESTPARTNER)->Set(partner->GetUID());
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
};
constexpr ClassID kSetPartnerCmdBoss = 0x7E1007;
constexpr ImplementationID kSetPartnerCmdImpl = 0x7E1005;

PlugInDeclaration TextTestPlugInDeclaration() {
    PlugInDeclaration decl;
    decl.id = kTextTestPluginID;
    decl.name = "TextTests";
    decl.version = {1, 0, 0};
    decl.implementations = {IMPLEMENTATION(MarkerOwnedItem, kMarkerOwnedItemImpl, false),
                            IMPLEMENTATION(PlainOwnedItem, kPlainOwnedItemImpl, false),
                            IMPLEMENTATION(TestMemento, kTestMementoImpl, false),
                            IMPLEMENTATION(NewItemCmd, kNewTestItemCmdImpl, false),
                            IMPLEMENTATION(SetPartnerCmd, kSetPartnerCmdImpl, false)};
    const std::vector<InterfaceDeclaration> itemData = {{IID_IPMPERSIST, kPMPersistImpl},
                                                        {IID_ITESTPAYLOAD, kPersistIntDataImpl},
                                                        {IID_ITESTPARTNER, kPersistUIDDataImpl}};
    auto withOwned = [&](ImplementationID owned) {
        auto interfaces = itemData;
        interfaces.push_back({IID_IOWNEDITEM, owned});
        return interfaces;
    };
    decl.classes = {
        {kTestMarkerBoss, kInvalidClass, "kTestMarkerBoss", withOwned(kMarkerOwnedItemImpl)},
        {kPlainItemBoss, kInvalidClass, "kPlainItemBoss", withOwned(kPlainOwnedItemImpl)},
        {kTestMementoBoss,
         kInvalidClass,
         "kTestMementoBoss",
         {{IID_ITEXTMODELMEMENTO, kTestMementoImpl}, {IID_IUIDDATA, kUIDDataImpl}}},
        {kTestAttrBoss, kTextAttrBoss, "kTestAttrBoss", {}},
        {kOtherTestAttrBoss, kTextAttrBoss, "kOtherTestAttrBoss", {}},
        {kNewTestItemCmdBoss,
         kInvalidClass,
         "kNewTestItemCmdBoss",
         {{IID_ICOMMAND, kNewTestItemCmdImpl},
          {IID_ITESTPAYLOAD, kIntDataImpl},
          {IID_IINTDATA, kIntDataImpl}}},
        {kSetPartnerCmdBoss,
         kInvalidClass,
         "kSetPartnerCmdBoss",
         {{IID_ICOMMAND, kSetPartnerCmdImpl}, {IID_ITESTPARTNER, kUIDDataImpl}}},
    };
    return decl;
}
} // namespace

void Register() {
    static DeclaredPlugIn plugIn(TextTestPlugInDeclaration(), "host_tests");
    plugIn.RegisterOnce();
}

std::vector<std::string>& MementoLog() {
    return gLog;
}

TextDocument::TextDocument() {
    Register();
    gLog.clear();
    fDocument = DocumentManager::Instance().NewDocument().document;
    EXPECT_NE(fDocument, nullptr);
}

TextDocument::~TextDocument() {
    if (fDocument)
        DocumentManager::Instance().CloseDocument(fDocument);
}

IDataBase* TextDocument::DataBase() const {
    return fDocument->GetDocumentDataBase();
}

UID TextDocument::NewStory() {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewStoryCmdBoss));
    cmd->SetItemList(UIDList(UIDRef(DataBase(), DataBase()->GetRootUID())));
    if (CmdUtils::ProcessCommand(cmd) != kSuccess || cmd->GetItemList()->Length() != 1)
        return kInvalidUID;
    return cmd->GetItemList()->At(0);
}

UID TextDocument::NewStory(const std::u16string& text) {
    const UID story = NewStory();
    InterfacePtr<ITextModelCmds> cmds = Query<ITextModelCmds>(DataBase(), story);
    EXPECT_EQ(Process(cmds->InsertCmd(0, WideString(text))), kSuccess);
    return story;
}

InterfacePtr<ITextModel> TextDocument::Model(UID story) const {
    return Query<ITextModel>(DataBase(), story);
}

std::u16string TextDocument::Text(UID story) const {
    InterfacePtr<ITextModel> model = Model(story);
    return model->GetText(0, model->TotalLength()).GetUTF16();
}

UID TextDocument::NewItem(ClassID itemClass, int32 payload) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewTestItemCmdBoss));
    InterfacePtr<IIntData>(cmd, IID_ITESTPAYLOAD)->Set(payload);
    InterfacePtr<IIntData>(cmd, IID_IINTDATA)->Set(static_cast<int32>(itemClass));
    cmd->SetItemList(UIDList(DataBase()));
    return CmdUtils::ProcessCommand(cmd) == kSuccess ? cmd->GetItemList()->At(0) : kInvalidUID;
}

int32 TextDocument::Payload(UID item) const {
    InterfacePtr<IIntData> payload = Query<IIntData>(DataBase(), item, IID_ITESTPAYLOAD);
    return payload ? payload->GetInt() : -1;
}

UID TextDocument::Partner(UID item) const {
    InterfacePtr<IUIDData> partner = Query<IUIDData>(DataBase(), item, IID_ITESTPARTNER);
    return partner ? partner->GetUID() : kInvalidUID;
}

void TextDocument::SetPartner(UID item, UID partner) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kSetPartnerCmdBoss));
    InterfacePtr<IUIDData>(cmd, IID_ITESTPARTNER)->Set(partner);
    cmd->SetItemList(UIDList(UIDRef(DataBase(), item)));
    EXPECT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess);
}

ErrorCode Process(ICommand* cmd) {
    InterfacePtr<ICommand> owned(cmd);
    return owned ? CmdUtils::ProcessCommand(owned) : kFailure;
}

AttributeBossList Attribute(ClassID attributeClass, UID value) {
    InterfacePtr<ITextAttrUID> attribute(CreateObject2<ITextAttrUID>(attributeClass));
    attribute->Set(value);
    return AttributeBossList(attribute.get());
}

UID ValueOf(const AttributeBossList& list, ClassID attributeClass) {
    InterfacePtr<ITextAttrUID> value(
        ObjectModel::CheckedCast<ITextAttrUID>(list.QueryByClassID(attributeClass, IID_ITEXTATTRUID)));
    return value ? value->Get() : kInvalidUID;
}
} // namespace TextTestClasses
