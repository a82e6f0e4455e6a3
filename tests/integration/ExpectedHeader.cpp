#include "ExpectedHeader.h"

#include <pwd.h>
#include <unistd.h>

std::string CurrentUser()
{
    const passwd* pw = getpwuid(getuid());
    return pw != nullptr ? pw->pw_name : "";
}

namespace {

void AddOwnerBlock(std::vector<std::string>& lines, const std::string& user, const std::string& password)
{
    for (const std::string& line :
         {CommentLine("DATE=03/15/2025"), CommentLine("TIME=09:08:07"), AttrLine("CNAM", "WS-ALICE"),
          AttrLine("JOAU", user), AttrLine("HOAD", "I0A01C80F"), AttrLine("JOEP", password)})
        lines.push_back(line);
}

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
}

} // namespace

std::vector<std::string> ExpectedKZ63Header(const HeaderShape& shape, size_t pdfSize)
{
    std::vector<std::string> lines = {
        kUEL + "@PJL JOB MODE=PRINTER",
        SetLine("STRINGCODESET", shape.codeSet),
        CommentLine("begin"),
        CommentLine("Version:4.00"),
    };
    if (shape.firstOwner) AddOwnerBlock(lines, shape.firstOwner->user, shape.firstOwner->password);
    AddOwnerBlock(lines, shape.user, shape.password);
    lines.push_back(CommentLine("DNAME=" + shape.documentName));
    Append(lines, shape.holdLines);
    lines.push_back(shape.copiesLine);
    Append(lines, {AttrLine("FSTP", "0"), AttrLine("LSTP", "0"), SetLine("OUTBIN", "MAINTRAY"),
                   AttrLine("LOUT", "NOSCALING"), AttrLine("DIPQ", "STANDARD")});
    if (!shape.collateLine.empty()) lines.push_back(shape.collateLine);
    Append(lines, {SetLine("RENDERMODE", "AUTOCOLOR"), AttrLine("TRAP", "ON")});
    Append(lines, shape.sourceLines);
    Append(lines, shape.paperLines);
    Append(lines, shape.mediaTypeLines);
    Append(lines, shape.duplexLines);
    Append(lines, shape.finishingLines);
    Append(lines, {SetLine("TIMEOUT", "0"), AttrLine("NLPP", "1")});
    lines.push_back(AttrLine("FSIZ", std::to_string(pdfSize)));
    lines.push_back("@PJL ENTER LANGUAGE=PDF");
    return lines;
}

::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected)
{
    if (actual == expected) return ::testing::AssertionSuccess();
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    return ::testing::AssertionFailure() << "got " << actual.size() << " bytes, expected " << expected.size()
                                         << "; first difference at byte " << at;
}
