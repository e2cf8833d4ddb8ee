#include "DeclaredPlugIn.h"

#include "host/objectmodel/PlugInLoader.h"

void DeclaredPlugIn::RegisterOnce() {
    PlugInLoader& loader = PlugInLoader::Instance();
    if (!loader.FindPlugIn(fDecl.id))
        loader.RegisterPlugIn(this, fResourceFile);
}
