// NotesUIPlugIn: the plug-in object the Quillpane library hands the host through GetPlugIn.
#pragma once

#include "host/objectmodel/IPlugIn.h"

class NotesUIPlugIn final : public IPlugIn {
public:
    NotesUIPlugIn();
    const PlugInDeclaration& GetDeclaration() const override { return fDeclaration; }
    std::string GetResourceFile() const override { return fResourceFile; }
    static NotesUIPlugIn& Instance();

private:
    PlugInDeclaration fDeclaration;
    std::string fResourceFile;
};

PLUGIN_EXPORT IPlugIn* GetPlugIn();
