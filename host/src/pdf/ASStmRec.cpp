#include "ASStmRec.h"

#include "CappedPipeline.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::size_t kFirstDecodeBytes = 4096;
constexpr auto kMaxBytes = static_cast<std::size_t>(CosMaxDecodedStreamBytes);
} // namespace

ASStmRec::ASStmRec(QPDFObjectHandle stream, qpdf_stream_decode_level_e decodeLevel)
    : stream_(std::move(stream)), decodeLevel_(decodeLevel) {}

std::size_t ASStmRec::read(char* out, std::size_t bytes) {
    const std::size_t wanted = std::min(bytes, kMaxBytes - std::min(position_, kMaxBytes));
    decodeThrough(position_ + wanted);
    const std::size_t available = data_.size() > position_ ? data_.size() - position_ : 0;
    const std::size_t count = std::min(wanted, available);
    std::memcpy(out, data_.data() + position_, count);
    position_ += count;
    return count;
}

void ASStmRec::decodeThrough(std::size_t end) {
    while (!complete_ && data_.size() < end && decodedRoom_ < kMaxBytes) {
        decodedRoom_ = std::min(kMaxBytes, std::max({end, decodedRoom_ * 2, kFirstDecodeBytes}));
        CappedPipeline sink(decodedRoom_);
        bool filtered = false;
        // Warnings stay quiet: a damaged stream simply ends early.
        stream_.pipeStreamData(&sink, &filtered, 0, decodeLevel_, true, false);
        complete_ = !sink.reachedCapacity();
        data_ = std::move(sink.data());
    }
}
