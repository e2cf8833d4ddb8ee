// A test plug-in with one selection suite, as a plug-in would add it: the abstract suite on the
// integrator class, concrete suites on the layout and text concrete-suite classes. Each concrete
// suite describes its target; the abstract suite joins their answers from the last to the first.
#pragma once

#include <string>

#include "host/objectmodel/IPMUnknown.h"

namespace SelectionTestSuites {
constexpr PluginID kTestPluginID = 0x7E1C00;
constexpr PMIID IID_ITESTSELECTIONSUITE = 0x7E1C01;
constexpr PMIID IID_INOBODYSSUITE = 0x7E1C02; // no class carries it
constexpr ClassID kPointCmdBoss = 0x7E1C01;   // a plug-in command class carrying the host's IPointData

class ITestSelectionSuite : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITESTSELECTIONSUITE };
    // Concrete suites: "layout:UID,UID" or "text:start-end@threadKey" (with "^" for an insertion
    // point). The abstract suite: its concrete suites' answers from the last, joined by "|".
    virtual std::string Describe() const = 0;
    // True for a non-empty text range; the abstract suite asks its concrete suites.
    virtual bool16 HasSelectedText() const = 0;
};

// Registers the test plug-in once.
void Register();
} // namespace SelectionTestSuites
