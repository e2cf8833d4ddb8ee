// NotesPlugIn: the plug-in object the Annotations library hands the host through GetPlugIn.
#pragma once

#include "host/objectmodel/IPlugIn.h"

class NotesPlugIn final : public IPlugIn {
public:
    NotesPlugIn();
    const PlugInDeclaration& GetDeclaration() const override { return fDeclaration; }
    // The library the plug-in was loaded from, found from the module's own address.
    std::string GetResourceFile() const override { return fResourceFile; }
    static NotesPlugIn& Instance();

private:
    PlugInDeclaration fDeclaration;
    std::string fResourceFile;
};

PLUGIN_EXPORT IPlugIn* GetPlugIn();
