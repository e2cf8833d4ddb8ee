// AttributeBossList: the character attributes of a stretch of text, at most one per attribute
// class. Attributes are held by value (their class and persistent data), so a list can be
// compared, stored in a strand and copied freely; QueryBossN and QueryByClassID make a fresh
// attribute object holding that value, which the caller owns.
#pragma once

#include <cstddef>
#include <vector>

#include "host/objectmodel/IPMUnknown.h"

class IPMStream;

class AttributeBossList {
public:
    AttributeBossList() = default;
    // A list of one attribute, the value of the attribute object given.
    explicit AttributeBossList(const IPMUnknown* attribute) { ApplyAttribute(attribute); }

    int32 CountBosses() const { return static_cast<int32>(fAttributes.size()); }
    bool IsEmpty() const { return fAttributes.empty(); }
    ClassID GetClassN(int32 n) const { return fAttributes[static_cast<size_t>(n)].classID; }
    bool16 ContainsAttribute(ClassID attributeClass) const;
    // Whether both lists hold the same value of the class, or both lack it.
    bool16 HasSameAttribute(const AttributeBossList& other, ClassID attributeClass) const;
    // A new object of the n-th attribute's class holding its value, as interface iid (owned by the caller).
    IPMUnknown* QueryBossN(int32 n, PMIID iid) const;
    IPMUnknown* QueryByClassID(ClassID attributeClass, PMIID iid) const;

    // Adds the value of an attribute object, replacing any attribute of the same class.
    void ApplyAttribute(const IPMUnknown* attribute);
    // Adds or replaces every attribute of other.
    void ApplyAttributes(const AttributeBossList& other);
    void ClearAttribute(ClassID attributeClass);

    void ReadWrite(IPMStream* stream);
    bool operator==(const AttributeBossList& o) const { return fAttributes == o.fAttributes; }
    bool operator!=(const AttributeBossList& o) const { return !(*this == o); }

private:
    struct Attribute {
        ClassID classID = kInvalidClass;
        std::vector<uint8> data; // the object's persistent sections
        bool operator==(const Attribute& o) const = default;
    };
    std::vector<Attribute>::iterator Find(ClassID attributeClass);
    std::vector<Attribute>::const_iterator Find(ClassID attributeClass) const;
    void Put(Attribute attribute);

    std::vector<Attribute> fAttributes; // ordered by class ID
};
