// ChangeStamp: numbers that strands take on every change (undo and reading included), unique in
// the process, so equal stamps mean unchanged contents.
#pragma once

#include <atomic>

#include "host/util/BaseTypes.h"

namespace ChangeStamp {
inline uint64 Next() {
    static std::atomic<uint64> counter{0};
    return ++counter;
}
} // namespace ChangeStamp
