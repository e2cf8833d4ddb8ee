// Maps document ids to open documents, so that a CosObj (which carries only
// an id and a slot) can tell an open document from a closed one instead of
// following a dangling pointer. Ids are never reused within a process.
#pragma once

#include <cstdint>
#include <mutex>
#include <unordered_map>

class PDDocRec;
class ASStmRec;

class DocumentRegistry {
public:
    static DocumentRegistry& instance();

    std::uint32_t add(PDDocRec* doc);
    void remove(std::uint32_t id);
    // nullptr when the document was closed (or never existed).
    PDDocRec* find(std::uint32_t id) const;
    // The open document that owns an open stream; nullptr when the stream
    // or its document was closed.
    PDDocRec* streamOwner(const ASStmRec* stream) const;

private:
    DocumentRegistry() = default;

    mutable std::mutex mutex_;
    std::unordered_map<std::uint32_t, PDDocRec*> documents_;
    std::uint32_t nextId_ = 1;
};
