#include "FrameFit.h"

#include <algorithm>
#include <limits>

#include "../document/Query.h"
#include "DefaultFont.h"
#include "host/document/IGeometry.h"
#include "host/text/IFrameList.h"
#include "host/text/ITextInset.h"
#include "host/text/ITextParcelList.h"
#include "host/text/ITextStoryThread.h"
#include "host/text/IWaxStrand.h"

namespace {
// The flow a trial composition uses; no story thread has this key, and the trial is forgotten
// at once, so the story's own compositions are never disturbed.
constexpr int32 kTrialThreadKey = std::numeric_limits<int32>::min();
// Deep enough for any story at any column width (one character a line, 14.4 pt a line).
constexpr PMReal kBottomlessDepth = 1e15;
} // namespace

FrameFit::FrameFit(IDataBase* db, UID multiColumnItem)
    : fDataBase(db), fFrame(Query::Get<IMultiColumnTextFrame>(db, multiColumnItem)) {}

UID FrameFit::GetFrameItemUID() const {
    return fFrame ? fFrame->GetFrameItemUID() : kInvalidUID;
}

const TextComposition& FrameFit::Composition() const {
    InterfacePtr<ITextParcelList> parcels = Query::Get<ITextParcelList>(fDataBase, fFrame->GetTextModelUID());
    return parcels->GetComposition();
}

bool FrameFit::HoldsStoryEnd() const {
    if (!fFrame || fFrame->GetColumnCount() == 0)
        return false;
    InterfacePtr<IFrameList> frames = Query::Get<IFrameList>(fDataBase, fFrame->GetTextModelUID());
    InterfacePtr<ITextStoryThread> thread =
        Query::Get<ITextStoryThread>(fDataBase, fFrame->GetTextModelUID());
    const std::vector<UID> columns = frames ? frames->GetFrameUIDs() : std::vector<UID>();
    if (!thread || columns.empty())
        return false;
    const TextComposition& composition = Composition();
    // Overset text is the last frame's to show; otherwise the first column whose text reaches
    // the end holds it (empty columns after it merely stand where the text would go on).
    UID holder = columns.back();
    for (size_t n = 0; !composition.IsOverset() && n < columns.size(); ++n) {
        const int32 parcel = composition.FindParcel(static_cast<ParcelKey>(columns[n]));
        if (parcel >= 0 && composition.GetParcelTextRange(parcel).End() == thread->GetTextEnd()) {
            holder = columns[n];
            break;
        }
    }
    for (int32 n = 0; n < fFrame->GetColumnCount(); ++n)
        if (fFrame->GetNthColumnUID(n) == holder)
            return true;
    return false;
}

TextIndex FrameFit::FirstIndex() const {
    const TextComposition& composition = Composition();
    const int32 parcel = composition.FindParcel(static_cast<ParcelKey>(fFrame->GetNthColumnUID(0)));
    return parcel >= 0 ? composition.GetParcelTextRange(parcel).Start() : 0;
}

int32 FrameFit::LinesToShow() const {
    InterfacePtr<IWaxStrand> wax = Query::Get<IWaxStrand>(fDataBase, fFrame->GetTextModelUID());
    InterfacePtr<ITextStoryThread> thread =
        Query::Get<ITextStoryThread>(fDataBase, fFrame->GetTextModelUID());
    // Lines break by width alone and every line takes one slot, so one bottomless column as wide
    // as the frame's columns gives the lines the frame has to hold.
    const Parcel bottomless{0, PMRect(0, 0, fFrame->GetColumnBounds(0).Width(), kBottomlessDepth),
                            PMMatrix()};
    const TextIndex first = FirstIndex();
    const int32 lines =
        wax->Compose(kTrialThreadKey, RangeData(first, thread->GetTextEnd()), {bottomless}).CountAllLines();
    wax->Invalidate(kTrialThreadKey);
    return lines;
}

PMRect FrameFit::FittedBounds() const {
    InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(fDataBase, GetFrameItemUID());
    InterfacePtr<ITextInset> inset = Query::Get<ITextInset>(fDataBase, GetFrameItemUID());
    if (!geometry)
        return PMRect();
    const PMRect bounds = geometry->GetPathBoundingBox();
    const PMRect in = inset ? inset->GetInset() : PMRect();
    const int32 columns = fFrame->GetColumnCount();
    const int32 slots = std::max(1, (LinesToShow() + columns - 1) / columns);
    const PMReal height = in.Top() + in.Bottom() + slots * DefaultFont::kLeading;
    return PMRect(bounds.Left(), bounds.Top(), bounds.Right(), bounds.Top() + height);
}
