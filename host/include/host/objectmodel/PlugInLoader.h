// PlugInLoader: loads every plug-in library of a folder and registers what each declares.
// A library that cannot be loaded, has no GetPlugIn or clashes with one already loaded is refused
// with a message naming the file; the others load on.
#pragma once

#include <string>
#include <vector>

#include "host/objectmodel/IPlugIn.h"

struct PlugInLoadResult {
    enum Reason { kLoaded, kNotALibrary, kNoEntryPoint, kNoPlugInObject, kClash };
    std::string file;
    Reason reason = kLoaded;
    std::string message;
    const IPlugIn* plugIn = nullptr;
};

class PlugInLoader {
public:
    static PlugInLoader& Instance();

    // Loads the libraries of the folder in file-name order, then starts their start-up services.
    std::vector<PlugInLoadResult> LoadFolder(const std::string& folder);
    PlugInLoadResult LoadLibrary(const std::string& file);
    // Registers a plug-in object directly (a plug-in linked into the program, as tests do).
    PlugInLoadResult RegisterPlugIn(const IPlugIn* plugIn, const std::string& file);
    const std::vector<const IPlugIn*>& GetLoadedPlugIns() const { return fLoaded; }
    const IPlugIn* FindPlugIn(PluginID id) const;

private:
    std::vector<const IPlugIn*> fLoaded;
};
