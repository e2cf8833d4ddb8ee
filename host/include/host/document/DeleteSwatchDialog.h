// DeleteSwatchDialog: the host's delete-swatch choice: which swatch takes over the uses of swatches
// about to be deleted.
//
// The host has no dialog windows, so the choice is a question put to the alert responder of the UI
// layer. The message names the swatches being deleted; the buttons name the swatches that may replace
// them, in swatch-list order without the ones being deleted, starting with None (the default). An
// answer outside the buttons, or no responder at all, chooses None.
#pragma once

#include "host/database/UIDList.h"
#include "host/util/PMString.h"

class DeleteSwatchDialog {
public:
    // swatches: those about to be deleted, all of one document.
    explicit DeleteSwatchDialog(const UIDList& swatches);

    // The candidate replacements in button order; empty when the document has no swatch list.
    const UIDList& GetChoices() const { return fChoices; }
    PMString GetMessage() const;
    // Asks and answers the chosen swatch (the document's None swatch by default); kInvalidUID when
    // there is nothing to choose from.
    UID RunModal() const;

private:
    PMString NameOf(UID swatch) const;

    UIDList fSwatches;
    UIDList fChoices;
};
