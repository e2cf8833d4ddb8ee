#include "NotesLayoutASB.h"

#include <boost/bind/bind.hpp>
#include <boost/function.hpp>

#include "host/selection/SelectionSuiteUtils.h"

using boost::placeholders::_1;

bool16 NotesLayoutASB::HasAnnotations() {
    const boost::function<bool16(INotesSelectionSuite*)> question =
        boost::bind(&INotesSelectionSuite::HasAnnotations, _1);
    return SelectionSuiteUtils::AnyFromLastToFirst<INotesSelectionSuite>(this, question);
}

ErrorCode NotesLayoutASB::GetAnnotations(UIDList& annotations) {
    const boost::function<ErrorCode(INotesSelectionSuite*)> operation =
        boost::bind(&INotesSelectionSuite::GetAnnotations, _1, boost::ref(annotations));
    return SelectionSuiteUtils::ProcessFromLastToFirst<INotesSelectionSuite>(this, operation);
}
