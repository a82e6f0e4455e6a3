// The head of the job document group: the document-name comment and the HOLD,
// HOLDTYPE, HOLDKEY, USERNAME and JOBNAME commands.
#include "OwnerJobHarness.h"

#include "filter/FilterState.h"
#include "filter/JobCommands.h"
#include "filter/UtilityFunctionFilter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using jobdoc::FilterArgs;
using jobdoc::PjlCapture;
using jobdoc::Set;
using namespace owner;

namespace {

std::unique_ptr<PrintOptions> Record(int printType, const std::string& password = "",
                                     const std::string& userName = "", int documentNameType = -1,
                                     const std::string& documentName = "")
{
    auto options = std::make_unique<PrintOptions>();
    options->printType.printType = printType;
    CopyToField(password, options->printType.password);
    CopyToField(userName, options->printType.userName);
    options->printType.documentNameType = documentNameType;
    CopyToField(documentName, options->printType.documentName);
    return options;
}

std::string Head(const PrintOptions& options, const std::string& documentName = "report")
{
    CopyToField(documentName, PTStdDocumentName);
    FilterArgs args("1", "");
    PjlCapture capture;
    OutputPrintTypeCommand(args.argv(), options);
    return capture.Text();
}

TEST(PrintTypeHead, SecurePrint)
{
    EXPECT_EQ(Head(*Record(2, "q83vEjRWeJA=", "tanaka", 1)),
              "@PJL COMMENT DNAME=report\n" + Set("HOLD=STORE") + Set("HOLDTYPE=PRIVATE") +
                  Set("HOLDKEY=\"q83vEjRWeJA=\"") + Set("USERNAME=\"tanaka\"") + Set("JOBNAME=\"report\""));
}

TEST(PrintTypeHead, SecurePrintWithoutPasswordIsStoredOnly)
{
    EXPECT_EQ(Head(*Record(2)), "@PJL COMMENT DNAME=report\n" + Set("HOLD=STORE"));
}

TEST(PrintTypeHead, SamplePrintTakesNoKey)
{
    EXPECT_EQ(Head(*Record(3, "q83vEjRWeJA=", "tanaka")),
              "@PJL COMMENT DNAME=report\n" + Set("HOLD=PROOF") + Set("USERNAME=\"tanaka\""));
}

TEST(PrintTypeHead, OtherPrintTypesHoldNothing)
{
    for (int type : {-1, 0, 1, 4, 5})
        EXPECT_EQ(Head(*Record(type, "q83vEjRWeJA=")), "@PJL COMMENT DNAME=report\n") << type;
}

TEST(PrintTypeHead, JobNameByDocumentNameType)
{
    // The title's name, even when validation left it empty.
    EXPECT_EQ(Head(*Record(1, "", "", 1), ""), "@PJL COMMENT DNAME=\n" + Set("JOBNAME=\"\""));
    EXPECT_EQ(Head(*Record(1, "", "", 2, "Typed name")),
              "@PJL COMMENT DNAME=report\n" + Set("JOBNAME=\"Typed name\""));
    EXPECT_EQ(Head(*Record(1, "", "", 2, "")), "@PJL COMMENT DNAME=report\n");
    EXPECT_EQ(Head(*Record(1, "", "", 3, "Typed name")), "@PJL COMMENT DNAME=report\n");
}

// ---- Through the real filter ----

const std::string kSmuggled = "@PJL SET HOLD=OFF";
const std::string kPayload = "\n" + kSmuggled + "\r\x1b\x7f\"";

// The print-type head of a whole job: from the DNAME comment to the copies line.
std::string HeadOfJob(const std::string& job)
{
    const std::string header = Header(job);
    const size_t start = header.find("@PJL COMMENT DNAME=");
    const size_t end = header.find("@PJL SET COPIES=");
    EXPECT_NE(start, std::string::npos);
    EXPECT_NE(end, std::string::npos);
    if (start == std::string::npos || end == std::string::npos || end < start) return header;
    return header.substr(start, end - start);
}

TEST(PrintTypeInjection, UserNameJobNameAndHoldKey)
{
    const std::string options = kFixedClient + Key("PrintTypeTicketKey", "2") +
                                Key("PrintTypePasswordTicketKey", Escaped("key" + kPayload)) +
                                Key("PrintTypeUserNameTicketKey", Escaped("bob" + kPayload)) +
                                Key("DocumentNameTypeTicketKey", "2") +
                                Key("DocumentNameTicketKey", Escaped("doc" + kPayload));
    for (const std::string& ppd : {jobdoc::kRX42, jobdoc::kKZ63}) {
        const std::string job = RunJob(ppd, options);
        ExpectOnlyOurLines(job, kSmuggled);
        EXPECT_EQ(HeadOfJob(job), "@PJL COMMENT DNAME=report\n" + Set("HOLD=STORE") +
                                      Set("HOLDTYPE=PRIVATE") + Set("HOLDKEY=\"key" + kSmuggled + "\"") +
                                      Set("USERNAME=\"bob" + kSmuggled + "\"") +
                                      Set("JOBNAME=\"doc" + kSmuggled + "\""));
    }
}

// Bytes the printer's code set cannot read as whole characters never stand
// before a closing quote: a lone Shift_JIS lead byte would take the quote as its
// second byte, and invalid UTF-8 is no text on a UTF-8 printer.
TEST(PrintTypeInjection, BrokenCharactersInThePrinterCodeSet)
{
    const std::string sjis = kFixedClient + Key("PrintTypeTicketKey", "2") +
                             Key("PrintTypePasswordTicketKey", Escaped("k\x83\x70y\x81")) +
                             Key("PrintTypeUserNameTicketKey", Escaped("A\x81")) +
                             Key("DocumentNameTypeTicketKey", "2") +
                             Key("DocumentNameTicketKey", Escaped("d\xe0\x22z"));
    EXPECT_EQ(HeadOfJob(RunJob(jobdoc::kRX42, sjis)),
              "@PJL COMMENT DNAME=report\n" + Set("HOLD=STORE") + Set("HOLDTYPE=PRIVATE") +
                  Set("HOLDKEY=\"k\x83\x70y\"") + Set("USERNAME=\"A\"") + Set("JOBNAME=\"dz\""));

    // Overlong, surrogate, cut and stray continuation bytes in the hold key,
    // which reaches a UTF-8 printer unconverted.
    const std::string utf8 = kFixedClient + Key("PrintTypeTicketKey", "2") +
                             Key("PrintTypePasswordTicketKey", Escaped("a\xc0\xaf"
                                                                       "b\xed\xa0\x80"
                                                                       "c\xe6\x97\xa5\x80"
                                                                       "d\xe6\x97"));
    EXPECT_EQ(HeadOfJob(RunJob(jobdoc::kKZ63, utf8)), "@PJL COMMENT DNAME=report\n" + Set("HOLD=STORE") +
                                                          Set("HOLDTYPE=PRIVATE") +
                                                          Set("HOLDKEY=\"abc\xe6\x97\xa5"
                                                              "d\""));
}

TEST(PrintTypeInjection, TitleWithQuotes)
{
    const std::string job = RunJob(jobdoc::kRX42, kFixedClient + Key("DocumentNameTypeTicketKey", "1"),
                                   "alice", "My \"big\" report");
    ExpectOnlyOurLines(job, kSmuggled);
    EXPECT_EQ(HeadOfJob(job), "@PJL COMMENT DNAME=My big report\n" + Set("JOBNAME=\"My big report\""));
}

TEST(PrintTypeLongValues, HoldKeyAndUserNameStayWithinTheLine)
{
    const std::string options = kFixedClient + Key("PrintTypeTicketKey", "2") +
                                Key("PrintTypePasswordTicketKey", std::string(2047, 'k')) +
                                Key("PrintTypeUserNameTicketKey", std::string(2000, 'u'));
    const std::string job = RunJob(jobdoc::kKZ63, options);
    ExpectOnlyOurLines(job, kSmuggled);
    // HOLDKEY fills the line to 254 bytes and keeps its closing quote; the user
    // name is already cut to its 72-byte field.
    const std::string holdKey = Set("HOLDKEY=\"" + std::string(234, 'k') + "\"");
    EXPECT_EQ(holdKey.size(), 254u);
    EXPECT_EQ(HeadOfJob(job), "@PJL COMMENT DNAME=report\n" + Set("HOLD=STORE") + Set("HOLDTYPE=PRIVATE") +
                                  holdKey + Set("USERNAME=\"" + std::string(72, 'u') + "\""));
}

TEST(PrintTypeLongValues, JapaneseUserNameIsNotSplit)
{
    // 24 characters of three bytes fill the 72-byte field exactly on a UTF-8 printer.
    std::string name;
    for (int i = 0; i < 30; ++i) name += "\xE7\x94\xB0";
    const std::string job = RunJob(jobdoc::kKZ63, kFixedClient + Key("PrintTypeUserNameTicketKey", name));
    EXPECT_EQ(HeadOfJob(job), "@PJL COMMENT DNAME=report\n" + Set("USERNAME=\"" + name.substr(0, 72) + "\""));
}

} // namespace
