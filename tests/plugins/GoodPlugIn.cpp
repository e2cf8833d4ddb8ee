// A small well-formed plug-in for the loader tests; built twice under two file names, so that the
// second copy clashes with the first.
#include <dlfcn.h>

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPlugIn.h"

namespace {
class GoodPlugIn final : public IPlugIn {
public:
    GoodPlugIn() {
        fDecl.id = 0x7E0A00;
        fDecl.name = "Good";
        fDecl.version = {1, 0, 0};
        fDecl.classes = {{0x7E0A01, kInvalidClass, "kGoodBoss", {{IID_IINTDATA, kIntDataImpl}}}};
    }
    const PlugInDeclaration& GetDeclaration() const override { return fDecl; }
    std::string GetResourceFile() const override {
        Dl_info info{};
        dladdr(reinterpret_cast<const void*>(&GetPlugInFileMarker), &info);
        return info.dli_fname ? info.dli_fname : "";
    }
    static void GetPlugInFileMarker() {}

private:
    PlugInDeclaration fDecl;
};
} // namespace

PLUGIN_EXPORT IPlugIn* GetPlugIn() {
    static GoodPlugIn plugIn;
    return &plugIn;
}
