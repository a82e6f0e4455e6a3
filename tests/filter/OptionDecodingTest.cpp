// Reading job options into the print-options record: value escape, code-set
// conversion, number-up text, absent options.
#include "filter/FilterState.h"
#include "filter/PrintOptionsReader.h"
#include "filter/UtilityFunctionFilter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Ppd(const std::string& name) { return std::string(QV_SOURCE_DIR) + "/ppd/" + name; }

// Reads options as the filter does, with the given PPD (empty: no PPD).
PrintOptions Read(const std::string& options, const std::string& ppd = "quorvel-rx42-mfp.ppd")
{
    if (ppd.empty())
        unsetenv("PPD");
    else
        setenv("PPD", Ppd(ppd).c_str(), 1);
    ResetFilterState();
    std::vector<std::string> args = {"spoolwrap", "7", "alice", "title", "1", options};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    PrintOptions record{};
    EXPECT_EQ(GetPrintOptions(argv.data(), record), 1);
    return record;
}

const std::string kPT = "com.lumeral.vrk.printsettings.";

// The decoding itself is tested with the platform layer; the filter reads the
// decoded value as text.
TEST(ValueEscape, TheValueEndsAtTheFirstZeroByte)
{
    EXPECT_EQ(numstrtochar("/65/66/67"), "ABC");
    EXPECT_EQ(numstrtochar("/65/300/67"), "A");
    EXPECT_EQ(numstrtochar("/65/0/66"), "A");
    EXPECT_EQ(numstrtochar("/"), "");
    EXPECT_EQ(numstrtochar("a/65/66"), "a/65/66");
}

TEST(ValueEscape, AppliesToEveryStringField)
{
    const PrintOptions r = Read(kPT + "PrintTypeUserNameTicketKey=/97/98/99 " + kPT +
                                "JBALoginTextEditTicket=/76/111 media=/65/52");
    EXPECT_STREQ(r.printType.userName, "abc");
    EXPECT_STREQ(r.jba.loginName, "Lo");
    EXPECT_STREQ(r.features.media, "A4");
}

TEST(OptionRecord, EmptyOptionStringLeavesFieldsEmptyAndIntegersAtMinusOne)
{
    const PrintOptions r = Read("");
    EXPECT_EQ(r.printType.printType, -1);
    EXPECT_EQ(r.printType.documentNameType, -1);
    EXPECT_STREQ(r.printType.userName, "");
    EXPECT_STREQ(r.printType.password, "");
    EXPECT_EQ(r.jba.manageType, -1);
    EXPECT_EQ(r.jba.userIDSource, -1);
    EXPECT_EQ(r.jba.adminUserIDSource, -1);
    EXPECT_EQ(r.jba.adminInputMode, -1);
    EXPECT_EQ(r.jba.userIDKeyAbsent, 1);
    EXPECT_STREQ(r.jba.hostName, "");
    EXPECT_EQ(r.features.duplex, -1);
    EXPECT_STREQ(r.features.collate, "");
    EXPECT_STREQ(r.features.media, "");
    EXPECT_STREQ(r.features.numberUp, "1");
}

TEST(OptionRecord, IntegersPresenceFlagAndSharedKey)
{
    const PrintOptions r =
        Read(kPT + "PrintTypeTicketKey=2 " + kPT + "JBAUserIDListCtrlTicket=2 " + kPT +
             "JBAAdminUserIDListCtrlTicket=1 " + kPT +
             "JBAUserIDTextEditTicket=bob com.apple.print.PrintSettings.PMDuplexing..n.=3");
    EXPECT_EQ(r.printType.printType, 2);
    // Each settings window's user-ID source has its own key.
    EXPECT_EQ(r.jba.userIDSource, 2);
    EXPECT_EQ(r.jba.adminUserIDSource, 1);
    EXPECT_EQ(r.jba.userIDKeyAbsent, 0);
    EXPECT_STREQ(r.jba.userID, "bob");
    EXPECT_EQ(r.features.duplex, 3);
}

TEST(OptionRecord, ValuesAreCutToTheirFieldSize)
{
    const std::string longName(200, 'u');
    const PrintOptions r = Read(kPT + "PrintTypeUserNameTicketKey=" + longName + " " + kPT +
                                "JBAMacHostNameStringTicket=" + longName);
    EXPECT_EQ(std::strlen(r.printType.userName), 72u);
    EXPECT_EQ(std::strlen(r.jba.hostName), 32u);
}

TEST(OptionRecord, ValuesAreDecodedInAThousandByteWorkBuffer)
{
    // A 2048-byte field still takes at most 1023 bytes of option value.
    const std::string longPassword(3000, 'p');
    const PrintOptions r = Read(kPT + "PrintTypePasswordTicketKey=" + longPassword);
    EXPECT_EQ(std::strlen(r.printType.password), 1023u);
}

TEST(OptionRecord, FieldsNotReadOnOtherPrintersStayEmpty)
{
    const std::string opts =
        kPT + "JBADomainNameTextEditTicket=corp " + kPT + "JBAAccountIDTextEditTicket=77";
    const PrintOptions sjis = Read(opts, "quorvel-rx42-mfp.ppd");
    EXPECT_STREQ(sjis.jba.domainName, "");
    EXPECT_STREQ(sjis.jba.accountID, "");
    const PrintOptions utf8 = Read(opts, "quorvel-kz63-color-mfp.ppd");
    EXPECT_STREQ(utf8.jba.domainName, "corp");
    EXPECT_STREQ(utf8.jba.accountID, "77");
}

TEST(CodeSet, PasswordInShiftJISKeepsBackslashAndTilde)
{
    // "パス\~" as UTF-8 in the value escape.
    const std::string utf8 = "\xe3\x83\x91\xe3\x82\xb9\\~";
    std::string escaped;
    for (unsigned char c : utf8) escaped += "/" + std::to_string(c);
    const PrintOptions r = Read(kPT + "JBAUserPasswordTextEditTicket=" + escaped);
    // Shift_JIS: パ 0x83 0x70, ス 0x83 0x58; backslash and tilde stay ASCII.
    EXPECT_EQ(std::string(r.jba.userPassword), "\x83\x70\x83\x58\\~");
}

TEST(CodeSet, PasswordStaysUTF8OnAUTF8Printer)
{
    const std::string utf8 = "\xe3\x83\x91\\";
    std::string escaped;
    for (unsigned char c : utf8) escaped += "/" + std::to_string(c);
    const PrintOptions r =
        Read(kPT + "JBAUserPasswordTextEditTicket=" + escaped, "quorvel-kz63-color-mfp.ppd");
    EXPECT_EQ(std::string(r.jba.userPassword), utf8);
}

TEST(CodeSet, ConversionDropsUnmappableAndStopsWhenFull)
{
    char out[8];
    // U+00E9 exists in Shift_JIS X0213 (0x857E); U+0E01 (Thai) does not.
    EXPECT_EQ(ConvertUTF8ToEncoding("a\xc3\xa9\xe0\xb8\x81z", out), 4u);
    EXPECT_EQ(std::string(out), "a\x85\x7e"
                                "z");
    // Only whole characters go in: 7 bytes of room, each kana takes 2.
    EXPECT_EQ(ConvertUTF8ToEncoding("\xe3\x81\x82\xe3\x81\x82\xe3\x81\x82\xe3\x81\x82", out), 6u);
    EXPECT_EQ(ConvertUTF8ToEncodingForUTF8("\xe3\x81\x82\xe3\x81\x82\xe3\x81\x82", out), 6u);
}

TEST(CodeSet, InvalidUTF8GivesEmptyText)
{
    char out[16] = "junk";
    EXPECT_EQ(ConvertUTF8ToEncoding("ab\xff", out), 0u);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(ConvertUTF8ToEncodingForUTF8("\xc0\xaf", out), 0u);     // overlong "/"
    EXPECT_EQ(ConvertUTF8ToEncodingForUTF8("\xed\xa0\x80", out), 0u); // surrogate
    EXPECT_EQ(ConvertUTF8ToEncodingForUTF8("\xe3\x81", out), 0u);     // cut short
}

TEST(NumberUp, TextFromNumberUpOrLayoutKeys)
{
    const std::string rows = "com.apple.print.PrintSettings.PMLayoutRows..n.=";
    const std::string cols = "com.apple.print.PrintSettings.PMLayoutColumns..n.=";
    EXPECT_STREQ(Read("number-up=4").features.numberUp, "N4");
    EXPECT_STREQ(Read("number-up=1").features.numberUp, "1");
    EXPECT_STREQ(Read(rows + "2 " + cols + "2").features.numberUp, "N4");
    EXPECT_STREQ(Read(rows + "1 " + cols + "1").features.numberUp, "1");
    EXPECT_STREQ(Read(rows + "2 " + cols + "3").features.numberUp, "N6");
    // One key alone: the other counts as one.
    EXPECT_STREQ(Read(rows + "2").features.numberUp, "N2");
    // number-up wins over the layout keys.
    EXPECT_STREQ(Read("number-up=2 " + rows + "4 " + cols + "4").features.numberUp, "N2");
    // The count has two digits at most.
    EXPECT_STREQ(Read(rows + "10 " + cols + "12").features.numberUp, "N12");
}

TEST(PpdInformation, AttributesAndMissingPpd)
{
    const PrintOptions utf8 = Read("", "quorvel-kz63-color-mfp.ppd");
    EXPECT_STREQ(utf8.ppdInfo.printerLanguageEncoding, "UTF-8");
    EXPECT_STREQ(utf8.ppdInfo.cupsFilter, "application/pdf 0 spoolwrap");
    EXPECT_TRUE(IsUTF8Printer(utf8));
    const PrintOptions latin = Read("", "quorvel-wt74-printer.ppd");
    EXPECT_STREQ(latin.ppdInfo.printerLanguageEncoding, "ISOLatin1");
    EXPECT_FALSE(IsUTF8Printer(latin));
    const PrintOptions none = Read("media=A4", "");
    EXPECT_STREQ(none.ppdInfo.printerLanguageEncoding, "");
    EXPECT_STREQ(none.ppdInfo.cupsFilter, "");
    EXPECT_STREQ(none.features.media, "A4");
}

TEST(PpdInformation, UserNameInPrinterCodeSet)
{
    Read("", "quorvel-rx42-mfp.ppd");
    EXPECT_STREQ(StdUserName, "alice");
}

} // namespace

namespace {

std::string Escape(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) out += "/" + std::to_string(c);
    return out;
}

TEST(WorkBufferCut, ACodeCutInTwoIsDroppedNotMisread)
{
    // 255 codes of "/227" fill 1020 bytes; the next code is cut after "/22".
    std::string value;
    for (int i = 0; i < 256; ++i) value += "/227";
    const PrintOptions r = Read(kPT + "JBALoginTextEditTicket=" + value);
    const std::string login = r.jba.loginName;
    EXPECT_EQ(login, std::string(63, '\xe3'));
    EXPECT_EQ(login.find('\x16'), std::string::npos); // byte 22 never appears
}

TEST(WorkBufferCut, ACodeEndingExactlyAtTheCutIsKept)
{
    // "/65" is 3 bytes: 341 codes are 1023 bytes, the next "/" follows the cut.
    std::string value;
    for (int i = 0; i < 342; ++i) value += "/65";
    const PrintOptions r = Read(kPT + "PrintTypePasswordTicketKey=" + value);
    EXPECT_EQ(std::string(r.printType.password), std::string(341, 'A'));
}

TEST(WorkBufferCut, LongUTF8TextKeepsItsWholeCharacters)
{
    // 100 kana in the value escape are far past the work buffer: what fits is
    // kept up to the last whole character instead of failing the conversion.
    std::string kana;
    for (int i = 0; i < 100; ++i) kana += "\xe3\x81\x82";
    const PrintOptions r =
        Read(kPT + "JBAUserPasswordTextEditTicket=" + Escape(kana), "quorvel-kz63-color-mfp.ppd");
    const std::string password = r.jba.userPassword;
    ASSERT_FALSE(password.empty());
    EXPECT_EQ(password.size() % 3, 0u);
    EXPECT_EQ(password, kana.substr(0, password.size()));
}

} // namespace
