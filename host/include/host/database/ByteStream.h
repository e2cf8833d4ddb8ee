// ByteStream: an IPMStream over a byte buffer, for reading or for writing.
#pragma once

#include <vector>

#include "host/database/IPMStream.h"

class IDataBase;

class ByteStream final : public IPMStream {
public:
    // A writing stream that appends to its own buffer.
    ByteStream();
    // A reading stream over bytes (copied). With a holder, a reference to a UID the holder does not
    // hold reads as kInvalidUID, so a damaged file's dangling references are never followed.
    explicit ByteStream(std::vector<uint8> bytes, const IDataBase* holder = nullptr);

    bool16 IsReading() const override { return fReading; }
    bool16 IsWriting() const override { return !fReading; }
    bool16 IsGood() const override { return fGood; }
    void XferInt32(int32& value) override;
    void XferInt64(int64& value) override;
    void XferBool(bool16& value) override;
    void XferReal(PMReal& value) override;
    void XferReference(UID& uid) override;
    void XferID(ClassID& id) override;
    void XferString(PMString& text) override;
    void XferTime(IDTime& time) override;
    void XferBytes(void* data, int32 length) override;

    const std::vector<uint8>& GetBytes() const { return fBytes; }
    bool AtEnd() const { return fPosition >= fBytes.size(); }

private:
    void Read(void* data, size_t length);
    void Write(const void* data, size_t length);

    bool16 fReading;
    bool16 fGood = kTrue;
    std::vector<uint8> fBytes;
    const IDataBase* fHolder = nullptr;
    size_t fPosition = 0;
};
