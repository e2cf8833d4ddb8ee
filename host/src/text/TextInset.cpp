// TextInset: the stored inset of a text frame, zero on every side until set.
#include <algorithm>

#include "TextImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/ITextInset.h"

namespace {
class TextInset final : public CPMUnknown<ITextInset> {
public:
    explicit TextInset(IPMUnknown* boss) : CPMUnknown<ITextInset>(boss) {}

    PMRect GetInset() const override { return PMRect(fLeft, fTop, fRight, fBottom); }
    void SetInset(PMReal left, PMReal top, PMReal right, PMReal bottom) override {
        PreDirty();
        fLeft = std::max(0.0, left);
        fTop = std::max(0.0, top);
        fRight = std::max(0.0, right);
        fBottom = std::max(0.0, bottom);
    }
    void ReadWrite(IPMStream* stream, ImplementationID) override {
        stream->XferReal(fLeft);
        stream->XferReal(fTop);
        stream->XferReal(fRight);
        stream->XferReal(fBottom);
    }

private:
    PMReal fLeft = 0.0;
    PMReal fTop = 0.0;
    PMReal fRight = 0.0;
    PMReal fBottom = 0.0;
};
} // namespace

ImplementationDeclaration MakeTextInsetImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextInset, id, true);
}
