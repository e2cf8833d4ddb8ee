// The swatch list, colour conversion, the in-use test and deleting swatches with a replacement.
#include <gtest/gtest.h>

#include "LayoutTestDocument.h"
#include "host/document/IColorData.h"
#include "host/document/IGraphicAttributeUtils.h"
#include "host/document/IGraphicStyleAttributeBossList.h"
#include "host/document/IRealListData.h"
#include "host/document/IRenderingObject.h"
#include "host/document/ISwatchList.h"
#include "host/document/ISwatchUtils.h"
#include "host/objectmodel/IIntData.h"
#include "host/objectmodel/IStringData.h"

namespace {
UID NewColor(const LayoutTestDocument& doc, int32 space, std::vector<PMReal> components,
             ErrorCode* result = nullptr) {
    InterfacePtr<ICommand> cmd(CmdUtils::CreateCommand(kNewColorCmdBoss));
    InterfacePtr<IRealListData>(cmd, IID_IREALLISTDATA)->Set(components);
    InterfacePtr<IStringData>(cmd, IID_ISTRINGDATA)->Set(PMString("Swatch"));
    InterfacePtr<IIntData>(cmd, IID_IINTDATA)->Set(space);
    cmd->SetItemList(UIDList(doc.Root()));
    const ErrorCode code = CmdUtils::ProcessCommand(cmd);
    if (result)
        *result = code;
    return code == kSuccess ? cmd->GetItemList()->At(0) : kInvalidUID;
}

void Fill(const LayoutTestDocument& doc, UID item, UID swatch) {
    CmdUtils::SequenceContext sequence;
    Utils<IGraphicAttributeUtils>()->AddFillRenderingAttribute(doc.Get<IGraphicStyleAttributeBossList>(item),
                                                               swatch);
}
} // namespace

TEST(Swatches, TheStandardSwatchesComeFirstAndConvertToRGB) {
    LayoutTestDocument doc;
    InterfacePtr<ISwatchList> list = doc.Get<ISwatchList>(doc.Root().GetUID());
    ASSERT_EQ(list->GetSwatchCount(), 4);
    EXPECT_EQ(list->GetNthSwatchUID(0), list->GetNoneSwatchUID());
    EXPECT_EQ(list->FindSwatch(PMString("Registration")), list->GetRegistrationSwatchUID());
    Utils<ISwatchUtils> utils;
    EXPECT_TRUE(utils->GetRGBComponents(UIDRef(doc.DB(), list->GetNoneSwatchUID())).empty());
    EXPECT_EQ(utils->GetRGBComponents(UIDRef(doc.DB(), list->GetPaperSwatchUID())),
              (std::vector<PMReal>{1, 1, 1}));
    EXPECT_EQ(utils->GetRGBComponents(UIDRef(doc.DB(), list->GetBlackSwatchUID())),
              (std::vector<PMReal>{0, 0, 0}));
    EXPECT_TRUE(doc.Get<IRenderingObject>(list->GetBlackSwatchUID())->IsStandard());
}

TEST(Swatches, ColoursOfEverySpaceGiveRGB) {
    LayoutTestDocument doc;
    Utils<ISwatchUtils> utils;
    auto rgb = [&](UID swatch) { return utils->GetRGBComponents(UIDRef(doc.DB(), swatch)); };
    EXPECT_EQ(rgb(NewColor(doc, IColorData::kRGB, {1, 0.5, 0})), (std::vector<PMReal>{1, 0.5, 0}));
    EXPECT_EQ(rgb(NewColor(doc, IColorData::kCMYK, {0, 1, 1, 0})), (std::vector<PMReal>{1, 0, 0}));
    EXPECT_EQ(rgb(NewColor(doc, IColorData::kGray, {0.25})), (std::vector<PMReal>{0.25, 0.25, 0.25}));
    const std::vector<PMReal> white = rgb(NewColor(doc, IColorData::kLab, {100, 0, 0}));
    ASSERT_EQ(white.size(), 3u);
    for (PMReal c : white)
        EXPECT_NEAR(c, 1.0, 1e-3);
    const std::vector<PMReal> red = rgb(NewColor(doc, IColorData::kLab, {53.24, 80.09, 67.2}));
    EXPECT_NEAR(red[0], 1.0, 5e-3);
    EXPECT_NEAR(red[1], 0.0, 5e-3);
    EXPECT_EQ(utils->GetColorComponents(UIDRef(doc.DB(), NewColor(doc, IColorData::kGray, {0.5}))),
              (std::vector<PMReal>{0.5}));
}

TEST(Swatches, NewColorRefusesComponentsThatDoNotFitItsSpace) {
    LayoutTestDocument doc;
    ErrorCode result;
    NewColor(doc, IColorData::kRGB, {1, 0}, &result);
    EXPECT_NE(result, kSuccess);
    NewColor(doc, IColorData::kRGB, {1, 2, 0}, &result);
    EXPECT_NE(result, kSuccess);
    NewColor(doc, IColorData::kLab, {50, 0, 200}, &result);
    EXPECT_NE(result, kSuccess);
}

TEST(Swatches, NewSwatchIsListedByNameAndCountsAsUsedOnceAnItemUsesIt) {
    LayoutTestDocument doc;
    const UID swatch = doc.NewSwatch("Orange", {1, 0.5, 0});
    EXPECT_EQ(Utils<ISwatchUtils>()->FindSwatch(doc.DB(), PMString("Orange")), swatch);
    EXPECT_FALSE(Utils<ISwatchUtils>()->IsSwatchInUse(UIDRef(doc.DB(), swatch)));
    Fill(doc, doc.NewRectangleOnPage(0, PMRect(0, 0, 10, 10)), swatch);
    EXPECT_TRUE(Utils<ISwatchUtils>()->IsSwatchInUse(UIDRef(doc.DB(), swatch)));
}

TEST(Swatches, DeletedSwatchesAreReplacedWhereTheyWereUsed) {
    LayoutTestDocument doc;
    const UID orange = doc.NewSwatch("Orange", {1, 0.5, 0});
    const UID teal = doc.NewSwatch("Teal", {0, 0.5, 0.5});
    const UID item = doc.NewRectangleOnPage(0, PMRect(0, 0, 10, 10));
    Fill(doc, item, orange);
    UIDList doomed(doc.DB());
    doomed.Append(orange);
    ASSERT_EQ(Utils<ISwatchUtils>()->DeleteSwatches(doomed, teal), kSuccess);
    EXPECT_FALSE(doc.DB()->IsValidUID(orange));
    EXPECT_FALSE(doc.Get<ISwatchList>(doc.Root().GetUID())->Contains(orange));
    InterfacePtr<IGraphicStyleAttributeBossList> attributes = doc.Get<IGraphicStyleAttributeBossList>(item);
    EXPECT_EQ(
        Utils<IGraphicAttributeUtils>()->GetAttribute(attributes, kGraphicStyleFillRenderingAttrBoss).swatch,
        teal);
}

TEST(Swatches, WithoutAReplacementUsesBecomeNone) {
    LayoutTestDocument doc;
    const UID orange = doc.NewSwatch("Orange", {1, 0.5, 0});
    const UID item = doc.NewRectangleOnPage(0, PMRect(0, 0, 10, 10));
    Fill(doc, item, orange);
    ASSERT_EQ(Utils<ISwatchUtils>()->DeleteSwatches(UIDList(UIDRef(doc.DB(), orange)), kInvalidUID),
              kSuccess);
    InterfacePtr<IGraphicStyleAttributeBossList> attributes = doc.Get<IGraphicStyleAttributeBossList>(item);
    EXPECT_EQ(
        Utils<IGraphicAttributeUtils>()->GetAttribute(attributes, kGraphicStyleFillRenderingAttrBoss).swatch,
        Utils<ISwatchUtils>()->GetNoneSwatchUID(doc.DB()));
}

TEST(Swatches, StandardSwatchesCannotBeDeleted) {
    LayoutTestDocument doc;
    const UID black = Utils<ISwatchUtils>()->GetBlackSwatchUID(doc.DB());
    EXPECT_NE(Utils<ISwatchUtils>()->DeleteSwatches(UIDList(UIDRef(doc.DB(), black)), kInvalidUID), kSuccess);
    EXPECT_TRUE(doc.DB()->IsValidUID(black));
}
