// LayerProperties: everything the user sets on a document layer, as the layer commands carry it.
#pragma once

#include "host/document/IDocumentLayer.h"

struct LayerProperties {
    PMString name;
    RGBColor color{0.31, 0.6, 1.0};
    bool16 visible = kTrue;
    bool16 locked = kFalse;
    bool16 guideVisible = kTrue;
    bool16 guideLocked = kFalse;
    bool16 printable = kTrue;
    bool16 ignoreWrapWhenHidden = kFalse;

    // The properties of a layer object, and writing them to one.
    static LayerProperties Of(const IDocumentLayer* layer);
    void ApplyTo(IDocumentLayer* layer) const;
};
