#include "ViewDeclaration.h"

#include "HostImplementations.h"
#include "host/objectmodel/HostIDs.h"

namespace {
std::vector<ImplementationDeclaration> ViewImplementations() {
    return {MakePointDataImplementation(kPointDataImpl),
            MakeLayoutControlDataImplementation(kLayoutControlDataImpl),
            MakeActiveContextImplementation(kActiveContextImpl),
            MakeViewActiveLayerImplementation(kViewActiveLayerImpl),
            MakeLayoutViewObserverImplementation(kLayoutViewObserverImpl),
            MakeSetPageCmdImplementation(kSetPageCmdImpl),
            MakeSelectionManagerImplementation(kSelectionManagerImpl),
            MakeConcreteSelectionListImplementation(kConcreteSelectionListImpl),
            MakeLayoutTargetImplementation(kLayoutTargetImpl),
            MakeTextTargetImplementation(kTextTargetImpl),
            MakeGraphicFrameHandleShapeImplementation(kGraphicFrameHandleShapeImpl),
            MakePathHandleShapeImplementation(kPathHandleShapeImpl)};
}

std::vector<ClassDeclaration> ViewClasses() {
    return {ClassDeclaration{kLayoutWidgetBoss,
                             kInvalidClass,
                             "kLayoutWidgetBoss",
                             {{IID_ILAYOUTCONTROLDATA, kLayoutControlDataImpl},
                              {IID_ISELECTIONMANAGER, kSelectionManagerImpl},
                              {IID_IACTIVELAYER, kViewActiveLayerImpl},
                              {IID_ISUBJECT, kSubjectImpl},
                              {IID_IOBSERVER, kLayoutViewObserverImpl}}},
            ClassDeclaration{kSetPageCmdBoss,
                             kInvalidClass,
                             "kSetPageCmdBoss",
                             {{IID_ICOMMAND, kSetPageCmdImpl},
                              {IID_IUIDDATA, kUIDDataImpl},
                              {IID_IPMUNKNOWNDATA, kPMUnknownDataImpl}}}};
}

// The selection classes exist bare for plug-ins' suites; the host adds what reaches the selection.
std::vector<AddInDeclaration> ViewAddIns() {
    return {
        AddInDeclaration{kApplicationBoss, {{IID_IACTIVECONTEXT, kActiveContextImpl}}},
        AddInDeclaration{kAbstractSelectionBoss, {{IID_ICONCRETESELECTIONLIST, kConcreteSelectionListImpl}}},
        AddInDeclaration{kLayoutSelectionBoss, {{IID_ILAYOUTTARGET, kLayoutTargetImpl}}},
        AddInDeclaration{kTextSelectionBoss, {{IID_ITEXTTARGET, kTextTargetImpl}}},
        AddInDeclaration{
            kSplineItemBoss,
            {{IID_IHANDLESHAPE, kGraphicFrameHandleShapeImpl}, {IID_IPATHHANDLESHAPE, kPathHandleShapeImpl}}},
        AddInDeclaration{kGroupItemBoss, {{IID_IHANDLESHAPE, kGraphicFrameHandleShapeImpl}}}};
}
} // namespace

void AddViewDeclaration(PlugInDeclaration* declaration) {
    for (ImplementationDeclaration& implementation : ViewImplementations())
        declaration->implementations.push_back(implementation);
    for (ClassDeclaration& view : ViewClasses())
        declaration->classes.push_back(std::move(view));
    for (AddInDeclaration& addIn : ViewAddIns())
        declaration->addIns.push_back(std::move(addIn));
}
