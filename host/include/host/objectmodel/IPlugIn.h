// IPlugIn: the object a plug-in library hands the host from its exported GetPlugIn function.
#pragma once

#include <string>

#include "host/objectmodel/PlugInDeclaration.h"

class IPlugIn {
public:
    virtual ~IPlugIn() = default;
    virtual const PlugInDeclaration& GetDeclaration() const = 0;
    // The library file the plug-in was loaded from, recorded at load for resource access.
    virtual std::string GetResourceFile() const = 0;
};

// The file of the loaded library (or program) that holds the code at address.
std::string ModuleFileOf(const void* address);

// Signature of the one entry point every plug-in library exports.
extern "C" {
using GetPlugInFunction = IPlugIn* (*)();
}

#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
