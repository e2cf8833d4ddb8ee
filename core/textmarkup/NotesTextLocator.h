// NotesTextLocator: turns the geometry of a text markup (quadrilaterals, or a caret's rectangle) on
// one spread back into runs of story text. Each quadrilateral is reduced to its midline; the text
// area of the profile that holds both ends is asked for the text positions there; the hits of one
// markup are then joined into one run per story thread.
#pragma once

#include <vector>

#include "INotesAnnotation.h"
#include "host/database/UID.h"
#include "host/text/RangeData.h"

class IDataBase;
class INotesTextProfile;
struct NotesTextArea;

class NotesTextLocator {
public:
    struct Hit {
        UID story = kInvalidUID;
        RangeData range;
        RangeData threadRange;
    };
    struct Run {
        UID story = kInvalidUID;
        RangeData range;
    };

    NotesTextLocator(IDataBase* database, UID spread, INotesTextProfile* profile)
        : fDataBase(database), fSpread(spread), fProfile(profile) {}

    // The midline of quadrilateral `piece` (1-based; 0 spans the whole markup) of points in the
    // order upper left, upper right, lower left, lower right: the midpoints of its left and right
    // edges. False when the list is too short or the piece negative.
    static bool GetQuadMidline(const PMPointList& points, int32 piece, PMPoint* left, PMPoint* right);

    // Locates every quadrilateral of a markup (or its caret) and answers the joined runs.
    std::vector<Run> Locate(const PMPointList& points, INotesAnnotation::NotesAnnotationType type);

    // Appends the hits of one quadrilateral midline or caret point.
    void LocateText(const PMPoint& p1, const PMPoint& p2, INotesAnnotation::NotesAnnotationType type);
    const std::vector<Hit>& GetHits() const { return fHits; }
    // The hits joined into runs: a caret's last hit, or one run per story thread.
    std::vector<Run> JoinHits(INotesAnnotation::NotesAnnotationType type) const;

private:
    // Visits one area; true when it gave a hit.
    bool LocateInArea(const NotesTextArea& area, PMPoint p1, PMPoint p2,
                      INotesAnnotation::NotesAnnotationType type);
    // For a frame on a master spread: takes the points from the document page under them to the
    // master page behind it; false when that page is not based on the frame's master page.
    bool MapOntoMasterFrame(const IPMUnknown* frame, PMPoint* p1, PMPoint* p2) const;

    IDataBase* fDataBase;
    UID fSpread;
    INotesTextProfile* fProfile;
    std::vector<Hit> fHits;
};
