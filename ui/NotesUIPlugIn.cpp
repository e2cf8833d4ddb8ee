#include "NotesUIPlugIn.h"

#include "NotesUIImportDialogDeclaration.h"
#include "NotesUIStrings.h"
#include "QuillpaneID.h"

namespace {
// Any function of the library names its file; this one is the library's own even when the plug-in
// is linked into a test program with the core plug-in.
std::string ModuleFile() {
    return ModuleFileOf(reinterpret_cast<const void*>(&ModuleFile));
}

PlugInDeclaration MakeDeclaration() {
    PlugInDeclaration decl;
    decl.id = kNotesUIPluginID;
    decl.name = kNotesUIPluginName;
    decl.version = {kNotesUIMajorVersion, kNotesUIMinorVersion, kNotesUIBugfixVersion};
    decl.buildText = "1.1.5";
    decl.stringTables = {{"enUS", false, NotesUIEnglishStrings()}, {"enUS", true, {}}};
    AddImportDialogDeclaration(&decl);
    return decl;
}
} // namespace

NotesUIPlugIn::NotesUIPlugIn() : fDeclaration(MakeDeclaration()), fResourceFile(ModuleFile()) {}

NotesUIPlugIn& NotesUIPlugIn::Instance() {
    static NotesUIPlugIn plugIn;
    return plugIn;
}
