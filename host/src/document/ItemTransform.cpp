// ItemTransform: the stored inner-to-parent matrix of a spread, page or page item; pasteboard
// transforms concatenate it with those of the ancestors (spread layers have none).
#include "../objectmodel/HostImplementations.h"
#include "Query.h"
#include "host/database/IPMStream.h"
#include "host/document/IHierarchy.h"
#include "host/document/ITransform.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"

namespace {
class ItemTransform final : public CPMUnknown<ITransform> {
public:
    explicit ItemTransform(IPMUnknown* boss) : CPMUnknown<ITransform>(boss) {}

    PMMatrix GetInnerToParentMatrix() const override { return fMatrix; }
    void SetInnerToParentMatrix(const PMMatrix& matrix) override {
        PreDirty();
        fMatrix = matrix;
    }

    PMMatrix InnerToPasteboardMatrix() const override {
        PMMatrix result = fMatrix;
        IDataBase* db = GetBoss()->GetDataBase();
        InterfacePtr<IHierarchy> hierarchy(this, IID_IHIERARCHY);
        UID parent = hierarchy ? hierarchy->GetParentUID() : kInvalidUID;
        for (int depth = 0; parent != kInvalidUID && depth < 256; ++depth) {
            if (InterfacePtr<ITransform> parentTransform = Query::Get<ITransform>(db, parent))
                result.Concat(parentTransform->GetInnerToParentMatrix());
            InterfacePtr<IHierarchy> parentHierarchy = Query::Get<IHierarchy>(db, parent);
            parent = parentHierarchy ? parentHierarchy->GetParentUID() : kInvalidUID;
        }
        return result;
    }
    PMMatrix PasteboardToInnerMatrix() const override {
        PMMatrix inverse = InnerToPasteboardMatrix();
        inverse.Invert();
        return inverse;
    }
    PMReal GetItemRotationAngle() const override { return InnerToPasteboardMatrix().GetRotationAngle(); }

    void TransformInnerPointToPasteboard(PMPoint* point) const override {
        InnerToPasteboardMatrix().Transform(point);
    }
    void TransformPasteboardPointToInner(PMPoint* point) const override {
        PasteboardToInnerMatrix().Transform(point);
    }
    void TransformInnerRectToPasteboard(PMRect* rect) const override {
        *rect = InnerToPasteboardMatrix().TransformRect(*rect);
    }
    void TransformPasteboardRectToInner(PMRect* rect) const override {
        *rect = PasteboardToInnerMatrix().TransformRect(*rect);
    }
    void TransformPasteboardPathToInner(PMPathPointList* path) const override {
        const PMMatrix matrix = PasteboardToInnerMatrix();
        for (PMPathPoint& point : *path)
            point.Transform(matrix);
    }
    void TransformInnerPathToPasteboard(PMPathPointList* path) const override {
        const PMMatrix matrix = InnerToPasteboardMatrix();
        for (PMPathPoint& point : *path)
            point.Transform(matrix);
    }

    void ReadWrite(IPMStream* stream, ImplementationID) override {
        PMReal values[6] = {fMatrix.A(), fMatrix.B(), fMatrix.C(), fMatrix.D(), fMatrix.Tx(), fMatrix.Ty()};
        for (PMReal& value : values)
            stream->XferReal(value);
        if (stream->IsReading())
            fMatrix = PMMatrix(values[0], values[1], values[2], values[3], values[4], values[5]);
    }

private:
    PMMatrix fMatrix;
};
} // namespace

ImplementationDeclaration MakeItemTransformImplementation(ImplementationID id) {
    return IMPLEMENTATION(ItemTransform, id, true);
}
