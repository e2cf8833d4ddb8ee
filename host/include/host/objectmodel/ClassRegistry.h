// ClassRegistry: classes with their parents and interfaces, implementation factories, add-ins.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/objectmodel/PlugInDeclaration.h"

struct ClassDefinition {
    ClassID id = kInvalidClass;
    ClassID parent = kInvalidClass;
    std::string name;
    PluginID owner = 0;
    // Own interfaces, then the inherited ones it does not override, then add-ins; resolved on use.
    std::vector<InterfaceDeclaration> resolved;
    bool persistent = false;
};

struct ImplementationDefinition {
    ImplementationID id = kInvalidImpl;
    ImplementationFactory create = nullptr;
    bool persistent = false;
    std::string name;
    PluginID owner = 0;
};

class ClassRegistry {
public:
    static ClassRegistry& Instance();

    // Checks that a declaration can be registered without clashing; an empty answer means it can.
    std::string CheckDeclaration(const PlugInDeclaration& declaration) const;
    // Registers everything of a declaration that CheckDeclaration accepted.
    void Register(const PlugInDeclaration& declaration);
    // Removes everything a plug-in registered (used when a library is refused or unloaded).
    void Unregister(PluginID plugin);

    const ClassDefinition* FindClass(ClassID id) const;
    // Follows aliases to the implementation that makes instances.
    const ImplementationDefinition* FindImplementation(ImplementationID id) const;
    bool IsDerivedFrom(ClassID classID, ClassID ancestor) const;
    int32 CountClasses(PluginID plugin) const;
    int32 CountImplementations(PluginID plugin) const;
    std::optional<PluginID> GetOwner(ClassID classID) const;
    // Grows with every registration change, so objects made earlier can tell they are outdated.
    uint32 GetGeneration() const { return fGeneration; }

private:
    void Resolve() const;
    std::vector<InterfaceDeclaration> ResolveClass(ClassID id, int depth) const;

    std::map<ClassID, ClassDeclaration> fDeclared;
    std::map<ClassID, PluginID> fClassOwners;
    std::map<ClassID, std::vector<std::pair<PluginID, InterfaceDeclaration>>> fAddIns;
    std::map<ImplementationID, ImplementationDefinition> fImplementations;
    std::map<ImplementationID, std::pair<ImplementationID, PluginID>> fAliases;
    mutable std::map<ClassID, ClassDefinition> fResolved;
    mutable bool fDirty = true;
    uint32 fGeneration = 0;
};

// Registers an implementation class with its factory: REGISTER_IMPLEMENTATION(MyImpl, kMyImpl, false).
template <class T> ImplementationBase* MakeImplementation(IPMUnknown* boss) {
    return new T(boss);
}
#define IMPLEMENTATION(Type, ImplID, Persistent)                                                             \
    ImplementationDeclaration {                                                                              \
        ImplID, &MakeImplementation<Type>, Persistent, #Type                                                 \
    }
