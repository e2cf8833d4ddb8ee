// The host's delete-swatch choice: the question lists the swatches that may replace the deleted ones
// (None first, never one being deleted), names the deleted ones, and answers None by default, for an
// answer outside the buttons and when no responder is installed.
#include <gtest/gtest.h>

#include "LayoutTestDocument.h"
#include "host/document/DeleteSwatchDialog.h"
#include "host/document/ISwatchList.h"
#include "host/ui/CAlert.h"
#include "host/ui/ScriptedAlertResponder.h"

namespace {
class DeleteSwatchDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        red = doc.NewSwatch("Red", {1, 0, 0});
        green = doc.NewSwatch("Green", {0, 1, 0});
        blue = doc.NewSwatch("Blue", {0, 0, 1});
        list = doc.Get<ISwatchList>(doc.Root().GetUID());
    }
    UIDList Deleting(std::initializer_list<UID> swatches) const {
        UIDList deleting(doc.DB());
        for (UID swatch : swatches)
            deleting.Append(swatch);
        return deleting;
    }

    LayoutTestDocument doc;
    InterfacePtr<ISwatchList> list;
    ScriptedAlertResponder responder;
    UID red = kInvalidUID, green = kInvalidUID, blue = kInvalidUID;
};

TEST_F(DeleteSwatchDialogTest, OffersNoneThenEverySwatchThatStays) {
    const DeleteSwatchDialog dialog(Deleting({green, red}));
    const std::vector<UID> expected{list->GetNoneSwatchUID(), list->GetPaperSwatchUID(),
                                    list->GetBlackSwatchUID(), list->GetRegistrationSwatchUID(), blue};
    EXPECT_EQ(dialog.GetChoices().GetUIDs(), expected);
    EXPECT_EQ(dialog.GetMessage().GetUTF8String(), "Delete Swatch: Green, Red. Replace with:");
}

TEST_F(DeleteSwatchDialogTest, AnswersTheSwatchOfTheChosenButton) {
    ScopedAlertResponder scope(&responder);
    responder.QueueAnswer(5);
    EXPECT_EQ(DeleteSwatchDialog(Deleting({red})).RunModal(), green);
    ASSERT_EQ(responder.GetRequests().size(), 1u);
    const AlertRequest& asked = responder.GetRequests()[0];
    EXPECT_EQ(asked.kind, AlertRequest::kQuestion);
    EXPECT_EQ(asked.defaultButton, 1);
    std::vector<std::string> buttons;
    for (const PMString& button : asked.buttons)
        buttons.push_back(button.GetUTF8String());
    EXPECT_EQ(buttons, (std::vector<std::string>{"None", "Paper", "Black", "Registration", "Green", "Blue"}));
}

TEST_F(DeleteSwatchDialogTest, NoneIsTheDefaultAndTheAnswerToAnythingElse) {
    ScopedAlertResponder scope(&responder);
    for (int16 answer : {0, 1, 7, -3}) {
        responder.QueueAnswer(answer);
        EXPECT_EQ(DeleteSwatchDialog(Deleting({red})).RunModal(), list->GetNoneSwatchUID()) << answer;
    }
    EXPECT_EQ(DeleteSwatchDialog(Deleting({red})).RunModal(), list->GetNoneSwatchUID()); // script exhausted
}

TEST_F(DeleteSwatchDialogTest, WithoutAResponderNoneIsChosen) {
    ScopedAlertResponder scope(nullptr);
    EXPECT_EQ(DeleteSwatchDialog(Deleting({blue})).RunModal(), list->GetNoneSwatchUID());
}

TEST_F(DeleteSwatchDialogTest, SwatchesOfNoDocumentGiveNothingToChoose) {
    const DeleteSwatchDialog dialog{UIDList()};
    EXPECT_TRUE(dialog.GetChoices().IsEmpty());
    EXPECT_EQ(dialog.RunModal(), kInvalidUID);
}
} // namespace
