#include "NotesPlugIn.h"

#include <dlfcn.h>

#include "resources/NotesRegistration.h"

namespace {
std::string ModuleFile() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&GetPlugIn), &info) && info.dli_fname)
        return info.dli_fname;
    return {};
}
} // namespace

NotesPlugIn::NotesPlugIn() : fDeclaration(MakeNotesDeclaration()), fResourceFile(ModuleFile()) {}

NotesPlugIn& NotesPlugIn::Instance() {
    static NotesPlugIn plugIn;
    return plugIn;
}

IPlugIn* GetPlugIn() {
    return &NotesPlugIn::Instance();
}
