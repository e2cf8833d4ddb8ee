// FoxMarkupsTest: tests on a markup document whose body has a highlight on "fox" and a caret
// before it, with the document's saved bytes and swatch count to compare after an undo.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "TextMarkupFixture.h"

class FoxMarkupsTest : public ::testing::Test {
protected:
    void SetUp() override;
    // The bytes of a copy of the document saved now.
    std::string Saved(const std::string& name);
    int32 Swatches() const;

    TextMarkupFixture::MarkupDocument doc;
    UID body = kInvalidUID, highlight = kInvalidUID, caret = kInvalidUID;
};
