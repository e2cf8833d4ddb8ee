// Text strings as producers really write them, and atoms.
#include "host/pdf/PdfLibrary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::u16string decoded(const std::string& bytes) {
    ASText text = ASTextFromSizedPDText(bytes.data(), static_cast<ASTArraySize>(bytes.size()));
    std::u16string result(reinterpret_cast<const char16_t*>(ASTextGetUnicode(text)),
                          static_cast<std::size_t>(ASTextGetUnicodeLength(text)));
    ASTextDestroy(text);
    return result;
}

TEST(PdfTextDecodingTest, PdfDocEncodingMapsItsOwnCharacters) {
    EXPECT_EQ(decoded("plain"), u"plain");
    // Bullet, em dash, quotes, euro and Latin-1 e-acute.
    EXPECT_EQ(decoded("\x80\x84\x8D\x8E\xA0\xE9"), u"\u2022\u2014\u201C\u201D\u20AC\u00E9");
    EXPECT_EQ(decoded("\x18\x1F"), u"\u02D8\u02DC");
    EXPECT_EQ(decoded("\x9F"), u"\uFFFD") << "undefined code";
}

TEST(PdfTextDecodingTest, Utf16WithEitherByteOrderMark) {
    EXPECT_EQ(decoded(std::string("\xFE\xFF\x65\xE5\x67\x2C", 6)), u"日本");
    EXPECT_EQ(decoded(std::string("\xFF\xFE\xE5\x65\x2C\x67", 6)), u"日本");
    // A character outside the basic plane stays a surrogate pair.
    EXPECT_EQ(decoded(std::string("\xFE\xFF\xD8\x3D\xDE\x00", 6)), u"\U0001F600");
}

TEST(PdfTextDecodingTest, BrokenUtf16IsRepairedNotRejected) {
    // A lone high surrogate, then an odd trailing byte.
    EXPECT_EQ(decoded(std::string("\xFE\xFF\xD8\x00\x00\x41\x42", 7)), u"\uFFFDA");
    // Language tags (ESC lang ESC) are not text.
    EXPECT_EQ(decoded(std::string("\xFE\xFF\x00\x1B\x00\x6A\x00\x61\x00\x1B\x00\x41", 12)), u"A");
}

TEST(PdfTextDecodingTest, Utf8WithAndWithoutMark) {
    EXPECT_EQ(decoded("\xEF\xBB\xBF\xCE\x95\xCE\xBB"), u"Ελ");
    EXPECT_EQ(decoded("caf\xC3\xA9"), u"café");
    // Not valid UTF-8, so PDFDocEncoding: each byte is a character.
    EXPECT_EQ(decoded("\xC3\x28"), u"\u00C3(");
    EXPECT_EQ(decoded("\xEF\xBB\xBF\xFF"), u"\uFFFD");
}

TEST(PdfTextDecodingTest, UnicodeInputFormats) {
    const ASUTF16Val host[] = {0x3042, 0x0041, 0};
    ASText text = ASTextFromUnicode(host, kUTF16HostEndian);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(ASTextGetUnicode(text))), u"\u3042A");
    ASTextDestroy(text);

    const unsigned char bigEndian[] = {0x30, 0x42, 0x00, 0x41, 0, 0};
    text = ASTextFromUnicode(reinterpret_cast<const ASUTF16Val*>(bigEndian), kUTF16BigEndian);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(ASTextGetUnicode(text))), u"\u3042A");
    ASTextDestroy(text);

    EXPECT_THROW(ASTextFromUnicode(host, 99), PdfLibraryError);
}

TEST(PdfTextDecodingTest, EmptyStringsDecodeToEmptyText) {
    EXPECT_EQ(decoded(""), u"");
    EXPECT_EQ(decoded("\xFE\xFF"), u"");
}

TEST(PdfAtomTest, EqualNamesGiveEqualAtoms) {
    const ASAtom first = ASAtomFromString("TrimBox");
    EXPECT_EQ(first, ASAtomFromString(std::string("Trim").append("Box").c_str()));
    EXPECT_NE(first, ASAtomFromString("MediaBox"));
    EXPECT_NE(first, ASAtomNull);
    EXPECT_STREQ(ASAtomGetString(first), "TrimBox");
    EXPECT_STREQ(ASAtomGetString(ASAtomNull), "");
    EXPECT_FALSE(ASAtomExistsForString("NameNoTestEverMade"));
}

TEST(PdfFixedTest, RoundsAndSaturates) {
    EXPECT_EQ(ASFloatToFixed(1.5), 0x18000);
    EXPECT_EQ(ASFloatToFixed(-0.5), -0x8000);
    // Nearest step, not truncation: within half of 1/65536.
    EXPECT_NEAR(ASFixedToFloat(ASFloatToFixed(841.89)), 841.89, 0.5 / 65536);
    EXPECT_EQ(ASFloatToFixed(-1.0 / 65536 * 0.6), -1);
    EXPECT_EQ(ASFloatToFixed(1e9), 0x7FFFFFFF);
    EXPECT_EQ(ASFloatToFixed(-1e9), static_cast<ASFixed>(0x80000000));
    EXPECT_EQ(ASFloatToFixed(std::nan("")), 0);
}

} // namespace
