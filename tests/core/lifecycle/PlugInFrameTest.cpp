// The plug-in frame: identity and version, the English strings translate by key, and the string
// table and registrations are what the host sees.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "NotesID.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/PlugInLoader.h"
#include "host/util/PMString.h"
#include "host/util/StringUtils.h"
#include "lifecycle/NotesPlugIn.h"

using namespace CoreFixture;

namespace {
TEST(PlugInFrameTest, IdentityVersionAndBuildText) {
    RegisterPlugIns();
    const PlugInDeclaration& decl = GetPlugIn()->GetDeclaration();
    EXPECT_EQ(decl.id, 0x169200u);
    EXPECT_STREQ(decl.name, "Annotations");
    EXPECT_EQ(decl.version.ToString(), "1.1.5");
    EXPECT_STREQ(decl.buildText, "1.1.5, 08/05/13 20:21:36");
    EXPECT_STREQ(decl.missingNotice.vendor, "Morvane");
    EXPECT_EQ(decl.missingNotice.text[0], '\n');
    EXPECT_EQ(PlugInLoader::Instance().FindPlugIn(kNotesPluginID), GetPlugIn());
}

TEST(PlugInFrameTest, KeysTranslateToTheEnglishStrings) {
    RegisterPlugIns();
    const struct {
        const char* key;
        const char* text;
    } samples[] = {
        {"#MV#1692kNotesImportCmdNameKey", "Import Annotations"},
        {"#MV#1692kNotesTextStrikethroughAttributeDescriptionKey", "Strikethrought"},
        {"#MV#1692kNotesErrorStickyNoteSwatchNameKey", "Not Imported Text Edit Sticky Note Annotation Color"},
        {"#MV#1692kNotesOriginalTextColonSpaceKey", "Original text: "}};
    for (const auto& s : samples)
        EXPECT_EQ(PMString(s.key, PMString::kTranslateDuringCall).GetUTF8String(), s.text) << s.key;
    PMString page(NOTES_KEY(kNotesProgressBarPageNumKey), PMString::kTranslateDuringCall);
    StringUtils::ReplaceStringParameters(&page, PMString("7"));
    EXPECT_EQ(page.GetUTF8String(), "page #7");
    EXPECT_EQ(GetPlugIn()->GetDeclaration().stringTables.at(0).strings.size(), 67u);
    EXPECT_TRUE(GetPlugIn()->GetDeclaration().stringTables.at(1).noTranslate);
    EXPECT_TRUE(GetPlugIn()->GetDeclaration().stringTables.at(1).strings.empty());
}

TEST(PlugInFrameTest, EveryRegisteredClassResolvesAndHostAliasesPointAtHostData) {
    RegisterPlugIns();
    const PlugInDeclaration& decl = GetPlugIn()->GetDeclaration();
    for (const ClassDeclaration& cls : decl.classes) {
        const ClassDefinition* def = ClassRegistry::Instance().FindClass(cls.id);
        ASSERT_NE(def, nullptr) << std::hex << cls.id;
        for (const InterfaceDeclaration& iface : def->resolved)
            EXPECT_NE(ClassRegistry::Instance().FindImplementation(iface.impl), nullptr)
                << std::hex << iface.impl;
    }
    for (ImplementationID alias : {0x169203u, 0x16920Cu, 0x169245u})
        EXPECT_EQ(ClassRegistry::Instance().FindImplementation(alias)->id, 0x117u);
    EXPECT_EQ(ClassRegistry::Instance().FindImplementation(0x16920F)->id, 0x1078Du);
}
// The selection suites sit on the host's selection classes and the annotation selection on the
// document; the Clear All item stands in the Type menu after a separator, in its own submenu.
TEST(PlugInFrameTest, SelectionSuitesAndTheMenuItemAreWhereTheHostLooks) {
    RegisterPlugIns();
    const auto implementationOn = [](ClassID cls, PMIID iid) {
        const ClassDefinition* def = ClassRegistry::Instance().FindClass(cls);
        for (const InterfaceDeclaration& iface : def ? def->resolved : std::vector<InterfaceDeclaration>())
            if (iface.iid == iid)
                return iface.impl;
        return ImplementationID(0);
    };
    EXPECT_EQ(implementationOn(kAbstractSelectionBoss, IID_INOTESSELECTIONSUITE), 0x169264u);
    EXPECT_EQ(implementationOn(kAbstractSelectionBoss, IID_INOTESTEXTSELECTIONSUITE), 0x169266u);
    EXPECT_EQ(implementationOn(kLayoutSelectionBoss, IID_INOTESSELECTIONSUITE), 0x169265u);
    EXPECT_EQ(implementationOn(kTextSelectionBoss, IID_INOTESTEXTSELECTIONSUITE), 0x169267u);
    EXPECT_EQ(implementationOn(kDocBoss, IID_INOTESSELECTIONMANAGER), 0x169253u);

    const PlugInDeclaration& decl = GetPlugIn()->GetDeclaration();
    ASSERT_EQ(decl.actions.size(), 1u);
    EXPECT_STREQ(decl.actions[0].area, "KBSCE Other");
    ASSERT_EQ(decl.menus.size(), 3u);
    EXPECT_STREQ(decl.menus[0].path, "Main:&Type:-");
    EXPECT_EQ(decl.menus[0].position, 1460.0);
    EXPECT_STREQ(decl.menus[1].path, "Main:&Type:#MV#1692kNotesMenuNameKey:");
    EXPECT_EQ(decl.menus[1].position, 1461.0);
    EXPECT_EQ(decl.menus[2].action, kNotesClearAllActionID);
    EXPECT_EQ(decl.menus[2].position, 100.0);
}
} // namespace
