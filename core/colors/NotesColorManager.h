// NotesColorManager: INotesColorManager on the document. Swatches are made through NotesAddColorCmd and
// remembered in the document's INotesAnnotationColorList.
//
// RemoveAnnotationColors asks the user only when an "Annotation Color" swatch is in use: "Yes" keeps
// every swatch, "No" lets the user pick the replacement in the host's delete-swatch choice. The whole
// removal is one undo step.
#pragma once

#include "INotesColorManager.h"
#include "host/commands/ICommand.h"
#include "host/database/UIDList.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/InterfacePtr.h"

class NotesColorManager final : public CPMUnknown<INotesColorManager> {
public:
    explicit NotesColorManager(IPMUnknown* boss) : CPMUnknown<INotesColorManager>(boss) {}

    UID GetColor(const std::vector<PMReal>& components, int32 annotType) override;
    void RemoveAnnotationColors() override;
    UID GetKindColor(int32 annotType) override;
    UID GetDefaultColor() override;
    UID GetYellowColor() override;
    UID GetGreenColor() override;
    UID GetRedColor() override;
    UID GetBlueColor() override;

private:
    UIDRef Document() const;
    // Processes NotesAddColorCmd with the components and the translated name; the command when it
    // succeeded, else nullptr.
    InterfacePtr<ICommand> AddColor(const std::vector<PMReal>& components, const PMString& name) const;
    // Step by step, RemoveAnnotationColors.
    bool ClearColorList() const;
    // Adds the swatches named like a kind swatch to swatches, and lets go of the swatches the plug-in
    // still keeps. False without a swatch list.
    bool CollectKindSwatches(UIDList* swatches) const;
    bool AnyInUse(const UIDList& swatches) const;
    // Whether the user keeps the swatches; otherwise *replacement is the swatch chosen in their place.
    static bool UserKeepsSwatches(const UIDList& swatches, UID* replacement);
};
