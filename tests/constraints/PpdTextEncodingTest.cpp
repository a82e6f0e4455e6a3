#include "constraints/PpdTextEncoding.h"
#include "constraints/XPPDLookups.h"
#include "tests/constraints/ConstraintsTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using namespace constraints_test;

namespace {

struct EncodingCase {
    const char* fixture;
    PpdTextEncoding encoding;
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
    PpdTextEncoding encoding = PpdTextEncoding::UTF8;
    ASSERT_TRUE(GetCFStringEncodingFromPPD(ppd.get(), encoding));
    EXPECT_EQ(encoding, c.encoding);

    // libcups leaves attribute values as the file's bytes: converted here.
    const ppd_attr_t* attr = ppdFindAttr(ppd.get(), "QVXTitle", nullptr);
    ASSERT_NE(attr, nullptr);
    EXPECT_EQ(ConvertPPDTextToUTF8(attr->value, encoding), c.attributeText);

    // Titles and choice texts libcups has already decoded.
    EXPECT_EQ(GetUITitleFromPPD(ppd.get(), "QVStaple"), std::optional<std::string>(c.title));
    PpdChoiceList list;
    int count = 0;
    GetUIListFromPPD(ppd.get(), nullptr, "QVStaple", &list, count);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].choiceText, c.leftText);
}

INSTANTIATE_TEST_SUITE_P(
    LanguageEncodings, EncodingFixture,
    ::testing::Values(
        EncodingCase{"enc-isolatin1.ppd", PpdTextEncoding::ISOLatin1, "Agrafé", "Agrafe à gauche",
                     "Gauche é"},
        EncodingCase{"enc-windowsansi.ppd", PpdTextEncoding::WindowsLatin1, "Preis €5", "Heftung – links",
                     "Links „oben“"},
        EncodingCase{"enc-jis83.ppd", PpdTextEncoding::MacJapanese, "ホチキス", "ステープル", "左上"},
        EncodingCase{"enc-utf8.ppd", PpdTextEncoding::UTF8, "Agrafé ✓", "Heftung ✓", "Links ✓"},
        EncodingCase{"enc-none.ppd", PpdTextEncoding::MacRoman, "Café", "Agrafe ‡ gauche", "Gauche é"},
        EncodingCase{"enc-other.ppd", PpdTextEncoding::MacRoman, "Café", "Staple", "Left"}),
    [](const ::testing::TestParamInfo<EncodingCase>& info) {
        std::string name = info.param.fixture;
        name = name.substr(4, name.size() - 8);
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        }
        return name;
    });

// A PPD without a listed LanguageEncoding holds Mac Roman texts, whatever
// libcups made of them: it reads a file without the line as ISO Latin 1,
// decodes the names it knows (in any letter case) by its own table, and
// leaves the bytes as they are under any other name.
TEST(MacRomanTexts, EveryUnlistedEncodingReadsTheFileBytesAsMacRoman)
{
    TempDir dir;
    for (const char* line : {"", "*LanguageEncoding: MacStandard\n", "*LanguageEncoding: ISOLatin2\n",
                             "*LanguageEncoding: ISOLatin5\n", "*LanguageEncoding: isolatin1\n",
                             "*LanguageEncoding: ISOLatin3\n", "*LanguageEncoding: utf-8\n"}) {
        PpdFilePtr ppd = OpenOrFail(CopyPPDWithLines(dir, FixturePath("enc-none.ppd"), "enc.ppd", line));
        ASSERT_TRUE(ppd);
        EXPECT_EQ(GetUITitleFromPPD(ppd.get(), "QVStaple"), std::optional<std::string>("Agrafe ‡ gauche"))
            << line;
        PpdChoiceList list;
        int count = 0;
        GetUIListFromPPD(ppd.get(), nullptr, "QVStaple", &list, count);
        ASSERT_EQ(list.size(), 2u);
        EXPECT_EQ(list[0].choiceText, "Aucune");
        EXPECT_EQ(list[1].choiceText, "Gauche é") << line;
    }
}

TEST(PpdTextEncodingTable, NamesMapAsTheTableSaysWithBlanksIgnored)
{
    EXPECT_EQ(PpdTextEncodingFromName("ISOLatin1"), PpdTextEncoding::ISOLatin1);
    EXPECT_EQ(PpdTextEncodingFromName("ISOLatin1 "), PpdTextEncoding::ISOLatin1);
    EXPECT_EQ(PpdTextEncodingFromName("WindowsANSI"), PpdTextEncoding::WindowsLatin1);
    EXPECT_EQ(PpdTextEncodingFromName("JIS83-RKSJ"), PpdTextEncoding::MacJapanese);
    EXPECT_EQ(PpdTextEncodingFromName("UTF-8"), PpdTextEncoding::UTF8);
    EXPECT_EQ(PpdTextEncodingFromName("UTF8"), PpdTextEncoding::UTF8);
    EXPECT_EQ(PpdTextEncodingFromName("utf-8"), PpdTextEncoding::MacRoman);
    EXPECT_EQ(PpdTextEncodingFromName("ISOLatin2"), PpdTextEncoding::MacRoman);
    EXPECT_EQ(PpdTextEncodingFromName(""), PpdTextEncoding::MacRoman);
    EXPECT_EQ(static_cast<std::uint32_t>(PpdTextEncoding::ISOLatin1), 0x0201u);
    EXPECT_EQ(static_cast<std::uint32_t>(PpdTextEncoding::WindowsLatin1), 0x0500u);
    EXPECT_EQ(static_cast<std::uint32_t>(PpdTextEncoding::MacJapanese), 1u);
    EXPECT_EQ(static_cast<std::uint32_t>(PpdTextEncoding::MacRoman), 0u);

    PpdTextEncoding encoding = PpdTextEncoding::UTF8;
    EXPECT_FALSE(GetCFStringEncodingFromPPD(nullptr, encoding));
    EXPECT_EQ(encoding, PpdTextEncoding::MacRoman);
}

// A record without the LanguageEncoding attribute uses its lang_encoding.
TEST(PpdTextEncodingTable, RecordWithoutTheAttributeFallsBackToLangEncoding)
{
    ppd_file_t ppd{};
    char name[] = "WindowsANSI";
    ppd.lang_encoding = name;
    PpdTextEncoding encoding = PpdTextEncoding::MacRoman;
    ASSERT_TRUE(GetCFStringEncodingFromPPD(&ppd, encoding));
    EXPECT_EQ(encoding, PpdTextEncoding::WindowsLatin1);
    ppd.lang_encoding = nullptr;
    ASSERT_TRUE(GetCFStringEncodingFromPPD(&ppd, encoding));
    EXPECT_EQ(encoding, PpdTextEncoding::MacRoman);
}

TEST(PPDTextConversion, EachEncodingDecodesItsOwnBytes)
{
    EXPECT_EQ(ConvertPPDTextToUTF8("\xE9t\xE9", PpdTextEncoding::ISOLatin1), "été");
    EXPECT_EQ(ConvertPPDTextToUTF8("\x80 \x93x\x94", PpdTextEncoding::WindowsLatin1), "€ “x”");
    EXPECT_EQ(ConvertPPDTextToUTF8("\x8E\xA5", PpdTextEncoding::MacRoman), "é•");
    EXPECT_EQ(ConvertPPDTextToUTF8("\x83\x7A\x83\x60\x83\x4C\x83\x58", PpdTextEncoding::MacJapanese),
              "ホチキス");
    EXPECT_EQ(ConvertPPDTextToUTF8("\xB1\xB2", PpdTextEncoding::MacJapanese), "ｱｲ");
    EXPECT_EQ(ConvertPPDTextToUTF8("caf\xC3\xA9", PpdTextEncoding::UTF8), "café");
    EXPECT_EQ(ConvertPPDTextToUTF8("", PpdTextEncoding::MacJapanese), "");
    const std::string longText(5000, 'a');
    EXPECT_EQ(ConvertPPDTextToUTF8(longText + "\xE9", PpdTextEncoding::ISOLatin1), longText + "é");
}

TEST(PPDTextConversion, UndefinedBytesBecomeReplacementCharactersAndTheRestSurvives)
{
    EXPECT_EQ(ConvertPPDTextToUTF8("a\x81"
                                   "b",
                                   PpdTextEncoding::WindowsLatin1),
              "a\uFFFDb");
    EXPECT_EQ(ConvertPPDTextToUTF8("a\xC3", PpdTextEncoding::UTF8), "a\uFFFD");
    EXPECT_EQ(ConvertPPDTextToUTF8("\xFF"
                                   "ok\xC3\xA9",
                                   PpdTextEncoding::UTF8),
              "\uFFFDok\u00E9");
    // A lead byte of Shift_JIS with nothing after it.
    EXPECT_EQ(ConvertPPDTextToUTF8("x\x83", PpdTextEncoding::MacJapanese), "x\uFFFD");
    EXPECT_EQ(PPDRecordTextToUTF8(nullptr, nullptr), "");
    EXPECT_EQ(PPDRecordTextToUTF8(nullptr, "bad\xE9"), "bad\uFFFD");
}

} // namespace
