// IDocument: the document object (class 0xE01), the root of its database.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/PMString.h"

class IDataBase;

class IDocument : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IDOCUMENT };
    virtual IDataBase* GetDocumentDataBase() const = 0;
    virtual PMString GetName() const = 0;
    virtual void SetName(const PMString& name) = 0;
};
