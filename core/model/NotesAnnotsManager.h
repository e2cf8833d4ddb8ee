// NotesAnnotsManager: the document's INotesAnnotsManager.
#pragma once

#include <functional>

#include "INotesAnnotsManager.h"
#include "host/objectmodel/CPMUnknown.h"

class INotesAnnotation;

class NotesAnnotsManager final : public CPMUnknown<INotesAnnotsManager> {
public:
    explicit NotesAnnotsManager(IPMUnknown* boss) : CPMUnknown<INotesAnnotsManager>(boss) {}
    UID GetAnnotationSpreadLayer(int32 pageIndex) override;
    ErrorCode RemoveTextMarkups(const UIDList& annotations) override;
    ErrorCode RemoveAllTextMarkups() override;
    void ShowAllPopups(bool16 show) override;
    void ShowPopups(const UIDList& exceptions, bool16 show) override;
    void HideAllPopups(bool16 hide) override { ShowAllPopups(!hide); }
    void HidePopups(const UIDList& exceptions, bool16 hide) override { ShowPopups(exceptions, !hide); }
    void ShowPopupOf(const UIDRef& annotation) override;
    void InvalidateAnnotationLists() override;

private:
    // Every master page, then every document page.
    std::vector<UID> AllPages();
    void ForEachAnnotation(const std::function<void(UID, INotesAnnotation*)>& visit);
    static void SetPopupShown(INotesAnnotation* annotation, bool16 shown);
};
