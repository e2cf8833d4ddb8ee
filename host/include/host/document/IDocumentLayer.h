// IDocumentLayer: a layer of the document with its name, colour and six switches.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/util/Geometry.h"
#include "host/util/PMString.h"

// A colour as red, green and blue from 0 to 1 (layer colours, swatch conversions).
struct RGBColor {
    PMReal red = 0.0;
    PMReal green = 0.0;
    PMReal blue = 0.0;
    bool operator==(const RGBColor& o) const = default;
};

class IDocumentLayer : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IDOCUMENTLAYER };

    virtual PMString GetName() const = 0;
    virtual void SetName(const PMString& name) = 0;
    virtual RGBColor GetColor() const = 0;
    virtual void SetColor(const RGBColor& color) = 0;

    // Hidden layers are not drawn.
    virtual bool16 IsVisible() const = 0;
    virtual void SetVisible(bool16 visible) = 0;
    // Items of a locked layer cannot be selected or changed by the user.
    virtual bool16 IsLocked() const = 0;
    virtual void SetLocked(bool16 locked) = 0;
    virtual bool16 IsGuideVisible() const = 0;
    virtual void SetGuideVisible(bool16 visible) = 0;
    virtual bool16 IsGuideLocked() const = 0;
    virtual void SetGuideLocked(bool16 locked) = 0;
    // Non-printing layers are left out when printing or exporting.
    virtual bool16 IsPrintable() const = 0;
    virtual void SetPrintable(bool16 printable) = 0;
    // When set, the layer's items do not push text aside while the layer is hidden.
    virtual bool16 IsIgnoreWrapWhenHidden() const = 0;
    virtual void SetIgnoreWrapWhenHidden(bool16 ignore) = 0;
};
