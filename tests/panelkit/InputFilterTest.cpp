#include "panelkit/DisplayLength.h"
#include "panelkit/InputFilter.h"
#include "panelkit/TextEditFormatter.h"
#include "platform/RecordingHostServices.h"

#include <gtest/gtest.h>

namespace {

// The number-in-sequence field: digits only, in both filters.
const TextEditFilterData kDigits = {
    {1, {{{48, 57}}}},
    {1, {{{48, 57}}}},
    "Message22k",
};
const TextEditFilterData kNoRanges = {{0, {}}, {0, {}}, nullptr};

TEST(InputFilter, ValidateInputEmptyAndRangeless)
{
    EXPECT_TRUE(validateInput(u"", &kNoRanges));
    EXPECT_TRUE(validateInput(u"", nullptr));
    EXPECT_FALSE(validateInput(u"1", &kNoRanges));
    EXPECT_FALSE(validateInput(u"1", nullptr));
    EXPECT_TRUE(validateInput(u"0123456789", &kDigits));
    EXPECT_FALSE(validateInput(u"12a", &kDigits));
    EXPECT_FALSE(validateInput(u"/", &kDigits)); // 47, just below the range
    EXPECT_FALSE(validateInput(u":", &kDigits)); // 58, just above
}

TEST(InputFilter, RangesAreScannedUpToTheirCountOnly)
{
    // The second range is present in the record but not counted.
    const InputFilterData record = {1, {{{65, 70}, {48, 57}}}};
    const char16_t a = u'C';
    const char16_t digit = u'5';
    EXPECT_TRUE(ISWordValid(&a, &record));
    EXPECT_FALSE(ISWordValid(&digit, &record));
    EXPECT_FALSE(ISWordValid(nullptr, &record));
    const InputFilterData overfull = {99, {{{65, 70}}}}; // count beyond the record is clamped
    EXPECT_TRUE(ISWordValid(&a, &overfull));
    const InputFilterData spaces = {2, {{{0x20, 0x20}, {0x3000, 0x3000}}}};
    const char16_t ideographic = 0x3000;
    const char16_t tab = u'\t';
    EXPECT_TRUE(ISWordSpace(&ideographic, &spaces));
    EXPECT_FALSE(ISWordSpace(&tab, &spaces));
}

TEST(InputFilter, ByteFilterComparesTheLowByteOfEachBound)
{
    // 0x130..0x139 have the low bytes of '0'..'9'.
    const TextEditFilterData wide = {{1, {{{0x130, 0x139}}}}, {0, {}}, nullptr};
    EXPECT_TRUE(validateDensityInput("2024", &wide));
    EXPECT_FALSE(validateDensityInput("20x4", &wide));
    EXPECT_TRUE(validateDensityInput("", &kNoRanges));
    EXPECT_FALSE(validateDensityInput("1", &kNoRanges));
    EXPECT_FALSE(validateDensityInput(nullptr, &kDigits));
    const unsigned char high = 0xE9;
    const InputFilterData latin = {1, {{{0xC0, 0xFF}}}};
    EXPECT_TRUE(ISByteValid(&high, &latin));
    EXPECT_FALSE(ISByteValid(&high, &kDigits.byteFilter));
}

TEST(InputFilter, SpacesAndTheirRemoval)
{
    EXPECT_TRUE(IsAllSpace(u""));
    EXPECT_TRUE(IsAllSpace(u"\u3000\u3000 "));
    EXPECT_FALSE(IsAllSpace(u"\t"));
    EXPECT_FALSE(IsAllSpace(u" a "));

    const std::u16string text = u" a\u3000b c ";
    std::u16string out(text.size() + 1, u'#');
    EXPECT_EQ(RemoveAllSpaces(text, out), 4);
    EXPECT_EQ(out.substr(0, 5), std::u16string(u"a\u3000bc\0", 5));
    // A short buffer keeps what fits and is still terminated.
    std::u16string small(3, u'#');
    EXPECT_EQ(RemoveAllSpaces(text, small), 2);
    EXPECT_EQ(small, std::u16string(u"a\u3000\0", 3));
    EXPECT_EQ(RemoveAllSpaces(text, std::span<char16_t>()), 0);
}

TEST(DisplayLength, EAcuteMeasuresDifferentlyInTheTwoMeasures)
{
    EXPECT_EQ(GetStringLength(u"\u00E9"), 2);
    EXPECT_EQ(GetUTF8StringLength("\xC3\xA9"), 1);
    EXPECT_EQ(GetStringLength(u"abc"), 3);
    EXPECT_EQ(GetUTF8StringLength("abc"), 3);
    EXPECT_EQ(GetStringLength(u""), 0);
    EXPECT_EQ(GetStringLength(u"\u007F\u0080"), 3);
    EXPECT_EQ(GetUTF8StringLength("\xC3\xBF\xC4\x80"), 3); // U+00FF narrow, U+0100 wide
    EXPECT_EQ(GetUTF8StringLength("\xE3\x81\x82"), 2);
    EXPECT_EQ(GetUTF8StringLength(nullptr), 0);
    EXPECT_EQ(GetUTF8StringLength("ab\xC3"), 0); // not UTF-8
}

TEST(DisplayLength, ShortenStringKeepsWholeCharacters)
{
    const std::u16string wide(10, u'\u3042');
    EXPECT_EQ(GetShortenString(wide, 5), std::u16string(2, u'\u3042'));
    EXPECT_EQ(GetShortenString(wide, 4), std::u16string(2, u'\u3042'));
    EXPECT_EQ(GetShortenString(u"", 5), u"");
    EXPECT_EQ(GetShortenString(u"a\u3042b", 2), u"a");
    EXPECT_EQ(GetShortenString(std::u16string(120, u'x'), 100), std::u16string(100, u'x'));
    // U+1F600 is a surrogate pair measuring 4: never cut between its halves.
    const std::u16string emoji = u"ab\U0001F600c";
    EXPECT_EQ(GetShortenString(emoji, 5), u"ab");
    EXPECT_EQ(GetShortenString(emoji, 6), u"ab\U0001F600");
    EXPECT_EQ(GetStringLength(GetShortenString(emoji, 6)), 6);
}

TEST(TextEditFormatter, FourthDigitIsRefusedWithABeep)
{
    platform::RecordingHostServices host;
    TextEditFormatter formatter;
    formatter.initWithFilter(&kDigits, 3, &host);
    std::u16string editing;
    std::u16string error;
    EXPECT_TRUE(formatter.isPartialStringValid(u"123", &editing, &error));
    EXPECT_EQ(editing, u"123");
    EXPECT_EQ(host.BeepCount(), 0);

    editing = u"123";
    EXPECT_FALSE(formatter.isPartialStringValid(u"1234", &editing, &error));
    EXPECT_EQ(error, u"String too long.");
    EXPECT_EQ(editing, u"123"); // the field keeps its three digits
    EXPECT_EQ(host.BeepCount(), 1);

    error.clear();
    EXPECT_FALSE(formatter.isPartialStringValid(u"1a", &editing, &error));
    EXPECT_EQ(error, u"String too long.");
    EXPECT_EQ(host.BeepCount(), 2);
    EXPECT_TRUE(formatter.isPartialStringValid(u"", &editing, &error)); // clearing the field
}

TEST(TextEditFormatter, WideCharactersCountTwiceAgainstTheMaximum)
{
    const TextEditFilterData any = {{0, {}}, {1, {{{0x20, 0xFFFF}}}}, nullptr};
    TextEditFormatter formatter;
    formatter.initWithFilter(&any, 4, nullptr);
    std::u16string editing;
    std::u16string error;
    EXPECT_TRUE(formatter.isPartialStringValid(u"\u3042\u3042", &editing, &error));
    EXPECT_FALSE(formatter.isPartialStringValid(u"\u3042\u3042a", &editing, &error));
}

TEST(TextEditFormatter, ObjectValues)
{
    TextEditFormatter formatter;
    std::any object;
    EXPECT_TRUE(formatter.getObjectValue(&object, u"42", nullptr));
    EXPECT_EQ(formatter.stringForObjectValue(object), std::u16string(u"42"));
    EXPECT_FALSE(formatter.stringForObjectValue(std::any(42)));
}

} // namespace
