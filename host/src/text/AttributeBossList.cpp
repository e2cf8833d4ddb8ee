#include "host/text/AttributeBossList.h"

#include <algorithm>

#include "../database/CountedList.h"
#include "../database/SectionCodec.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/InterfacePtr.h"

std::vector<AttributeBossList::Attribute>::iterator AttributeBossList::Find(ClassID attributeClass) {
    return std::find_if(fAttributes.begin(), fAttributes.end(),
                        [&](const Attribute& a) { return a.classID == attributeClass; });
}

std::vector<AttributeBossList::Attribute>::const_iterator
AttributeBossList::Find(ClassID attributeClass) const {
    return std::find_if(fAttributes.begin(), fAttributes.end(),
                        [&](const Attribute& a) { return a.classID == attributeClass; });
}

bool16 AttributeBossList::ContainsAttribute(ClassID attributeClass) const {
    return Find(attributeClass) != fAttributes.end() ? kTrue : kFalse;
}

bool16 AttributeBossList::HasSameAttribute(const AttributeBossList& other, ClassID attributeClass) const {
    const auto mine = Find(attributeClass);
    const auto theirs = other.Find(attributeClass);
    if (mine == fAttributes.end() || theirs == other.fAttributes.end())
        return (mine == fAttributes.end() && theirs == other.fAttributes.end()) ? kTrue : kFalse;
    return *mine == *theirs ? kTrue : kFalse;
}

IPMUnknown* AttributeBossList::QueryBossN(int32 n, PMIID iid) const {
    if (n < 0 || n >= CountBosses())
        return nullptr;
    const Attribute& attribute = fAttributes[static_cast<size_t>(n)];
    InterfacePtr<IPMUnknown> boss(Boss::Create(attribute.classID));
    if (!boss)
        return nullptr;
    std::vector<Boss::Section> sections;
    SectionCodec::Decode(attribute.data, &sections);
    Boss::FromUnknown(boss.get())->ReadSections(sections);
    return boss->QueryInterface(iid);
}

IPMUnknown* AttributeBossList::QueryByClassID(ClassID attributeClass, PMIID iid) const {
    const auto found = Find(attributeClass);
    if (found == fAttributes.end())
        return nullptr;
    return QueryBossN(static_cast<int32>(found - fAttributes.begin()), iid);
}

void AttributeBossList::Put(Attribute attribute) {
    const auto found = Find(attribute.classID);
    if (found != fAttributes.end()) {
        *found = std::move(attribute);
        return;
    }
    const auto at = std::upper_bound(fAttributes.begin(), fAttributes.end(), attribute.classID,
                                     [](ClassID id, const Attribute& a) { return id < a.classID; });
    fAttributes.insert(at, std::move(attribute));
}

void AttributeBossList::ApplyAttribute(const IPMUnknown* attribute) {
    Boss* boss = Boss::FromUnknown(attribute);
    if (!boss)
        return;
    Put(Attribute{boss->GetClass(), SectionCodec::Encode(boss->WriteSections())});
}

void AttributeBossList::ApplyAttributes(const AttributeBossList& other) {
    for (const Attribute& attribute : other.fAttributes)
        Put(attribute);
}

void AttributeBossList::ClearAttribute(ClassID attributeClass) {
    const auto found = Find(attributeClass);
    if (found != fAttributes.end())
        fAttributes.erase(found);
}

void AttributeBossList::ReadWrite(IPMStream* stream) {
    CountedList::Xfer(stream, fAttributes, [](IPMStream* s, Attribute& attribute) {
        s->XferID(attribute.classID);
        int32 length = static_cast<int32>(attribute.data.size());
        s->XferInt32(length);
        CountedList::XferPlain(s, attribute.data, length);
    });
}
