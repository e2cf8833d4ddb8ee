#include "NotesTextASB.h"

#include <boost/bind/bind.hpp>
#include <boost/function.hpp>

#include "host/selection/SelectionSuiteUtils.h"

using boost::placeholders::_1;

namespace {
using Suite = INotesTextSelectionSuite;
using Question = boost::function<bool16(Suite*)>;
using Operation = boost::function<ErrorCode(Suite*)>;

bool16 Ask(const IPMUnknown* integrator, const Question& question) {
    return SelectionSuiteUtils::AnyFromLastToFirst<Suite>(integrator, question);
}

ErrorCode Process(const IPMUnknown* integrator, const Operation& operation) {
    return SelectionSuiteUtils::ProcessFromLastToFirst<Suite>(integrator, operation);
}
} // namespace

bool16 NotesTextASB::CanMarkText() {
    return Ask(this, boost::bind(&Suite::CanMarkText, _1));
}

bool16 NotesTextASB::CanInsertAtCaret() {
    return Ask(this, boost::bind(&Suite::CanInsertAtCaret, _1));
}

ErrorCode NotesTextASB::NewTextMarkup(INotesAnnotation::NotesAnnotationType type, UID& newAnnotation) {
    return Process(this, boost::bind(&Suite::NewTextMarkup, _1, type, boost::ref(newAnnotation)));
}

bool16 NotesTextASB::HasAnnotations() {
    return Ask(this, boost::bind(&Suite::HasAnnotations, _1));
}

ErrorCode NotesTextASB::GetAnnotations(UIDList& annotations) {
    return Process(this, boost::bind(&Suite::GetAnnotations, _1, boost::ref(annotations)));
}

ErrorCode NotesTextASB::DeleteAnnotations() {
    return Process(this, boost::bind(&Suite::DeleteAnnotations, _1));
}

bool16 NotesTextASB::HasTextEdits() {
    return Ask(this, boost::bind(&Suite::HasTextEdits, _1));
}

ErrorCode NotesTextASB::AcceptTextEdits() {
    return Process(this, boost::bind(&Suite::AcceptTextEdits, _1));
}

ErrorCode NotesTextASB::RejectTextEdits() {
    return Process(this, boost::bind(&Suite::RejectTextEdits, _1));
}

ErrorCode NotesTextASB::GetTextRange(RangeData& range, uint32& threadKey, UID& textModel) {
    return Process(this, boost::bind(&Suite::GetTextRange, _1, boost::ref(range), boost::ref(threadKey),
                                     boost::ref(textModel)));
}

bool16 NotesTextASB::IsInNoteFrame() {
    return Ask(this, boost::bind(&Suite::IsInNoteFrame, _1));
}

ErrorCode NotesTextASB::SaveNoteFrameText() {
    return Process(this, boost::bind(&Suite::SaveNoteFrameText, _1));
}

ErrorCode NotesTextASB::GetPopupRef(UIDRef& popupRef) {
    return Process(this, boost::bind(&Suite::GetPopupRef, _1, boost::ref(popupRef)));
}
