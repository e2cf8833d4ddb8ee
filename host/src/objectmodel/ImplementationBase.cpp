#include "host/objectmodel/ImplementationBase.h"

#include "host/objectmodel/Boss.h"

void ImplementationBase::PreDirty() {
    if (fBoss)
        fBoss->PreDirty(fImplID);
}
