// Document: the IDocument of the document object; its name is stored with it.
#include "host/database/IPMStream.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "../objectmodel/HostImplementations.h"

namespace {
class Document final : public CPMUnknown<IDocument> {
public:
    explicit Document(IPMUnknown* boss) : CPMUnknown<IDocument>(boss) {}
    IDataBase* GetDocumentDataBase() const override { return GetBoss()->GetDataBase(); }
    PMString GetName() const override { return fName; }
    void SetName(const PMString& name) override {
        PreDirty();
        fName = name;
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override { stream->XferString(fName); }

private:
    PMString fName;
};
} // namespace

ImplementationDeclaration MakeDocumentImplementation(ImplementationID id) { return IMPLEMENTATION(Document, id, true); }
