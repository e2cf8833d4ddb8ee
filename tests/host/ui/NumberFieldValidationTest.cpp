// A number field reads its text as a number only when the whole text is one, and its validation
// accepts whole numbers within its limits and tells the user why it refuses anything else.
#include <gtest/gtest.h>

#include "host/objectmodel/ObjectModel.h"
#include "host/ui/IControlView.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITextDataValidation.h"
#include "host/ui/ITextValue.h"

namespace {
class UiNumberField : public ::testing::Test {
protected:
    void SetUp() override {
        field.reset(CreateObject2<IControlView>(kIntEditBoxWidgetBoss));
        ASSERT_NE(field, nullptr);
        text = InterfacePtr<ITextControlData>(field, IID_ITEXTCONTROLDATA);
        value = InterfacePtr<ITextValue>(field, IID_ITEXTVALUE);
        validation = InterfacePtr<ITextDataValidation>(field, IID_ITEXTDATAVALIDATION);
        validation->SetMinimum(1);
        validation->SetMaximum(12);
    }
    std::string Verdict(const char* typed) {
        text->SetString(PMString(typed));
        return validation->Validate().GetUTF8String();
    }
    InterfacePtr<IControlView> field;
    InterfacePtr<ITextControlData> text;
    InterfacePtr<ITextValue> value;
    InterfacePtr<ITextDataValidation> validation;
};
} // namespace

TEST_F(UiNumberField, TheLimitsThemselvesAreAccepted) {
    EXPECT_EQ(Verdict("1"), "");
    EXPECT_EQ(Verdict(" 12 "), "");
}

TEST_F(UiNumberField, NumbersOutsideTheLimitsAreRefusedWithTheRange) {
    EXPECT_EQ(Verdict("0"), "Enter a whole number between 1 and 12.");
    EXPECT_EQ(Verdict("13"), "Enter a whole number between 1 and 12.");
    EXPECT_NE(Verdict("-3"), "");
}

TEST_F(UiNumberField, TextThatIsNoWholeNumberIsRefused) {
    for (const char* typed : {"", "abc", "3x", "2.5", "inf", "nan"})
        EXPECT_NE(Verdict(typed), "") << typed;
    validation->SetIntegerOnly(kFalse);
    EXPECT_EQ(Verdict("2.5"), "");
    EXPECT_EQ(Verdict("20"), "Enter a number between 1 and 12.");
}

TEST_F(UiNumberField, TheValueIsReadBackOnlyFromAWholeNumber) {
    bool16 valid = kFalse;
    value->SetTextFromValue(7);
    EXPECT_EQ(text->GetString().GetUTF8String(), "7");
    EXPECT_DOUBLE_EQ(value->GetTextAsValue(&valid), 7.0);
    EXPECT_TRUE(valid);
    text->SetString(PMString("7 pages"));
    EXPECT_DOUBLE_EQ(value->GetTextAsValue(&valid), 0.0);
    EXPECT_FALSE(valid);
}
