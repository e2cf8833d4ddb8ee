// DeclaredPlugIn: a test plug-in that is nothing but its declaration, registered in-process the way
// the host registers a loaded plug-in.
#pragma once

#include <string>

#include "host/objectmodel/IPlugIn.h"
#include "host/objectmodel/PlugInDeclaration.h"

class DeclaredPlugIn final : public IPlugIn {
public:
    DeclaredPlugIn(PlugInDeclaration declaration, std::string resourceFile)
        : fDecl(std::move(declaration)), fResourceFile(std::move(resourceFile)) {}
    const PlugInDeclaration& GetDeclaration() const override { return fDecl; }
    std::string GetResourceFile() const override { return fResourceFile; }
    // Registers the plug-in unless one with its ID is registered already.
    void RegisterOnce();

private:
    PlugInDeclaration fDecl;
    std::string fResourceFile;
};
