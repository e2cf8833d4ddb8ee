// The loadable Quillpane plug-in: its entry point; everything else comes from the QuillpaneCore
// library linked in whole.
#include "../NotesUIPlugIn.h"

PLUGIN_EXPORT IPlugIn* GetPlugIn();

IPlugIn* GetPlugIn() {
    return &NotesUIPlugIn::Instance();
}
