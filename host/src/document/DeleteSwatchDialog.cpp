#include "host/document/DeleteSwatchDialog.h"

#include "Query.h"
#include "host/document/IRenderingObject.h"
#include "host/document/ISwatchList.h"
#include "host/ui/CAlert.h"

DeleteSwatchDialog::DeleteSwatchDialog(const UIDList& swatches)
    : fSwatches(swatches), fChoices(swatches.GetDataBase()) {
    IDataBase* db = swatches.GetDataBase();
    InterfacePtr<ISwatchList> list =
        db ? Query::Get<ISwatchList>(db, db->GetRootUID()) : InterfacePtr<ISwatchList>();
    if (!list)
        return;
    // None leads even if the list order ever changes, because it is the default answer.
    fChoices.Append(list->GetNoneSwatchUID());
    const UIDList listed = list->GetSwatchUIDs();
    for (UID swatch : listed.GetUIDs())
        if (!fSwatches.Contains(swatch) && !fChoices.Contains(swatch))
            fChoices.Append(swatch);
}

PMString DeleteSwatchDialog::GetMessage() const {
    PMString message("Delete Swatch: ");
    for (int32 i = 0; i < fSwatches.Length(); ++i) {
        if (i > 0)
            message.Append(", ");
        message.Append(NameOf(fSwatches[i]));
    }
    message.Append(". Replace with:");
    return message;
}

UID DeleteSwatchDialog::RunModal() const {
    if (fChoices.IsEmpty())
        return kInvalidUID;
    AlertRequest request;
    request.kind = AlertRequest::kQuestion;
    request.message = GetMessage();
    for (UID swatch : fChoices.GetUIDs())
        request.buttons.push_back(NameOf(swatch));
    request.defaultButton = 1;
    AlertResponder* responder = CAlert::GetResponder();
    const int16 answer = responder ? responder->Answer(request) : request.defaultButton;
    return answer >= 1 && answer <= fChoices.Length() ? fChoices[answer - 1] : fChoices[0];
}

PMString DeleteSwatchDialog::NameOf(UID swatch) const {
    InterfacePtr<IRenderingObject> rendering = Query::Get<IRenderingObject>(fSwatches.GetDataBase(), swatch);
    return rendering ? rendering->GetSwatchName() : PMString();
}
