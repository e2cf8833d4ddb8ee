// EditTextCmd: inserts, deletes, replaces or pastes text in a story; which one is the command's
// class. The owned items' hooks run inside it, so undo restores them with the text.
#include "TextCommand.h"
#include "TextImplementations.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/ITextModel.h"

namespace {
class EditTextCmd final : public TextCommand {
public:
    explicit EditTextCmd(IPMUnknown* boss) : TextCommand(boss) {}

protected:
    void Do() override {
        InterfacePtr<ITextModel> model = QueryStory<ITextModel>();
        ErrorUtils::PMSetGlobalErrorCode(model ? Edit(model) : kInvalidParameterError);
    }
    PMString* CreateName() override {
        switch (GetBoss()->GetClass()) {
        case kInsertTextCmdBoss:
            return new PMString("Insert Text");
        case kDeleteTextCmdBoss:
            return new PMString("Delete Text");
        case kPasteTextCmdBoss:
            return new PMString("Paste");
        default:
            return new PMString("Replace Text");
        }
    }

private:
    ErrorCode Edit(ITextModel* model) const {
        const TextCmdParameters& p = Parameters();
        switch (GetBoss()->GetClass()) {
        case kInsertTextCmdBoss:
            return model->Insert(p.position, p.text);
        case kDeleteTextCmdBoss:
            return model->Delete(p.position, p.length);
        case kPasteTextCmdBoss:
            return model->Paste(p.position, p.length, p.scrap);
        default:
            return model->Replace(p.position, p.length, p.text);
        }
    }
};
} // namespace

ImplementationDeclaration MakeEditTextCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(EditTextCmd, id, false);
}
