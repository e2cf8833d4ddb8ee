// CountedList: a list streamed as its count and then its elements. Reading takes the elements one
// at a time and only while the stream stays good, so a damaged count can make a reader neither
// allocate nor loop beyond the data that is really there.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "host/database/IPMStream.h"

namespace CountedList {
// Transfers elements with xferElement(stream, element) for each; reading replaces the list.
template <class T, class XferElement>
void Xfer(IPMStream* stream, std::vector<T>& elements, XferElement xferElement) {
    int32 count = static_cast<int32>(elements.size());
    stream->XferInt32(count);
    if (!stream->IsReading()) {
        for (T& element : elements)
            xferElement(stream, element);
        return;
    }
    elements.clear();
    for (int32 n = 0; n < count && stream->IsGood(); ++n) {
        T element{};
        xferElement(stream, element);
        if (stream->IsGood())
            elements.push_back(std::move(element));
    }
}

// Transfers count plain elements (bytes, code units) as their in-memory bytes, count being
// transferred by the caller. Reading grows the buffer a piece at a time while the stream stays
// good, so a damaged count allocates no more than a piece beyond the data; data cut short reads
// as none.
template <class Buffer> void XferPlain(IPMStream* stream, Buffer& data, int32 count) {
    using Element = typename Buffer::value_type;
    if (!stream->IsReading()) {
        stream->XferBytes(data.data(), static_cast<int32>(data.size() * sizeof(Element)));
        return;
    }
    constexpr int32 kPiece = 1 << 16;
    data.clear();
    for (int32 done = 0; done < count && stream->IsGood();) {
        const int32 piece = std::min(kPiece, count - done);
        data.resize(static_cast<size_t>(done + piece));
        stream->XferBytes(data.data() + done, piece * static_cast<int32>(sizeof(Element)));
        done += piece;
    }
    if (!stream->IsGood())
        data.clear();
}

// The same for a list of UID references; a reference that reads as none (a dangling one the
// stream dropped) leaves the list.
inline void XferReferences(IPMStream* stream, std::vector<UID>& uids) {
    Xfer(stream, uids, [](IPMStream* s, UID& uid) { s->XferReference(uid); });
    if (stream->IsReading())
        std::erase(uids, kInvalidUID);
}
} // namespace CountedList
