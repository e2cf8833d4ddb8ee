// TextModelCmds: makes the story's text commands with their parameters filled in.
#include "ITextCmdData.h"
#include "TextImplementations.h"
#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/ITextModelCmds.h"

namespace {
class TextModelCmds final : public CPMUnknown<ITextModelCmds> {
public:
    explicit TextModelCmds(IPMUnknown* boss) : CPMUnknown<ITextModelCmds>(boss) {}

    ICommand* InsertCmd(TextIndex position, const WideString& text) override {
        return Make(kInsertTextCmdBoss, [&](TextCmdParameters& p) {
            p.position = position;
            p.text = text;
        });
    }
    ICommand* DeleteCmd(TextIndex position, int32 length) override {
        return Make(kDeleteTextCmdBoss, [&](TextCmdParameters& p) {
            p.position = position;
            p.length = length;
        });
    }
    ICommand* ReplaceCmd(TextIndex position, int32 length, const WideString& text) override {
        return Make(kReplaceTextCmdBoss, [&](TextCmdParameters& p) {
            p.position = position;
            p.length = length;
            p.text = text;
        });
    }
    ICommand* PasteCmd(TextIndex position, const TextScrap& scrap, int32 replaceLength) override {
        return Make(kPasteTextCmdBoss, [&](TextCmdParameters& p) {
            p.position = position;
            p.length = replaceLength;
            p.scrap = scrap;
        });
    }
    ICommand* ApplyAttributeCmd(RangeData range, const AttributeBossList& attributes) override {
        return Make(kApplyTextAttrCmdBoss, [&](TextCmdParameters& p) {
            SetRange(p, range);
            p.attributes = attributes;
        });
    }
    ICommand* ClearAttributeCmd(RangeData range, ClassID attributeClass) override {
        return Make(kClearTextAttrCmdBoss, [&](TextCmdParameters& p) {
            SetRange(p, range);
            p.itemClass = attributeClass;
        });
    }
    ICommand* SetOwnedItemCmd(TextIndex position, UID item, ClassID itemClass) override {
        return Make(kSetOwnedItemCmdBoss, [&](TextCmdParameters& p) {
            p.position = position;
            p.item = item;
            p.itemClass = itemClass;
        });
    }
    ICommand* RemoveOwnedItemCmd(UID item) override {
        return Make(kRemoveOwnedItemCmdBoss, [&](TextCmdParameters& p) { p.item = item; });
    }

private:
    static void SetRange(TextCmdParameters& p, RangeData range) {
        p.position = range.Start();
        p.length = range.Length();
    }
    template <class Fill> ICommand* Make(ClassID commandClass, Fill fill) const {
        ICommand* cmd = CmdUtils::CreateCommand(commandClass);
        InterfacePtr<ITextCmdData> data(cmd, IID_ITEXTCMDDATA);
        if (!data) {
            if (cmd)
                cmd->Release();
            return nullptr;
        }
        fill(data->Parameters());
        cmd->SetItemList(UIDList(UIDRef(::GetDataBase(this), ::GetUID(this))));
        return cmd;
    }
};
} // namespace

ImplementationDeclaration MakeTextModelCmdsImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextModelCmds, id, false);
}
