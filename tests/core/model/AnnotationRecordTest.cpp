// The annotation record: defaults, derived sub-types, its stored form field by field, and that it
// comes back equal from a saved and reopened document.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "INotesAnnotation.h"
#include "TestSupport.h"
#include "host/database/ByteStream.h"
#include "host/database/DataBase.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/InterfacePtr.h"

using namespace CoreFixture;

namespace {
InterfacePtr<INotesAnnotation> Record(IDataBase* db, UID uid) {
    return InterfacePtr<INotesAnnotation>(
        ObjectModel::CheckedCast<INotesAnnotation>(db->Instantiate(uid, IID_INOTESANNOTATION)));
}

class AnnotationRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        document = NewDocument();
        db = document->GetDocumentDataBase();
        item = NewRecordItem(db);
        ASSERT_NE(item, kInvalidUID);
    }
    void TearDown() override { Close(document); }

    IDocument* document = nullptr;
    IDataBase* db = nullptr;
    UID item = kInvalidUID;
};

TEST_F(AnnotationRecordTest, ANewRecordReadsAsTheDefaults) {
    InterfacePtr<INotesAnnotation> record = Record(db, item);
    EXPECT_EQ(record->GetType(), INotesAnnotation::kUnknownAnnotation);
    EXPECT_TRUE(record->GetPoints().empty());
    EXPECT_EQ(record->GetColor(), kInvalidUID);
    EXPECT_FALSE(record->CanShowPopup());
    EXPECT_TRUE(record->GetContent().IsEmpty());
    EXPECT_TRUE(record->GetAuthor().IsEmpty());
    EXPECT_EQ(record->GetDate(), IDTime());
}

TEST(AnnotationTypesTest, SubTypesAndTextEditsFollowTheType) {
    using A = INotesAnnotation;
    const struct {
        int32 type;
        A::NotesAnnotationSubType subType;
        bool textEdit;
    } expected[] = {
        {0, A::kOtherType, false},      {1, A::kOtherType, false},     {2, A::kPageItemType, false},
        {3, A::kTextMarkupType, false}, {4, A::kTextMarkupType, true}, {5, A::kTextMarkupType, false},
        {6, A::kTextMarkupType, false}, {7, A::kTextMarkupType, true}, {8, A::kTextMarkupType, true},
        {9, A::kPageItemType, false},   {13, A::kPageItemType, false}, {14, A::kPageItemType, false},
        {15, A::kOtherType, false},     {-1, A::kOtherType, false}};
    for (const auto& e : expected) {
        EXPECT_EQ(A::SubTypeOf(e.type), e.subType) << "type " << e.type;
        EXPECT_EQ(A::IsRedactionType(e.type) != 0, e.textEdit) << "type " << e.type;
    }
}

TEST_F(AnnotationRecordTest, TheStoredFormFollowsTheFieldOrder) {
    const IDTime date = IDTime::FromCalendar(2013, 8, 5, 20, 21, 36);
    Record(db, item)->Set(INotesAnnotation::kHighlightAnnotation, {PMPoint(1.5, 2.5), PMPoint(-3, 4)}, 77,
                          kTrue, PMString("Hi"), PMString("Ann"), date);
    DataBase* base = static_cast<DataBase*>(db);
    const std::vector<uint8> stored = base->Snapshot(item).object.data;

    // Write the expected stream by hand and find it inside the object's stored sections.
    ByteStream expected;
    int32 type = 3, count = 2;
    UID color = 77;
    bool16 popup = kTrue;
    PMString content("Hi"), author("Ann");
    IDTime time = date;
    expected.XferInt32(type);
    expected.XferReference(color);
    expected.XferBool(popup);
    expected.XferString(content);
    expected.XferString(author);
    expected.XferTime(time);
    expected.XferInt32(count);
    for (PMPoint p : {PMPoint(1.5, 2.5), PMPoint(-3, 4)})
        expected.XferPoint(p);
    const std::vector<uint8>& bytes = expected.GetBytes();
    EXPECT_EQ(bytes.size(), 4u + 4 + 2 + (4 + 4) + (4 + 6) + 8 + 4 + 2 * 16);
    EXPECT_NE(std::search(stored.begin(), stored.end(), bytes.begin(), bytes.end()), stored.end());
}

TEST_F(AnnotationRecordTest, RecordsComeBackEqualFromASavedDocument) {
    const IDTime date(IDTime::FromCalendar(2021, 2, 28, 23, 59, 58).GetTime() +
                      1234567); // not a whole second
    const UID empty = item;
    const UID full = NewRecordItem(db);
    PMPointList points;
    for (int i = 0; i < 12; ++i)
        points.emplace_back(i * 1.25, -i / 3.0);
    Record(db, empty)->Set(INotesAnnotation::kStickyNoteAnnotation, {}, 5, kTrue, PMString(""), PMString(""),
                           date);
    Record(db, full)->Set(INotesAnnotation::kPolygonAnnotation, points, 9, kFalse,
                          PMString("注釈: Ελληνικά 😀"), PMString("Zoë Łukasiewicz"), date);

    const std::string path = (TestSupport::MakeTempDir("records") / "records.phd").string();
    ASSERT_EQ(DocumentManager::Instance().SaveDocumentAs(document, path), kSuccess);
    Close(document);
    document = DocumentManager::Instance().OpenDocument(path).document;
    ASSERT_NE(document, nullptr);
    db = document->GetDocumentDataBase();

    InterfacePtr<INotesAnnotation> a = Record(db, empty);
    EXPECT_EQ(a->GetType(), INotesAnnotation::kStickyNoteAnnotation);
    EXPECT_TRUE(a->GetPoints().empty());
    EXPECT_EQ(a->GetColor(), 5u);
    EXPECT_TRUE(a->CanShowPopup());
    EXPECT_EQ(a->GetDate(), date);

    InterfacePtr<INotesAnnotation> b = Record(db, full);
    EXPECT_EQ(b->GetType(), INotesAnnotation::kPolygonAnnotation);
    EXPECT_EQ(b->GetPoints(), points);
    EXPECT_EQ(b->GetColor(), 9u);
    EXPECT_FALSE(b->CanShowPopup());
    EXPECT_EQ(b->GetContent().GetUTF8String(), "注釈: Ελληνικά 😀");
    EXPECT_EQ(b->GetAuthor().GetUTF8String(), "Zoë Łukasiewicz");
    EXPECT_EQ(b->GetDate().GetTime(), date.GetTime());
}

TEST_F(AnnotationRecordTest, ADamagedPointCountReadsOnlyThePointsThatAreThere) {
    Record(db, item)->Set(INotesAnnotation::kLineAnnotation, {PMPoint(1, 2), PMPoint(3, 4)}, 0, kFalse,
                          PMString(), PMString(), IDTime());
    DataBase* base = static_cast<DataBase*>(db);
    ObjectSnapshot snapshot = base->Snapshot(item);
    // The record's section is followed by the popup reference's (12-byte header + UID); the point
    // count sits before the two points. Claim a million points.
    std::vector<uint8>& data = snapshot.object.data;
    const size_t countAt = data.size() - (12 + 4) - 32 - 4;
    data[countAt + 2] = 0x0F;
    base->Restore(item, snapshot);
    EXPECT_EQ(Record(db, item)->GetPoints(), (PMPointList{PMPoint(1, 2), PMPoint(3, 4)}));
}
} // namespace
