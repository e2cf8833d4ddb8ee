#include "NotesRecentImports.h"

#include <algorithm>

PMString NotesRecentImports::GetNth(int32 index) const {
    if (index < 0 || index >= GetCount())
        return PMString();
    return fPaths[static_cast<size_t>(index)];
}

void NotesRecentImports::Add(const PMString& path) {
    if (std::find(fPaths.begin(), fPaths.end(), path) == fPaths.end())
        fPaths.push_back(path);
}

void NotesRecentImports::Remove(const PMString& path) {
    std::erase(fPaths, path);
}
