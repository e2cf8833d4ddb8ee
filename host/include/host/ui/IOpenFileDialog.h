// IOpenFileDialog (objects of kOpenFileDialogBoss): asks the user for files to open. The installed
// FileDialogResponder answers; without one the dialog counts as cancelled.
#pragma once

#include <string>
#include <vector>

#include "host/objectmodel/IPMUnknown.h"
#include "host/ui/UIIDs.h"
#include "host/util/IDFile.h"
#include "host/util/PMString.h"

class IOpenFileDialog : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IOPENFILEDIALOG };
    // Offers files of a family ("PDF documents") with the extension ("pdf", no dot); with filters, only
    // files matching one of them are accepted.
    virtual void AddFilter(const PMString& family, const std::string& extension) = 0;
    // Asks; kTrue when at least one acceptable file was chosen. With allowMultiple off at most one is.
    virtual bool16 DoDialog(const IDFile* defaultLocation, std::vector<IDFile>* chosen,
                            bool16 allowMultiple = kFalse, const PMString& title = PMString()) = 0;
};
