// Declarations of the host's own implementations, registered when the host starts.
#pragma once

#include "host/objectmodel/PlugInDeclaration.h"

ImplementationDeclaration MakeSubjectImplementation(ImplementationID id);
ImplementationDeclaration MakeChangeBroadcastUtilsImplementation(ImplementationID id);
ImplementationDeclaration MakePMPersistImplementation(ImplementationID id);
ImplementationDeclaration MakeUIDDataImplementation(ImplementationID id, bool persistent);
ImplementationDeclaration MakeBoolDataImplementation(ImplementationID id, bool persistent);
ImplementationDeclaration MakeIntDataImplementation(ImplementationID id, bool persistent);
ImplementationDeclaration MakeStringDataImplementation(ImplementationID id);
ImplementationDeclaration MakeDocumentImplementation(ImplementationID id);
ImplementationDeclaration MakeDeleteUIDCmdImplementation(ImplementationID id);
