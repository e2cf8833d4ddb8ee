#include "host/ui/UIDNodeID.h"

#include <functional>

int32 UIDNodeID::Compare(const NodeIDClass& other) const {
    const UIDRef& theirs = static_cast<const UIDNodeID&>(other).fRef;
    if (fRef.GetDataBase() != theirs.GetDataBase())
        return std::less<const IDataBase*>()(fRef.GetDataBase(), theirs.GetDataBase()) ? -1 : 1;
    if (fRef.GetUID() != theirs.GetUID())
        return fRef.GetUID() < theirs.GetUID() ? -1 : 1;
    return 0;
}

std::size_t UIDNodeID::Hash() const {
    return std::hash<const IDataBase*>()(fRef.GetDataBase()) * 31 + std::hash<UID>()(fRef.GetUID());
}
