#include "host/pdf/ASAtom.h"

#include "AtomTable.h"
#include "host/pdf/ACExceptionFrame.h"

ASAtom ASAtomFromString(const char* name) {
    if (name == nullptr) {
        ASRaise(genErrBadParm);
    }
    return AtomTable::instance().intern(name);
}

const char* ASAtomGetString(ASAtom atom) {
    return AtomTable::instance().name(atom);
}

ASBool ASAtomExistsForString(const char* name) {
    return name != nullptr && AtomTable::instance().find(name) != ASAtomNull ? ASTrue : ASFalse;
}
