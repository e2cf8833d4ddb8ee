#include "NotesRegistration.h"

#include "NotesID.h"
#include "NotesStrings.h"
#include "colors/NotesAddColorCmd.h"
#include "colors/NotesAnnotationColorList.h"
#include "colors/NotesClearAllColorsCmd.h"
#include "colors/NotesColorManager.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/HostIDs.h"
#include "import/NotesImportCmd.h"
#include "import/NotesImportPlanData.h"
#include "import/NotesImportSettings.h"
#include "import/NotesImportUtils.h"
#include "import/NotesRecentImports.h"
#include "lifecycle/NotesActionComponent.h"
#include "lifecycle/NotesDocumentObserver.h"
#include "lifecycle/NotesDocumentResponder.h"
#include "lifecycle/NotesDocumentServiceProvider.h"
#include "lifecycle/NotesLayoutASB.h"
#include "lifecycle/NotesLayoutCSB.h"
#include "lifecycle/NotesSelectionManager.h"
#include "lifecycle/NotesTextASB.h"
#include "lifecycle/NotesTextCSB.h"
#include "model/NotesAnnotation.h"
#include "model/NotesAnnotationBase.h"
#include "model/NotesAnnotationCmdData.h"
#include "model/NotesAnnotationList.h"
#include "model/NotesAnnotsManager.h"
#include "model/NotesClearAllCmd.h"
#include "model/NotesDeleteAnnotationCmd.h"
#include "model/NotesMasterPageList.h"
#include "model/NotesSaveAnnotationCmd.h"
#include "model/NotesSaveNoteContentCmd.h"
#include "model/NotesSaveOtherItemDataCmd.h"
#include "pageitems/NotesAnnotationShape.h"
#include "pageitems/NotesCreateFreeTextAnnotationCmd.h"
#include "pageitems/NotesCreateLayerCmd.h"
#include "pageitems/NotesCreateLineAnnotationCmd.h"
#include "pageitems/NotesCreatePolygonAnnotationCmd.h"
#include "pageitems/NotesCreatePopupAnnotationCmd.h"
#include "pageitems/NotesCreateStickyNoteCmd.h"
#include "pageitems/NotesDrawMarkupAnnotationCmdData.h"
#include "pageitems/NotesDrawMarkupAnnotationData.h"
#include "pageitems/NotesDrawingMarkupAdornmentShape.h"
#include "pageitems/NotesHidePopupCmd.h"
#include "pageitems/NotesLayerManager.h"
#include "pageitems/NotesNewStickyNoteCmd.h"
#include "pageitems/NotesPopupOptions.h"
#include "pageitems/NotesSaveLayerReferenceCmd.h"
#include "pageitems/NotesShowPopupCmd.h"
#include "pageitems/NotesSplineAnnotationLayout.h"
#include "pageitems/NotesStickyNotesHandleShape.h"
#include "pageitems/NotesStickyNotesPathHandleShape.h"
#include "pageitems/NotesStickyNotesShape.h"
#include "textmarkup/NotesAcceptRedactionCmd.h"
#include "textmarkup/NotesCreateMarkersCmd.h"
#include "textmarkup/NotesCreateTextMarkupCmd.h"
#include "textmarkup/NotesMarkupAnnotationLayout.h"
#include "textmarkup/NotesMergeAnnotationCmd.h"
#include "textmarkup/NotesNewTextMarkupCmd.h"
#include "textmarkup/NotesRejectRedactionCmd.h"
#include "textmarkup/NotesRemoveTextMarkupCmd.h"
#include "textmarkup/NotesSetTextMarkupCmd.h"
#include "textmarkup/NotesTextAdornment.h"
#include "textmarkup/NotesTextAttrReport.h"
#include "textmarkup/NotesTextMarkupClasses.h"
#include "textmarkup/NotesTextMarkupMemento.h"
#include "textmarkup/NotesTextMarkupOwnedItem.h"
#include "textmarkup/NotesTextProfile.h"
#include "textmarkup/NotesViewUtils.h"

namespace {
std::vector<ImplementationDeclaration> Implementations() {
    return {
        IMPLEMENTATION(NotesAnnotation, kNotesAnnotationImpl, true),
        IMPLEMENTATION(NotesAnnotationBase, kNotesAnnotationBaseImpl, false),
        IMPLEMENTATION(NotesAnnotationCmdData, kNotesAnnotationCmdDataImpl, false),
        IMPLEMENTATION(NotesImportSettings, kNotesImportSettingsImpl, false),
        IMPLEMENTATION(NotesRecentImports, kNotesRecentImportsImpl, false),
        IMPLEMENTATION(NotesImportUtils, kNotesImportUtilsImpl, false),
        IMPLEMENTATION(NotesImportPlanData, kNotesImportPlanDataImpl, false),
        IMPLEMENTATION(NotesSaveAnnotationCmd, kNotesSaveAnnotationCmdImpl, false),
        IMPLEMENTATION(NotesSaveNoteContentCmd, kNotesSaveNoteContentCmdImpl, false),
        IMPLEMENTATION(NotesSaveOtherItemDataCmd, kNotesSaveOtherItemDataCmdImpl, false),
        IMPLEMENTATION(NotesDeleteAnnotationCmd, kNotesDeleteAnnotationCmdImpl, false),
        IMPLEMENTATION(NotesClearAllCmd, kNotesClearAllCmdImpl, false),
        IMPLEMENTATION(NotesAnnotationList, kNotesAnnotationListImpl, false),
        IMPLEMENTATION(NotesMasterPageList, kNotesMasterPageListImpl, false),
        IMPLEMENTATION(NotesTextProfile, kNotesTextProfileImpl, false),
        IMPLEMENTATION(NotesViewUtils, kNotesViewUtilsImpl, false),
        IMPLEMENTATION(NotesAnnotsManager, kNotesAnnotsManagerImpl, false),
        IMPLEMENTATION(NotesLayerManager, kNotesLayerManagerImpl, false),
        IMPLEMENTATION(NotesCreateLayerCmd, kNotesCreateLayerCmdImpl, false),
        IMPLEMENTATION(NotesSaveLayerReferenceCmd, kNotesSaveLayerReferenceCmdImpl, false),
        IMPLEMENTATION(NotesSplineAnnotationLayout, kNotesSplineAnnotationLayoutImpl, false),
        IMPLEMENTATION(NotesCreateStickyNoteCmd, kNotesCreateStickyNoteCmdImpl, false),
        IMPLEMENTATION(NotesStickyNotesShape, kNotesStickyNotesShapeImpl, false),
        IMPLEMENTATION(NotesStickyNotesHandleShape, kNotesStickyNotesHandleShapeImpl, false),
        IMPLEMENTATION(NotesStickyNotesPathHandleShape, kNotesStickyNotesPathHandleShapeImpl, false),
        IMPLEMENTATION(NotesNewStickyNoteCmd, kNotesNewStickyNoteCmdImpl, false),
        IMPLEMENTATION(NotesDrawMarkupAnnotationData, kNotesDrawMarkupAnnotationDataImpl, true),
        IMPLEMENTATION(NotesDrawMarkupAnnotationCmdData, kNotesDrawMarkupAnnotationCmdDataImpl, false),
        IMPLEMENTATION(NotesPopupOptions, kNotesPopupOptionsImpl, true),
        IMPLEMENTATION(NotesAnnotationShape, kNotesAnnotationShapeImpl, false),
        IMPLEMENTATION(NotesCreatePopupAnnotationCmd, kNotesCreatePopupAnnotationCmdImpl, false),
        IMPLEMENTATION(NotesShowPopupCmd, kNotesShowPopupCmdImpl, false),
        IMPLEMENTATION(NotesHidePopupCmd, kNotesHidePopupCmdImpl, false),
        IMPLEMENTATION(NotesCreateLineAnnotationCmd, kNotesCreateLineAnnotationCmdImpl, false),
        IMPLEMENTATION(NotesCreatePolygonAnnotationCmd, kNotesCreatePolygonAnnotationCmdImpl, false),
        IMPLEMENTATION(NotesCreateFreeTextAnnotationCmd, kNotesCreateFreeTextAnnotationCmdImpl, false),
        IMPLEMENTATION(NotesImportCmd, kNotesImportCmdImpl, false),
        IMPLEMENTATION(NotesDocumentServiceProvider, kNotesDocumentServiceProviderImpl, false),
        IMPLEMENTATION(NotesDocumentResponder, kNotesDocumentResponderImpl, false),
        IMPLEMENTATION(NotesDocumentObserver, kNotesDocumentObserverImpl, false),
        IMPLEMENTATION(NotesActionComponent, kNotesActionComponentImpl, false),
        // The user's selection
        IMPLEMENTATION(NotesSelectionManager, kNotesSelectionManagerImpl, false),
        IMPLEMENTATION(NotesLayoutASB, kNotesLayoutASBImpl, false),
        IMPLEMENTATION(NotesLayoutCSB, kNotesLayoutCSBImpl, false),
        IMPLEMENTATION(NotesTextASB, kNotesTextASBImpl, false),
        IMPLEMENTATION(NotesTextCSB, kNotesTextCSBImpl, false),
        // Text markups
        IMPLEMENTATION(NotesCreateMarkersCmd, kNotesCreateMarkersCmdImpl, false),
        IMPLEMENTATION(NotesCreateTextMarkupCmd, kNotesCreateTextMarkupCmdImpl, false),
        IMPLEMENTATION(NotesSetTextMarkupCmd, kNotesSetTextMarkupCmdImpl, false),
        IMPLEMENTATION(NotesRemoveTextMarkupCmd, kNotesRemoveTextMarkupCmdImpl, false),
        IMPLEMENTATION(NotesNewTextMarkupCmd, kNotesNewTextMarkupCmdImpl, false),
        IMPLEMENTATION(NotesMergeAnnotationCmd, kNotesMergeAnnotationCmdImpl, false),
        IMPLEMENTATION(NotesTextMarkupOwnedItem, kNotesTextMarkupOwnedItemImpl, false),
        IMPLEMENTATION(NotesTextMarkupMemento, kNotesTextMarkupMementoImpl, false),
        IMPLEMENTATION(NotesMarkupAnnotationLayout, kNotesMarkupAnnotationLayoutImpl, false),
        IMPLEMENTATION(NotesTextHighlightAttrReport, kNotesTextHighlightAttrReportImpl, false),
        IMPLEMENTATION(NotesTextUnderlineAttrReport, kNotesTextUnderlineAttrReportImpl, false),
        IMPLEMENTATION(NotesTextSquigglyAttrReport, kNotesTextSquigglyAttrReportImpl, false),
        IMPLEMENTATION(NotesTextStrikethroughAttrReport, kNotesTextStrikethroughAttrReportImpl, false),
        IMPLEMENTATION(NotesTextCaretAttrReport, kNotesTextCaretAttrReportImpl, false),
        IMPLEMENTATION(NotesTextCaretLastAttrReport, kNotesTextCaretLastAttrReportImpl, false),
        IMPLEMENTATION(NotesTextRedactionAttrReport, kNotesTextRedactionAttrReportImpl, false),
        IMPLEMENTATION(NotesTextMarkupAttrReport, kNotesTextMarkupAttrReportImpl, false),
        IMPLEMENTATION(NotesTextHighlightAdornment, kNotesTextHighlightAdornmentImpl, false),
        IMPLEMENTATION(NotesTextUnderlineAdornment, kNotesTextUnderlineAdornmentImpl, false),
        IMPLEMENTATION(NotesTextSquigglyAdornment, kNotesTextSquigglyAdornmentImpl, false),
        IMPLEMENTATION(NotesTextStrikethroughAdornment, kNotesTextStrikethroughAdornmentImpl, false),
        IMPLEMENTATION(NotesTextCaretAdornment, kNotesTextCaretAdornmentImpl, false),
        IMPLEMENTATION(NotesTextCaretLastAdornment, kNotesTextCaretLastAdornmentImpl, false),
        IMPLEMENTATION(NotesTextRedactionAdornment, kNotesTextRedactionAdornmentImpl, false),
        IMPLEMENTATION(NotesTextMarkupAdornment, kNotesTextMarkupAdornmentImpl, false),
        IMPLEMENTATION(NotesDrawingMarkupAdornmentShape, kNotesDrawingMarkupAdornmentShapeImpl, false),
        // Annotation colours
        IMPLEMENTATION(NotesAnnotationColorList, kNotesAnnotationColorListImpl, true),
        IMPLEMENTATION(NotesColorManager, kNotesColorManagerImpl, false),
        IMPLEMENTATION(NotesAddColorCmd, kNotesAddColorCmdImpl, false),
        IMPLEMENTATION(NotesClearAllColorsCmd, kNotesClearAllColorsCmdImpl, false),
        // Settling text edits
        IMPLEMENTATION(NotesAcceptRedactionCmd, kNotesAcceptRedactionCmdImpl, false),
        IMPLEMENTATION(NotesRejectRedactionCmd, kNotesRejectRedactionCmdImpl, false),
    };
}

// Implementation IDs of the plug-in that stand for host implementations.
std::vector<ImplementationAlias> Aliases() {
    return {
        {kNotesPersistUIDDataImpl, kPersistUIDDataImpl},
        {kNotesMarkerPersistUIDDataImpl, kPersistUIDDataImpl},
        {kNotesItemPersistUIDDataImpl, kPersistUIDDataImpl},
        {kNotesBoolDataImpl, kCmdBoolDataImpl},
    };
}

// The marker classes of the six text-markup kinds; every end marker is an annotation, and the
// caret's also says whether it stands before a paragraph return.
void AddMarkerClasses(std::vector<ClassDeclaration>* classes) {
    const std::vector<InterfaceDeclaration> marker = {
        {IID_IPMPERSIST, kPMPersistImpl},
        {IID_IOWNEDITEM, kNotesTextMarkupOwnedItemImpl},
        {IID_INOTESOTHERITEMREFERENCE, kNotesMarkerPersistUIDDataImpl}};
    std::vector<InterfaceDeclaration> markupMarker = marker;
    markupMarker.insert(markupMarker.end(), {{IID_INOTESANNOTATION, kNotesAnnotationImpl},
                                             {IID_INOTESANNOTATIONLAYOUT, kNotesMarkupAnnotationLayoutImpl},
                                             {IID_INOTESANNOTATIONREFERENCE, kNotesItemPersistUIDDataImpl},
                                             {IID_IRANGEDATA, kPersistRangeDataImpl},
                                             {IID_INOTESMARKERDATA, kNotesPersistUIDDataImpl}});
    classes->push_back({kNotesTextMarkerBoss, kInvalidClass, "kNotesTextMarkerBoss", marker});
    classes->push_back(
        {kNotesTextMarkupMarkerBoss, kInvalidClass, "kNotesTextMarkupMarkerBoss", markupMarker});
    struct Kind {
        ClassID endClass;
        const char* startName;
        const char* endName;
    };
    const Kind kinds[] = {
        {kNotesHighlightEndTextMarkerBoss, "kNotesHighlightStartTextMarkerBoss",
         "kNotesHighlightEndTextMarkerBoss"},
        {kNotesUnderlineEndTextMarkerBoss, "kNotesUnderlineStartTextMarkerBoss",
         "kNotesUnderlineEndTextMarkerBoss"},
        {kNotesSquigglyEndTextMarkerBoss, "kNotesSquigglyStartTextMarkerBoss",
         "kNotesSquigglyEndTextMarkerBoss"},
        {kNotesStrikethroughEndTextMarkerBoss, "kNotesStrikethroughStartTextMarkerBoss",
         "kNotesStrikethroughEndTextMarkerBoss"},
        {kNotesCaretEndTextMarkerBoss, "kNotesCaretStartTextMarkerBoss", "kNotesCaretEndTextMarkerBoss"},
        {kNotesRedactionEndTextMarkerBoss, "kNotesRedactionStartTextMarkerBoss",
         "kNotesRedactionEndTextMarkerBoss"}};
    for (const Kind& kind : kinds) {
        std::vector<InterfaceDeclaration> extra;
        if (kind.endClass == kNotesCaretEndTextMarkerBoss)
            extra.push_back({IID_INOTESCARETLASTDATA, kPersistBoolDataImpl});
        classes->push_back({kind.endClass - 1, kNotesTextMarkerBoss, kind.startName, {}});
        classes->push_back({kind.endClass, kNotesTextMarkupMarkerBoss, kind.endName, extra});
    }
}

// The character attributes of the markups (and the selection emphasis) with their reports, and
// the text adornment of each (class + 1).
void AddAttributeClasses(std::vector<ClassDeclaration>* classes) {
    struct Kind {
        ClassID attributeClass;
        const char* attributeName;
        const char* adornmentName;
        ImplementationID report;
        ImplementationID adornment;
    };
    const Kind kinds[] = {
        {kNotesTextHighlightAttrBoss, "kNotesTextHighlightAttrBoss", "kNotesTextHighlightAdornmentBoss",
         kNotesTextHighlightAttrReportImpl, kNotesTextHighlightAdornmentImpl},
        {kNotesTextUnderlineAttrBoss, "kNotesTextUnderlineAttrBoss", "kNotesTextUnderlineAdornmentBoss",
         kNotesTextUnderlineAttrReportImpl, kNotesTextUnderlineAdornmentImpl},
        {kNotesTextSquigglyAttrBoss, "kNotesTextSquigglyAttrBoss", "kNotesTextSquigglyAdornmentBoss",
         kNotesTextSquigglyAttrReportImpl, kNotesTextSquigglyAdornmentImpl},
        {kNotesTextStrikethroughAttrBoss, "kNotesTextStrikethroughAttrBoss",
         "kNotesTextStrikethroughAdornmentBoss", kNotesTextStrikethroughAttrReportImpl,
         kNotesTextStrikethroughAdornmentImpl},
        {kNotesTextCaretAttrBoss, "kNotesTextCaretAttrBoss", "kNotesTextCaretAdornmentBoss",
         kNotesTextCaretAttrReportImpl, kNotesTextCaretAdornmentImpl},
        {kNotesTextCaretLastAttrBoss, "kNotesTextCaretLastAttrBoss", "kNotesTextCaretLastAdornmentBoss",
         kNotesTextCaretLastAttrReportImpl, kNotesTextCaretLastAdornmentImpl},
        {kNotesTextRedactionAttrBoss, "kNotesTextRedactionAttrBoss", "kNotesTextRedactionAdornmentBoss",
         kNotesTextRedactionAttrReportImpl, kNotesTextRedactionAdornmentImpl},
        {kNotesTextMarkupAttrBoss, "kNotesTextMarkupAttrBoss", "kNotesTextMarkupAdornmentBoss",
         kNotesTextMarkupAttrReportImpl, kNotesTextMarkupAdornmentImpl}};
    for (const Kind& kind : kinds) {
        classes->push_back(
            {kind.attributeClass, kTextAttrBoss, kind.attributeName, {{IID_IATTRREPORT, kind.report}}});
        classes->push_back({NotesTextMarkupClasses::AdornmentClassOf(kind.attributeClass),
                            kInvalidClass,
                            kind.adornmentName,
                            {{IID_ITEXTADORNMENT, kind.adornment}}});
    }
}

std::vector<ClassDeclaration> TextMarkupClasses() {
    std::vector<ClassDeclaration> classes = {
        {kNotesCreateTextMarkupCmdBoss,
         kInvalidClass,
         "kNotesCreateTextMarkupCmdBoss",
         {{IID_ICOMMAND, kNotesCreateTextMarkupCmdImpl},
          {IID_INOTESANNOTATION, kNotesAnnotationCmdDataImpl},
          {IID_INOTESANNOTATIONREFERENCE, kUIDDataImpl}}},
        {kNotesCreateMarkersCmdBoss,
         kInvalidClass,
         "kNotesCreateMarkersCmdBoss",
         {{IID_ICOMMAND, kNotesCreateMarkersCmdImpl}, {IID_IINTDATA, kIntDataImpl}}},
        {kNotesSetTextMarkupCmdBoss,
         kInvalidClass,
         "kNotesSetTextMarkupCmdBoss",
         {{IID_ICOMMAND, kNotesSetTextMarkupCmdImpl}}},
        {kNotesRemoveTextMarkupCmdBoss,
         kInvalidClass,
         "kNotesRemoveTextMarkupCmdBoss",
         {{IID_ICOMMAND, kNotesRemoveTextMarkupCmdImpl}}},
        {kNotesNewTextMarkupCmdBoss,
         kInvalidClass,
         "kNotesNewTextMarkupCmdBoss",
         {{IID_ICOMMAND, kNotesNewTextMarkupCmdImpl},
          {IID_IINTDATA, kIntDataImpl},
          {IID_IRANGEDATA, kRangeDataImpl}}},
        {kNotesMergeAnnotationCmdBoss,
         kInvalidClass,
         "kNotesMergeAnnotationCmdBoss",
         {{IID_ICOMMAND, kNotesMergeAnnotationCmdImpl}, {IID_IUIDDATA, kUIDDataImpl}}},
        {kNotesTextMarkupMementoBoss,
         kInvalidClass,
         "kNotesTextMarkupMementoBoss",
         {{IID_ITEXTMODELMEMENTO, kNotesTextMarkupMementoImpl}, {IID_IUIDDATA, kUIDDataImpl}}},
        {kNotesDrawingMarkupAdornmentBoss,
         kInvalidClass,
         "kNotesDrawingMarkupAdornmentBoss",
         {{IID_IADORNMENTSHAPE, kNotesDrawingMarkupAdornmentShapeImpl}}},
    };
    AddMarkerClasses(&classes);
    AddAttributeClasses(&classes);
    return classes;
}

// The commands that accept and reject a reviewer's text edits.
std::vector<ClassDeclaration> TextEditClasses() {
    return {
        {kNotesAcceptRedactionCmdBoss,
         kInvalidClass,
         "kNotesAcceptRedactionCmdBoss",
         {{IID_ICOMMAND, kNotesAcceptRedactionCmdImpl}}},
        {kNotesRejectRedactionCmdBoss,
         kInvalidClass,
         "kNotesRejectRedactionCmdBoss",
         {{IID_ICOMMAND, kNotesRejectRedactionCmdImpl}}},
    };
}

// Lines and polylines, and polygons, circles and squares: spline items that carry the annotation
// record, its drawing values and popup reference, drawn on screen only; and their creating commands.
std::vector<ClassDeclaration> DrawnMarkupClasses() {
    const std::vector<InterfaceDeclaration> item = {
        {IID_INOTESANNOTATION, kNotesAnnotationImpl},
        {IID_INOTESDRAWMARKUPANNOTATIONDATA, kNotesDrawMarkupAnnotationDataImpl},
        {IID_INOTESANNOTATIONLAYOUT, kNotesSplineAnnotationLayoutImpl},
        {IID_INOTESANNOTATIONREFERENCE, kNotesItemPersistUIDDataImpl},
        {IID_ISHAPE, kNotesAnnotationShapeImpl}};
    const auto command = [](ImplementationID impl) {
        return std::vector<InterfaceDeclaration>{
            {IID_ICOMMAND, impl},
            {IID_INOTESANNOTATION, kNotesAnnotationCmdDataImpl},
            {IID_INOTESDRAWMARKUPANNOTATIONDATA, kNotesDrawMarkupAnnotationCmdDataImpl},
            {IID_INOTESANNOTATIONREFERENCE, kUIDDataImpl}};
    };
    return {
        {kNotesLineAnnotationBoss, kSplineItemBoss, "kNotesLineAnnotationBoss", item},
        {kNotesPolygonAnnotationBoss, kSplineItemBoss, "kNotesPolygonAnnotationBoss", item},
        {kNotesCreateLineAnnotationCmdBoss, kInvalidClass, "kNotesCreateLineAnnotationCmdBoss",
         command(kNotesCreateLineAnnotationCmdImpl)},
        {kNotesCreatePolygonAnnotationCmdBoss, kInvalidClass, "kNotesCreatePolygonAnnotationCmdBoss",
         command(kNotesCreatePolygonAnnotationCmdImpl)},
    };
}

std::vector<ClassDeclaration> Classes() {
    std::vector<ClassDeclaration> classes = {
        {kNotesSaveAnnotationCmdBoss,
         kInvalidClass,
         "kNotesSaveAnnotationCmdBoss",
         {{IID_ICOMMAND, kNotesSaveAnnotationCmdImpl}, {IID_INOTESANNOTATION, kNotesAnnotationCmdDataImpl}}},
        {kNotesSaveNoteContentCmdBoss,
         kInvalidClass,
         "kNotesSaveNoteContentCmdBoss",
         {{IID_ICOMMAND, kNotesSaveNoteContentCmdImpl}, {IID_ISTRINGDATA, kStringDataImpl}}},
        {kNotesSaveOtherItemDataCmdBoss,
         kInvalidClass,
         "kNotesSaveOtherItemDataCmdBoss",
         {{IID_ICOMMAND, kNotesSaveOtherItemDataCmdImpl}, {IID_INOTESOTHERITEMREFERENCE, kUIDDataImpl}}},
        {kNotesDeleteAnnotationCmdBoss,
         kInvalidClass,
         "kNotesDeleteAnnotationCmdBoss",
         {{IID_ICOMMAND, kNotesDeleteAnnotationCmdImpl}}},
        {kNotesClearAllCmdBoss,
         kInvalidClass,
         "kNotesClearAllCmdBoss",
         {{IID_ICOMMAND, kNotesClearAllCmdImpl}}},
        {kNotesCreateLayerCmdBoss,
         kInvalidClass,
         "kNotesCreateLayerCmdBoss",
         {{IID_ICOMMAND, kNotesCreateLayerCmdImpl}}},
        {kNotesSaveLayerReferenceCmdBoss,
         kInvalidClass,
         "kNotesSaveLayerReferenceCmdBoss",
         {{IID_ICOMMAND, kNotesSaveLayerReferenceCmdImpl}, {IID_IUIDDATA, kUIDDataImpl}}},
        {kNotesCreateStickyNoteCmdBoss,
         kInvalidClass,
         "kNotesCreateStickyNoteCmdBoss",
         {{IID_ICOMMAND, kNotesCreateStickyNoteCmdImpl},
          {IID_INOTESANNOTATION, kNotesAnnotationCmdDataImpl},
          {IID_INOTESANNOTATIONREFERENCE, kUIDDataImpl}}},
        {kNotesActionComponentBoss,
         kInvalidClass,
         "kNotesActionComponentBoss",
         {{IID_IACTIONCOMPONENT, kNotesActionComponentImpl}}},
        {kNotesDocResponderServiceBoss,
         kInvalidClass,
         "kNotesDocResponderServiceBoss",
         {{IID_IK2SERVICEPROVIDER, kNotesDocumentServiceProviderImpl},
          {IID_IRESPONDER, kNotesDocumentResponderImpl}}},
        {kNotesImportCmdBoss,
         kInvalidClass,
         "kNotesImportCmdBoss",
         {{IID_ICOMMAND, kNotesImportCmdImpl},
          {IID_INOTESIMPORTSETTINGS, kNotesImportSettingsImpl},
          {IID_INOTESIMPORTPLANDATA, kNotesImportPlanDataImpl},
          {IID_IINTDATA, kIntDataImpl}}},
        {kNotesStickyNoteBoss,
         kSplineItemBoss,
         "kNotesStickyNoteBoss",
         {{IID_INOTESANNOTATION, kNotesAnnotationImpl},
          {IID_INOTESANNOTATIONLAYOUT, kNotesSplineAnnotationLayoutImpl},
          {IID_INOTESANNOTATIONREFERENCE, kNotesItemPersistUIDDataImpl},
          {IID_ISHAPE, kNotesStickyNotesShapeImpl},
          {IID_IHANDLESHAPE, kNotesStickyNotesHandleShapeImpl},
          {IID_IPATHHANDLESHAPE, kNotesStickyNotesPathHandleShapeImpl}}},
        {kNotesNewStickyNoteCmdBoss,
         kInvalidClass,
         "kNotesNewStickyNoteCmdBoss",
         {{IID_ICOMMAND, kNotesNewStickyNoteCmdImpl}, {IID_IPOINTDATA, kPointDataImpl}}},
        // Free text: the text frame carries the annotation; its callout line is only drawn
        {kNotesFreeTextAnnotationBoss,
         kSplineItemBoss,
         "kNotesFreeTextAnnotationBoss",
         {{IID_INOTESANNOTATION, kNotesAnnotationImpl},
          {IID_INOTESDRAWMARKUPANNOTATIONDATA, kNotesDrawMarkupAnnotationDataImpl},
          {IID_INOTESANNOTATIONLAYOUT, kNotesSplineAnnotationLayoutImpl},
          {IID_INOTESANNOTATIONREFERENCE, kNotesItemPersistUIDDataImpl},
          {IID_ISHAPE, kNotesAnnotationShapeImpl}}},
        {kNotesCalloutLineBoss,
         kSplineItemBoss,
         "kNotesCalloutLineBoss",
         {{IID_ISHAPE, kNotesAnnotationShapeImpl}}},
        {kNotesCreateFreeTextAnnotationCmdBoss,
         kInvalidClass,
         "kNotesCreateFreeTextAnnotationCmdBoss",
         {{IID_ICOMMAND, kNotesCreateFreeTextAnnotationCmdImpl},
          {IID_INOTESANNOTATION, kNotesAnnotationCmdDataImpl},
          {IID_INOTESDRAWMARKUPANNOTATIONDATA, kNotesDrawMarkupAnnotationCmdDataImpl},
          {IID_INOTESANNOTATIONREFERENCE, kUIDDataImpl}}},
        // Popups
        {kNotesPopupAnnotationBoss,
         kSplineItemBoss,
         "kNotesPopupAnnotationBoss",
         {{IID_INOTESANNOTATION, kNotesAnnotationBaseImpl},
          {IID_INOTESDRAWMARKUPANNOTATIONDATA, kNotesDrawMarkupAnnotationDataImpl},
          {IID_INOTESANNOTATIONLAYOUT, kNotesSplineAnnotationLayoutImpl},
          {IID_INOTESANNOTATIONREFERENCE, kNotesItemPersistUIDDataImpl},
          {IID_ISHAPE, kNotesAnnotationShapeImpl}}},
        {kNotesCreatePopupAnnotationCmdBoss,
         kInvalidClass,
         "kNotesCreatePopupAnnotationCmdBoss",
         {{IID_ICOMMAND, kNotesCreatePopupAnnotationCmdImpl},
          {IID_INOTESANNOTATION, kNotesAnnotationCmdDataImpl},
          {IID_INOTESDRAWMARKUPANNOTATIONDATA, kNotesDrawMarkupAnnotationCmdDataImpl},
          {IID_INOTESANNOTATIONREFERENCE, kUIDDataImpl}}},
        {kNotesShowPopupCmdBoss,
         kInvalidClass,
         "kNotesShowPopupCmdBoss",
         {{IID_ICOMMAND, kNotesShowPopupCmdImpl}}},
        {kNotesHidePopupCmdBoss,
         kInvalidClass,
         "kNotesHidePopupCmdBoss",
         {{IID_ICOMMAND, kNotesHidePopupCmdImpl}}},
        // Annotation colours
        {kNotesAddColorCmdBoss,
         kInvalidClass,
         "kNotesAddColorCmdBoss",
         {{IID_ICOMMAND, kNotesAddColorCmdImpl},
          {IID_IREALLISTDATA, kRealListDataImpl},
          {IID_ISTRINGDATA, kStringDataImpl}}},
        {kNotesClearAllColorsCmdBoss,
         kInvalidClass,
         "kNotesClearAllColorsCmdBoss",
         {{IID_ICOMMAND, kNotesClearAllColorsCmdImpl}}},
    };
    const std::vector<ClassDeclaration> textMarkups = TextMarkupClasses();
    classes.insert(classes.end(), textMarkups.begin(), textMarkups.end());
    const std::vector<ClassDeclaration> textEdits = TextEditClasses();
    classes.insert(classes.end(), textEdits.begin(), textEdits.end());
    const std::vector<ClassDeclaration> drawnMarkups = DrawnMarkupClasses();
    classes.insert(classes.end(), drawnMarkups.begin(), drawnMarkups.end());
    return classes;
}

std::vector<AddInDeclaration> AddIns() {
    return {
        {kDocBoss,
         {{IID_INOTESDOCLAYERREFERENCE, kNotesPersistUIDDataImpl},
          {IID_INOTESLAYERMANAGER, kNotesLayerManagerImpl},
          {IID_INOTESANNOTSMANAGER, kNotesAnnotsManagerImpl},
          {IID_INOTESMASTERPAGELIST, kNotesMasterPageListImpl},
          {IID_INOTESTEXTPROFILE, kNotesTextProfileImpl},
          {IID_INOTESDOCUMENTOBSERVER, kNotesDocumentObserverImpl},
          {IID_INOTESSELECTIONMANAGER, kNotesSelectionManagerImpl}}},
        // The selection suites: abstract on the integrator, concrete per kind of selection
        {kAbstractSelectionBoss,
         {{IID_INOTESSELECTIONSUITE, kNotesLayoutASBImpl},
          {IID_INOTESTEXTSELECTIONSUITE, kNotesTextASBImpl}}},
        {kLayoutSelectionBoss, {{IID_INOTESSELECTIONSUITE, kNotesLayoutCSBImpl}}},
        {kTextSelectionBoss, {{IID_INOTESTEXTSELECTIONSUITE, kNotesTextCSBImpl}}},
        {kPageBoss, {{IID_INOTESANNOTATIONLIST, kNotesAnnotationListImpl}}},
        {kApplicationBoss,
         {{IID_INOTESRECENTIMPORTS, kNotesRecentImportsImpl},
          {IID_INOTESIMPORTSETTINGS, kNotesImportSettingsImpl},
          {IID_INOTESPOPUPOPTIONS, kNotesPopupOptionsImpl},
          {IID_INOTESCONVERTTOHIGHLIGHTOPTION, kBoolDataImpl},
          {IID_INOTESCONVERTNOTIMPORTEDOPTION, kBoolDataImpl}}},
        {kUtilsBoss,
         {{IID_INOTESIMPORTUTILS, kNotesImportUtilsImpl}, {IID_INOTESVIEWUTILS, kNotesViewUtilsImpl}}},
        {kHostServiceBoss, {{IID_INOTESSERVICEDATA, kNotesBoolDataImpl}}},
        {kTransformPageItemsCmdBoss, {{IID_INOTESTRANSFORMCMDFLAG, kNotesBoolDataImpl}}},
        // Annotation colours
        {kDocBoss,
         {{IID_INOTESCOLORMANAGER, kNotesColorManagerImpl},
          {IID_INOTESANNOTATIONCOLORLIST, kNotesAnnotationColorListImpl}}},
    };
}

std::vector<StringTableDeclaration> StringTables() {
    return {
        {"enUS", false, NotesEnglishStrings()}, {"enUS", true, {}}, // strings that are never translated: none
    };
}
} // namespace

PlugInDeclaration MakeNotesDeclaration() {
    PlugInDeclaration decl;
    decl.id = kNotesPluginID;
    decl.name = kNotesPluginName;
    decl.version = {kNotesMajorVersion, kNotesMinorVersion, kNotesBugfixVersion};
    decl.buildText = kNotesBuildText;
    decl.implementations = Implementations();
    decl.aliases = Aliases();
    decl.classes = Classes();
    decl.addIns = AddIns();
    decl.stringTables = StringTables();
    decl.actions = {{kNotesClearAllActionID, kNotesActionComponentBoss, NOTES_KEY(kNotesClearAllMenuItemKey),
                     "KBSCE Other"}};
    // The Type menu's Annotations submenu, after a separator, and its one item.
    decl.menus = {{"Main:&Type:-", 0, 1460.0},
                  {"Main:&Type:" NOTES_KEY(kNotesMenuNameKey) ":", 0, 1461.0},
                  {"Main:&Type:" NOTES_KEY(kNotesMenuNameKey) ":" NOTES_KEY(kNotesClearAllMenuItemKey),
                   kNotesClearAllActionID, 100.0}};
    decl.serviceProviders = {kNotesDocResponderServiceBoss};
    decl.missingNotice = {
        kNotesVendorName,
        "\nThis document uses the Annotations plug-in. The Annotations plug-in must be installed "
        "to work with its annotations; it can be downloaded from https://www.morvane.example/"
        "annotations"};
    return decl;
}
