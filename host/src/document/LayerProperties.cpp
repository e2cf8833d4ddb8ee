#include "host/document/LayerProperties.h"

LayerProperties LayerProperties::Of(const IDocumentLayer* layer) {
    LayerProperties p;
    p.name = layer->GetName();
    p.color = layer->GetColor();
    p.visible = layer->IsVisible();
    p.locked = layer->IsLocked();
    p.guideVisible = layer->IsGuideVisible();
    p.guideLocked = layer->IsGuideLocked();
    p.printable = layer->IsPrintable();
    p.ignoreWrapWhenHidden = layer->IsIgnoreWrapWhenHidden();
    return p;
}

void LayerProperties::ApplyTo(IDocumentLayer* layer) const {
    layer->SetVisible(visible);
    layer->SetLocked(locked);
    layer->SetColor(color);
    layer->SetGuideVisible(guideVisible);
    layer->SetGuideLocked(guideLocked);
    layer->SetPrintable(printable);
    layer->SetIgnoreWrapWhenHidden(ignoreWrapWhenHidden);
    layer->SetName(name);
}
