// Strings translate through the string tables and take ^n parameters; UTF-8 and UTF-16 convert
// without loss (bad input becomes U+FFFD); times convert to and from the calendar.
#include <gtest/gtest.h>

#include "host/util/IDTime.h"
#include "host/util/PMString.h"
#include "host/util/StringTable.h"
#include "host/util/StringUtils.h"
#include "host/util/UnicodeConversion.h"
#include "host/util/WideString.h"

namespace {
TEST(PMStringTest, KeysTranslateOnlyWhenTranslatable) {
    StringTable::Instance().Add("enUS", "#MV#7E00kTestKey", "page #^1");
    PMString key("#MV#7E00kTestKey", PMString::kTranslateDuringCall);
    EXPECT_EQ(key.GetUTF8String(), "page #^1");
    StringUtils::ReplaceStringParameters(&key, PMString("12"));
    EXPECT_EQ(key.GetUTF8String(), "page #12");

    PMString userText("#MV#7E00kTestKey");
    userText.SetTranslatable(kFalse);
    userText.Translate();
    EXPECT_EQ(userText.GetUTF8String(), "#MV#7E00kTestKey");
    PMString unknown("#MV#7E00kNoSuchKey", PMString::kTranslateDuringCall);
    EXPECT_EQ(unknown.GetUTF8String(), "#MV#7E00kNoSuchKey");
}

TEST(PMStringTest, UnicodeSurvivesTheRoundTrip) {
    const char* samples[] = {"Grüße", "日本語のメモ", "Ελληνικά", "emoji 😀 and 𝄞"};
    for (const char* sample : samples) {
        PMString s(sample);
        EXPECT_EQ(s.GetUTF8String(), sample);
        EXPECT_EQ(WideString(s).GetUTF8String(), sample);
    }
    EXPECT_EQ(PMString("😀").CharCount(), 2) << "counts are UTF-16 code units";
}

TEST(PMStringTest, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Unicode::UTF8ToUTF16("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(Unicode::UTF8ToUTF16("\xE0\x80\x80z"), u"\uFFFDz")
        << "an overlong sequence is one bad character";
    EXPECT_EQ(Unicode::UTF16ToUTF8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}

TEST(IDTimeTest, CalendarTimesRoundTripAndOrder) {
    const IDTime time = IDTime::FromCalendar(2013, 8, 5, 20, 21, 36);
    EXPECT_EQ(time.Format(), "2013-08-05 20:21:36");
    EXPECT_LT(IDTime::FromCalendar(1999, 12, 31, 23, 59, 59), IDTime::FromCalendar(2000, 1, 1, 0, 0, 0));
    EXPECT_EQ(IDTime().GetTime(), 0u);
    EXPECT_GT(IDTime::CurrentTime(), time);
}
} // namespace
