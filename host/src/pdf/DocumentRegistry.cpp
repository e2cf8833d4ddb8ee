#include "DocumentRegistry.h"

#include "PDDocRec.h"
#include "host/pdf/ACExceptionFrame.h"

DocumentRegistry& DocumentRegistry::instance() {
    static DocumentRegistry registry;
    return registry;
}

std::uint32_t DocumentRegistry::add(PDDocRec* doc) {
    std::lock_guard lock(mutex_);
    // Id 0 marks the null object; after four billion opens there are no
    // fresh ids left, and reusing one could revive stale objects.
    if (nextId_ == 0) {
        ASRaise(genErrGeneral);
    }
    const std::uint32_t id = nextId_++;
    documents_.emplace(id, doc);
    return id;
}

void DocumentRegistry::remove(std::uint32_t id) {
    std::lock_guard lock(mutex_);
    documents_.erase(id);
}

PDDocRec* DocumentRegistry::find(std::uint32_t id) const {
    std::lock_guard lock(mutex_);
    auto found = documents_.find(id);
    return found == documents_.end() ? nullptr : found->second;
}

PDDocRec* DocumentRegistry::streamOwner(const ASStmRec* stream) const {
    std::lock_guard lock(mutex_);
    for (const auto& [id, doc] : documents_) {
        if (doc->ownsStream(stream)) {
            return doc;
        }
    }
    return nullptr;
}
