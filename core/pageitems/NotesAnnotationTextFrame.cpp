#include "NotesAnnotationTextFrame.h"
#include "NotesGraphicAttributes.h"

#include "host/commands/CmdUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/INewPageItemCmdData.h"
#include "host/document/IPMUnknownData.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/ICreateMCFrameData.h"
#include "host/text/IGraphicFrameData.h"
#include "host/text/IMultiColumnItemData.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextModelCmds.h"
#include "NotesFailureLog.h"

UIDRef NotesAnnotationTextFrame::Create(const UIDRef& parent, ClassID frameClass, const PMRect& bounds) {
    InterfacePtr<ICommand> createTextFrameCmd(CmdUtils::CreateCommand(kCreateMultiColumnItemCmdBoss));
    if (!NOTES_CHECK_NIL(createTextFrameCmd))
        return UIDRef();
    InterfacePtr<INewPageItemCmdData> newPageItemCmdData(createTextFrameCmd, IID_INEWPAGEITEMCMDDATA);
    InterfacePtr<ICreateMCFrameData> createMCFrameData(createTextFrameCmd, IID_ICREATEMCFRAMEDATA);
    InterfacePtr<IMultiColumnItemData> multiColumnItemData(createTextFrameCmd, IID_IMULTICOLUMNITEMDATA);
    if (!NOTES_CHECK_NIL(newPageItemCmdData) || !NOTES_CHECK_NIL(createMCFrameData) ||
        !NOTES_CHECK_NIL(multiColumnItemData))
        return UIDRef();
    newPageItemCmdData->Set(parent.GetDataBase(), frameClass, parent.GetUID(),
                            {bounds.LeftTop(), bounds.RightBottom()});
    createMCFrameData->SetStory(kInvalidUID);
    multiColumnItemData->SetNumberOfColumns(1);
    if (CmdUtils::ProcessCommand(createTextFrameCmd) != kSuccess) {
        NOTES_LOG_FAILED("createTextFrameCmd");
        return UIDRef();
    }
    const UIDList* outItemList = createTextFrameCmd->GetItemList();
    if (!NOTES_CHECK_TRUE(outItemList->Length() > 0))
        return UIDRef();
    return outItemList->GetRef(0);
}

bool NotesAnnotationTextFrame::InsertContent(const UIDRef& frame, const PMString& content) {
    if (content.IsEmpty())
        return true;
    InterfacePtr<IGraphicFrameData> frameData(frame, IID_IGRAPHICFRAMEDATA);
    if (!NOTES_CHECK_NIL(frameData))
        return false;
    InterfacePtr<IMultiColumnTextFrame> textFrame(UIDRef(frame.GetDataBase(), frameData->GetTextContentUID()),
                                                  IID_IMULTICOLUMNTEXTFRAME);
    if (!NOTES_CHECK_NIL(textFrame))
        return false;
    InterfacePtr<ITextModelCmds> modelCmds(UIDRef(frame.GetDataBase(), textFrame->GetTextModelUID()),
                                           IID_ITEXTMODELCMDS);
    if (!NOTES_CHECK_NIL(modelCmds))
        return false;
    InterfacePtr<ICommand> insertCmd(modelCmds->InsertCmd(0, WideString(content)));
    if (!NOTES_CHECK_NIL(insertCmd))
        return false;
    if (CmdUtils::ProcessCommand(insertCmd) != kSuccess) {
        NOTES_LOG_FAILED("insertCmd");
        return false;
    }
    return true;
}

bool NotesAnnotationTextFrame::ApplyAttributes(const UIDRef& item, const AttributeFiller& fill) {
    Utils<IGraphicAttributeUtils> graphicAttributeUtils;
    if (!NOTES_CHECK_NIL(graphicAttributeUtils))
        return false;
    InterfacePtr<IGraphicStyleAttributeBossList> attributes(graphicAttributeUtils->CreateAttributeList());
    if (!NOTES_CHECK_NIL(attributes) || !fill(graphicAttributeUtils.get(), attributes.get()))
        return false;
    return NotesGraphicAttributes::ApplyOverrides(item, attributes);
}
