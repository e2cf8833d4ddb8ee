#include "NotesCreateLineAnnotationCmd.h"

#include "INotesAnnotation.h"
#include "INotesDrawMarkupAnnotationData.h"
#include "host/commands/CmdUtils.h"
#include "host/document/IApplyMultAttributesCmdData.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/objectmodel/ObjectModel.h"
#include "NotesFailureLog.h"

NotesCreateLineAnnotationCmd::NotesCreateLineAnnotationCmd(IPMUnknown* boss)
    : NotesCreateDrawnMarkupCmd(boss, kNotesLineAnnotationBoss, "lineAnnotationCmdData") {}

bool NotesCreateLineAnnotationCmd::Shape(const UIDRef& item, const INotesAnnotation* record) {
    return ReplacePath(item, record->GetPoints(), kTrue);
}

bool NotesCreateLineAnnotationCmd::Paint(const UIDRef& item, const INotesDrawMarkupAnnotationData* drawData) {
    InterfacePtr<IGraphicStyleAttributeBossList> graphicStyleAttributeBossList(NewStrokeAttributes(drawData));
    Utils<IGraphicAttributeUtils> graphicAttributeUtils;
    if (!NOTES_CHECK_NIL(graphicStyleAttributeBossList) || !NOTES_CHECK_NIL(graphicAttributeUtils))
        return false;
    IGraphicStyleAttributeBossList* list = graphicStyleAttributeBossList;
    if (!NOTES_CHECK_SUCCESS(graphicAttributeUtils->AddLineStartAttribute(list, drawData->GetLineStart())) ||
        !NOTES_CHECK_SUCCESS(graphicAttributeUtils->AddLineEndAttribute(list, drawData->GetLineEnd())))
        return false;
    InterfacePtr<ICommand> gfxApplyMultAttributesCmd(CmdUtils::CreateCommand(kGfxApplyMultAttributesCmdBoss));
    if (!NOTES_CHECK_NIL(gfxApplyMultAttributesCmd))
        return false;
    InterfacePtr<IApplyMultAttributesCmdData> applyMultAttributesCmdData(gfxApplyMultAttributesCmd,
                                                                         IID_IAPPLYMULTATTRIBUTESCMDDATA);
    if (!NOTES_CHECK_NIL(applyMultAttributesCmdData))
        return false;
    for (int32 i = 0; i < list->CountBosses(); ++i)
        applyMultAttributesCmdData->AddAnAttribute(list->GetNthAttribute(i));
    gfxApplyMultAttributesCmd->SetItemList(UIDList(item));
    if (CmdUtils::ProcessCommand(gfxApplyMultAttributesCmd) != kSuccess) {
        NOTES_LOG_FAILED("gfxApplyMultAttributesCmd");
        return false;
    }
    return true;
}

PMString* NotesCreateLineAnnotationCmd::CreateName() {
    return new PMString(NOTES_KEY(kNotesCreateLineAnnotationCmdNameKey));
}
