// IPMStream: the stream persistent implementations read and write their fields through.
// The same calls serve both directions: XferInt32(x) reads into x or writes x.
// Values are little-endian; a read past the end yields zeros and marks the stream bad.
#pragma once

#include "host/database/UID.h"
#include "host/objectmodel/ObjectIDs.h"
#include "host/util/Geometry.h"

class PMString;
class IDTime;

class IPMStream {
public:
    virtual ~IPMStream() = default;
    virtual bool16 IsReading() const = 0;
    virtual bool16 IsWriting() const = 0;
    // False once a read ran past the end or met malformed data.
    virtual bool16 IsGood() const = 0;

    virtual void XferInt32(int32& value) = 0;
    virtual void XferInt64(int64& value) = 0;
    virtual void XferBool(bool16& value) = 0; // 16 bits
    virtual void XferReal(PMReal& value) = 0; // 64-bit IEEE
    virtual void XferReference(UID& uid) = 0; // a UID reference
    virtual void XferID(ClassID& id) = 0;     // a class or other 32-bit ID
    // Length in UTF-16 code units (int32), then the code units (16 bits each).
    virtual void XferString(PMString& text) = 0;
    // The time's 64-bit tick count.
    virtual void XferTime(IDTime& time) = 0;
    virtual void XferBytes(void* data, int32 length) = 0;
    void XferPoint(PMPoint& point);
};
