// NotesImportCmd: brings the comments of a PDF into the document in one undoable step. Pairs the
// PDF's pages with the document's pages (or spreads) by the page offset, hands every admitted
// annotation to the creating command of its kind on the annotation layer, then applies the new
// text markups, removes popups that lost their parent and reports the annotations it could not
// import in its integer data.
#pragma once

#include <unordered_set>

#include "NotesImportRun.h"
#include "host/commands/Command.h"
#include "host/pdf/PdfLibrary.h"
#include "host/util/Geometry.h"

class INotesImportSettings;
class RangeProgressBar;

class NotesImportCmd final : public Command {
public:
    explicit NotesImportCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override;
    void DoNotify() override;
    PMString* CreateName() override;

private:
    // Where the PDF's pages go: the document's pages, or its spreads for a PDF of spreads.
    struct Pairing {
        bool matchPages = false;
        bool matchSpread = false;
        int32 docStart = 0;
        int32 pdfStart = 0;
        int32 firstSpread = 0;
        UID annotationLayer = kInvalidUID;
    };

    bool PrepareLayer(Pairing* pairing);
    bool PreparePairing(const INotesImportSettings* settings, Pairing* pairing);
    bool PrepareDefaultColor();
    void ImportPages(PDDoc pdf, const Pairing& pairing, const INotesImportSettings* settings);
    // Imports one PDF page; false when the page loop must end here.
    bool ImportPage(PDDoc pdf, int32 k, const Pairing& pairing, const INotesImportSettings* settings);
    bool PageTarget(int32 docIndex, const Pairing& pairing, int32 spreadIndex, UIDRef* transformItem,
                    PMRect* pageBounds, PMPoint* firstPageLeftTop, UID* targetLayer);
    static bool Admits(const INotesImportSettings* settings, int32 type);
    static int32 AnnotationFlags(CosObj dict);
    void ApplyTextMarkups();
    void CountMarkupsNotAnchored(const std::unordered_set<UID>& listed, const UIDList& anchored);
    void RemoveOrphanPopups();
    void StoreFailureCount();

    NotesImportRun fRun;
    // The runs made for each PDF text markup of this run, one list per markup (its PDF object is
    // not asked again once the file is closed).
    std::vector<UIDList> fMarkupRuns;
};
