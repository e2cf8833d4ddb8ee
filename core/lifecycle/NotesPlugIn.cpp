#include "NotesPlugIn.h"

#include "resources/NotesRegistration.h"

namespace {
std::string ModuleFile() {
    return ModuleFileOf(reinterpret_cast<const void*>(&GetPlugIn));
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
