// The document's annotation colour list: slots shared by types, the list of other swatches without
// duplicates, look-up by components that skips deleted swatches, clearing, undo, and the stored form:
// six slot UIDs, the count, the list, then the not-imported slot, read back equal after a reopen.
#include <gtest/gtest.h>

#include <cstring>

#include "../fixtures/CoreFixture.h"
#include "ColorTestDocument.h"
#include "host/commands/CmdUtils.h"
#include "host/database/ByteStream.h"
#include "host/database/DocumentFile.h"
#include "host/database/UndoHistory.h"
#include "host/document/ISwatchUtils.h"
#include "host/objectmodel/ImplementationBase.h"
#include "host/objectmodel/ObjectModel.h"

using A = INotesAnnotation;

namespace {
// Changes to the list outside the colour commands, one undo step each, as a command would make them.
template <class Change> void InStep(Change change) {
    CmdUtils::SequenceContext sequence;
    change();
}

// The bytes the colour list implementation stored in the document object of a saved file. Stored
// objects are framed sections: interface ID, implementation ID, byte count (32-bit little-endian),
// then the bytes.
std::vector<uint8> StoredColorList(const std::string& path) {
    DocumentFileContents contents;
    EXPECT_EQ(DocumentFile::Read(path, &contents).status, DocumentFile::kOk);
    const std::vector<uint8>& data = contents.objects.at(contents.rootUID).data;
    auto u32 = [&](size_t at) {
        uint32 value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | data.at(at + static_cast<size_t>(i));
        return value;
    };
    for (size_t at = 0; at + 12 <= data.size();) {
        const uint32 iid = u32(at), impl = u32(at + 4), length = u32(at + 8);
        if (iid == IID_INOTESANNOTATIONCOLORLIST && impl == kNotesAnnotationColorListImpl)
            return std::vector<uint8>(data.begin() + static_cast<long>(at + 12),
                                      data.begin() + static_cast<long>(at + 12 + length));
        at += 12 + length;
    }
    ADD_FAILURE() << "no colour list section in " << path;
    return {};
}

class AnnotationColorListTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(doc.List()); }
    InterfacePtr<INotesAnnotationColorList> List() const { return doc.List(); }

    ColorTestDocument doc;
};

TEST_F(AnnotationColorListTest, ANewDocumentHasNoAnnotationSwatches) {
    EXPECT_EQ(List()->GetColorCount(), 0);
    EXPECT_EQ(List()->GetNthColor(0), kInvalidUID);
    for (int32 type = -1; type <= 16; ++type)
        EXPECT_EQ(List()->GetKindColor(type), kInvalidUID) << type;
}

TEST_F(AnnotationColorListTest, SlotsAreSharedByTheTypesOfAKind) {
    InStep([&] {
        List()->SetKindColor(A::kSquigglyAnnotation, 101);
        List()->SetKindColor(A::kCaretAnnotation, 102);
        List()->SetKindColor(A::kFreeTextAnnotation, 103);
        List()->SetKindColor(A::kNotImportedColorIndex, 104);
        List()->SetKindColor(A::kHighlightAnnotation, 105);
    });
    EXPECT_EQ(List()->GetKindColor(A::kUnderlineAnnotation), 101u);
    EXPECT_EQ(List()->GetKindColor(A::kRedactionAnnotation), 102u);
    for (int32 type = A::kLineAnnotation; type <= A::kFreeTextAnnotation; ++type)
        EXPECT_EQ(List()->GetKindColor(type), 103u) << type;
    EXPECT_EQ(List()->GetKindColor(A::kNotImportedColorIndex), 104u);
    EXPECT_EQ(List()->GetKindColor(A::kHighlightAnnotation), 105u);
    EXPECT_EQ(List()->GetKindColor(A::kStickyNoteAnnotation), kInvalidUID);
    EXPECT_EQ(List()->GetKindColor(A::kStrikethroughAnnotation), kInvalidUID);
}

TEST_F(AnnotationColorListTest, TypesWithoutASlotChangeNothing) {
    InStep([&] {
        for (int32 type : {-1, 0, 1, 16, 1000})
            List()->SetKindColor(type, 7);
    });
    for (int32 type = -1; type <= 16; ++type)
        EXPECT_EQ(List()->GetKindColor(type), kInvalidUID) << type;
}

TEST_F(AnnotationColorListTest, OtherSwatchesAreListedOnceInOrderOfAddition) {
    InStep([&] {
        for (UID swatch : {30u, 10u, 30u, 20u, 10u})
            List()->AddColor(swatch);
    });
    ASSERT_EQ(List()->GetColorCount(), 3);
    EXPECT_EQ(List()->GetNthColor(0), 30u);
    EXPECT_EQ(List()->GetNthColor(1), 10u);
    EXPECT_EQ(List()->GetNthColor(2), 20u);
    EXPECT_EQ(List()->GetNthColor(3), kInvalidUID);
    EXPECT_EQ(List()->GetNthColor(-1), kInvalidUID);
}

TEST_F(AnnotationColorListTest, FindColorTakesTheFirstExistingSwatchWithinTheTolerance) {
    const UID gone = doc.NewUserSwatch("Orange 1", {1, 0.5, 0});
    const UID first = doc.NewUserSwatch("Orange 2", {1, 0.5, 0});
    const UID second = doc.NewUserSwatch("Orange 3", {1, 0.5, 0});
    const UID cyan = doc.NewUserSwatch("Cyan", {0, 1, 1});
    InStep([&] {
        for (UID swatch : {gone, first, second, cyan})
            List()->AddColor(swatch);
    });
    ASSERT_EQ(Utils<ISwatchUtils>()->DeleteSwatches(UIDList(UIDRef(doc.DB(), gone)), kInvalidUID), kSuccess);
    EXPECT_EQ(List()->FindColor({1, 0.5, 0}), first);
    EXPECT_EQ(List()->FindColor({1, 0.5 - 9e-9, 0}), first);
    EXPECT_EQ(List()->FindColor({1, 0.5 - 2e-8, 0}), kInvalidUID);
    EXPECT_EQ(List()->FindColor({0, 1, 1}), cyan);
    EXPECT_EQ(List()->FindColor({0, 1}), kInvalidUID);
    EXPECT_EQ(List()->FindColor({0, 1, 1, 0}), kInvalidUID);
    // Only listed swatches count, not every swatch of the document.
    doc.NewUserSwatch("Violet", {0.5, 0, 1});
    EXPECT_EQ(List()->FindColor({0.5, 0, 1}), kInvalidUID);
}

TEST_F(AnnotationColorListTest, ClearForgetsSlotsAndList) {
    InStep([&] {
        List()->AddColor(5);
        List()->SetKindColor(A::kStickyNoteAnnotation, 6);
        List()->SetKindColor(A::kNotImportedColorIndex, 7);
    });
    InStep([&] { List()->Clear(); });
    EXPECT_EQ(List()->GetColorCount(), 0);
    EXPECT_EQ(List()->GetKindColor(A::kStickyNoteAnnotation), kInvalidUID);
    EXPECT_EQ(List()->GetKindColor(A::kNotImportedColorIndex), kInvalidUID);

    ASSERT_EQ(doc.DB()->GetUndoHistory().Undo(), kSuccess);
    EXPECT_EQ(List()->GetNthColor(0), 5u);
    EXPECT_EQ(List()->GetKindColor(A::kStickyNoteAnnotation), 6u);
    EXPECT_EQ(List()->GetKindColor(A::kNotImportedColorIndex), 7u);
}

TEST_F(AnnotationColorListTest, TheStoredFormHasTheSixSlotsTheListThenTheNotImportedSlot) {
    // Real swatches: a reopened document drops references to objects it does not hold.
    std::vector<UID> s;
    for (int n = 0; n < 10; ++n)
        s.push_back(doc.NewUserSwatch(("Swatch " + std::to_string(n)).c_str(), {0.1 * n, 0, 0}));
    InStep([&] {
        List()->SetKindColor(A::kStickyNoteAnnotation, s[0]);
        List()->SetKindColor(A::kLineAnnotation, s[1]);
        List()->SetKindColor(A::kHighlightAnnotation, s[2]);
        List()->SetKindColor(A::kUnderlineAnnotation, s[3]);
        List()->SetKindColor(A::kStrikethroughAnnotation, s[4]);
        List()->SetKindColor(A::kRedactionAnnotation, s[5]);
        List()->SetKindColor(A::kNotImportedColorIndex, s[6]);
        for (UID swatch : {s[7], s[9], s[8]})
            List()->AddColor(swatch);
    });
    const std::string path = doc.SaveAndReopen();
    ASSERT_FALSE(path.empty());

    ByteStream expected;
    for (UID uid : {s[0], s[1], s[2], s[3], s[4], s[5]})
        expected.XferReference(uid);
    int32 count = 3;
    expected.XferInt32(count);
    for (UID uid : {s[7], s[9], s[8], s[6]})
        expected.XferReference(uid);
    EXPECT_EQ(StoredColorList(path), expected.GetBytes());

    ASSERT_NE(doc.Document(), nullptr);
    EXPECT_EQ(List()->GetKindColor(A::kStickyNoteAnnotation), s[0]);
    EXPECT_EQ(List()->GetKindColor(A::kPolygonAnnotation), s[1]);
    EXPECT_EQ(List()->GetKindColor(A::kHighlightAnnotation), s[2]);
    EXPECT_EQ(List()->GetKindColor(A::kSquigglyAnnotation), s[3]);
    EXPECT_EQ(List()->GetKindColor(A::kStrikethroughAnnotation), s[4]);
    EXPECT_EQ(List()->GetKindColor(A::kCaretAnnotation), s[5]);
    EXPECT_EQ(List()->GetKindColor(A::kNotImportedColorIndex), s[6]);
    ASSERT_EQ(List()->GetColorCount(), 3);
    EXPECT_EQ(List()->GetNthColor(0), s[7]);
    EXPECT_EQ(List()->GetNthColor(1), s[9]);
    EXPECT_EQ(List()->GetNthColor(2), s[8]);
}

TEST_F(AnnotationColorListTest, SwatchesMadeByTheManagerAreFoundAfterAReopen) {
    const UID orange = doc.Manager()->GetColor({1, 0.5, 0}, A::kHighlightAnnotation);
    const UID highlight = doc.Manager()->GetColor({1, 1, 0}, A::kHighlightAnnotation);
    ASSERT_FALSE(doc.SaveAndReopen().empty());
    EXPECT_EQ(doc.Manager()->GetColor({1, 0.5, 0}, A::kUnderlineAnnotation), orange);
    EXPECT_EQ(doc.Manager()->GetColor({1, 1, 0}, A::kHighlightAnnotation), highlight);
    EXPECT_EQ(doc.NameOf(orange), "Annotation Color");
}

TEST_F(AnnotationColorListTest, ADamagedCountReadsOnlyTheSwatchesThatAreThere) {
    InStep([&] {
        List()->AddColor(40);
        List()->AddColor(41);
    });
    ByteStream damaged;
    for (UID uid : {1u, 2u, 3u, 4u, 5u, 6u})
        damaged.XferReference(uid);
    int32 count = 0x7FFFFFFF;
    damaged.XferInt32(count);
    UID only = 9;
    damaged.XferReference(only);
    ByteStream reader(damaged.GetBytes());
    auto* list = dynamic_cast<ImplementationBase*>(List().get());
    ASSERT_NE(list, nullptr);
    list->ReadWrite(&reader, kNotesAnnotationColorListImpl);
    ASSERT_EQ(List()->GetColorCount(), 1);
    EXPECT_EQ(List()->GetNthColor(0), 9u);
    EXPECT_EQ(List()->GetKindColor(A::kRedactionAnnotation), 6u);
}
} // namespace
