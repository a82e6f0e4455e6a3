// PJL lines and framing: exact bytes, the code-set line, quoting by command, and the line-length bound.
#include "filter/PjlHeader.h"
#include "filter/PjlLine.h"

#include "filter/OutputMirror.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Captures everything the writers send to the PJL output.
class CapturedOutput {
public:
    CapturedOutput() : stream_(open_memstream(&data_, &size_)) { SetPjlOutputStream(stream_); }
    ~CapturedOutput()
    {
        SetPjlOutputStream(nullptr);
        std::fclose(stream_);
        std::free(data_);
    }
    std::string text()
    {
        std::fflush(stream_);
        return std::string(data_, size_);
    }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    FILE* stream_;
};

TEST(PjlLines, SetAttrAndOtherKinds)
{
    EXPECT_EQ(FormatPJLCommand("SET", "COPIES", "3"), "@PJL SET COPIES=3\n");
    EXPECT_EQ(FormatPJLCommand("ATTR", "FSTP", "0"), "@PJL SET JOBATTR=\"@FSTP=0\"\n");
    EXPECT_EQ(FormatPJLCommand("ATTR", "JOEP", ""), "@PJL SET JOBATTR=\"@JOEP=\"\n");
    EXPECT_EQ(FormatPJLCommand("SET", "HOLDKEY", "\"1234\""), "@PJL SET HOLDKEY=\"1234\"\n");
    EXPECT_EQ(FormatPJLCommand("GET", "COPIES", "3"), "");
    EXPECT_EQ(FormatPJLCommand("set", "COPIES", "3"), "");
    EXPECT_EQ(FormatPJLComment("DNAME="), "@PJL COMMENT DNAME=\n");
}

TEST(PjlLines, QuotesFollowTheCommandNotTheValue)
{
    struct Case {
        const char* kind;
        const char* name;
        const char* value;
        const char* line;
    };
    const Case cases[] = {
        {"SET", "HOLDKEY", "1234", "@PJL SET HOLDKEY=\"1234\"\n"},
        {"SET", "USERNAME", "", "@PJL SET USERNAME=\"\"\n"},
        {"SET", "JOBNAME", "\"a\"b\"", "@PJL SET JOBNAME=\"ab\"\n"},
        {"SET", "STRINGCODESET", "UTF8", "@PJL SET STRINGCODESET=\"UTF8\"\n"},
        {"SET", "COPIES", "\"5\"", "@PJL SET COPIES=5\n"},
        {"SET", "HOLD", "\"STORE\"", "@PJL SET HOLD=STORE\n"},
        {"ATTR", "JOAU", "\"x\"", "@PJL SET JOBATTR=\"@JOAU=x\"\n"},
        {"ATTR", "JOEP", "\"pw\"", "@PJL SET JOBATTR=\"@JOEP=pw\"\n"},
        {"ATTR", "CNAM", "\"\"", "@PJL SET JOBATTR=\"@CNAM=\"\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatPJLCommand(c.kind, c.name, c.value), c.line) << c.value;
    EXPECT_EQ(FormatPJLComment("\"DNAME=x\""), "@PJL COMMENT DNAME=x\n");
}

TEST(PjlLines, FixedLinesAndTrailer)
{
    CapturedOutput out;
    MakeCommonComments();
    PutEnterLanguage();
    PutPJLTrailer();
    PutPJLTrailerEnd();
    OutputFileSizeCommand(0);
    OutputFileSizeCommand(3000000000LL);
    EXPECT_EQ(out.text(), "@PJL COMMENT begin\n@PJL COMMENT Version:4.00\n@PJL ENTER LANGUAGE=PDF\n"
                          "\x1b%-12345X@PJL EOJ\n"
                          "@PJL SET JOBATTR=\"@FSIZ=0\"\n@PJL SET JOBATTR=\"@FSIZ=3000000000\"\n");
}

TEST(PjlLines, CodeSetLineForEachPrinterLanguage)
{
    const auto line = [](const char* encoding) {
        PrintOptions options{};
        std::strcpy(options.ppdInfo.printerLanguageEncoding, encoding);
        CapturedOutput out;
        OutputPJLPrinterLanguageEncoding(options);
        return out.text();
    };
    EXPECT_EQ(line("UTF-8"), "@PJL SET STRINGCODESET=\"UTF8\"\n");
    EXPECT_EQ(line("ISOLatin1"), "@PJL SET STRINGCODESET=\"HPROMAN8\"\n");
    EXPECT_EQ(line("ShiftJIS"), "@PJL SET STRINGCODESET=\"SJISX0208\"\n");
    EXPECT_EQ(line(""), "@PJL SET STRINGCODESET=\"SJISX0208\"\n");
    EXPECT_EQ(line("utf-8"), "@PJL SET STRINGCODESET=\"SJISX0208\"\n");
    EXPECT_EQ(line("UTF-8 "), "@PJL SET STRINGCODESET=\"SJISX0208\"\n");
}

TEST(PjlLineSafety, BytesThatEndALineOrAQuoteAreDropped)
{
    EXPECT_EQ(FormatPJLCommand("SET", "USERNAME", "\"bo\nb\r\x1b\x7f\"\"\""), "@PJL SET USERNAME=\"bob\"\n");
    EXPECT_EQ(FormatPJLCommand("ATTR", "JOAU", "a\"\n@PJL SET COPIES=99"),
              "@PJL SET JOBATTR=\"@JOAU=a@PJL SET COPIES=99\"\n");
    EXPECT_EQ(FormatPJLComment("DATE=12/01\n@PJL ECHO"), "@PJL COMMENT DATE=12/01@PJL ECHO\n");
    // Multibyte text passes untouched.
    EXPECT_EQ(FormatPJLCommand("SET", "JOBNAME", "\"\xe6\x97\xa5\x83\x70\""),
              "@PJL SET JOBNAME=\"\xe6\x97\xa5\x83\x70\"\n");
}

TEST(PjlLineSafety, OnlyWholeCharactersOfThePrinterCodeSet)
{
    struct Case {
        PjlCodeSet codeSet;
        std::string value;
        std::string kept;
    };
    const Case cases[] = {
        {PjlCodeSet::ShiftJIS, "A\x81", "A"},
        {PjlCodeSet::ShiftJIS, "\x83\x70\x83", "\x83\x70"},
        {PjlCodeSet::ShiftJIS, "\x81\x3f", "\x3f"}, // 0x3F is no trail byte
        {PjlCodeSet::ShiftJIS, "\xe0\x40\xfc\xfc\xa5", "\xe0\x40\xfc\xfc\xa5"},
        {PjlCodeSet::ShiftJIS, "\x9f\x7f\x9f\x80", "\x7f\x9f\x80"},
        {PjlCodeSet::UTF8, "\xe6\x97\xa5", "\xe6\x97\xa5"},
        {PjlCodeSet::UTF8, "a\xc0\xaf", "a"},       // overlong "/"
        {PjlCodeSet::UTF8, "\xed\xa0\x80z", "z"},   // surrogate
        {PjlCodeSet::UTF8, "\xf4\x90\x80\x80", ""}, // above U+10FFFF
        {PjlCodeSet::UTF8, "x\xe6\x97", "x"},       // cut short
        {PjlCodeSet::UTF8, "\x80\xf0\x9f\x98\x80", "\xf0\x9f\x98\x80"},
        {PjlCodeSet::SingleByte, "\x81\xe9", "\x81\xe9"},
    };
    for (const Case& c : cases) EXPECT_EQ(KeepWholeCharacters(c.value, c.codeSet), c.kept) << c.value;

    SetPJLValueCodeSet(PjlCodeSet::ShiftJIS);
    EXPECT_EQ(FormatPJLCommand("SET", "USERNAME", "A\x81"), "@PJL SET USERNAME=\"A\"\n");
    EXPECT_EQ(FormatPJLComment("TIME=09:05\x81"), "@PJL COMMENT TIME=09:05\n");
    SetPJLValueCodeSet(PjlCodeSet::Unknown);
}

TEST(PjlLineSafety, LongValuesAreCutToTheLineBuffer)
{
    const std::string key(3000, 'k');
    const std::string set = FormatPJLCommand("SET", "HOLDKEY", "\"" + key + "\"");
    EXPECT_EQ(set.size(), kPJLMaxLine);
    EXPECT_EQ(set.substr(set.size() - 2), "\"\n");
    EXPECT_EQ(set.rfind("@PJL SET HOLDKEY=\"kkk", 0), 0u);

    const std::string attr = FormatPJLCommand("ATTR", "JOEP", key);
    EXPECT_EQ(attr.size(), kPJLMaxLine);
    EXPECT_EQ(attr.substr(attr.size() - 2), "\"\n");

    const std::string plain = FormatPJLCommand("SET", "COPIES", key);
    EXPECT_EQ(plain.size(), kPJLMaxLine);
    EXPECT_EQ(plain.back(), '\n');

    const std::string comment = FormatPJLComment("DNAME=" + key);
    EXPECT_EQ(comment.size(), kPJLMaxLine);

    // A value that just fits is not cut: 254 = 9 + 7 + 1 + 236 + 1.
    const std::string fits(236, 'x');
    EXPECT_EQ(FormatPJLCommand("SET", "COPIES", fits), "@PJL SET COPIES=" + fits + "\n");
    EXPECT_EQ(FormatPJLCommand("SET", "COPIES", fits + "y").size(), kPJLMaxLine);
}

TEST(PjlLineSafety, CutsFallOnCharacterBoundaries)
{
    // UTF-8: three-byte characters are never split.
    std::string utf8;
    for (int i = 0; i < 100; ++i) utf8 += "\xe6\x97\xa5";
    const std::string line = FormatPJLCommand("SET", "USERNAME", "\"" + utf8 + "\"");
    EXPECT_LE(line.size(), kPJLMaxLine);
    const std::string inner = line.substr(std::strlen("@PJL SET USERNAME=\""),
                                          line.size() - std::strlen("@PJL SET USERNAME=\"") - 2);
    EXPECT_EQ(inner.size() % 3, 0u);
    EXPECT_EQ(CutAtCharacter(utf8, 4), "\xe6\x97\xa5");

    // Shift_JIS: two-byte characters are never split.
    EXPECT_EQ(CutAtCharacter("a\x83\x70\x83\x58", 4), "a\x83\x70");
    EXPECT_EQ(CutAtCharacter("a\x83\x70\x83\x58", 5), "a\x83\x70\x83\x58");
    EXPECT_EQ(CutAtCharacter("\x83\x70", 1), "");
}

} // namespace
