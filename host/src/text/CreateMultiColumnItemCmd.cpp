// CreateMultiColumnItemCmd: makes a text frame: a spline item of the class the page-item data
// names (derived from the spline item), its multi-column item and its columns, and threads the
// columns onto the end of the story's frame list (a new story when the data names none).
// Item list out: the frame.
#include "../document/Query.h"
#include "TextImplementations.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IHierarchy.h"
#include "host/document/INewPageItemCmdData.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/ICreateMCFrameData.h"
#include "host/text/IFrameList.h"
#include "host/text/IMultiColumnItemData.h"
#include "host/text/IMultiColumnTextFrame.h"

namespace {
class CreateMultiColumnItemCmd final : public Command {
public:
    explicit CreateMultiColumnItemCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        InterfacePtr<INewPageItemCmdData> item(this, IID_INEWPAGEITEMCMDDATA);
        InterfacePtr<ICreateMCFrameData> frame(this, IID_ICREATEMCFRAMEDATA);
        InterfacePtr<IMultiColumnItemData> columns(this, IID_IMULTICOLUMNITEMDATA);
        if (!item || !frame || !columns || !item->GetDataBase())
            return;
        IDataBase* db = item->GetDataBase();
        const UID spline = NewSpline(*item);
        const UID story = spline != kInvalidUID ? StoryFor(db, frame->GetStory()) : kInvalidUID;
        if (story == kInvalidUID || !AddText(db, spline, story, *columns))
            return;
        fItemList = UIDList(UIDRef(db, spline));
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }
    PMString* CreateName() override { return new PMString("New Text Frame"); }

private:
    static UID NewSpline(const INewPageItemCmdData& data) {
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewPageItemCmdBoss));
        InterfacePtr<INewPageItemCmdData> spline(cmd, IID_INEWPAGEITEMCMDDATA);
        if (!spline)
            return kInvalidUID;
        spline->Set(data.GetDataBase(), data.GetNewItemClass(), data.GetParent(), data.GetPoints());
        if (CmdUtils::ProcessCommand(cmd) != kSuccess || cmd->GetItemList()->Length() != 1)
            return kInvalidUID;
        return cmd->GetItemList()->At(0);
    }

    // The story to thread into: the one named, if it is a story, else a new one.
    static UID StoryFor(IDataBase* db, UID named) {
        if (named != kInvalidUID)
            return Query::Get<IFrameList>(db, named) ? named : kInvalidUID;
        InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewStoryCmdBoss));
        cmd->SetItemList(UIDList(UIDRef(db, db->GetRootUID())));
        if (CmdUtils::ProcessCommand(cmd) != kSuccess || cmd->GetItemList()->Length() != 1)
            return kInvalidUID;
        return cmd->GetItemList()->At(0);
    }

    static bool AddText(IDataBase* db, UID spline, UID story, const IMultiColumnItemData& columns) {
        const UID content = db->NewUID(kMultiColumnItemBoss);
        InterfacePtr<IMultiColumnTextFrame> text = Query::Get<IMultiColumnTextFrame>(db, content);
        InterfacePtr<IMultiColumnItemData> data = Query::Get<IMultiColumnItemData>(db, content);
        InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(db, content);
        InterfacePtr<IFrameList> frames = Query::Get<IFrameList>(db, story);
        if (!text || !data || !hierarchy || !frames)
            return false;
        Query::Get<IHierarchy>(db, spline)->AddChild(content, 0);
        text->SetTextModelUID(story);
        data->SetNumberOfColumns(columns.GetNumberOfColumns());
        data->SetGutter(columns.GetGutter());
        for (int32 n = 0; n < data->GetNumberOfColumns(); ++n) {
            const UID column = db->NewUID(kFrameItemBoss);
            hierarchy->AddChild(column, -1);
            frames->AppendFrame(column);
        }
        return true;
    }
};
} // namespace

ImplementationDeclaration MakeCreateMultiColumnItemCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(CreateMultiColumnItemCmd, id, false);
}
