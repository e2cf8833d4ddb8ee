#include "HierarchyLoops.h"

#include <unordered_map>
#include <utility>
#include <vector>

#include "Query.h"
#include "host/document/IHierarchy.h"

namespace {
enum class Mark { kOnPath, kDone };
using Marks = std::unordered_map<UID, Mark>;
using Hierarchies = std::unordered_map<UID, InterfacePtr<IHierarchy>>;

std::string OwnAncestor(UID uid) {
    return "object " + std::to_string(uid) + " is its own ancestor";
}

// Follows parents from start; a parent met again on the same walk closes a loop.
std::string FindParentLoop(const Hierarchies& hierarchies, UID start, Marks& marks) {
    std::vector<UID> path;
    UID current = start;
    while (current != kInvalidUID && !marks.count(current)) {
        const auto found = hierarchies.find(current);
        if (found == hierarchies.end())
            break;
        marks[current] = Mark::kOnPath;
        path.push_back(current);
        current = found->second->GetParentUID();
    }
    const bool loops = current != kInvalidUID && marks.count(current) && marks[current] == Mark::kOnPath;
    for (UID walked : path)
        marks[walked] = Mark::kDone;
    return loops ? OwnAncestor(current) : std::string();
}

// Depth first down the children with its own stack; a child still being walked closes a loop.
std::string FindChildLoop(const Hierarchies& hierarchies, UID start, Marks& marks) {
    struct Step {
        UID uid;
        IHierarchy* node;
        int32 next;
    };
    std::vector<Step> stack;
    const auto enter = [&](UID uid) {
        const auto found = hierarchies.find(uid);
        if (found == hierarchies.end())
            return;
        marks[uid] = Mark::kOnPath;
        stack.push_back(Step{uid, found->second.get(), 0});
    };
    enter(start);
    while (!stack.empty()) {
        auto& [uid, node, next] = stack.back();
        if (next >= node->GetChildCount()) {
            marks[uid] = Mark::kDone;
            stack.pop_back();
            continue;
        }
        const UID child = node->GetChildUID(next++);
        const auto mark = marks.find(child);
        if (mark == marks.end())
            enter(child);
        else if (mark->second == Mark::kOnPath)
            return OwnAncestor(child);
    }
    return {};
}
} // namespace

std::string HierarchyLoops::Find(IDataBase* db) {
    Hierarchies hierarchies;
    for (UID uid : db->GetAllUIDs())
        if (InterfacePtr<IHierarchy> hierarchy = Query::Get<IHierarchy>(db, uid))
            hierarchies.emplace(uid, std::move(hierarchy));
    Marks parents;
    Marks children;
    for (const auto& [uid, hierarchy] : hierarchies) {
        if (std::string loop = FindParentLoop(hierarchies, uid, parents); !loop.empty())
            return loop;
        if (children.count(uid))
            continue;
        if (std::string loop = FindChildLoop(hierarchies, uid, children); !loop.empty())
            return loop;
    }
    return {};
}
