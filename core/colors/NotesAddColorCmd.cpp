#include "NotesAddColorCmd.h"

#include "INotesAnnotationColorList.h"
#include "NotesKindSwatches.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IColorData.h"
#include "host/document/IRealListData.h"
#include "host/document/IRenderingObject.h"
#include "host/document/ISwatchListCmdData.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/InterfacePtr.h"
#include "NotesFailureLog.h"

namespace {
int32 ColorSpaceOf(size_t componentCount) {
    switch (componentCount) {
    case 1:
        return IColorData::kGray;
    case 4:
        return IColorData::kCMYK;
    default:
        return IColorData::kRGB;
    }
}
} // namespace

NotesAddColorCmd::NotesAddColorCmd(IPMUnknown* boss) : Command(boss) {
    SetUndoability(kRegularUndo);
}

void NotesAddColorCmd::Do() {
    ErrorCode status = kFailure;
    do {
        if (!NOTES_CHECK_TRUE(GetItemList()->Length() == 1))
            break;
        const UIDRef document = GetItemList()->GetRef(0);
        const UID swatch = NewColor(document);
        if (swatch == kInvalidUID || !AddToSwatchList(document, swatch))
            break;
        if (!KeepForAnnotations(UIDRef(document.GetDataBase(), swatch)))
            break;
        InterfacePtr<IStringData> stringData(this, IID_ISTRINGDATA);
        if (stringData && stringData->GetString() == NotesKindSwatches::OtherSwatchName()) {
            InterfacePtr<INotesAnnotationColorList> annotationColorList(document,
                                                                        IID_INOTESANNOTATIONCOLORLIST);
            if (!NOTES_CHECK_NIL(annotationColorList))
                break;
            annotationColorList->AddColor(swatch);
        }
        SetItemList(UIDList(UIDRef(document.GetDataBase(), swatch)));
        status = kSuccess;
    } while (false);
    ErrorUtils::PMSetGlobalErrorCode(status);
}

UID NotesAddColorCmd::NewColor(const UIDRef& document) {
    InterfacePtr<IRealListData> realListData(this, IID_IREALLISTDATA);
    InterfacePtr<IStringData> stringData(this, IID_ISTRINGDATA);
    if (!NOTES_CHECK_NIL(realListData) || !NOTES_CHECK_NIL(stringData))
        return kInvalidUID;
    InterfacePtr<ICommand> newColorCmd(CmdUtils::CreateCommand(kNewColorCmdBoss));
    if (!NOTES_CHECK_NIL(newColorCmd))
        return kInvalidUID;
    InterfacePtr<IRealListData> components(newColorCmd, IID_IREALLISTDATA);
    InterfacePtr<IStringData> name(newColorCmd, IID_ISTRINGDATA);
    InterfacePtr<IIntData> colorSpace(newColorCmd, IID_IINTDATA);
    if (!NOTES_CHECK_NIL(components) || !NOTES_CHECK_NIL(name) || !NOTES_CHECK_NIL(colorSpace))
        return kInvalidUID;
    components->Set(realListData->GetList());
    name->Set(stringData->GetString());
    colorSpace->Set(ColorSpaceOf(realListData->GetList().size()));
    newColorCmd->SetItemList(UIDList(document));
    if (CmdUtils::ProcessCommand(newColorCmd) != kSuccess) {
        NOTES_LOG_FAILED("newColorCmd");
        return kInvalidUID;
    }
    if (!NOTES_CHECK_TRUE(newColorCmd->GetItemList()->Length() > 0))
        return kInvalidUID;
    return newColorCmd->GetItemList()->At(0);
}

bool NotesAddColorCmd::AddToSwatchList(const UIDRef& document, UID swatch) {
    InterfacePtr<ICommand> addSwatchesCmd(CmdUtils::CreateCommand(kAddSwatchesCmdBoss));
    if (!NOTES_CHECK_NIL(addSwatchesCmd))
        return false;
    InterfacePtr<ISwatchListCmdData> swatchListCmdData(addSwatchesCmd, IID_ISWATCHLISTCMDDATA);
    if (!NOTES_CHECK_NIL(swatchListCmdData))
        return false;
    swatchListCmdData->SetSwatchList(document);
    addSwatchesCmd->SetItemList(UIDList(UIDRef(document.GetDataBase(), swatch)));
    if (CmdUtils::ProcessCommand(addSwatchesCmd) != kSuccess) {
        NOTES_LOG_FAILED("addSwatchesCmd");
        return false;
    }
    return true;
}

bool NotesAddColorCmd::KeepForAnnotations(const UIDRef& swatch) {
    InterfacePtr<IRenderingObject> renderingObject(swatch, IID_IRENDERINGOBJECT);
    if (!NOTES_CHECK_NIL(renderingObject))
        return false;
    renderingObject->SetEditable(kFalse);
    return true;
}
