#include "SelectionTestSuites.h"
#include "DeclaredPlugIn.h"

#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPlugIn.h"
#include "host/selection/ILayoutTarget.h"
#include "host/selection/ITextTarget.h"
#include "host/selection/SelectionSuiteUtils.h"

namespace SelectionTestSuites {
namespace {
constexpr ImplementationID kAbstractSuiteImpl = 0x7E1C01;
constexpr ImplementationID kLayoutSuiteImpl = 0x7E1C02;
constexpr ImplementationID kTextSuiteImpl = 0x7E1C03;

class AbstractSuite final : public CPMUnknown<ITestSelectionSuite> {
public:
    explicit AbstractSuite(IPMUnknown* boss) : CPMUnknown<ITestSelectionSuite>(boss) {}
    std::string Describe() const override {
        std::string joined;
        for (const auto& suite : SelectionSuiteUtils::CollectFromLastToFirst<ITestSelectionSuite>(this))
            joined += (joined.empty() ? "" : "|") + suite->Describe();
        return joined;
    }
    bool16 HasSelectedText() const override {
        return SelectionSuiteUtils::AnyFromLastToFirst<ITestSelectionSuite>(
            this, [](ITestSelectionSuite* suite) { return suite->HasSelectedText(); });
    }
};

class LayoutSuite final : public CPMUnknown<ITestSelectionSuite> {
public:
    explicit LayoutSuite(IPMUnknown* boss) : CPMUnknown<ITestSelectionSuite>(boss) {}
    std::string Describe() const override {
        InterfacePtr<ILayoutTarget> target(this, IID_ILAYOUTTARGET);
        std::string text = "layout:";
        const UIDList items = target->GetItemList();
        for (int32 i = 0; i < items.Length(); ++i)
            text += (i ? "," : "") + std::to_string(items[i]);
        return text;
    }
    bool16 HasSelectedText() const override { return kFalse; }
};

class TextSuite final : public CPMUnknown<ITestSelectionSuite> {
public:
    explicit TextSuite(IPMUnknown* boss) : CPMUnknown<ITestSelectionSuite>(boss) {}
    std::string Describe() const override {
        InterfacePtr<ITextTarget> target(this, IID_ITEXTTARGET);
        uint32 key = 0;
        const RangeData range = target->GetRange(&key);
        return "text:" + std::to_string(range.Start()) + "-" + std::to_string(range.End()) + "@" +
               std::to_string(key) + (target->IsInsertionPoint() ? "^" : "");
    }
    bool16 HasSelectedText() const override {
        InterfacePtr<ITextTarget> target(this, IID_ITEXTTARGET);
        return !target->IsInsertionPoint();
    }
};

PlugInDeclaration TestPlugInDeclaration() {
    PlugInDeclaration decl;
    decl.id = kTestPluginID;
    decl.name = "SelectionTests";
    decl.version = {1, 0, 0};
    decl.implementations = {IMPLEMENTATION(AbstractSuite, kAbstractSuiteImpl, false),
                            IMPLEMENTATION(LayoutSuite, kLayoutSuiteImpl, false),
                            IMPLEMENTATION(TextSuite, kTextSuiteImpl, false)};
    decl.classes = {{kPointCmdBoss, kInvalidClass, "kPointCmdBoss", {{IID_IPOINTDATA, kPointDataImpl}}}};
    decl.addIns = {{kAbstractSelectionBoss, {{IID_ITESTSELECTIONSUITE, kAbstractSuiteImpl}}},
                   {kLayoutSelectionBoss, {{IID_ITESTSELECTIONSUITE, kLayoutSuiteImpl}}},
                   {kTextSelectionBoss, {{IID_ITESTSELECTIONSUITE, kTextSuiteImpl}}}};
    return decl;
}
} // namespace

void Register() {
    static DeclaredPlugIn plugIn(TestPlugInDeclaration(), "selection_tests");
    plugIn.RegisterOnce();
}
} // namespace SelectionTestSuites
