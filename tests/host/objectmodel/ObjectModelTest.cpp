// Bosses aggregate their class's interfaces (inherited, overridden, added by plug-ins), share one
// reference count, and answer nullptr for interfaces they do not have.
#include <gtest/gtest.h>

#include "../fixtures/TestClasses.h"
#include "host/database/DataBase.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/IBoolData.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IPlugIn.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/objectmodel/PlugInLoader.h"

using namespace TestClasses;

namespace {
constexpr PMIID IID_ADDED = 0x7E0101;
constexpr PMIID IID_COUNTER = 0x7E0102;
constexpr ClassID kBaseBoss = 0x7E0101;
constexpr ClassID kChildBoss = 0x7E0102;
constexpr ImplementationID kCounterImpl = 0x7E0101;

int gLiveCounters = 0;

class Counter final : public CPMUnknown<IIntData> {
public:
    explicit Counter(IPMUnknown* boss) : CPMUnknown<IIntData>(boss) { ++gLiveCounters; }
    ~Counter() override { --gLiveCounters; }
    void Set(int32 v) override { fValue = v; }
    int32 GetInt() const override { return fValue; }

private:
    int32 fValue = 1000;
};

class DeclarationPlugIn final : public IPlugIn {
public:
    explicit DeclarationPlugIn(PlugInDeclaration decl) : fDecl(std::move(decl)) {}
    const PlugInDeclaration& GetDeclaration() const override { return fDecl; }
    std::string GetResourceFile() const override { return {}; }

private:
    PlugInDeclaration fDecl;
};

const DeclarationPlugIn& HierarchyPlugIn() {
    static DeclarationPlugIn plugIn([] {
        PlugInDeclaration decl;
        decl.id = 0x7E0100;
        decl.name = "Hierarchy";
        decl.implementations = {IMPLEMENTATION(Counter, kCounterImpl, false)};
        decl.classes = {{kBaseBoss,
                         kInvalidClass,
                         "base",
                         {{IID_IINTDATA, kIntDataImpl}, {IID_IBOOLDATA, kBoolDataImpl}}},
                        {kChildBoss, kBaseBoss, "child", {{IID_IINTDATA, kCounterImpl}}}};
        decl.addIns = {{kBaseBoss, {{IID_ADDED, kBoolDataImpl}}}};
        return decl;
    }());
    return plugIn;
}

class ObjectModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!PlugInLoader::Instance().FindPlugIn(0x7E0100)) {
            ASSERT_EQ(PlugInLoader::Instance().RegisterPlugIn(&HierarchyPlugIn(), "hierarchy").reason,
                      PlugInLoadResult::kLoaded);
        }
    }
};

TEST_F(ObjectModelTest, AChildClassInheritsOverridesAndGetsAddInsOfItsParent) {
    InterfacePtr<IIntData> own(CreateObject2<IIntData>(kChildBoss));
    ASSERT_TRUE(own);
    EXPECT_EQ(own->GetInt(), 1000) << "the child's own implementation replaces the parent's";
    InterfacePtr<IBoolData> inherited(own, IID_IBOOLDATA);
    EXPECT_TRUE(inherited);
    InterfacePtr<IBoolData> added(own, IID_ADDED);
    EXPECT_TRUE(added) << "an add-in on the parent class reaches the child";
    EXPECT_EQ(::GetClass(added.get()), kChildBoss);
}

TEST_F(ObjectModelTest, AMissingInterfaceIsNullAndAnUnknownClassMakesNothing) {
    InterfacePtr<IIntData> base(CreateObject2<IIntData>(kBaseBoss));
    ASSERT_TRUE(base);
    EXPECT_EQ(base->QueryInterface(0x7E01FF), nullptr);
    InterfacePtr<IBoolData> wrongType(base, IID_IINTDATA); // an IIntData asked for as IBoolData
    EXPECT_FALSE(wrongType);
    EXPECT_EQ(CreateObject(0x7EFFFF, IID_IINTDATA), nullptr);
}

TEST_F(ObjectModelTest, InterfacesShareOneReferenceCountAndDieWithTheLastReference) {
    const int before = gLiveCounters;
    {
        InterfacePtr<IIntData> counter(CreateObject2<IIntData>(kChildBoss));
        InterfacePtr<IBoolData> sibling(counter, IID_IBOOLDATA);
        EXPECT_EQ(Boss::FromUnknown(counter.get())->GetRefCount(), 2);
        counter.reset();
        EXPECT_EQ(gLiveCounters, before + 1) << "the sibling still holds the object";
        sibling->Set(kTrue);
    }
    EXPECT_EQ(gLiveCounters, before);
}

TEST_F(ObjectModelTest, ADeclarationThatClashesIsRefusedAndRegistersNothing) {
    PlugInDeclaration clash;
    clash.id = 0x7E0200;
    clash.name = "Clash";
    clash.implementations = {IMPLEMENTATION(Counter, kCounterImpl, false)}; // already taken
    clash.classes = {{0x7E0201, kInvalidClass, "fresh", {}}};
    DeclarationPlugIn plugIn(clash);
    const PlugInLoadResult result = PlugInLoader::Instance().RegisterPlugIn(&plugIn, "/tmp/libClash.so");
    EXPECT_EQ(result.reason, PlugInLoadResult::kClash);
    EXPECT_NE(result.message.find("libClash.so"), std::string::npos);
    EXPECT_NE(result.message.find("0x7E0101"), std::string::npos) << result.message;
    EXPECT_EQ(ClassRegistry::Instance().FindClass(0x7E0201), nullptr);
    EXPECT_EQ(PlugInLoader::Instance().FindPlugIn(0x7E0200), nullptr);
}

TEST_F(ObjectModelTest, DeclarationsNamingUnknownThingsAreRefused) {
    PlugInDeclaration unknownImpl;
    unknownImpl.id = 0x7E0300;
    unknownImpl.classes = {{0x7E0301, kInvalidClass, "uses-missing", {{IID_IINTDATA, 0x7E03FF}}}};
    EXPECT_NE(ClassRegistry::Instance().CheckDeclaration(unknownImpl).find("unknown implementation"),
              std::string::npos);

    PlugInDeclaration unknownParent;
    unknownParent.id = 0x7E0300;
    unknownParent.classes = {{0x7E0302, 0x7E03FE, "orphan", {}}};
    EXPECT_NE(ClassRegistry::Instance().CheckDeclaration(unknownParent).find("unknown class"),
              std::string::npos);

    PlugInDeclaration duplicateAddIn;
    duplicateAddIn.id = 0x7E0300;
    duplicateAddIn.addIns = {{kBaseBoss, {{IID_ADDED, kBoolDataImpl}}}};
    EXPECT_NE(ClassRegistry::Instance().CheckDeclaration(duplicateAddIn).find("already added"),
              std::string::npos);
}

TEST_F(ObjectModelTest, PersistentObjectsLiveInTheirDatabaseNotInTheirReferences) {
    Register();
    auto db = DataBase::CreateNew(kDocBoss);
    const UID item = db->NewUID(kTestItemBoss);
    {
        InterfacePtr<IIntData> value(
            ObjectModel::CheckedCast<IIntData>(db->Instantiate(item, IID_ITESTVALUE)));
        value->Set(9);
    }
    InterfacePtr<IIntData> again(ObjectModel::CheckedCast<IIntData>(db->Instantiate(item, IID_ITESTVALUE)));
    EXPECT_EQ(again->GetInt(), 9) << "releasing the last reference kept the object";
    EXPECT_EQ(::GetUID(again.get()), item);
    EXPECT_EQ(::GetDataBase(again.get()), db.get());
    EXPECT_EQ(db->NewUID(kBaseBoss), kInvalidUID) << "a class without persistence has no UID";
}
} // namespace
