// The loadable Quillpane plug-in: its entry point; everything else comes from the QuillpaneCore
// library linked in whole. The entry point lives here so that tests can link QuillpaneCore next to
// the core plug-in's own library, which has an entry point of the same name.
#include "NotesUIPlugIn.h"

IPlugIn* GetPlugIn() {
    return &NotesUIPlugIn::Instance();
}
