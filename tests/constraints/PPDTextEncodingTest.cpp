#include "constraints/PPDTextEncoding.h"
#include "constraints/XPPDLookups.h"
#include "tests/constraints/ConstraintsTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using namespace constraints_test;

namespace {

struct EncodingCase {
    const char* fixture;
    PPDTextEncoding encoding;
    const char* attributeText; // the raw vendor attribute, converted
    const char* title;
    const char* leftText;
};

void PrintTo(const EncodingCase& c, std::ostream* out) { *out << c.fixture; }

class EncodingFixture : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(EncodingFixture, DeclaredEncodingConvertsAttributesAndTextsComeOutRight)
{
    const EncodingCase& c = GetParam();
    PpdFilePtr ppd = OpenOrFail(FixturePath(c.fixture));
    ASSERT_TRUE(ppd);
    PPDTextEncoding encoding = PPDTextEncoding::UTF8;
    ASSERT_TRUE(GetCFStringEncodingFromPPD(ppd.get(), encoding));
    EXPECT_EQ(encoding, c.encoding);

    // libcups leaves attribute values as the file's bytes: converted here.
    const ppd_attr_t* attr = ppdFindAttr(ppd.get(), "QVXTitle", nullptr);
    ASSERT_NE(attr, nullptr);
    EXPECT_EQ(ConvertPPDTextToUTF8(attr->value, encoding), c.attributeText);

    // Titles and choice texts libcups has already decoded.
    EXPECT_EQ(GetUITitleFromPPD(ppd.get(), "QVStaple"), std::optional<std::string>(c.title));
    PPDChoiceList list;
    int count = 0;
    GetUIListFromPPD(ppd.get(), nullptr, "QVStaple", &list, count);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].choiceText, c.leftText);
}

INSTANTIATE_TEST_SUITE_P(
    LanguageEncodings, EncodingFixture,
    ::testing::Values(
        EncodingCase{"enc-isolatin1.ppd", PPDTextEncoding::ISOLatin1, "Agrafé", "Agrafe à gauche",
                     "Gauche é"},
        EncodingCase{"enc-windowsansi.ppd", PPDTextEncoding::WindowsLatin1, "Preis €5", "Heftung – links",
                     "Links „oben“"},
        EncodingCase{"enc-jis83.ppd", PPDTextEncoding::MacJapanese, "ホチキス", "ステープル", "左上"},
        EncodingCase{"enc-utf8.ppd", PPDTextEncoding::UTF8, "Agrafé ✓", "Heftung ✓", "Links ✓"},
        EncodingCase{"enc-none.ppd", PPDTextEncoding::MacRoman, "Café", "Agrafe à gauche", "Gauche"},
        EncodingCase{"enc-other.ppd", PPDTextEncoding::MacRoman, "Café", "Staple", "Left"}),
    [](const ::testing::TestParamInfo<EncodingCase>& info) {
        std::string name = info.param.fixture;
        name = name.substr(4, name.size() - 8);
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        }
        return name;
    });

TEST(PPDTextEncodingTable, NamesMapAsTheTableSaysWithBlanksIgnored)
{
    EXPECT_EQ(PPDTextEncodingFromName("ISOLatin1"), PPDTextEncoding::ISOLatin1);
    EXPECT_EQ(PPDTextEncodingFromName("ISOLatin1 "), PPDTextEncoding::ISOLatin1);
    EXPECT_EQ(PPDTextEncodingFromName("WindowsANSI"), PPDTextEncoding::WindowsLatin1);
    EXPECT_EQ(PPDTextEncodingFromName("JIS83-RKSJ"), PPDTextEncoding::MacJapanese);
    EXPECT_EQ(PPDTextEncodingFromName("UTF-8"), PPDTextEncoding::UTF8);
    EXPECT_EQ(PPDTextEncodingFromName("UTF8"), PPDTextEncoding::UTF8);
    EXPECT_EQ(PPDTextEncodingFromName("utf-8"), PPDTextEncoding::MacRoman);
    EXPECT_EQ(PPDTextEncodingFromName("ISOLatin2"), PPDTextEncoding::MacRoman);
    EXPECT_EQ(PPDTextEncodingFromName(""), PPDTextEncoding::MacRoman);
    EXPECT_EQ(static_cast<std::uint32_t>(PPDTextEncoding::ISOLatin1), 0x0201u);
    EXPECT_EQ(static_cast<std::uint32_t>(PPDTextEncoding::WindowsLatin1), 0x0500u);
    EXPECT_EQ(static_cast<std::uint32_t>(PPDTextEncoding::MacJapanese), 1u);
    EXPECT_EQ(static_cast<std::uint32_t>(PPDTextEncoding::MacRoman), 0u);

    PPDTextEncoding encoding = PPDTextEncoding::UTF8;
    EXPECT_FALSE(GetCFStringEncodingFromPPD(nullptr, encoding));
    EXPECT_EQ(encoding, PPDTextEncoding::MacRoman);
}

// A record without the LanguageEncoding attribute uses its lang_encoding.
TEST(PPDTextEncodingTable, RecordWithoutTheAttributeFallsBackToLangEncoding)
{
    ppd_file_t ppd{};
    char name[] = "WindowsANSI";
    ppd.lang_encoding = name;
    PPDTextEncoding encoding = PPDTextEncoding::MacRoman;
    ASSERT_TRUE(GetCFStringEncodingFromPPD(&ppd, encoding));
    EXPECT_EQ(encoding, PPDTextEncoding::WindowsLatin1);
    ppd.lang_encoding = nullptr;
    ASSERT_TRUE(GetCFStringEncodingFromPPD(&ppd, encoding));
    EXPECT_EQ(encoding, PPDTextEncoding::MacRoman);
}

TEST(PPDTextConversion, EachEncodingDecodesItsOwnBytes)
{
    EXPECT_EQ(ConvertPPDTextToUTF8("\xE9t\xE9", PPDTextEncoding::ISOLatin1), "été");
    EXPECT_EQ(ConvertPPDTextToUTF8("\x80 \x93x\x94", PPDTextEncoding::WindowsLatin1), "€ “x”");
    EXPECT_EQ(ConvertPPDTextToUTF8("\x8E\xA5", PPDTextEncoding::MacRoman), "é•");
    EXPECT_EQ(ConvertPPDTextToUTF8("\x83\x7A\x83\x60\x83\x4C\x83\x58", PPDTextEncoding::MacJapanese),
              "ホチキス");
    EXPECT_EQ(ConvertPPDTextToUTF8("\xB1\xB2", PPDTextEncoding::MacJapanese), "ｱｲ");
    EXPECT_EQ(ConvertPPDTextToUTF8("caf\xC3\xA9", PPDTextEncoding::UTF8), "café");
    EXPECT_EQ(ConvertPPDTextToUTF8("", PPDTextEncoding::MacJapanese), "");
    const std::string longText(5000, 'a');
    EXPECT_EQ(ConvertPPDTextToUTF8(longText + "\xE9", PPDTextEncoding::ISOLatin1), longText + "é");
}

TEST(PPDTextConversion, UndefinedBytesBecomeReplacementCharactersAndTheRestSurvives)
{
    EXPECT_EQ(ConvertPPDTextToUTF8("a\x81"
                                   "b",
                                   PPDTextEncoding::WindowsLatin1),
              "a\uFFFDb");
    EXPECT_EQ(ConvertPPDTextToUTF8("a\xC3", PPDTextEncoding::UTF8), "a\uFFFD");
    EXPECT_EQ(ConvertPPDTextToUTF8("\xFF"
                                   "ok\xC3\xA9",
                                   PPDTextEncoding::UTF8),
              "\uFFFDok\u00E9");
    // A lead byte of Shift_JIS with nothing after it.
    EXPECT_EQ(ConvertPPDTextToUTF8("x\x83", PPDTextEncoding::MacJapanese), "x\uFFFD");
    EXPECT_EQ(PPDRecordTextToUTF8(nullptr), "");
    EXPECT_EQ(PPDRecordTextToUTF8("bad\xE9"), "bad\uFFFD");
}

} // namespace
