// The library's exception frames and its reference utility.
#include "host/pdf/PdfLibrary.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

ASErrorCode codeOfRaising(ASErrorCode raised) {
    ASErrorCode caught = genErrNoError;
    DURING
    ASRaise(raised);
    HANDLER
    caught = ERRORCODE;
    END_HANDLER
    return caught;
}

int returnsEarlyFromFrame() {
    DURING
    E_RETURN(7);
    HANDLER
    END_HANDLER
    return 0;
}

TEST(PdfExceptionFrameTest, RaisedCodeReachesHandlerAndFramesBalance) {
    EXPECT_EQ(codeOfRaising(cosErrExpectedArray), cosErrExpectedArray);
    EXPECT_EQ(ACExceptionFrameDepth(), 0);
    EXPECT_EQ(returnsEarlyFromFrame(), 7);
    EXPECT_EQ(ACExceptionFrameDepth(), 0);
}

TEST(PdfExceptionFrameTest, InnerFrameCatchesAndOuterGoesOn) {
    bool outerHandled = false;
    ASErrorCode inner = genErrNoError;
    DURING
    DURING
    EXPECT_EQ(ACExceptionFrameDepth(), 2);
    ASRaise(pdErrBadFile);
    HANDLER
    inner = ERRORCODE;
    END_HANDLER
    EXPECT_EQ(ACExceptionFrameDepth(), 1);
    HANDLER
    outerHandled = true;
    END_HANDLER
    EXPECT_EQ(inner, pdErrBadFile);
    EXPECT_FALSE(outerHandled);
    EXPECT_EQ(ACExceptionFrameDepth(), 0);
}

TEST(PdfExceptionFrameTest, ForeignExceptionsGetGeneralCodes) {
    ASErrorCode code = genErrNoError;
    DURING
    throw std::out_of_range("not the library's");
    HANDLER
    code = ERRORCODE;
    END_HANDLER
    EXPECT_EQ(code, genErrGeneral);
    DURING
    throw std::bad_alloc();
    HANDLER
    code = ERRORCODE;
    END_HANDLER
    EXPECT_EQ(code, genErrNoMemory);
}

TEST(PDFLibraryRefTest, AvailableWhileAcquired) {
    const int before = PDFLibraryRef::OutstandingReferences();
    {
        PDFLibraryRef ref;
        EXPECT_FALSE(ref.IsAvailable());
        ref.Acquire();
        EXPECT_TRUE(ref.IsAvailable());
        EXPECT_EQ(PDFLibraryRef::OutstandingReferences(), before + 1);
        PDFLibraryRef nested;
        nested.Acquire();
        nested.Release();
        EXPECT_TRUE(ref.IsAvailable());
    }
    // The destructor releases a reference still held.
    EXPECT_EQ(PDFLibraryRef::OutstandingReferences(), before);
}

} // namespace
