// SelectionSuiteUtils: how an abstract suite on the integrator object reaches the concrete suites
// of the current selection. The concrete suites are visited from the last to the first.
#pragma once

#include <vector>

#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/selection/IConcreteSelectionList.h"

namespace SelectionSuiteUtils {
// The interface iid of every concrete-suite object that has it, from the last object to the
// first. integrator is any interface of the integrator object (an abstract suite passes itself).
template <class T>
std::vector<InterfacePtr<T>> CollectFromLastToFirst(const IPMUnknown* integrator,
                                                    PMIID iid = T::kDefaultIID) {
    std::vector<InterfacePtr<T>> suites;
    InterfacePtr<IConcreteSelectionList> list(integrator, IID_ICONCRETESELECTIONLIST);
    for (int32 n = list ? list->CountConcreteSelections() - 1 : -1; n >= 0; --n)
        if (InterfacePtr<T> suite{ObjectModel::CheckedCast<T>(list->QueryNthConcreteSelection(n, iid))})
            suites.push_back(suite);
    return suites;
}

// A yes-or-no question: true at the first concrete suite (from the last) that answers true,
// false when none does or there is none. question is called as question(T*).
template <class T, class Question>
bool16 AnyFromLastToFirst(const IPMUnknown* integrator, Question question, PMIID iid = T::kDefaultIID) {
    for (const InterfacePtr<T>& suite : CollectFromLastToFirst<T>(integrator, iid))
        if (question(suite.get()))
            return kTrue;
    return kFalse;
}

// An operation: one command sequence (one undo step) in which each concrete suite, from the
// last, runs while the previous ones succeeded; each result becomes the global error code, so a
// failure rolls the whole sequence back. operation is called as operation(T*) -> ErrorCode.
template <class T, class Operation>
ErrorCode ProcessFromLastToFirst(const IPMUnknown* integrator, Operation operation,
                                 PMIID iid = T::kDefaultIID) {
    const std::vector<InterfacePtr<T>> suites = CollectFromLastToFirst<T>(integrator, iid);
    ErrorCode result = kSuccess;
    CmdUtils::SequenceContext sequence;
    for (const InterfacePtr<T>& suite : suites) {
        result = operation(suite.get());
        ErrorUtils::PMSetGlobalErrorCode(result);
        if (result != kSuccess)
            break;
    }
    return result;
}
} // namespace SelectionSuiteUtils
