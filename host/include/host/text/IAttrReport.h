// IAttrReport: what a character attribute class tells the composer (on classes derived from
// kTextAttrBoss). TellComposition attaches the text adornments that draw the attribute's runs.
#pragma once

#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"

class IDrawingStyle;
class PMString;

class IAttrReport : public IPMUnknown {
public:
    enum { kDefaultIID = IID_IATTRREPORT };
    virtual bool16 IsParagraphAttribute() const = 0;
    // Hints about what a change of the attribute affects. The composer re-shapes a paragraph at
    // any attribute change whatever they say; they describe the attribute to other callers.
    // 0 nothing, 1 adornments only, 2 the glyphs as well.
    virtual int32 GetDrawingImpact() const = 0;
    // 0 no effect on shaping, 1 an effect.
    virtual int32 GetShapingImpact() const = 0;
    // 0 no effect on line breaks, 1 an effect.
    virtual int32 GetLineBreakImpact() const = 0;
    // 0 dropped when text is copied, 1 copied as it is, 2 copied with a value that follows
    // copies of owned items.
    virtual int32 GetCopyBehavior() const = 0;
    // Tells the drawing style which adornments the attribute (an object of this report's class
    // holding its value) attaches to the runs that carry it.
    virtual void TellComposition(const IPMUnknown* attribute, IDrawingStyle* style) const = 0;
    // Appends a description of the attribute for people.
    virtual void Describe(const IPMUnknown* attribute, PMString* into) const = 0;
};
