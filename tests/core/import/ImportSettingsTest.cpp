// Import settings and the recent-imports list: their defaults, that Set replaces every field, the
// list's order and uniqueness, and that both live on the application-wide object for the dialog.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "INotesImportSettings.h"
#include "INotesRecentImports.h"
#include "host/objectmodel/ObjectModel.h"

using namespace CoreFixture;

namespace {
template <class T> InterfacePtr<T> Fresh() {
    RegisterPlugIns();
    return InterfacePtr<T>(CreateObject2<T>(kImportStateBoss));
}

std::vector<std::string> Entries(const INotesRecentImports* recent) {
    std::vector<std::string> paths;
    for (int32 i = 0; i < recent->GetCount(); ++i)
        paths.push_back(recent->GetNth(i).GetUTF8String());
    return paths;
}

TEST(ImportSettingsTest, ANewObjectImportsEveryKindFromNoFileWithoutOffset) {
    InterfacePtr<INotesImportSettings> settings = Fresh<INotesImportSettings>();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->GetPDFPath().IsEmpty());
    EXPECT_EQ(settings->GetPageOffset(), 0);
    EXPECT_TRUE(settings->GetImportStickyNotes());
    EXPECT_TRUE(settings->GetImportTextMarkups());
    EXPECT_TRUE(settings->GetImportTextEdits());
    EXPECT_TRUE(settings->GetImportDrawings());
}

TEST(ImportSettingsTest, SetReplacesEveryFieldInItsArgumentOrder) {
    InterfacePtr<INotesImportSettings> settings = Fresh<INotesImportSettings>();
    // Each kind switched off alone, so a swapped pair of arguments shows.
    settings->Set(PMString("/tmp/Prüfung 1.pdf"), -3, kFalse, kTrue, kTrue, kTrue);
    EXPECT_EQ(settings->GetPDFPath().GetUTF8String(), "/tmp/Prüfung 1.pdf");
    EXPECT_EQ(settings->GetPageOffset(), -3);
    EXPECT_FALSE(settings->GetImportStickyNotes());
    EXPECT_TRUE(settings->GetImportTextMarkups());

    settings->Set(PMString("b.pdf"), 2, kTrue, kFalse, kTrue, kTrue);
    EXPECT_TRUE(settings->GetImportStickyNotes());
    EXPECT_FALSE(settings->GetImportTextMarkups());
    EXPECT_TRUE(settings->GetImportTextEdits());

    settings->Set(PMString("c.pdf"), 0, kTrue, kTrue, kFalse, kTrue);
    EXPECT_FALSE(settings->GetImportTextEdits());
    EXPECT_TRUE(settings->GetImportDrawings());

    settings->Set(PMString(), 7, kTrue, kTrue, kTrue, kFalse);
    EXPECT_TRUE(settings->GetImportTextEdits());
    EXPECT_FALSE(settings->GetImportDrawings());
    EXPECT_TRUE(settings->GetPDFPath().IsEmpty());
    EXPECT_EQ(settings->GetPageOffset(), 7);
}

TEST(RecentImportsTest, KeepsFirstInsertionOrderWithoutDuplicates) {
    InterfacePtr<INotesRecentImports> recent = Fresh<INotesRecentImports>();
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->GetCount(), 0);
    recent->Add(PMString("A.pdf"));
    recent->Add(PMString("B.pdf"));
    recent->Add(PMString("A.pdf"));
    EXPECT_EQ(Entries(recent.get()), (std::vector<std::string>{"A.pdf", "B.pdf"}));
    recent->Remove(PMString("A.pdf"));
    EXPECT_EQ(Entries(recent.get()), (std::vector<std::string>{"B.pdf"}));
    // Comparison is exact: a path differing in case is another file.
    recent->Add(PMString("b.pdf"));
    EXPECT_EQ(recent->GetCount(), 2);
}

TEST(RecentImportsTest, RemovingKeepsTheOthersInOrderAndUnknownPathsChangeNothing) {
    InterfacePtr<INotesRecentImports> recent = Fresh<INotesRecentImports>();
    for (const char* path : {"1.pdf", "2.pdf", "3.pdf", "4.pdf"})
        recent->Add(PMString(path));
    recent->Remove(PMString("2.pdf"));
    recent->Remove(PMString("none.pdf"));
    EXPECT_EQ(Entries(recent.get()), (std::vector<std::string>{"1.pdf", "3.pdf", "4.pdf"}));
}

TEST(RecentImportsTest, IndicesOutsideTheListAnswerAnEmptyPath) {
    InterfacePtr<INotesRecentImports> recent = Fresh<INotesRecentImports>();
    EXPECT_TRUE(recent->GetNth(0).IsEmpty());
    recent->Add(PMString("only.pdf"));
    EXPECT_EQ(recent->GetNth(0).GetUTF8String(), "only.pdf");
    EXPECT_TRUE(recent->GetNth(-1).IsEmpty());
    EXPECT_TRUE(recent->GetNth(recent->GetCount()).IsEmpty());
}

TEST(ImportSettingsTest, TheApplicationObjectKeepsOneCopyOfEachForTheDialog) {
    RegisterPlugIns();
    InterfacePtr<INotesImportSettings> settings(GetApplicationObject(), IID_INOTESIMPORTSETTINGS);
    InterfacePtr<INotesRecentImports> recent(GetApplicationObject(), IID_INOTESRECENTIMPORTS);
    ASSERT_NE(settings, nullptr);
    ASSERT_NE(recent, nullptr);
    settings->Set(PMString("/docs/proof.pdf"), 1, kTrue, kFalse, kTrue, kTrue);
    recent->Add(PMString("/docs/proof.pdf"));

    InterfacePtr<INotesImportSettings> again(GetApplicationObject(), IID_INOTESIMPORTSETTINGS);
    InterfacePtr<INotesRecentImports> recentAgain(GetApplicationObject(), IID_INOTESRECENTIMPORTS);
    EXPECT_EQ(again->GetPDFPath().GetUTF8String(), "/docs/proof.pdf");
    EXPECT_EQ(again->GetPageOffset(), 1);
    EXPECT_FALSE(again->GetImportTextMarkups());
    ASSERT_GE(recentAgain->GetCount(), 1);
    EXPECT_EQ(recentAgain->GetNth(recentAgain->GetCount() - 1).GetUTF8String(), "/docs/proof.pdf");
}
} // namespace
