#include "NotesTextLocator.h"

#include <cmath>

#include "INotesTextProfile.h"
#include "NotesTextArea.h"
#include "host/database/IDataBase.h"
#include "host/document/IDocument.h"
#include "host/document/IGeometry.h"
#include "host/document/IHierarchy.h"
#include "host/document/ILayoutUtils.h"
#include "host/document/IMasterPage.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextModel.h"
#include "host/text/ITextStrand.h"
#include "lifecycle/NotesDocumentAccess.h"
#include "NotesFailureLog.h"

namespace {
using A = INotesAnnotation;
constexpr PMReal kPositionTolerance = 1e-8;
constexpr UTF16TextChar kTableAnchorChar = 0x16;
constexpr UTF16TextChar kTableEndChar = 0x17;
constexpr UTF16TextChar kParagraphReturn = 0x0D;

PMPoint Midpoint(const PMPoint& a, const PMPoint& b) {
    return PMPoint(a.X() + (b.X() - a.X()) * 0.5, a.Y() + (b.Y() - a.Y()) * 0.5);
}

bool IsNoText(PMReal position) {
    return std::fabs(position - -1.0) < kPositionTolerance;
}

TextIndex Rounded(PMReal position) {
    return static_cast<TextIndex>(std::floor(position + 0.5));
}

// start < 0 becomes 0, an end before the start becomes the start, and an empty range at 0 cannot
// lean back onto a character that does not exist.
RangeData NormalisedHitRange(TextIndex start, TextIndex end) {
    start = std::max<TextIndex>(start, 0);
    end = std::max(end, start);
    const bool leansBack = start == end && start != 0;
    return RangeData(start, end, leansBack ? RangeData::kLeanBack : RangeData::kLeanForward);
}
} // namespace

bool NotesTextLocator::GetQuadMidline(const PMPointList& points, int32 piece, PMPoint* left, PMPoint* right) {
    if (!NOTES_CHECK_TRUE(piece >= 0))
        return false;
    const size_t count = points.size();
    if (piece == 0) {
        if (count < 4)
            return false;
        *left = Midpoint(points[0], points[2]);
        *right = Midpoint(points[count - 3], points[count - 1]);
        return true;
    }
    const size_t first = 4 * static_cast<size_t>(piece) - 4;
    if (count < first + 4)
        return false;
    *left = Midpoint(points[first], points[first + 2]);
    *right = Midpoint(points[first + 1], points[first + 3]);
    return true;
}

std::vector<NotesTextLocator::Run> NotesTextLocator::Locate(const PMPointList& points,
                                                            A::NotesAnnotationType type) {
    fHits.clear();
    if (type == A::kCaretAnnotation) {
        if (points.size() >= 2) {
            const PMPoint centre = Midpoint(points[0], points[1]);
            LocateText(centre, centre, type);
        }
    } else if (points.size() >= 4) {
        const int32 pieces = static_cast<int32>(points.size() / 4);
        for (int32 piece = 1; piece <= pieces; ++piece) {
            PMPoint left, right;
            const bool validPoints = GetQuadMidline(points, piece, &left, &right);
            if (!NOTES_CHECK_TRUE(validPoints))
                break;
            LocateText(left, right, type);
        }
    }
    std::vector<Run> runs = JoinHits(type);
    fHits.clear();
    return runs;
}

void NotesTextLocator::LocateText(const PMPoint& p1, const PMPoint& p2, A::NotesAnnotationType type) {
    if (!NOTES_CHECK_NIL(fDataBase) || !NOTES_CHECK_NIL(fProfile))
        return;
    for (const NotesTextArea& area : fProfile->FindTextAreas(fSpread, p1, p2)) {
        if (LocateInArea(area, p1, p2, type) && type != A::kCaretAnnotation)
            return; // the first area in profile order wins
    }
}

bool NotesTextLocator::LocateInArea(const NotesTextArea& area, PMPoint p1, PMPoint p2,
                                    A::NotesAnnotationType type) {
    InterfacePtr<ITextModel> textModel(UIDRef(fDataBase, area.story), IID_ITEXTMODEL);
    if (!NOTES_CHECK_NIL(textModel))
        return false;
    InterfacePtr<IMultiColumnTextFrame> multiColumnTextFrame(UIDRef(fDataBase, area.frame),
                                                             IID_IMULTICOLUMNTEXTFRAME);
    InterfacePtr<ITextStrand> textStrand(textModel, IID_ITEXTSTRAND);
    InterfacePtr<IGeometry> geometry(multiColumnTextFrame, IID_IGEOMETRY);
    InterfacePtr<IHierarchy> frameHierarchy(multiColumnTextFrame, IID_IHIERARCHY);
    Utils<IFrameUtils> frameUtils;
    if (!NOTES_CHECK_NIL(multiColumnTextFrame) || !NOTES_CHECK_NIL(textStrand) ||
        !NOTES_CHECK_NIL(geometry) || !NOTES_CHECK_NIL(frameHierarchy) || !NOTES_CHECK_NIL(frameUtils))
        return false;
    if (fDataBase->GetClass(frameHierarchy->GetSpreadUID()) == kMasterPagesBoss &&
        !MapOntoMasterFrame(multiColumnTextFrame, &p1, &p2))
        return false;

    const PMReal pos1 = frameUtils->TextPositionAtPoint(area.thread, area.parcelKey, p1);
    const PMReal pos2 = frameUtils->TextPositionAtPoint(area.thread, area.parcelKey, p2);
    const PMReal pos3 = multiColumnTextFrame->TextPositionAt(p1);
    if (pos2 + kPositionTolerance < pos1 || IsNoText(pos1) || IsNoText(pos2) || IsNoText(pos3))
        return false;
    TextIndex start = Rounded(pos1);
    TextIndex end = Rounded(pos2);
    const bool caret = type == A::kCaretAnnotation;
    if (start == end && !caret)
        return false; // a quadrilateral that rounds to no characters marks nothing
    if (caret && area.kind == NotesTextArea::kFrameText)
        start = end = Rounded(pos3);
    const UTF16TextChar first = textStrand->GetChar(start);
    if (first == kTableAnchorChar || first == kTableEndChar)
        return false;
    if (caret && start == 0 && end == 0 && first == kParagraphReturn)
        return false;
    fHits.push_back({area.story, NormalisedHitRange(start, end),
                     RangeData(area.thread->GetTextStart(), area.thread->GetTextEnd())});
    return true;
}

bool NotesTextLocator::MapOntoMasterFrame(const IPMUnknown* frame, PMPoint* p1, PMPoint* p2) const {
    InterfacePtr<IDocument> document = NotesDocumentAccess::QueryDocumentInterface<IDocument>(fDataBase);
    Utils<ILayoutUtils> layoutUtils;
    if (!NOTES_CHECK_NIL(document) || !NOTES_CHECK_NIL(layoutUtils))
        return false;
    const PMPoint centre = Midpoint(*p1, *p2);
    const UID pageUID = layoutUtils->GetPageUIDAtPoint(document, centre);
    InterfacePtr<IMasterPage> masterPage(UIDRef(fDataBase, pageUID), IID_IMASTERPAGE);
    if (pageUID == kInvalidUID || !NOTES_CHECK_NIL(masterPage))
        return false;
    const UID framePage = layoutUtils->GetOwnerPageUID(frame);
    if (masterPage->GetMasterPageUID() != framePage || framePage == kInvalidUID)
        return false;
    // Same place on the master page as on the document page: page inner coordinates are shared.
    InterfacePtr<ITransform> pageTransform(UIDRef(fDataBase, pageUID), IID_ITRANSFORM);
    InterfacePtr<ITransform> masterTransform(UIDRef(fDataBase, framePage), IID_ITRANSFORM);
    if (!NOTES_CHECK_NIL(pageTransform) || !NOTES_CHECK_NIL(masterTransform))
        return false;
    for (PMPoint* p : {p1, p2}) {
        pageTransform->TransformPasteboardPointToInner(p);
        masterTransform->TransformInnerPointToPasteboard(p);
    }
    return true;
}

std::vector<NotesTextLocator::Run> NotesTextLocator::JoinHits(A::NotesAnnotationType type) const {
    std::vector<Run> runs;
    if (type == A::kCaretAnnotation) {
        if (!fHits.empty())
            runs.push_back({fHits.back().story, fHits.back().range});
        return runs;
    }
    std::vector<bool> used(fHits.size(), false);
    for (size_t seed = 0; seed < fHits.size(); ++seed) {
        if (used[seed])
            continue;
        used[seed] = true;
        const Hit& s = fHits[seed];
        TextIndex start = s.range.Start();
        TextIndex end = s.range.End();
        bool anyLean = s.range.GetLean() == RangeData::kLeanBack;
        for (size_t later = seed + 1; later < fHits.size(); ++later) {
            const Hit& h = fHits[later];
            if (used[later] || h.story != s.story || h.threadRange.Start() != s.threadRange.Start() ||
                h.threadRange.End() != s.threadRange.End())
                continue;
            start = std::min(start, h.range.Start());
            end = std::max(end, h.range.End());
            anyLean = anyLean || h.range.GetLean() == RangeData::kLeanBack;
            used[later] = true;
        }
        const bool lean = anyLean && start == end;
        runs.push_back(
            {s.story, RangeData(start, end, lean ? RangeData::kLeanBack : RangeData::kLeanForward)});
    }
    return runs;
}
