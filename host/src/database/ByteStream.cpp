#include "host/database/ByteStream.h"

#include <cstring>
#include <limits>

#include "host/database/IDataBase.h"
#include "host/util/IDTime.h"
#include "host/util/PMString.h"

namespace {
// Strings longer than this in a stream are treated as damage rather than allocated.
constexpr int32 kMaxStringUnits = 64 * 1024 * 1024;
} // namespace

void IPMStream::XferPoint(PMPoint& point) {
    PMReal x = point.X(), y = point.Y();
    XferReal(x);
    XferReal(y);
    if (IsReading())
        point = PMPoint(x, y);
}

ByteStream::ByteStream() : fReading(kFalse) {}

ByteStream::ByteStream(std::vector<uint8> bytes, const IDataBase* holder)
    : fReading(kTrue), fBytes(std::move(bytes)), fHolder(holder) {}

void ByteStream::Read(void* data, size_t length) {
    if (!fGood || fBytes.size() - fPosition < length) {
        fGood = kFalse;
        std::memset(data, 0, length);
        fPosition = fBytes.size();
        return;
    }
    std::memcpy(data, fBytes.data() + fPosition, length);
    fPosition += length;
}

void ByteStream::Write(const void* data, size_t length) {
    const auto* bytes = static_cast<const uint8*>(data);
    fBytes.insert(fBytes.end(), bytes, bytes + length);
}

// The host is little-endian (x86-64, arm64), so values are copied as they lie in memory.
#define XFER_SCALAR(value)                                                                                   \
    do {                                                                                                     \
        if (fReading)                                                                                        \
            Read(&(value), sizeof(value));                                                                   \
        else                                                                                                 \
            Write(&(value), sizeof(value));                                                                  \
    } while (false)

void ByteStream::XferInt32(int32& value) {
    XFER_SCALAR(value);
}
void ByteStream::XferInt64(int64& value) {
    XFER_SCALAR(value);
}
void ByteStream::XferBool(bool16& value) {
    XFER_SCALAR(value);
}
void ByteStream::XferReal(PMReal& value) {
    XFER_SCALAR(value);
}
void ByteStream::XferReference(UID& uid) {
    XFER_SCALAR(uid);
    if (fReading && fHolder && !fHolder->IsValidUID(uid))
        uid = kInvalidUID;
}
void ByteStream::XferID(ClassID& id) {
    XFER_SCALAR(id);
}

void ByteStream::XferBytes(void* data, int32 length) {
    if (length <= 0)
        return;
    if (fReading)
        Read(data, static_cast<size_t>(length));
    else
        Write(data, static_cast<size_t>(length));
}

void ByteStream::XferString(PMString& text) {
    int32 length = text.CharCount();
    XferInt32(length);
    if (!fReading) {
        Write(text.GetUTF16().data(), text.GetUTF16().size() * sizeof(char16_t));
        return;
    }
    if (length < 0 || length > kMaxStringUnits ||
        static_cast<size_t>(length) * sizeof(char16_t) > fBytes.size() - fPosition) {
        fGood = kFalse;
        fPosition = fBytes.size();
        text.Clear();
        return;
    }
    std::u16string units(static_cast<size_t>(length), u'\0');
    Read(units.data(), units.size() * sizeof(char16_t));
    text.SetUTF16(std::move(units));
}

void ByteStream::XferTime(IDTime& time) {
    int64 ticks = static_cast<int64>(time.GetTime());
    XferInt64(ticks);
    if (fReading)
        time.SetTime(static_cast<uint64>(ticks));
}
