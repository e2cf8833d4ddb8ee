// HierarchyLoops: finds a loop in a document's spread tree, as a damaged file may hold one. Bounds,
// drawing and text areas follow parents and children without counting steps, so a document whose
// tree loops is refused when it opens rather than followed until the stack runs out.
#pragma once

#include <string>

class IDataBase;

class HierarchyLoops {
public:
    // What loops, as a phrase ("object 12 is its own ancestor"); empty when the tree holds none.
    static std::string Find(IDataBase* db);
};
