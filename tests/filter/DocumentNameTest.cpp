// Document names: the width cut on Shift_JIS and UTF-8 printers, the
// product-type limits, the code-range tables, and titles that give no name.
#include "filter/DocuNameValidateData.h"
#include "filter/DocumentName.h"
#include "filter/FilterState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kA = "\xE3\x81\x82"; // あ in UTF-8
const std::string kASjis = "\x82\xA0"; // あ in Shift_JIS
const std::string kProductType = "com.lumeral.vrk.printsettings.PrintTypeProductTypeTicketKey";

std::string Repeat(const std::string& text, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i) out += text;
    return out;
}

struct Names {
    std::string std;
    std::string pt;
};

// Builds the names as option reading does, for a title and an option string.
Names Build(const std::string& title, bool utf8Printer, const std::string& options = "")
{
    std::vector<std::string> store = {"spoolwrap", "42", "alice", title, "1", options};
    std::vector<char*> argv;
    for (auto& s : store) argv.push_back(s.data());
    argv.push_back(nullptr);
    ResetFilterState();
    InvalidateStdDocumentNameForProductType(argv.data(), utf8Printer);
    InvalidatePrintTypeDocumentNameForProductType(argv.data());
    return {StdDocumentName, PTStdDocumentName};
}

std::string Pt(const std::string& title, bool utf8Printer, const std::string& options = "")
{
    return Build(title, utf8Printer, options).pt;
}

std::string WithProductType(int type) { return kProductType + "=" + std::to_string(type); }

TEST(DocumentNameShiftJIS, CutTo32Bytes)
{
    const std::string title40 = Repeat("ABCDEFGHIJ", 4);
    const Names names = Build(title40, false);
    EXPECT_EQ(names.pt, title40.substr(0, 32));
    EXPECT_EQ(names.std, title40.substr(0, 32));
    EXPECT_EQ(Pt(std::string(32, 'a'), false), std::string(32, 'a'));
    EXPECT_EQ(Pt("Quarterly report", false), "Quarterly report");
}

TEST(DocumentNameShiftJIS, DoubleByteCharacterThatWouldPassByte32IsLeftOut)
{
    EXPECT_EQ(Pt(std::string(31, 'a') + kA, false), std::string(31, 'a'));
    EXPECT_EQ(Pt(std::string(30, 'a') + kA + "b", false), std::string(30, 'a') + kASjis);
    EXPECT_EQ(Pt(Repeat(kA, 20), false), Repeat(kASjis, 16));
    // 中 is two bytes in Shift_JIS like every kanji: no half of it is kept.
    EXPECT_EQ(Pt(std::string(31, 'a') + "\xE4\xB8\xAD", false), std::string(31, 'a'));
    // Half-width katakana (ｱ) is one byte and one unit wide.
    EXPECT_EQ(Pt(std::string(31, 'a') + "\xEF\xBD\xB1" + "bc", false), std::string(31, 'a') + "\xB1");
}

TEST(DocumentNameShiftJIS, ProductTypeChangesNothing)
{
    const std::string title = Repeat("ABCDEFGHIJ", 2);
    EXPECT_EQ(Pt(title, false, WithProductType(2)), title);
    EXPECT_EQ(Pt(Repeat(kA, 13), false, WithProductType(2)), Repeat(kASjis, 13));
}

TEST(DocumentNameShiftJIS, CharactersWithoutShiftJISFormAreDropped)
{
    EXPECT_EQ(Pt("ab\xF0\x9F\x98\x80"
                 "c",
                 false),
              "abc");
}

TEST(DocumentNameUTF8, CutByWidth)
{
    const std::string title40 = Repeat("ABCDEFGHIJ", 4);
    Names names = Build(title40, true);
    EXPECT_EQ(names.pt, title40.substr(0, 32));
    EXPECT_EQ(names.std, title40.substr(0, 32));

    // あ counts two: 16 of them fill the width. The title in the code set stays
    // within 32 bytes and ends between characters.
    names = Build(Repeat(kA, 20), true);
    EXPECT_EQ(names.pt, Repeat(kA, 16));
    EXPECT_EQ(names.std, Repeat(kA, 10));

    EXPECT_EQ(Pt(std::string(31, 'a') + kA, true), std::string(31, 'a'));
    EXPECT_EQ(Pt(std::string(30, 'a') + kA + "b", true), std::string(30, 'a') + kA);
    EXPECT_EQ(Pt("Quarterly report", true), "Quarterly report");
    EXPECT_EQ(Pt(Repeat(kA, 10), true), Repeat(kA, 10));
}

TEST(DocumentNameUTF8, ProductTypeLimits)
{
    const std::string title20 = Repeat("ABCDEFGHIJ", 2);
    const std::string title40 = title20 + title20;
    EXPECT_EQ(Pt(title20, true, WithProductType(2)), title20.substr(0, 12));
    EXPECT_EQ(Pt(Repeat(kA, 13), true, WithProductType(2)), Repeat(kA, 12));
    EXPECT_EQ(Pt(std::string(12, 'z'), true, WithProductType(2)), std::string(12, 'z'));
    // The width cut has already brought the name to at most 32 characters.
    EXPECT_EQ(Pt(title40, true, WithProductType(3)), title40.substr(0, 32));
    EXPECT_EQ(Pt(title40, true, WithProductType(5)), title40.substr(0, 32));
    EXPECT_EQ(Pt(title40, true, WithProductType(1)), title40.substr(0, 32));
    EXPECT_EQ(Pt(Repeat(kA, 10), true, WithProductType(3)), Repeat(kA, 10));
    EXPECT_EQ(Pt(Repeat(kA, 10), true, WithProductType(5)), Repeat(kA, 10));
}

TEST(DocumentNameRefused, ControlCharactersLineBreaksAndBadText)
{
    for (bool utf8 : {false, true}) {
        for (const std::string& title :
             {std::string("Rep\nort"), std::string("Rep\rort"), std::string("Rep\tort"),
              std::string("Report\x01"), std::string("Rep\x7Fort"), std::string("\x1b%-12345X"),
              std::string("bad \xFF\xFE utf8")}) {
            const Names names = Build(title, utf8);
            EXPECT_EQ(names.pt, "") << "utf8=" << utf8 << " title=" << title;
            EXPECT_EQ(names.std, "") << "utf8=" << utf8 << " title=" << title;
        }
    }
    // The lenient table of product types 3 and 5 still sees no control character.
    EXPECT_EQ(Pt("Report\x01", true, WithProductType(3)), "");
    EXPECT_EQ(Pt("\xE3\x83\x86\x01", true, WithProductType(5)), "");
}

TEST(DocumentNameRefused, EmptyTitle)
{
    EXPECT_EQ(Pt("", false), "");
    EXPECT_EQ(Pt("", true, WithProductType(3)), "");
}

TEST(DocuNameValidate, ShiftJISRanges)
{
    for (const DocuNameValidateData* table :
         {&docuNameValidateDataScale, &docuNameValidateDataScaleForProduct03}) {
        EXPECT_EQ(ValidateDada("Hello, World ~", *table), 1);
        EXPECT_EQ(ValidateDada("\x82\xA0\x93\x63\x92\x86", *table), 1);
        EXPECT_EQ(ValidateDada("\xB1\xDF\xA1", *table), 1);
        EXPECT_EQ(ValidateDada("", *table), 1);
        // Edges of the double-byte rows.
        EXPECT_EQ(ValidateDada("\x81\x40", *table), 1);
        EXPECT_EQ(ValidateDada("\x9F\xFC", *table), 1);
        EXPECT_EQ(ValidateDada("\xE0\x40", *table), 1);
        EXPECT_EQ(ValidateDada("\xFC\xFC", *table), 1);
        EXPECT_EQ(ValidateDada("\x81\x3F", *table), 0);
        EXPECT_EQ(ValidateDada("\xFC\xFD", *table), 0);
        // Bytes outside every range.
        for (const char* bad : {"\x1F", "\x7F", "\x80", "\xA0", "\xFD", "a\x0A"})
            EXPECT_EQ(ValidateDada(bad, *table), 0) << static_cast<int>(static_cast<unsigned char>(bad[0]));
    }
}

TEST(DocuNameValidate, LastBytePairsWithTheTerminatorNotWhatFollows)
{
    // 0x81 followed by the terminator is in no range; followed by 0x40 it would be.
    const std::string bytes = "\x81\x40";
    EXPECT_EQ(ValidateDada(std::string_view(bytes.data(), 1), docuNameValidateDataScale), 0);
    // 0x8200 lies in the first double-byte row.
    EXPECT_EQ(ValidateDada(std::string_view("\x82\x41", 1), docuNameValidateDataScale), 1);
}

TEST(DocuNameValidate, Product02AndUTF8Tables)
{
    EXPECT_EQ(ValidateDada("ABC xyz", docuNameValidateDataScaleForProduct02), 1);
    EXPECT_EQ(ValidateDada("\x81\x60", docuNameValidateDataScaleForProduct02), 1);
    EXPECT_EQ(ValidateDada("\xB1", docuNameValidateDataScaleForProduct02), 1);
    EXPECT_EQ(ValidateDada("\x82\xA0", docuNameValidateDataScaleForProduct02), 0);
    EXPECT_EQ(ValidateDada("\x81\x61", docuNameValidateDataScaleForProduct02), 0);

    EXPECT_EQ(ValidateDada("\xC3\x80", docuNameValidateDataScaleForProduct03UTF8), 1);
    EXPECT_EQ(ValidateDada(kA + "x", docuNameValidateDataScaleForProduct03UTF8), 1);
    EXPECT_EQ(ValidateDada("\xFF", docuNameValidateDataScaleForProduct03UTF8), 1);
    // The same UTF-8 text fails the Shift_JIS ranges: 0x80 fits none of them.
    EXPECT_EQ(ValidateDada("\xC3\x80", docuNameValidateDataScale), 0);
}

} // namespace
