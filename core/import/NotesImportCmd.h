// NotesImportCmd: brings the comments of a PDF into the document in one undoable step. Carries out
// the import's plan (NotesImportPlan, the caller's or its own): pairs the PDF's pages with the
// document's pages (or spreads) as planned, hands every admitted annotation to the creating command
// of its kind on the annotation layer, then applies the new text markups, joins strike-outs and
// carets into replacements, removes popups that lost their parent and reports the annotations it
// could not import in its integer data.
#pragma once

#include <unordered_set>

#include "NotesImportPlan.h"
#include "NotesImportRun.h"
#include "NotesReplacementJoiner.h"
#include "host/commands/Command.h"
#include "host/pdf/PdfLibrary.h"
#include "host/util/Geometry.h"

class INotesImportSettings;
class NotesAnnotationCreator;

class NotesImportCmd final : public Command {
public:
    explicit NotesImportCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    void DoNotify() override;
    PMString* CreateName() override;

private:
    NotesImportPlan TakePlan(const INotesImportSettings* settings);
    bool PrepareLayer();
    bool PrepareDefaultColor();
    void ImportPages(const NotesImportPlan& plan, const INotesImportSettings* settings);
    // Imports the k-th paired PDF page; false when the page loop must end here.
    bool ImportPage(int32 k, const NotesImportPlan& plan, const INotesImportSettings* settings);
    // Reads one Annots entry and creates its annotation, once per annotation object and run.
    void ImportAnnotation(PDAnnot annot, const INotesImportSettings* settings,
                          NotesAnnotationCreator& creator);
    // The page item whose transform places the PDF page, the bounds it fills and the annotation
    // layer's spread layer there.
    bool PageTarget(const NotesImportPlan::Target& target, bool16 spreads, UIDRef* transformItem,
                    PMRect* pageBounds, PMPoint* firstPageLeftTop, UID* targetLayer);
    static bool Admits(const INotesImportSettings* settings, int32 type);
    void ApplyTextMarkups();
    void CountMarkupsNotAnchored(const std::unordered_set<UID>& listed, const UIDList& anchored);
    void RemoveOrphanPopups();
    bool IsOrphan(UID owner) const;
    void UnlinkOwner(UID owner, UID popup);
    void StoreFailureCount();
    void ReleasePDF();

    NotesImportRun fRun;
    NotesReplacementJoiner fJoiner{nullptr};
    // The runs made for each PDF text markup of this run, one list per markup (its PDF object is
    // not asked again once the file is closed).
    std::vector<UIDList> fMarkupRuns;
    UID fAnnotationLayer = kInvalidUID;
    int32 fAnnotationsRead = 0; // admitted, visible annotations met on paired pages
};
