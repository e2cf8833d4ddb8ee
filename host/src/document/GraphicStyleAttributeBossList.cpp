// GraphicStyleAttributeBossList: a page item's stored graphic attributes; the command form (on
// free-standing attribute lists) is the same list without persistence.
#include <algorithm>

#include "../database/CountedList.h"
#include "../objectmodel/HostImplementations.h"
#include "host/database/IPMStream.h"
#include "host/document/IGraphicAttrClassID.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"

namespace {
template <bool Persistent>
class GraphicStyleAttributeBossList final : public CPMUnknown<IGraphicStyleAttributeBossList> {
public:
    explicit GraphicStyleAttributeBossList(IPMUnknown* boss)
        : CPMUnknown<IGraphicStyleAttributeBossList>(boss) {}

    int32 CountBosses() const override { return static_cast<int32>(fAttributes.size()); }
    ClassID GetClassIDOfNthBoss(int32 index) const override { return GetNthAttribute(index).attributeClass; }
    GraphicAttribute GetNthAttribute(int32 index) const override {
        return index >= 0 && index < CountBosses() ? fAttributes[static_cast<size_t>(index)]
                                                   : GraphicAttribute();
    }
    bool16 GetAttribute(ClassID attributeClass, GraphicAttribute* attribute) const override {
        const auto found = Find(attributeClass);
        if (found == fAttributes.end())
            return kFalse;
        if (attribute)
            *attribute = *found;
        return kTrue;
    }
    void AddAttribute(const GraphicAttribute& attribute) override {
        Change();
        for (GraphicAttribute& existing : fAttributes)
            if (existing.attributeClass == attribute.attributeClass) {
                existing = attribute;
                return;
            }
        fAttributes.push_back(attribute);
    }
    ErrorCode AddAttribute(IPMUnknown* attributeBoss) override {
        InterfacePtr<IGraphicAttrClassID> value(attributeBoss, IID_IGRAPHICATTRCLASSID);
        if (!value)
            return kFailure;
        AddAttribute(
            GraphicAttribute::Class(Boss::FromUnknown(attributeBoss)->GetClass(), value->GetClassID()));
        return kSuccess;
    }
    void RemoveAttribute(ClassID attributeClass) override {
        if (Find(attributeClass) == fAttributes.end())
            return;
        Change();
        std::erase_if(fAttributes,
                      [&](const GraphicAttribute& a) { return a.attributeClass == attributeClass; });
    }
    void ClearAllAttributes() override {
        Change();
        fAttributes.clear();
    }

    void ReadWrite(IPMStream* stream, ImplementationID) override {
        if (!Persistent)
            return;
        CountedList::Xfer(stream, fAttributes, [](IPMStream* s, GraphicAttribute& attribute) {
            s->XferID(attribute.attributeClass);
            s->XferReal(attribute.real);
            s->XferReference(attribute.swatch);
            s->XferID(attribute.classValue);
        });
    }

private:
    std::vector<GraphicAttribute>::const_iterator Find(ClassID attributeClass) const {
        return std::find_if(fAttributes.begin(), fAttributes.end(),
                            [&](const GraphicAttribute& a) { return a.attributeClass == attributeClass; });
    }
    void Change() {
        if (Persistent)
            PreDirty();
    }
    std::vector<GraphicAttribute> fAttributes;
};
} // namespace

ImplementationDeclaration MakeGraphicStyleAttributeBossListImplementation(ImplementationID id,
                                                                          bool persistent) {
    return persistent ? IMPLEMENTATION(GraphicStyleAttributeBossList<true>, id, true)
                      : IMPLEMENTATION(GraphicStyleAttributeBossList<false>, id, false);
}
