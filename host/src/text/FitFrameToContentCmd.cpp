// FitFrameToContentCmd: gives text frames the height that just shows their text: a frame with
// overset text grows, a frame with empty line slots below its last line shrinks. Left, top and
// width stay; the top and bottom text inset stay outside the lines. Of a thread only the frame
// that holds the story's end changes. The text is composed again into the new bounds, and
// observers of the transform protocol hear of the change as of any other change of geometry.
// Item list in: text frame page items, multi-column items or columns (anything else fails the
// command). Item list out: the frame page items whose bounds changed.
#include "../document/PageItemOps.h"
#include "../document/Query.h"
#include "FrameFit.h"
#include "TextImplementations.h"
#include "host/commands/Command.h"
#include "host/commands/ErrorUtils.h"
#include "host/document/IGeometry.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/text/IFrameUtils.h"
#include "host/text/IMultiColumnTextFrame.h"
#include "host/text/ITextParcelList.h"

namespace {
class FitFrameToContentCmd final : public Command {
public:
    explicit FitFrameToContentCmd(IPMUnknown* boss) : Command(boss) {}

protected:
    void Do() override {
        ErrorUtils::PMSetGlobalErrorCode(kFailure);
        IDataBase* db = fItemList.GetDataBase();
        UIDList frames(db);
        if (!db || fItemList.IsEmpty() || !CollectFrames(&frames))
            return;
        UIDList fitted(db);
        for (UID frame : frames.GetUIDs()) {
            const FrameFit fit(db, frame);
            if (!fit.HoldsStoryEnd())
                continue;
            const Outcome outcome = Fit(db, fit);
            if (outcome == Outcome::kRefused)
                return;
            if (outcome == Outcome::kResized) {
                fitted.Append(fit.GetFrameItemUID());
                Recompose(db, frame);
            }
        }
        fItemList = fitted;
        ErrorUtils::PMSetGlobalErrorCode(kSuccess);
    }

    void DoNotify() override {
        if (fItemList.IsEmpty())
            return; // every frame fitted already: nothing moved
        IDataBase* db = fItemList.GetDataBase();
        PageItemOps::Broadcast(db, kTransformChangeClass, IID_ITRANSFORM_DOCUMENT, this);
        PageItemOps::Broadcast(db, kTransformDoneChangeClass, IID_ITRANSFORM_DOCUMENT, this);
    }
    PMString* CreateName() override { return new PMString("Fit Frame to Content"); }

private:
    // The multi-column item of every listed item, each once; false when one is no text frame.
    bool CollectFrames(UIDList* frames) const {
        IDataBase* db = fItemList.GetDataBase();
        for (UID uid : fItemList.GetUIDs()) {
            InterfacePtr<IPMUnknown> item(db->Instantiate(uid, IID_IPMPERSIST));
            InterfacePtr<IMultiColumnTextFrame> frame(Utils<IFrameUtils>()->QueryMultiColumnTextFrame(item));
            if (!frame)
                return false;
            const UID content = Boss::FromUnknown(frame)->GetUID();
            if (frames->Location(content) < 0)
                frames->Append(content);
        }
        return true;
    }

    enum class Outcome { kUnchanged, kResized, kRefused };

    static Outcome Fit(IDataBase* db, const FrameFit& fit) {
        InterfacePtr<IGeometry> geometry = Query::Get<IGeometry>(db, fit.GetFrameItemUID());
        if (!geometry)
            return Outcome::kRefused;
        const PMRect bounds = fit.FittedBounds();
        // A frame that fits already is left untouched, so the command records no change for it.
        if (bounds.Equals(geometry->GetPathBoundingBox()))
            return Outcome::kUnchanged;
        return geometry->SetPathBoundingBox(bounds) == kSuccess ? Outcome::kResized : Outcome::kRefused;
    }

    // Composes the frame's story into its parcels as they are now, so that the frame's text is
    // laid out in its new bounds before anyone draws or asks.
    static void Recompose(IDataBase* db, UID frame) {
        InterfacePtr<IMultiColumnTextFrame> text = Query::Get<IMultiColumnTextFrame>(db, frame);
        if (InterfacePtr<ITextParcelList> parcels = Query::Get<ITextParcelList>(db, text->GetTextModelUID()))
            parcels->GetComposition();
    }
};
} // namespace

ImplementationDeclaration MakeFitFrameToContentCmdImplementation(ImplementationID id) {
    return IMPLEMENTATION(FitFrameToContentCmd, id, false);
}
