// Finding and making annotation swatches: a kind's default colour gets the kind's named swatch, shared
// by the types of one slot; any other colour (and every colour of type 0) gets an "Annotation Color"
// swatch that later annotations of the same colour reuse; popups and unknown kinds get none. Every
// swatch made is listed in the document's swatch list, and making it is undoable.
#include <gtest/gtest.h>

#include "../fixtures/CoreFixture.h"
#include "ColorTestDocument.h"
#include "host/database/UndoHistory.h"
#include "host/document/ISwatchUtils.h"
#include "host/objectmodel/ObjectModel.h"

using A = INotesAnnotation;

namespace {
class ColorManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoreFixture::ClearFailureLog();
        ASSERT_TRUE(doc.Manager());
        ASSERT_TRUE(doc.List());
    }
    UID Get(std::vector<PMReal> components, int32 type) { return doc.Manager()->GetColor(components, type); }

    ColorTestDocument doc;
};

TEST_F(ColorManagerTest, AKindsDefaultColourGetsTheKindsNamedSwatch) {
    const UID highlight = Get({1, 1, 0}, A::kHighlightAnnotation);
    ASSERT_NE(highlight, kInvalidUID);
    EXPECT_EQ(doc.NameOf(highlight), "Highlight Annotation Color");
    EXPECT_EQ(doc.ComponentsOf(highlight), (std::vector<PMReal>{1, 1, 0}));
    EXPECT_TRUE(doc.IsListed(highlight));
    EXPECT_EQ(doc.List()->GetKindColor(A::kHighlightAnnotation), highlight);
    // Kind swatches are slots, not entries of the list of other colours.
    EXPECT_EQ(doc.List()->GetColorCount(), 0);
    EXPECT_EQ(Get({1, 1, 0}, A::kHighlightAnnotation), highlight);
    EXPECT_EQ(doc.SwatchesNamed("Highlight Annotation Color").Length(), 1);
}

TEST_F(ColorManagerTest, EveryKindSlotHasItsNameAndDefault) {
    const struct {
        int32 type;
        const char* name;
        std::vector<PMReal> color;
    } kinds[] = {
        {A::kStickyNoteAnnotation, "Sticky Note Annotation Color", {1, 1, 0}},
        {A::kStrikethroughAnnotation, "Strikethrough Annotation Color", {1, 0, 0}},
        {A::kUnderlineAnnotation, "Underline Annotation Color", {0, 1, 0}},
        {A::kRedactionAnnotation, "Redaction Annotation Color", {0, 0, 1}},
        {A::kPolygonAnnotation, "Draw Markup Annotation Color", {1, 0, 0}},
        {A::kNotImportedColorIndex, "Not Imported Text Edit Sticky Note Annotation Color", {1, 0, 0}},
    };
    for (const auto& kind : kinds) {
        const UID swatch = doc.Manager()->GetKindColor(kind.type);
        EXPECT_EQ(doc.NameOf(swatch), kind.name) << kind.type;
        EXPECT_EQ(doc.ComponentsOf(swatch), kind.color) << kind.type;
        EXPECT_EQ(Get(kind.color, kind.type), swatch) << kind.type;
    }
}

TEST_F(ColorManagerTest, TypesOfOneSlotShareItsSwatch) {
    const UID underline = Get({0, 1, 0}, A::kUnderlineAnnotation);
    EXPECT_EQ(Get({0, 1, 0}, A::kSquigglyAnnotation), underline);
    const UID redaction = Get({0, 0, 1}, A::kRedactionAnnotation);
    EXPECT_EQ(Get({0, 0, 1}, A::kCaretAnnotation), redaction);
    const UID line = doc.Manager()->GetKindColor(A::kLineAnnotation);
    for (int32 type = A::kLineAnnotation; type <= A::kFreeTextAnnotation; ++type)
        EXPECT_EQ(doc.Manager()->GetKindColor(type), line) << type;
    // Sticky notes and highlights have the same default colour but slots of their own.
    EXPECT_NE(Get({1, 1, 0}, A::kStickyNoteAnnotation), Get({1, 1, 0}, A::kHighlightAnnotation));
    EXPECT_NE(underline, redaction);
}

TEST_F(ColorManagerTest, AnOtherColourGetsAnAnnotationColorSwatchThatIsReused) {
    const UID orange = Get({1, 0.5, 0}, A::kHighlightAnnotation);
    ASSERT_NE(orange, kInvalidUID);
    EXPECT_EQ(doc.NameOf(orange), "Annotation Color");
    EXPECT_EQ(doc.ComponentsOf(orange), (std::vector<PMReal>{1, 0.5, 0}));
    EXPECT_EQ(doc.List()->GetColorCount(), 1);
    EXPECT_EQ(doc.List()->GetNthColor(0), orange);
    // Reused for any kind, and within the tolerance of 1e-8.
    EXPECT_EQ(Get({1, 0.5 + 5e-9, 0}, A::kUnderlineAnnotation), orange);
    const UID other = Get({1, 0.5 + 1e-6, 0}, A::kHighlightAnnotation);
    EXPECT_NE(other, orange);
    EXPECT_EQ(doc.SwatchesNamed("Annotation Color").Length(), 2);
    EXPECT_EQ(doc.List()->GetKindColor(A::kHighlightAnnotation), kInvalidUID);
}

TEST_F(ColorManagerTest, TypeZeroNeverUsesAKindSwatch) {
    const UID yellow = Get({1, 1, 0}, A::kUnknownAnnotation);
    EXPECT_EQ(doc.NameOf(yellow), "Annotation Color");
    EXPECT_EQ(doc.Manager()->GetDefaultColor(), yellow);
    EXPECT_EQ(doc.Manager()->GetYellowColor(), yellow);
    EXPECT_NE(Get({1, 1, 0}, A::kHighlightAnnotation), yellow);
    for (int32 type = A::kStickyNoteAnnotation; type <= A::kNotImportedColorIndex; ++type)
        EXPECT_EQ(doc.List()->GetKindColor(type) == kInvalidUID, type != A::kHighlightAnnotation) << type;
}

TEST_F(ColorManagerTest, NamedColoursAreOtherSwatchesOfTheirComponents) {
    const std::pair<UID, std::vector<PMReal>> named[] = {{doc.Manager()->GetGreenColor(), {0, 1, 0}},
                                                         {doc.Manager()->GetRedColor(), {1, 0, 0}},
                                                         {doc.Manager()->GetBlueColor(), {0, 0, 1}}};
    for (const auto& [swatch, components] : named) {
        EXPECT_EQ(doc.NameOf(swatch), "Annotation Color");
        EXPECT_EQ(doc.ComponentsOf(swatch), components);
    }
    EXPECT_EQ(doc.List()->GetColorCount(), 3);
}

TEST_F(ColorManagerTest, FourComponentsAreLookedUpAsTheyAre) {
    // (1, 1, 0, 0) is yellow in CMYK; it is never taken for the highlight default.
    const UID cmyk = Get({0, 0, 1, 0}, A::kHighlightAnnotation);
    ASSERT_NE(cmyk, kInvalidUID);
    EXPECT_EQ(doc.NameOf(cmyk), "Annotation Color");
    EXPECT_EQ(doc.ComponentsOf(cmyk), (std::vector<PMReal>{0, 0, 1, 0}));
    EXPECT_EQ(Get({0, 0, 1, 0}, A::kStickyNoteAnnotation), cmyk);
    EXPECT_EQ(doc.List()->GetKindColor(A::kHighlightAnnotation), kInvalidUID);
    // A three-component colour with the same leading values is another colour.
    EXPECT_NE(Get({0, 0, 1}, A::kHighlightAnnotation), cmyk);
}

TEST_F(ColorManagerTest, PopupsAndUnknownKindsGetNoSwatch) {
    const int32 before = doc.SwatchCount();
    EXPECT_EQ(Get({1, 1, 0}, A::kPopupAnnotation), kInvalidUID);
    EXPECT_EQ(doc.Manager()->GetKindColor(A::kPopupAnnotation), kInvalidUID);
    EXPECT_EQ(doc.Manager()->GetKindColor(A::kUnknownAnnotation), kInvalidUID);
    EXPECT_EQ(doc.SwatchCount(), before);
    const std::string log = CoreFixture::FailureLogText();
    EXPECT_NE(log.find("NotesColorManager.cpp("), std::string::npos);
    EXPECT_NE(log.find("): annotType != INotesAnnotation::kPopupAnnotation == false\r\n"), std::string::npos);
    EXPECT_NE(log.find("): annotType != INotesAnnotation::kUnknownAnnotation && annotType != "
                       "INotesAnnotation::kPopupAnnotation == false\r\n"),
              std::string::npos);
}

TEST_F(ColorManagerTest, ColoursTheHostCannotMakeGiveNoSwatchAndAreLogged) {
    const int32 before = doc.SwatchCount();
    EXPECT_EQ(Get({1, 2, 0}, A::kHighlightAnnotation), kInvalidUID); // out of range
    EXPECT_EQ(doc.SwatchCount(), before);
    EXPECT_EQ(doc.List()->GetColorCount(), 0);
    EXPECT_NE(CoreFixture::FailureLogText().find("): addColorCmd failed\r\n"), std::string::npos);
}

// A note whose colour array has 2 or 5 components was imported without a colour and never drawn:
// no colour space has that many, so the note takes its kind's swatch.
TEST_F(ColorManagerTest, AColourOfTwoOrFiveComponentsGetsTheKindsSwatch) {
    const UID sticky = doc.Manager()->GetKindColor(A::kStickyNoteAnnotation);
    const UID highlight = doc.Manager()->GetKindColor(A::kHighlightAnnotation);
    ASSERT_NE(sticky, kInvalidUID);
    EXPECT_EQ(Get({0.5, 0.5}, A::kStickyNoteAnnotation), sticky);
    EXPECT_EQ(Get({1, 0, 0, 0, 0.5}, A::kStickyNoteAnnotation), sticky);
    EXPECT_EQ(Get({0.5, 0.5}, A::kHighlightAnnotation), highlight);
    EXPECT_EQ(Get({0.5, 0.5}, A::kUnknownAnnotation), kInvalidUID) << "a kind without a swatch gets none";
    EXPECT_EQ(doc.List()->GetColorCount(), 0) << "no \"Annotation Color\" swatch is made for them";
}

TEST_F(ColorManagerTest, AKindSwatchTheUserDeletedIsMadeAgain) {
    const UID first = doc.Manager()->GetKindColor(A::kHighlightAnnotation);
    ASSERT_NE(first, kInvalidUID);
    ASSERT_EQ(Utils<ISwatchUtils>()->DeleteSwatches(UIDList(UIDRef(doc.DB(), first)), kInvalidUID), kSuccess);
    const UID second = doc.Manager()->GetKindColor(A::kHighlightAnnotation);
    EXPECT_NE(second, first);
    EXPECT_EQ(doc.NameOf(second), "Highlight Annotation Color");
}

TEST_F(ColorManagerTest, MakingASwatchIsOneUndoableStep) {
    const int32 before = doc.SwatchCount();
    const UID orange = Get({1, 0.5, 0}, A::kHighlightAnnotation);
    const UID highlight = Get({1, 1, 0}, A::kHighlightAnnotation);
    EXPECT_EQ(doc.SwatchCount(), before + 2);

    UndoHistory& undo = doc.DB()->GetUndoHistory();
    ASSERT_EQ(undo.Undo(), kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(highlight));
    EXPECT_EQ(doc.List()->GetKindColor(A::kHighlightAnnotation), kInvalidUID);
    EXPECT_EQ(doc.List()->GetColorCount(), 1);
    ASSERT_EQ(undo.Undo(), kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(orange));
    EXPECT_EQ(doc.List()->GetColorCount(), 0);
    EXPECT_EQ(doc.SwatchCount(), before);

    ASSERT_EQ(undo.Redo(), kSuccess);
    EXPECT_EQ(doc.List()->GetNthColor(0), orange);
    ASSERT_EQ(undo.Redo(), kSuccess);
    EXPECT_EQ(doc.List()->GetKindColor(A::kHighlightAnnotation), highlight);
    EXPECT_EQ(Get({1, 0.5, 0}, A::kUnknownAnnotation), orange);
    EXPECT_EQ(Get({1, 1, 0}, A::kHighlightAnnotation), highlight);
    EXPECT_EQ(doc.SwatchCount(), before + 2);
}
} // namespace
