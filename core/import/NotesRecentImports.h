// NotesRecentImports: INotesRecentImports as an in-memory list in insertion order, without an upper
// bound; paths are compared as the host compares strings (exact UTF-16 equality).
#pragma once

#include <vector>

#include "INotesRecentImports.h"
#include "host/objectmodel/CPMUnknown.h"

class NotesRecentImports final : public CPMUnknown<INotesRecentImports> {
public:
    explicit NotesRecentImports(IPMUnknown* boss) : CPMUnknown<INotesRecentImports>(boss) {}

    int32 GetCount() const override { return static_cast<int32>(fPaths.size()); }
    PMString GetNth(int32 index) const override;
    void Add(const PMString& path) override;
    void Remove(const PMString& path) override;

private:
    std::vector<PMString> fPaths;
};
