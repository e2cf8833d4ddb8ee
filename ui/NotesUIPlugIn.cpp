#include "NotesUIPlugIn.h"

#include "NotesUIStrings.h"
#include "QuillpaneID.h"

namespace {
std::string ModuleFile() {
    return ModuleFileOf(reinterpret_cast<const void*>(&GetPlugIn));
}

PlugInDeclaration MakeDeclaration() {
    PlugInDeclaration decl;
    decl.id = kNotesUIPluginID;
    decl.name = kNotesUIPluginName;
    decl.version = {kNotesUIMajorVersion, kNotesUIMinorVersion, kNotesUIBugfixVersion};
    decl.buildText = "1.1.5";
    decl.stringTables = {{"enUS", false, NotesUIEnglishStrings()}, {"enUS", true, {}}};
    return decl;
}
} // namespace

NotesUIPlugIn::NotesUIPlugIn() : fDeclaration(MakeDeclaration()), fResourceFile(ModuleFile()) {}

NotesUIPlugIn& NotesUIPlugIn::Instance() {
    static NotesUIPlugIn plugIn;
    return plugIn;
}

IPlugIn* GetPlugIn() {
    return &NotesUIPlugIn::Instance();
}
