// NotesUIPlugIn: the plug-in object the Quillpane library hands the host through GetPlugIn (defined
// by the loadable module, so that tests can link the plug-in beside the core plug-in).
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
