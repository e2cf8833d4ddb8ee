#include "TextDeclaration.h"

#include "TextImplementations.h"
#include "host/objectmodel/HostIDs.h"

namespace {
std::vector<ImplementationDeclaration> TextImplementations() {
    return {MakeTextModelImplementation(kTextModelImpl),
            MakeTextStrandImplementation(kTextStrandImpl),
            MakeAttributeStrandImplementation(kAttributeStrandImpl),
            MakeItemStrandImplementation(kItemStrandImpl),
            MakeTextModelCmdsImplementation(kTextModelCmdsImpl),
            MakeStoryListImplementation(kStoryListImpl),
            MakeTextAttrUIDImplementation(kTextAttrUIDImpl),
            MakeTextCmdDataImplementation(kTextCmdDataImpl),
            MakeWaxStrandImplementation(kWaxStrandImpl),
            MakeNewStoryCmdImplementation(kNewStoryCmdImpl),
            MakeEditTextCmdImplementation(kEditTextCmdImpl),
            MakeApplyTextAttrCmdImplementation(kApplyTextAttrCmdImpl),
            MakeClearTextAttrCmdImplementation(kClearTextAttrCmdImpl),
            MakeSetOwnedItemCmdImplementation(kSetOwnedItemCmdImpl),
            MakeRemoveOwnedItemCmdImplementation(kRemoveOwnedItemCmdImpl)};
}

ClassDeclaration TextCommandClass(ClassID id, const char* name, ImplementationID impl) {
    return ClassDeclaration{
        id, kInvalidClass, name, {{IID_ICOMMAND, impl}, {IID_ITEXTCMDDATA, kTextCmdDataImpl}}};
}

std::vector<ClassDeclaration> TextClasses() {
    return {ClassDeclaration{
                kNewStoryCmdBoss, kInvalidClass, "kNewStoryCmdBoss", {{IID_ICOMMAND, kNewStoryCmdImpl}}},
            TextCommandClass(kInsertTextCmdBoss, "kInsertTextCmdBoss", kEditTextCmdImpl),
            TextCommandClass(kDeleteTextCmdBoss, "kDeleteTextCmdBoss", kEditTextCmdImpl),
            TextCommandClass(kReplaceTextCmdBoss, "kReplaceTextCmdBoss", kEditTextCmdImpl),
            TextCommandClass(kPasteTextCmdBoss, "kPasteTextCmdBoss", kEditTextCmdImpl),
            TextCommandClass(kApplyTextAttrCmdBoss, "kApplyTextAttrCmdBoss", kApplyTextAttrCmdImpl),
            TextCommandClass(kClearTextAttrCmdBoss, "kClearTextAttrCmdBoss", kClearTextAttrCmdImpl),
            TextCommandClass(kSetOwnedItemCmdBoss, "kSetOwnedItemCmdBoss", kSetOwnedItemCmdImpl),
            TextCommandClass(kRemoveOwnedItemCmdBoss, "kRemoveOwnedItemCmdBoss", kRemoveOwnedItemCmdImpl)};
}

// Stories are host objects of class 0x201; the text module gives them their interfaces, the
// document its story list, and every character attribute its UID value.
std::vector<AddInDeclaration> TextAddIns() {
    return {AddInDeclaration{kTextStoryBoss,
                             {{IID_IPMPERSIST, kPMPersistImpl},
                              {IID_ITEXTMODEL, kTextModelImpl},
                              {IID_ITEXTSTRAND, kTextStrandImpl},
                              {IID_IATTRIBUTESTRAND, kAttributeStrandImpl},
                              {IID_IITEMSTRAND, kItemStrandImpl},
                              {IID_ITEXTMODELCMDS, kTextModelCmdsImpl},
                              {IID_IWAXSTRAND, kWaxStrandImpl}}},
            AddInDeclaration{kDocBoss, {{IID_ISTORYLIST, kStoryListImpl}}},
            AddInDeclaration{kTextAttrBoss, {{IID_ITEXTATTRUID, kTextAttrUIDImpl}}}};
}

class TextPlugIn final : public IPlugIn {
public:
    TextPlugIn() : fDeclaration(MakeTextDeclaration()) {}
    const PlugInDeclaration& GetDeclaration() const override { return fDeclaration; }
    std::string GetResourceFile() const override { return {}; }

private:
    PlugInDeclaration fDeclaration;
};
} // namespace

PlugInDeclaration MakeTextDeclaration() {
    PlugInDeclaration decl;
    decl.id = kHostTextPluginID;
    decl.name = "pagehost-text";
    decl.version = {1, 1, 5};
    decl.implementations = TextImplementations();
    decl.classes = TextClasses();
    decl.addIns = TextAddIns();
    return decl;
}

const IPlugIn* GetTextPlugIn() {
    static TextPlugIn plugIn;
    return &plugIn;
}
