// Saving a note's text keeps the rest of its record and tells the document's observers; saving a
// partner reference stores the UID; both are undoable.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "ChangeRecorder.h"
#include "INotesAnnotation.h"
#include "host/commands/CmdUtils.h"
#include "host/database/UndoHistory.h"
#include "host/notify/ISubject.h"
#include "host/objectmodel/IStringData.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"

using namespace CoreFixture;

namespace {
ErrorCode SaveNote(IDataBase* db, UID item, const char* text) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesSaveNoteContentCmdBoss));
    InterfacePtr<IStringData> stringData(cmd, IID_ISTRINGDATA);
    stringData->Set(PMString(text));
    cmd->SetItemList(UIDList(UIDRef(db, item)));
    return CmdUtils::ProcessCommand(cmd);
}

TEST(NoteCommandsTest, SavingTheTextKeepsColorPointsAuthorAndDateAndIsAnnounced) {
    IDocument* document = NewDocument();
    IDataBase* db = document->GetDocumentDataBase();
    const UID item = NewRecordItem(db);
    InterfacePtr<INotesAnnotation> record(
        ObjectModel::CheckedCast<INotesAnnotation>(db->Instantiate(item, IID_INOTESANNOTATION)));
    const IDTime date = IDTime::FromCalendar(2019, 5, 6, 7, 8, 9);
    const PMPointList points{PMPoint(1, 2), PMPoint(3, 4)};
    record->Set(INotesAnnotation::kStickyNoteAnnotation, points, 12, kTrue, PMString("old"), PMString("Kim"),
                date);

    InterfacePtr<ISubject> subject(
        ObjectModel::CheckedCast<ISubject>(db->Instantiate(db->GetRootUID(), IID_ISUBJECT)));
    ChangeRecorder observer;
    subject->AttachObserver(&observer, IID_INOTESANNOTATION);
    ASSERT_EQ(SaveNote(db, item, "new text ✓"), kSuccess);
    subject->DetachObserver(&observer, IID_INOTESANNOTATION);

    EXPECT_EQ(record->GetContent().GetUTF8String(), "new text ✓");
    EXPECT_EQ(record->GetType(), INotesAnnotation::kStickyNoteAnnotation);
    EXPECT_EQ(record->GetPoints(), points);
    EXPECT_EQ(record->GetColor(), 12u);
    EXPECT_TRUE(record->CanShowPopup());
    EXPECT_EQ(record->GetAuthor().GetUTF8String(), "Kim");
    EXPECT_EQ(record->GetDate(), date);
    EXPECT_EQ(observer.changes, std::vector<ClassID>{kNotesSaveNoteContentCmdBoss});
    EXPECT_EQ(db->GetUndoHistory().GetUndoName().GetUTF8String(), "Save Note");

    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(record->GetContent().GetUTF8String(), "old");
    Close(document);
}

TEST(NoteCommandsTest, SavingTheTextOfSomethingWithoutARecordFailsAndChangesNothing) {
    IDocument* document = NewDocument();
    IDataBase* db = document->GetDocumentDataBase();
    const UID marker = db->NewUID(kMarkerItemBoss);
    ClearFailureLog();
    EXPECT_NE(SaveNote(db, marker, "text"), kSuccess);
    EXPECT_NE(FailureLogText().find("NotesSaveNoteContentCmd.cpp("), std::string::npos);
    EXPECT_NE(FailureLogText().find("): annotation == nil\r\n"), std::string::npos);
    Close(document);
}

TEST(NoteCommandsTest, SavingAPartnerReferenceStoresTheUID) {
    IDocument* document = NewDocument();
    IDataBase* db = document->GetDocumentDataBase();
    const UID start = db->NewUID(kMarkerItemBoss), end = db->NewUID(kMarkerItemBoss);
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesSaveOtherItemDataCmdBoss));
    InterfacePtr<IUIDData> uidData(cmd, IID_INOTESOTHERITEMREFERENCE);
    uidData->Set(UIDRef(db, end));
    cmd->SetItemList(UIDList(UIDRef(db, start)));
    ASSERT_EQ(CmdUtils::ProcessCommand(cmd), kSuccess) << FailureLogText();
    InterfacePtr<IUIDData> partner(
        ObjectModel::CheckedCast<IUIDData>(db->Instantiate(start, IID_INOTESOTHERITEMREFERENCE)));
    EXPECT_EQ(partner->GetUID(), end);
    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(partner->GetUID(), kInvalidUID);
    Close(document);
}
} // namespace
