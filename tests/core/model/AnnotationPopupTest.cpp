// Popups of a record: a dangling popup reference is cleared, records that cannot show popups do
// nothing, and missing popup commands are logged rather than crashing.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "host/commands/CmdUtils.h"
#include "host/objectmodel/IUIDData.h"
#include "host/objectmodel/InterfacePtr.h"

using namespace CoreFixture;

namespace {
class AnnotationPopupTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = NewDocument();
        db = document->GetDocumentDataBase();
        item = NewRecordItem(db);
        record.reset(ObjectModel::CheckedCast<INotesAnnotation>(db->Instantiate(item, IID_INOTESANNOTATION)));
        popupRef.reset(
            ObjectModel::CheckedCast<IUIDData>(db->Instantiate(item, IID_INOTESANNOTATIONREFERENCE)));
        ClearFailureLog();
    }
    void TearDown() override {
        record.reset();
        popupRef.reset();
        Close(document);
    }
    void SetPopupFlag(bool16 canShow) {
        record->Set(INotesAnnotation::kStickyNoteAnnotation, {}, kInvalidUID, canShow, PMString(), PMString(),
                    IDTime());
    }

    IDocument* document = nullptr;
    IDataBase* db = nullptr;
    UID item = kInvalidUID;
    InterfacePtr<INotesAnnotation> record;
    InterfacePtr<IUIDData> popupRef;
};

TEST_F(AnnotationPopupTest, APopupThatExistsIsShownAndADeletedOneIsForgotten) {
    const UID popup = db->NewUID(kPopupItemBoss);
    popupRef->Set(UIDRef(db, popup));
    EXPECT_TRUE(record->IsPopupShown());
    db->DeleteUID(popup);
    EXPECT_FALSE(record->IsPopupShown());
    EXPECT_EQ(popupRef->GetUID(), kInvalidUID) << "the dangling reference is cleared";
}

TEST_F(AnnotationPopupTest, ShowPopupAsksForThePopupCommandWhenNoPopupIsOpen) {
    SetPopupFlag(kTrue);
    popupRef->Set(UIDRef(db, 9999)); // dangling: the popup is gone
    record->ShowPopup();
    EXPECT_EQ(popupRef->GetUID(), kInvalidUID);
    // The show command is processed; an item that is not laid out anywhere gets no popup, and
    // the failure is logged without breaking anything.
    EXPECT_NE(FailureLogText().find("NotesShowPopupCmd.cpp("), std::string::npos);
    EXPECT_NE(FailureLogText().find("): annotationLayout == nil\r\n"), std::string::npos);
    EXPECT_EQ(popupRef->GetUID(), kInvalidUID);
}

TEST_F(AnnotationPopupTest, RecordsThatCannotShowPopupsDoNothing) {
    SetPopupFlag(kFalse);
    record->ShowPopup();
    record->HidePopup();
    EXPECT_EQ(FailureLogText(), "");
}

TEST_F(AnnotationPopupTest, TheInMemoryRecordHasNoPopupsAndSaysSo) {
    const UID popup = db->NewUID(kPopupItemBoss);
    InterfacePtr<INotesAnnotation> base(
        ObjectModel::CheckedCast<INotesAnnotation>(db->Instantiate(popup, IID_INOTESANNOTATION)));
    EXPECT_FALSE(base->IsPopupShown());
    base->ShowPopup();
    base->HidePopup();
    const std::string log = FailureLogText();
    EXPECT_NE(log.find("NotesAnnotationBase.cpp("), std::string::npos);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);
    EXPECT_NE(log.find("): kFalse == false\r\n"), std::string::npos);
}
} // namespace
