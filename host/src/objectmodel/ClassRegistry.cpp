#include "host/objectmodel/ClassRegistry.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "host/objectmodel/HostIDs.h"

namespace {
std::string Hex(uint32 value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

constexpr int kMaxClassDepth = 64;
} // namespace

ClassRegistry& ClassRegistry::Instance() {
    static ClassRegistry registry;
    return registry;
}

std::string ClassRegistry::CheckDeclaration(const PlugInDeclaration& decl) const {
    std::set<ImplementationID> newImpls;
    for (const auto& impl : decl.implementations) {
        if (!impl.create)
            return "implementation " + Hex(impl.id) + " has no factory";
        if (fImplementations.count(impl.id) || fAliases.count(impl.id) || !newImpls.insert(impl.id).second)
            return "implementation ID " + Hex(impl.id) + " is already registered";
    }
    for (const auto& alias : decl.aliases) {
        if (fImplementations.count(alias.alias) || fAliases.count(alias.alias) ||
            !newImpls.insert(alias.alias).second)
            return "implementation ID " + Hex(alias.alias) + " is already registered";
    }
    const auto implKnown = [&](ImplementationID id) {
        return newImpls.count(id) > 0 || fImplementations.count(id) > 0 || fAliases.count(id) > 0;
    };
    for (const auto& alias : decl.aliases)
        if (!implKnown(alias.target) || alias.target == alias.alias)
            return "implementation alias " + Hex(alias.alias) + " names unknown implementation " +
                   Hex(alias.target);

    std::set<ClassID> newClasses;
    for (const auto& cls : decl.classes)
        if (fDeclared.count(cls.id) || !newClasses.insert(cls.id).second || cls.id == kInvalidClass)
            return "class ID " + Hex(cls.id) + " is already registered";
    const auto classKnown = [&](ClassID id) { return newClasses.count(id) > 0 || fDeclared.count(id) > 0; };
    for (const auto& cls : decl.classes) {
        if (cls.parent != kInvalidClass && !classKnown(cls.parent))
            return "class " + Hex(cls.id) + " derives from unknown class " + Hex(cls.parent);
        std::set<PMIID> iids;
        for (const auto& iface : cls.interfaces) {
            if (!implKnown(iface.impl))
                return "class " + Hex(cls.id) + " uses unknown implementation " + Hex(iface.impl);
            if (!iids.insert(iface.iid).second)
                return "class " + Hex(cls.id) + " declares interface " + Hex(iface.iid) + " twice";
        }
    }
    for (const auto& addIn : decl.addIns) {
        if (!classKnown(addIn.target))
            return "add-in to unknown class " + Hex(addIn.target);
        const auto existing = fAddIns.find(addIn.target);
        for (const auto& iface : addIn.interfaces) {
            if (!implKnown(iface.impl))
                return "add-in to class " + Hex(addIn.target) + " uses unknown implementation " +
                       Hex(iface.impl);
            if (existing != fAddIns.end())
                for (const auto& [owner, other] : existing->second)
                    if (other.iid == iface.iid)
                        return "interface " + Hex(iface.iid) + " on class " + Hex(addIn.target) +
                               " is already added by another plug-in";
        }
    }
    return {};
}

void ClassRegistry::Register(const PlugInDeclaration& decl) {
    for (const auto& impl : decl.implementations)
        fImplementations[impl.id] =
            ImplementationDefinition{impl.id, impl.create, impl.persistent, impl.name, decl.id};
    for (const auto& alias : decl.aliases)
        fAliases[alias.alias] = {alias.target, decl.id};
    for (const auto& cls : decl.classes) {
        fDeclared[cls.id] = cls;
        fClassOwners[cls.id] = decl.id;
    }
    for (const auto& addIn : decl.addIns)
        for (const auto& iface : addIn.interfaces)
            fAddIns[addIn.target].push_back({decl.id, iface});
    fDirty = true;
    ++fGeneration;
}

void ClassRegistry::Unregister(PluginID plugin) {
    std::erase_if(fImplementations, [&](const auto& e) { return e.second.owner == plugin; });
    std::erase_if(fAliases, [&](const auto& e) { return e.second.second == plugin; });
    for (auto it = fClassOwners.begin(); it != fClassOwners.end();) {
        if (it->second == plugin) {
            fDeclared.erase(it->first);
            it = fClassOwners.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& [target, list] : fAddIns)
        std::erase_if(list, [&](const auto& e) { return e.first == plugin; });
    fDirty = true;
    ++fGeneration;
}

std::vector<InterfaceDeclaration> ClassRegistry::ResolveClass(ClassID id, int depth) const {
    std::vector<InterfaceDeclaration> result;
    const auto declared = fDeclared.find(id);
    if (declared == fDeclared.end() || depth > kMaxClassDepth)
        return result;
    if (declared->second.parent != kInvalidClass)
        result = ResolveClass(declared->second.parent, depth + 1);
    const auto put = [&](const InterfaceDeclaration& iface) {
        auto same =
            std::find_if(result.begin(), result.end(), [&](const auto& e) { return e.iid == iface.iid; });
        if (same != result.end())
            *same = iface; // a class overrides what it inherits
        else
            result.push_back(iface);
    };
    for (const auto& iface : declared->second.interfaces)
        put(iface);
    if (const auto addIns = fAddIns.find(id); addIns != fAddIns.end())
        for (const auto& [owner, iface] : addIns->second)
            put(iface);
    return result;
}

void ClassRegistry::Resolve() const {
    if (!fDirty)
        return;
    fResolved.clear();
    for (const auto& [id, decl] : fDeclared) {
        ClassDefinition def;
        def.id = id;
        def.parent = decl.parent;
        def.name = decl.name ? decl.name : "";
        def.owner = fClassOwners.at(id);
        def.resolved = ResolveClass(id, 0);
        def.persistent = std::any_of(def.resolved.begin(), def.resolved.end(),
                                     [](const auto& e) { return e.iid == IID_IPMPERSIST; });
        fResolved.emplace(id, std::move(def));
    }
    fDirty = false;
}

const ClassDefinition* ClassRegistry::FindClass(ClassID id) const {
    Resolve();
    const auto found = fResolved.find(id);
    return found == fResolved.end() ? nullptr : &found->second;
}

const ImplementationDefinition* ClassRegistry::FindImplementation(ImplementationID id) const {
    for (int hops = 0; hops < kMaxClassDepth; ++hops) {
        if (const auto impl = fImplementations.find(id); impl != fImplementations.end())
            return &impl->second;
        const auto alias = fAliases.find(id);
        if (alias == fAliases.end())
            return nullptr;
        id = alias->second.first;
    }
    return nullptr;
}

bool ClassRegistry::IsDerivedFrom(ClassID classID, ClassID ancestor) const {
    for (int depth = 0; depth < kMaxClassDepth && classID != kInvalidClass; ++depth) {
        if (classID == ancestor)
            return true;
        const auto declared = fDeclared.find(classID);
        if (declared == fDeclared.end())
            return false;
        classID = declared->second.parent;
    }
    return false;
}

int32 ClassRegistry::CountClasses(PluginID plugin) const {
    return static_cast<int32>(std::count_if(fClassOwners.begin(), fClassOwners.end(),
                                            [&](const auto& e) { return e.second == plugin; }));
}

int32 ClassRegistry::CountImplementations(PluginID plugin) const {
    return static_cast<int32>(std::count_if(fImplementations.begin(), fImplementations.end(),
                                            [&](const auto& e) { return e.second.owner == plugin; }));
}

std::optional<PluginID> ClassRegistry::GetOwner(ClassID classID) const {
    const auto owner = fClassOwners.find(classID);
    if (owner == fClassOwners.end())
        return std::nullopt;
    return owner->second;
}
