#include "host/objectmodel/Boss.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "host/database/ByteStream.h"
#include "host/database/IDataBase.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/HostIDs.h"

namespace {
[[noreturn]] void ObjectModelFault(const char* what, ClassID classID) {
    std::fprintf(stderr, "object model fault: %s (class 0x%X)\n", what, classID);
    std::abort();
}
} // namespace

Boss* Boss::Create(ClassID classID, IDataBase* db, uint32 uid) {
    const ClassDefinition* definition = ClassRegistry::Instance().FindClass(classID);
    if (!definition)
        return nullptr;
    Boss* boss = new Boss(*definition, db, uid);
    boss->fRefCount = 1;
    return boss;
}

Boss* Boss::FromUnknown(const IPMUnknown* unknown) {
    if (!unknown)
        return nullptr;
    if (const auto* boss = dynamic_cast<const Boss*>(unknown))
        return const_cast<Boss*>(boss);
    if (const auto* impl = dynamic_cast<const ImplementationBase*>(unknown))
        return impl->GetBoss();
    return nullptr;
}

Boss::Boss(const ClassDefinition& definition, IDataBase* db, uint32 uid)
    : fClass(definition.id), fDataBase(db), fUID(uid) {
    fEntries.reserve(definition.resolved.size());
    for (const InterfaceDeclaration& decl : definition.resolved)
        fEntries.push_back(Entry{decl.iid, decl.impl, nullptr});
}

Boss::~Boss() {
    // Implementations may query siblings while they are destroyed; clear them in reverse order.
    for (auto it = fEntries.rbegin(); it != fEntries.rend(); ++it)
        it->instance.reset();
    fAliveMark = 0;
}

void Boss::CheckAlive() const {
    if (fAliveMark != kAliveMark)
        ObjectModelFault("use of an object after its last reference was released", fClass);
}

ImplementationBase* Boss::Instantiate(Entry& entry) const {
    if (entry.instance)
        return entry.instance.get();
    const ImplementationDefinition* impl = ClassRegistry::Instance().FindImplementation(entry.impl);
    if (!impl || !impl->create)
        return nullptr;
    ImplementationBase* instance = impl->create(const_cast<Boss*>(this));
    if (!instance)
        return nullptr;
    instance->SetImplementationID(entry.impl);
    entry.instance.reset(instance);
    return instance;
}

IPMUnknown* Boss::QueryInterface(PMIID iid) const {
    CheckAlive();
    for (Entry& entry : fEntries) {
        if (entry.iid != iid)
            continue;
        ImplementationBase* instance = Instantiate(entry);
        if (!instance)
            return nullptr;
        AddRef();
        return instance->GetInterface();
    }
    return nullptr;
}

void Boss::AddRef() const {
    CheckAlive();
    ++fRefCount;
}

void Boss::Release() const {
    CheckAlive();
    if (--fRefCount < 0)
        ObjectModelFault("an object was released more often than it was referenced", fClass);
    if (fRefCount == 0 && !fOwnedByDataBase)
        delete this;
}

bool Boss::IsPersistent() const {
    return fDataBase != nullptr && fUID != 0;
}

void Boss::AdoptByDataBase() {
    fOwnedByDataBase = true;
    Release();
}

void Boss::ReleaseOwnership() {
    fOwnedByDataBase = false;
    if (fRefCount == 0)
        delete this;
}

void Boss::PreDirty(ImplementationID changing) {
    if (!IsPersistent() || fDeleted)
        return;
    fDataBase->PreDirty(fUID);
    if (auto owner = ClassRegistry::Instance().FindImplementation(changing);
        owner && owner->owner != kHostPluginID)
        fDataBase->AddPlugInDependency(owner->owner);
}

std::vector<Boss::Section> Boss::WriteSections() {
    std::vector<Section> sections;
    for (Entry& entry : fEntries) {
        const ImplementationDefinition* impl = ClassRegistry::Instance().FindImplementation(entry.impl);
        if (!impl || !impl->persistent)
            continue;
        ImplementationBase* instance = Instantiate(entry);
        if (!instance)
            continue;
        ByteStream stream;
        instance->ReadWrite(&stream, entry.impl);
        sections.push_back(Section{entry.iid, entry.impl, stream.GetBytes()});
    }
    sections.insert(sections.end(), fForeignSections.begin(), fForeignSections.end());
    return sections;
}

bool Boss::ReadSections(const std::vector<Section>& sections, const IDataBase* holder) {
    bool complete = true;
    std::vector<const Entry*> read;
    fForeignSections.clear();
    for (const Section& section : sections) {
        Entry* target = nullptr;
        for (Entry& entry : fEntries)
            if (entry.iid == section.iid && entry.impl == section.impl)
                target = &entry;
        const ImplementationDefinition* impl =
            target ? ClassRegistry::Instance().FindImplementation(target->impl) : nullptr;
        ImplementationBase* instance = impl && impl->persistent ? Instantiate(*target) : nullptr;
        if (!instance) {
            // Data of an implementation this host does not have: kept byte for byte.
            fForeignSections.push_back(section);
            continue;
        }
        ByteStream stream(section.bytes, holder);
        instance->ReadWrite(&stream, target->impl);
        complete = complete && stream.IsGood();
        read.push_back(target);
    }
    for (const Entry& entry : fEntries)
        if (MustRead(entry) && std::find(read.begin(), read.end(), &entry) == read.end())
            complete = false;
    return complete;
}

// Every persistent implementation of the host (its core and its text module, always loaded) and of
// the class's own plug-in is written with the object; add-ins of other plug-ins may have been
// missing when it was saved.
bool Boss::MustRead(const Entry& entry) const {
    const ImplementationDefinition* impl = ClassRegistry::Instance().FindImplementation(entry.impl);
    const ClassDefinition* definition = ClassRegistry::Instance().FindClass(fClass);
    return impl && impl->persistent && definition &&
           (impl->owner == kHostPluginID || impl->owner == kHostTextPluginID ||
            impl->owner == definition->owner);
}
