// Rewriting a record is a command: undo restores the earlier record exactly and redo re-applies it;
// a wrong item list fails, is logged, and changes nothing.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "host/commands/CmdUtils.h"
#include "host/database/DataBase.h"
#include "host/objectmodel/InterfacePtr.h"

using namespace CoreFixture;

namespace {
ErrorCode SaveRecord(const UIDList& items, INotesAnnotation::NotesAnnotationType type, const char* content) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNotesSaveAnnotationCmdBoss));
    InterfacePtr<INotesAnnotation> data(cmd, IID_INOTESANNOTATION);
    data->Set(type, {PMPoint(10, 20), PMPoint(30, 40)}, 3, kTrue, PMString(content), PMString("Reviewer"),
              IDTime::FromCalendar(2020, 1, 2, 3, 4, 5));
    cmd->SetItemList(items);
    return CmdUtils::ProcessCommand(cmd);
}

TEST(SaveAnnotationCmdTest, UndoRestoresTheEarlierRecordAndRedoReappliesIt) {
    IDocument* document = NewDocument();
    DataBase* db = static_cast<DataBase*>(document->GetDocumentDataBase());
    const UID item = NewRecordItem(db);
    ASSERT_EQ(SaveRecord(UIDList(UIDRef(db, item)), INotesAnnotation::kStickyNoteAnnotation, "first"),
              kSuccess);
    const std::vector<uint8> first = db->Snapshot(item).object.data;
    ASSERT_EQ(SaveRecord(UIDList(UIDRef(db, item)), INotesAnnotation::kCircleAnnotation, "second"), kSuccess);
    const std::vector<uint8> second = db->Snapshot(item).object.data;
    EXPECT_EQ(db->GetUndoHistory().GetUndoName().GetUTF8String(), "Save Note Content");

    ASSERT_EQ(db->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(db->Snapshot(item).object.data, first);
    InterfacePtr<INotesAnnotation> record(
        ObjectModel::CheckedCast<INotesAnnotation>(db->Instantiate(item, IID_INOTESANNOTATION)));
    EXPECT_EQ(record->GetType(), INotesAnnotation::kStickyNoteAnnotation);
    EXPECT_EQ(record->GetContent().GetUTF8String(), "first");
    ASSERT_EQ(db->GetUndoHistory().Redo(), kSuccess);
    EXPECT_EQ(db->Snapshot(item).object.data, second);
    EXPECT_EQ(record->GetContent().GetUTF8String(), "second");
    Close(document);
}

TEST(SaveAnnotationCmdTest, AWrongItemListFailsAndIsLogged) {
    IDocument* document = NewDocument();
    IDataBase* db = document->GetDocumentDataBase();
    const UID a = NewRecordItem(db), b = NewRecordItem(db);
    ClearFailureLog();
    UIDList two(db);
    two.Append(a);
    two.Append(b);
    EXPECT_NE(SaveRecord(two, INotesAnnotation::kLineAnnotation, "x"), kSuccess);
    EXPECT_NE(SaveRecord(UIDList(db), INotesAnnotation::kLineAnnotation, "x"), kSuccess);
    const std::string log = FailureLogText();
    EXPECT_NE(log.find("NotesSaveAnnotationCmd.cpp("), std::string::npos);
    EXPECT_NE(log.find("): GetItemList()->Length() == 1 == false\r\n"), std::string::npos) << log;
    InterfacePtr<INotesAnnotation> record(
        ObjectModel::CheckedCast<INotesAnnotation>(db->Instantiate(a, IID_INOTESANNOTATION)));
    EXPECT_EQ(record->GetType(), INotesAnnotation::kUnknownAnnotation);
    Close(document);
}
} // namespace
