// NewStoryCmd: makes a story holding only its final paragraph return and adds it to the
// document's story list. Item list in: any object of the document's database; out: the story.
#include "TextImplementations.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IAttributeStrand.h"
#include "host/text/IStoryList.h"
#include "host/text/ITextStrand.h"

namespace {
class NewStoryCmd final : public Command {
public:
    explicit NewStoryCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        IDataBase* db = fItemList.GetDataBase();
        InterfacePtr<IStoryList> stories(
            db ? ObjectModel::CheckedCast<IStoryList>(db->Instantiate(db->GetRootUID(), IID_ISTORYLIST))
               : nullptr);
        const UID story = stories ? db->NewUID(kTextStoryBoss) : kInvalidUID;
        if (story == kInvalidUID) {
            ErrorUtils::PMSetGlobalErrorCode(kFailure);
            return;
        }
        InterfacePtr<ITextStrand> text(
            ObjectModel::CheckedCast<ITextStrand>(db->Instantiate(story, IID_ITEXTSTRAND)));
        InterfacePtr<IAttributeStrand> attributes(
            ObjectModel::CheckedCast<IAttributeStrand>(db->Instantiate(story, IID_IATTRIBUTESTRAND)));
        text->InsertText(0, std::u16string(1, kTextChar_CR));
        attributes->InsertRuns(0, {AttributeRun{1, AttributeBossList()}});
        stories->AppendStory(story);
        fItemList = UIDList(db);
        fItemList.Append(story);
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    PMString* CreateName() override { return new PMString("New Story"); }
};
} // namespace

ImplementationDeclaration MakeNewStoryCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(NewStoryCmd, id, false);
}
