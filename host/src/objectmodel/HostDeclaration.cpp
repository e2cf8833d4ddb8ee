// The host's own classes and implementations, registered like a plug-in's.
#include "HostDeclaration.h"

#include "HostImplementations.h"
#include "host/objectmodel/HostIDs.h"

namespace {
constexpr ImplementationID kDeleteUIDCmdImpl = 0x100D;

std::vector<ImplementationDeclaration> HostImplementations() {
    return {MakePMPersistImplementation(kPMPersistImpl),
            MakeUIDDataImplementation(kPersistUIDDataImpl, true),
            MakeUIDDataImplementation(kUIDDataImpl, false),
            MakeBoolDataImplementation(kBoolDataImpl, false),
            MakeBoolDataImplementation(kCmdBoolDataImpl, false),
            MakeBoolDataImplementation(kPersistBoolDataImpl, true),
            MakeIntDataImplementation(kIntDataImpl, false),
            MakeIntDataImplementation(kPersistIntDataImpl, true),
            MakeStringDataImplementation(kStringDataImpl),
            MakeSubjectImplementation(kSubjectImpl),
            MakeDocumentImplementation(kDocumentImpl),
            MakeChangeBroadcastUtilsImplementation(kChangeBroadcastUtilsImpl),
            MakeDeleteUIDCmdImplementation(kDeleteUIDCmdImpl)};
}

ClassDeclaration Bare(ClassID id, const char* name) { return ClassDeclaration{id, kInvalidClass, name, {}}; }

ClassDeclaration PersistentBare(ClassID id, ClassID parent, const char* name) {
    return ClassDeclaration{id, parent, name, {{IID_IPMPERSIST, kPMPersistImpl}}};
}
} // namespace

PlugInDeclaration MakeHostDeclaration() {
    PlugInDeclaration decl;
    decl.id = kHostPluginID;
    decl.name = "pagehost";
    decl.version = {1, 1, 5};
    decl.implementations = HostImplementations();
    decl.classes = {
        ClassDeclaration{kApplicationBoss, kInvalidClass, "kApplicationBoss", {{IID_ISUBJECT, kSubjectImpl}}},
        ClassDeclaration{kUtilsBoss, kInvalidClass, "kUtilsBoss",
                         {{IID_ICHANGEBROADCASTUTILS, kChangeBroadcastUtilsImpl}}},
        ClassDeclaration{kDocBoss,
                         kInvalidClass,
                         "kDocBoss",
                         {{IID_IPMPERSIST, kPMPersistImpl}, {IID_IDOCUMENT, kDocumentImpl}, {IID_ISUBJECT, kSubjectImpl}}},
        PersistentBare(kPageBoss, kInvalidClass, "kPageBoss"),
        PersistentBare(kSplineItemBoss, kInvalidClass, "kSplineItemBoss"),
        PersistentBare(kGroupItemBoss, kInvalidClass, "kGroupItemBoss"),
        PersistentBare(kTextAttrBoss, kInvalidClass, "kTextAttrBoss"),
        ClassDeclaration{kDeleteUIDCmdBoss, kInvalidClass, "kDeleteUIDCmdBoss", {{IID_ICOMMAND, kDeleteUIDCmdImpl}}},
        Bare(kAbstractSelectionBoss, "kAbstractSelectionBoss"),
        Bare(kLayoutSelectionBoss, "kLayoutSelectionBoss"),
        Bare(kTextSelectionBoss, "kTextSelectionBoss"),
        Bare(kTransformPageItemsCmdBoss, "kTransformPageItemsCmdBoss"),
        Bare(kHostServiceBoss, "kHostServiceBoss"),
        Bare(kHostDataBoss301, "kHostDataBoss301"),
        Bare(kHostDataBoss302, "kHostDataBoss302"),
    };
    return decl;
}
