#include "NotesColorManager.h"

#include <algorithm>

#include "INotesAnnotationColorList.h"
#include "NotesKindSwatches.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/DeleteSwatchDialog.h"
#include "host/document/IRealListData.h"
#include "host/document/IRenderingObject.h"
#include "host/document/ISwatchList.h"
#include "host/document/ISwatchUtils.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/ui/CAlert.h"
#include "NotesFailureLog.h"

UID NotesColorManager::GetColor(const std::vector<PMReal>& components, int32 annotType) {
    InterfacePtr<INotesAnnotationColorList> annotationColorList(this, IID_INOTESANNOTATIONCOLORLIST);
    if (!NOTES_CHECK_NIL(annotationColorList))
        return kInvalidUID;
    if (!NOTES_CHECK_TRUE(annotType != INotesAnnotation::kPopupAnnotation))
        return kInvalidUID;
    const bool hasKindSwatch = NotesKindSwatches::SlotOf(annotType) != NotesKindSwatches::kNoSlot;
    // Components no colour space has (a PDF array of 2 or 5 numbers) leave the kind's own colour.
    if (!NotesKindSwatches::IsColor(components))
        return hasKindSwatch ? GetKindColor(annotType) : kInvalidUID;
    if (hasKindSwatch &&
        NotesKindSwatches::SameComponents(components, NotesKindSwatches::DefaultColor(annotType)))
        return GetKindColor(annotType);
    UID uid = annotationColorList->FindColor(components);
    if (uid == kInvalidUID && AddColor(components, NotesKindSwatches::OtherSwatchName()))
        uid = annotationColorList->FindColor(components);
    return uid;
}

UID NotesColorManager::GetKindColor(int32 annotType) {
    if (!NOTES_CHECK_TRUE(annotType != INotesAnnotation::kUnknownAnnotation &&
                          annotType != INotesAnnotation::kPopupAnnotation))
        return kInvalidUID;
    InterfacePtr<INotesAnnotationColorList> annotationColorList(this, IID_INOTESANNOTATIONCOLORLIST);
    if (!NOTES_CHECK_NIL(annotationColorList))
        return kInvalidUID;
    const UID kept = annotationColorList->GetKindColor(annotType);
    // A kind swatch the user deleted is made again rather than handed out dangling.
    if (kept != kInvalidUID && Document().GetDataBase()->IsValidUID(kept))
        return kept;
    const std::vector<PMReal> colorArray = NotesKindSwatches::DefaultColor(annotType);
    if (!NOTES_CHECK_TRUE(colorArray.size() == 3))
        return kInvalidUID;
    PMString name(NotesKindSwatches::NameKey(annotType));
    name.Translate();
    // The new swatch and the slot that remembers it are one undo step.
    CmdUtils::SequenceContext sequence;
    InterfacePtr<ICommand> addColorCmd = AddColor(colorArray, name);
    if (!addColorCmd || !NOTES_CHECK_TRUE(addColorCmd->GetItemList()->Length() == 1))
        return kInvalidUID;
    const UID swatch = addColorCmd->GetItemList()->At(0);
    annotationColorList->SetKindColor(annotType, swatch);
    return swatch;
}

UID NotesColorManager::GetDefaultColor() {
    return GetColor({1, 1, 0}, INotesAnnotation::kUnknownAnnotation);
}

UID NotesColorManager::GetYellowColor() {
    return GetColor({1, 1, 0}, INotesAnnotation::kUnknownAnnotation);
}

UID NotesColorManager::GetGreenColor() {
    return GetColor({0, 1, 0}, INotesAnnotation::kUnknownAnnotation);
}

UID NotesColorManager::GetRedColor() {
    return GetColor({1, 0, 0}, INotesAnnotation::kUnknownAnnotation);
}

UID NotesColorManager::GetBlueColor() {
    return GetColor({0, 0, 1}, INotesAnnotation::kUnknownAnnotation);
}

void NotesColorManager::RemoveAnnotationColors() {
    InterfacePtr<INotesAnnotationColorList> annotationColorList(this, IID_INOTESANNOTATIONCOLORLIST);
    if (!NOTES_CHECK_NIL(annotationColorList))
        return;
    UIDList swatches(Document().GetDataBase());
    for (int32 i = 0; i < annotationColorList->GetColorCount(); ++i)
        swatches.Append(annotationColorList->GetNthColor(i));

    CmdUtils::SequenceContext sequence;
    if (sequence.GetSequence())
        sequence.GetSequence()->SetName(PMString(NOTES_KEY(kNotesClearAllColorsCmdNameKey)));
    if (!ClearColorList())
        return;
    // Only the "Annotation Color" swatches decide whether to ask; kind swatches go along.
    const bool used = AnyInUse(swatches);
    if (!CollectKindSwatches(&swatches))
        return;
    UID replacement = kInvalidUID;
    if (used && UserKeepsSwatches(swatches, &replacement))
        return;
    if (swatches.IsEmpty())
        return;
    Utils<ISwatchUtils> swatchUtils;
    if (!NOTES_CHECK_NIL(swatchUtils.get()))
        return;
    const ErrorCode result = swatchUtils->DeleteSwatches(swatches, replacement);
    // The colour list stays cleared even when the swatches could not go.
    if (!NOTES_CHECK_SUCCESS(result))
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
}

UIDRef NotesColorManager::Document() const {
    return UIDRef(::GetDataBase(this), ::GetUID(this));
}

InterfacePtr<ICommand> NotesColorManager::AddColor(const std::vector<PMReal>& components,
                                                   const PMString& name) const {
    InterfacePtr<ICommand> addColorCmd(CmdUtils::CreateCommand(kNotesAddColorCmdBoss));
    if (!NOTES_CHECK_NIL(addColorCmd))
        return {};
    InterfacePtr<IRealListData> realListData(addColorCmd, IID_IREALLISTDATA);
    InterfacePtr<IStringData> stringData(addColorCmd, IID_ISTRINGDATA);
    if (!NOTES_CHECK_NIL(realListData) || !NOTES_CHECK_NIL(stringData))
        return {};
    realListData->Set(components);
    stringData->Set(name);
    addColorCmd->SetItemList(UIDList(Document()));
    if (CmdUtils::ProcessCommand(addColorCmd) != kSuccess) {
        NOTES_LOG_FAILED("addColorCmd");
        // Handled here: the caller falls back on its own swatch, and an enclosing command (the
        // import) must not fail for it.
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
        return {};
    }
    return addColorCmd;
}

bool NotesColorManager::ClearColorList() const {
    InterfacePtr<ICommand> clearAllColorsCmd(CmdUtils::CreateCommand(kNotesClearAllColorsCmdBoss));
    if (!NOTES_CHECK_NIL(clearAllColorsCmd))
        return false;
    clearAllColorsCmd->SetItemList(UIDList(Document()));
    if (CmdUtils::ProcessCommand(clearAllColorsCmd) != kSuccess) {
        NOTES_LOG_FAILED("clearAllColorsCmd");
        return false;
    }
    return true;
}

bool NotesColorManager::CollectKindSwatches(UIDList* swatches) const {
    InterfacePtr<ISwatchList> swatchList(this, IID_ISWATCHLIST);
    if (!NOTES_CHECK_NIL(swatchList))
        return false;
    const std::vector<PMString> kindNames = NotesKindSwatches::TranslatedNames();
    const UIDList listed = swatchList->GetSwatchUIDs();
    for (UID swatch : listed.GetUIDs()) {
        InterfacePtr<IRenderingObject> renderingObject(UIDRef(listed.GetDataBase(), swatch),
                                                       IID_IRENDERINGOBJECT);
        if (!NOTES_CHECK_NIL(renderingObject))
            continue;
        const PMString name = renderingObject->GetSwatchName();
        if (std::find(kindNames.begin(), kindNames.end(), name) != kindNames.end() &&
            !swatches->Contains(swatch))
            swatches->Append(swatch);
        // Kind swatches are not in the colour list, so the clear command did not let go of them.
        if (!renderingObject->IsStandard() && !renderingObject->IsEditable())
            renderingObject->SetEditable(kTrue);
    }
    return true;
}

bool NotesColorManager::AnyInUse(const UIDList& swatches) const {
    Utils<ISwatchUtils> swatchUtils;
    if (!NOTES_CHECK_NIL(swatchUtils.get()))
        return false;
    for (int32 i = 0; i < swatches.Length(); ++i)
        if (swatchUtils->IsSwatchInUse(swatches.GetRef(i)))
            return true;
    return false;
}

bool NotesColorManager::UserKeepsSwatches(const UIDList& swatches, UID* replacement) {
    const int16 answer =
        CAlert::ModalAlert(PMString(NOTES_KEY(kNotesDeleteSwatchesMessageKey)), PMString(CAlert::kYesString),
                           PMString(CAlert::kNoString), PMString(), 1, 0);
    if (answer == 1)
        return true;
    *replacement = DeleteSwatchDialog(swatches).RunModal();
    return false;
}
