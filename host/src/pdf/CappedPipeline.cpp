#include "CappedPipeline.h"

#include <algorithm>
#include <stdexcept>

CappedPipeline::CappedPipeline(std::size_t capacity) : Pipeline("capped", nullptr), capacity_(capacity) {}

void CappedPipeline::write(unsigned char const* data, size_t len) {
    if (len == 0) {
        return;
    }
    const std::size_t room = capacity_ - data_.size();
    data_.append(reinterpret_cast<const char*>(data), std::min(room, len));
    if (len >= room) {
        reachedCapacity_ = true;
        // The engine catches this, ends the decoding and keeps what it wrote.
        throw std::length_error("decoded stream reached the requested size");
    }
}
