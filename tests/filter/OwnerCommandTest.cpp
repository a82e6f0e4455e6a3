// The accounting group: owner blocks for each management type, administrator
// input mode and user-ID source; the DATE, TIME, CNAM, JOAU, HOAD and JOEP
// values with their fall-backs; whole headers of a plain and a secure job.
#include "OwnerJobHarness.h"

#include "filter/HostIdentity.h"
#include "filter/JobCommands.h"
#include "filter/OwnerCommand.h"
#include "filter/UtilityFunctionFilter.h"
#include "platform/HostAddress.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <unistd.h>

#include <memory>
#include <regex>
#include <algorithm>
#include <string>

using jobdoc::Attr;
using jobdoc::FilterArgs;
using jobdoc::PjlCapture;
using jobdoc::Set;
using namespace owner;

namespace {

// A print-options record as the reader leaves it for a job without accounting
// keys, with the client keys of the panel filled in.
std::unique_ptr<PrintOptions> Record(const char* encoding = "ShiftJIS")
{
    auto options = std::make_unique<PrintOptions>();
    CopyToField(encoding, options->ppdInfo.printerLanguageEncoding);
    JBAOption& jba = options->jba;
    jba.manageType = -1;
    jba.userIDSource = -1;
    jba.inputMode = -1;
    jba.adminUserIDSource = -1;
    jba.adminInputMode = -1;
    CopyToField("12/24/2026", jba.printDate);
    CopyToField("09:05:07", jba.printTime);
    CopyToField("office-mac", jba.hostName);
    CopyToField("I0A01C80F", jba.ipAddress);
    // Values that a block must never pick up unless its row of the table says so.
    CopyToField("entered", jba.inputUserID);
    CopyToField("enteredPW", jba.inputUserPassword);
    CopyToField("user01", jba.userID);
    CopyToField("userPW", jba.userPassword);
    CopyToField("admin01", jba.adminUserID);
    CopyToField("adminPW", jba.adminUserPassword);
    CopyToField("login01", jba.loginName);
    return options;
}

std::string Block(const std::string& user, const std::string& password)
{
    return "@PJL COMMENT DATE=12/24/2026\n"
           "@PJL COMMENT TIME=09:05:07\n" +
           Attr("CNAM=office-mac") + Attr("JOAU=" + user) + Attr("HOAD=I0A01C80F") + Attr("JOEP=" + password);
}

std::string Accounting(const PrintOptions& options)
{
    FilterArgs args("1", "");
    PjlCapture capture;
    PutJACommand(args.argv(), options);
    return capture.Text();
}

TEST(OwnerBlocks, NoAccountingGivesOneBlockForTheCupsUser)
{
    auto options = Record();
    EXPECT_EQ(Accounting(*options), Block("alice", ""));
    options->jba.manageType = 0;
    options->jba.adminInputMode = 1;
    options->jba.adminUserIDSource = 2;
    EXPECT_EQ(Accounting(*options), Block("alice", ""));
    options->jba.manageType = 3;
    EXPECT_EQ(Accounting(*options), Block("alice", ""));
}

TEST(OwnerBlocks, ManagementType2)
{
    auto options = Record();
    options->jba.manageType = 2;

    // The user's own window decides (the shared window's keys are there too
    // and are not read): entered details first, then the login name with the
    // user password.
    options->jba.adminInputMode = -1;
    options->jba.adminUserIDSource = 2;
    options->jba.inputMode = 1;
    options->jba.userIDSource = 1;
    EXPECT_EQ(Accounting(*options), Block("entered", "enteredPW") + Block("login01", "userPW"));

    options->jba.userIDSource = 2;
    EXPECT_EQ(Accounting(*options), Block("entered", "enteredPW") + Block("user01", "userPW"));

    // Any other source repeats the entered user.
    options->jba.userIDSource = 0;
    EXPECT_EQ(Accounting(*options), Block("entered", "enteredPW") + Block("entered", "userPW"));

    // Without the user's input mode there is no first block, and the
    // final user is empty: the CUPS user stands in.
    options->jba.inputMode = -1;
    EXPECT_EQ(Accounting(*options), Block("alice", "userPW"));
    options->jba.userIDSource = 2;
    EXPECT_EQ(Accounting(*options), Block("user01", "userPW"));
}

TEST(OwnerBlocks, EnteredPasswordNeedsAnEnteredUser)
{
    auto options = Record();
    options->jba.manageType = 2;
    options->jba.inputMode = 1;
    options->jba.userIDSource = 1;
    options->jba.inputUserID[0] = '\0';
    EXPECT_EQ(Accounting(*options), Block("alice", "") + Block("login01", "userPW"));
}

TEST(OwnerBlocks, ManagementType1)
{
    auto options = Record();
    options->jba.manageType = 1;
    // The user's own window's keys are not read with the shared settings.
    options->jba.inputMode = 1;
    options->jba.userIDSource = 1;

    options->jba.adminUserIDSource = 2;
    EXPECT_EQ(Accounting(*options), Block("admin01", "adminPW"));
    options->jba.adminUserIDSource = 1;
    EXPECT_EQ(Accounting(*options), Block("login01", "adminPW"));

    options->jba.adminInputMode = 1;
    options->jba.adminUserIDSource = 2;
    EXPECT_EQ(Accounting(*options), Block("entered", "enteredPW") + Block("admin01", "adminPW"));
    options->jba.adminUserIDSource = 7;
    EXPECT_EQ(Accounting(*options), Block("entered", "enteredPW") + Block("entered", "adminPW"));

    // An empty final user takes the first block's password, not the administrator's.
    options->jba.adminUserIDSource = 2;
    options->jba.adminUserID[0] = '\0';
    EXPECT_EQ(Accounting(*options), Block("entered", "enteredPW") + Block("alice", "enteredPW"));
    options->jba.adminInputMode = 0;
    EXPECT_EQ(Accounting(*options), Block("alice", ""));
}

TEST(OwnerBlockValues, NamesInThePrinterCodeSet)
{
    // ホスト / 田中: the Shift_JIS printer gets Shift_JIS, the UTF-8 printer UTF-8.
    const std::string hostUtf8 = "\xE3\x83\x9B\xE3\x82\xB9\xE3\x83\x88";
    const std::string hostSjis = "\x83\x7A\x83\x58\x83\x67";
    const std::string userUtf8 = "\xE7\x94\xB0\xE4\xB8\xAD";
    const std::string userSjis = "\x93\x63\x92\x86";

    auto sjis = Record("ShiftJIS");
    CopyToField(hostUtf8, sjis->jba.hostName);
    sjis->jba.manageType = 1;
    sjis->jba.adminUserIDSource = 2;
    CopyToField(userUtf8, sjis->jba.adminUserID);
    std::string text = Accounting(*sjis);
    EXPECT_TRUE(jobdoc::HasLine(text, Attr("CNAM=" + hostSjis))) << text;
    EXPECT_TRUE(jobdoc::HasLine(text, Attr("JOAU=" + userSjis))) << text;

    auto utf8 = Record("UTF-8");
    CopyToField(hostUtf8, utf8->jba.hostName);
    utf8->jba.manageType = 1;
    utf8->jba.adminUserIDSource = 2;
    CopyToField(userUtf8, utf8->jba.adminUserID);
    text = Accounting(*utf8);
    EXPECT_TRUE(jobdoc::HasLine(text, Attr("CNAM=" + hostUtf8))) << text;
    EXPECT_TRUE(jobdoc::HasLine(text, Attr("JOAU=" + userUtf8))) << text;

    // A computer name cut inside a character by its 33-byte field keeps the
    // whole characters before the cut.
    CopyToField("mac-" + hostUtf8.substr(0, 5), sjis->jba.hostName);
    text = Accounting(*sjis);
    EXPECT_TRUE(jobdoc::HasLine(text, Attr("CNAM=mac-\x83\x7A"))) << text;
}

TEST(OwnerBlockValues, ClientNameFallsBackToHostNameTextThenThisMachine)
{
    auto options = Record();
    options->jba.hostName[0] = '\0';
    CopyToField("office-mac.local", options->jba.hostNameText);
    EXPECT_TRUE(jobdoc::HasLine(Accounting(*options), Attr("CNAM=office-mac.local")));

    options->jba.hostNameText[0] = '\0';
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    EXPECT_TRUE(jobdoc::HasLine(Accounting(*options), Attr("CNAM=" + std::string(host).substr(0, 96))));
}

TEST(OwnerBlockValues, DateAndTimeFallBackToTheClock)
{
    auto options = Record();
    options->jba.printDate[0] = '\0';
    options->jba.printTime[0] = '\0';
    const std::string text = Accounting(*options);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(text, m,
                                  std::regex("^@PJL COMMENT DATE=(\\d\\d)/(\\d\\d)/(\\d{4})\n"
                                             "@PJL COMMENT TIME=(\\d\\d):(\\d\\d):(\\d\\d)\n")))
        << text;
    EXPECT_GE(std::stoi(m[1]), 1);
    EXPECT_LE(std::stoi(m[1]), 12);
    EXPECT_GE(std::stoi(m[2]), 1);
    EXPECT_LE(std::stoi(m[2]), 31);
    EXPECT_LE(std::stoi(m[4]), 23);
    EXPECT_LE(std::stoi(m[5]), 59);
    EXPECT_LE(std::stoi(m[6]), 60);
}

// The host address when the panel sent none: this machine's, resolved through
// a test resolver.
class HostAddressFallback : public ::testing::Test {
protected:
    void TearDown() override { platform::SetHostResolver(nullptr); }

    static sockaddr_storage Address(const std::string& text)
    {
        sockaddr_storage storage{};
        if (text.find(':') != std::string::npos) {
            auto* v6 = reinterpret_cast<sockaddr_in6*>(&storage);
            v6->sin6_family = AF_INET6;
            inet_pton(AF_INET6, text.c_str(), &v6->sin6_addr);
        } else {
            auto* v4 = reinterpret_cast<sockaddr_in*>(&storage);
            v4->sin_family = AF_INET;
            inet_pton(AF_INET, text.c_str(), &v4->sin_addr);
        }
        return storage;
    }

    static std::string WithResolved(platform::HostAddressList answer)
    {
        platform::SetHostResolver([answer](const std::string&) { return answer; });
        auto options = Record();
        options->jba.ipAddress[0] = '\0';
        return Accounting(*options);
    }
    static std::string WithResolved(const std::vector<std::string>& texts)
    {
        std::vector<sockaddr_storage> list;
        for (const auto& t : texts) list.push_back(Address(t));
        return WithResolved(platform::HostAddressList(list));
    }
};

TEST_F(HostAddressFallback, IPv4HexWithoutLeadingZeros)
{
    std::string text = WithResolved({"127.0.0.1", "192.168.0.5"});
    EXPECT_TRUE(jobdoc::HasLine(text, Attr("HOAD=IC0A805"))) << text;
    text = WithResolved({"2001:db8::7", "10.1.200.15"});
    EXPECT_TRUE(jobdoc::HasLine(text, Attr("HOAD=IA1C8F"))) << text;
}

// An IPv6 address goes out in the compact form the accounting panel uses for
// the same key, so the printer sees one form whichever side found the address.
TEST_F(HostAddressFallback, IPv6InTheCompactForm)
{
    const std::string text = WithResolved({"2001:db8::7"});
    EXPECT_TRUE(jobdoc::HasLine(text, Attr("HOAD=620010db8000000000000000000000007"))) << text;
}

TEST_F(HostAddressFallback, NoAddressNoLine)
{
    for (const std::string& text : {WithResolved({"fe80::1", "127.0.0.1"}), WithResolved(std::nullopt)}) {
        EXPECT_EQ(text.find("HOAD"), std::string::npos) << text;
        // The rest of the block is still there, JOEP last.
        EXPECT_NE(text.find(Attr("JOAU=alice") + Attr("JOEP=")), std::string::npos) << text;
    }
}

// ---- Whole jobs through the real filter ----

const std::string kKZ63 = jobdoc::kKZ63;
const std::string kRX42 = jobdoc::kRX42;
const std::string kPlainOptions = "media=A4 com.apple.print.PrintSettings.PMDuplexing..n.=1 " + kFixedClient;

TEST(OwnerGolden, PlainJobOnShiftJISPrinter)
{
    const std::string job = RunJob(kRX42, kPlainOptions);
    EXPECT_EQ(Header(job), "\x1b%-12345X@PJL JOB MODE=PRINTER\n"
                           "@PJL SET STRINGCODESET=\"SJISX0208\"\n"
                           "@PJL COMMENT begin\n"
                           "@PJL COMMENT Version:4.00\n"
                           "@PJL COMMENT DATE=12/24/2026\n"
                           "@PJL COMMENT TIME=09:05:07\n"
                           "@PJL SET JOBATTR=\"@CNAM=office-mac\"\n"
                           "@PJL SET JOBATTR=\"@JOAU=alice\"\n"
                           "@PJL SET JOBATTR=\"@HOAD=I0A01C80F\"\n"
                           "@PJL SET JOBATTR=\"@JOEP=\"\n"
                           "@PJL COMMENT DNAME=report\n"
                           "@PJL SET COPIES=1\n"
                           "@PJL SET JOBATTR=\"@FSTP=0\"\n"
                           "@PJL SET JOBATTR=\"@LSTP=0\"\n"
                           "@PJL SET OUTBIN=MAINTRAY\n"
                           "@PJL SET JOBATTR=\"@LOUT=NOSCALING\"\n"
                           "@PJL SET JOBATTR=\"@DIPQ=STANDARD\"\n"
                           "@PJL SET RENDERMODE=GRAYSCALE\n"
                           "@PJL SET AUTOSELECT=ON\n"
                           "@PJL SET PAPER=A4\n"
                           "@PJL SET MEDIATYPE=OFF\n"
                           "@PJL SET DUPLEX=OFF\n"
                           "@PJL SET TIMEOUT=0\n"
                           "@PJL SET JOBATTR=\"@NLPP=1\"\n"
                           "@PJL SET JOBATTR=\"@FSIZ=" +
                               std::to_string(kPdf.size()) +
                               "\"\n"
                               "@PJL ENTER LANGUAGE=PDF\n");
}

TEST(OwnerGolden, SecurePrintJobWithAccountingOnUTF8Printer)
{
    const std::string options =
        kPlainOptions + Key("PrintTypeTicketKey", "2") + Key("PrintTypeUserNameTicketKey", "tanaka") +
        Key("PrintTypePasswordTicketKey", "q83vEjRWeJA=") + Key("DocumentNameTypeTicketKey", "1") +
        Key("JBAManageTypeListTicketKey", "2") + Key("JBAUserIDListCtrlTicket", "2") +
        Key("JBAUserIDTextEditTicket", "acct01") + Key("JBAUserPasswordTextEditTicket", "s3cr3t");
    const std::string job = RunJob(kKZ63, options, "alice", "Quarterly report");
    EXPECT_EQ(Header(job), "\x1b%-12345X@PJL JOB MODE=PRINTER\n"
                           "@PJL SET STRINGCODESET=\"UTF8\"\n"
                           "@PJL COMMENT begin\n"
                           "@PJL COMMENT Version:4.00\n"
                           "@PJL COMMENT DATE=12/24/2026\n"
                           "@PJL COMMENT TIME=09:05:07\n"
                           "@PJL SET JOBATTR=\"@CNAM=office-mac\"\n"
                           "@PJL SET JOBATTR=\"@JOAU=acct01\"\n"
                           "@PJL SET JOBATTR=\"@HOAD=I0A01C80F\"\n"
                           "@PJL SET JOBATTR=\"@JOEP=s3cr3t\"\n"
                           "@PJL COMMENT DNAME=Quarterly report\n"
                           "@PJL SET HOLD=STORE\n"
                           "@PJL SET HOLDTYPE=PRIVATE\n"
                           "@PJL SET HOLDKEY=\"q83vEjRWeJA=\"\n"
                           "@PJL SET USERNAME=\"tanaka\"\n"
                           "@PJL SET JOBNAME=\"Quarterly report\"\n"
                           "@PJL SET COPIES=1\n"
                           "@PJL SET JOBATTR=\"@FSTP=0\"\n"
                           "@PJL SET JOBATTR=\"@LSTP=0\"\n"
                           "@PJL SET OUTBIN=MAINTRAY\n"
                           "@PJL SET JOBATTR=\"@LOUT=NOSCALING\"\n"
                           "@PJL SET JOBATTR=\"@DIPQ=STANDARD\"\n"
                           "@PJL SET RENDERMODE=AUTOCOLOR\n"
                           "@PJL SET JOBATTR=\"@TRAP=ON\"\n"
                           "@PJL SET AUTOSELECT=ON\n"
                           "@PJL SET PAPER=A4\n"
                           "@PJL SET MEDIATYPE=OFF\n"
                           "@PJL SET DUPLEX=OFF\n"
                           "@PJL SET TIMEOUT=0\n"
                           "@PJL SET JOBATTR=\"@NLPP=1\"\n"
                           "@PJL SET JOBATTR=\"@FSIZ=" +
                               std::to_string(kPdf.size()) +
                               "\"\n"
                               "@PJL ENTER LANGUAGE=PDF\n");
}

TEST(OwnerGolden, FallbacksWithoutClientKeys)
{
    // Only the address is given, so that no test resolves this machine's name.
    const std::string job = RunJob(kRX42, "media=A4" + Key("JBAIPAddressStringTicket", "I0A01C80F"), "bob");
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    const std::regex block("@PJL COMMENT begin\n@PJL COMMENT Version:4.00\n"
                           "@PJL COMMENT DATE=\\d\\d/\\d\\d/\\d{4}\n"
                           "@PJL COMMENT TIME=\\d\\d:\\d\\d:\\d\\d\n"
                           "@PJL SET JOBATTR=\"@CNAM=([^\"\n]*)\"\n"
                           "@PJL SET JOBATTR=\"@JOAU=bob\"\n"
                           "@PJL SET JOBATTR=\"@HOAD=I0A01C80F\"\n"
                           "@PJL SET JOBATTR=\"@JOEP=\"\n"
                           "@PJL COMMENT DNAME=report\n");
    std::smatch m;
    const std::string header = Header(job);
    ASSERT_TRUE(std::regex_search(header, m, block)) << header;
    EXPECT_EQ(m[1].str(), std::string(host).substr(0, 96));
}

// ---- Submitter values cannot add printer commands ----

// Line feed, carriage return, escape, DEL and a double quote around a command.
const std::string kSmuggled = "@PJL SET HOLD=OFF";
const std::string kPayload = "\n" + kSmuggled + "\r\x1b\x7f\"";

TEST(OwnerInjection, DateTimeClientNameHostAddress)
{
    const std::string options = "media=A4" +
                                Key("JBAPllrPrintDateTicketKey", Escaped("12/24/2026" + kPayload)) +
                                Key("JBAPllrPrintTimeTicketKey", Escaped("09:05:07" + kPayload)) +
                                Key("JBAMacHostNameStringTicket", Escaped("mac" + kPayload)) +
                                Key("JBAIPAddressStringTicket", Escaped("I0A01C80F" + kPayload));
    for (const std::string& ppd : {kRX42, kKZ63}) {
        const std::string job = RunJob(ppd, options);
        ExpectOnlyOurLines(job, kSmuggled);
        const std::string header = Header(job);
        EXPECT_TRUE(jobdoc::HasLine(header, "@PJL COMMENT DATE=12/24/2026" + kSmuggled + "\n")) << header;
        EXPECT_TRUE(jobdoc::HasLine(header, "@PJL COMMENT TIME=09:05:07" + kSmuggled + "\n")) << header;
        EXPECT_TRUE(jobdoc::HasLine(header, Attr("CNAM=mac" + kSmuggled))) << header;
        EXPECT_TRUE(jobdoc::HasLine(header, Attr("HOAD=I0A01C80F" + kSmuggled))) << header;
    }
}

TEST(OwnerInjection, HostNameTextUserAndPassword)
{
    const std::string options = kFixedClient + Key("JBAMacHostNameStringTicket", "") +
                                Key("JBAHostNameStringTicket", Escaped("host" + kPayload)) +
                                Key("JBAManageTypeListTicketKey", "2") + Key("JBAUserIDListCtrlTicket", "2") +
                                Key("JBAUserIDTextEditTicket", Escaped("acct" + kPayload)) +
                                Key("JBAUserPasswordTextEditTicket", Escaped("pw" + kPayload));
    for (const std::string& ppd : {kRX42, kKZ63}) {
        const std::string job = RunJob(ppd, options);
        ExpectOnlyOurLines(job, kSmuggled);
        const std::string header = Header(job);
        EXPECT_TRUE(jobdoc::HasLine(header, Attr("CNAM=host" + kSmuggled))) << header;
        EXPECT_TRUE(jobdoc::HasLine(header, Attr("JOAU=acct" + kSmuggled))) << header;
        EXPECT_TRUE(jobdoc::HasLine(header, Attr("JOEP=pw" + kSmuggled))) << header;
    }
}

TEST(OwnerInjection, CupsUserName)
{
    const std::string job = RunJob(kRX42, kFixedClient, "eve" + kPayload);
    ExpectOnlyOurLines(job, kSmuggled);
    EXPECT_TRUE(jobdoc::HasLine(Header(job), Attr("JOAU=eve" + kSmuggled))) << Header(job);
}

// A value that is wholly in quotes is no quoted value: its quotes would end the
// JOBATTR string early, so they go like any other quote.
TEST(OwnerInjection, ValuesWhollyInQuotes)
{
    const std::string header = Header(RunJob(kRX42, kFixedClient, "\"x\""));
    EXPECT_TRUE(jobdoc::HasLine(header, "@PJL SET JOBATTR=\"@JOAU=x\"\n")) << header;

    const std::string options = kFixedClient + Key("JBAManageTypeListTicketKey", "2") +
                                Key("JBAUserIDListCtrlTicket", "2") + Key("JBAUserIDTextEditTicket", "acct") +
                                Key("JBAUserPasswordTextEditTicket", Escaped("\"pw\""));
    const std::string accounted = Header(RunJob(kKZ63, options));
    EXPECT_TRUE(jobdoc::HasLine(accounted, "@PJL SET JOBATTR=\"@JOEP=pw\"\n")) << accounted;
    for (const std::string& h : {header, accounted}) {
        size_t start = 0;
        for (size_t end; (end = h.find('\n', start)) != std::string::npos; start = end + 1) {
            const std::string line = h.substr(start, end - start);
            if (line.rfind("@PJL SET JOBATTR=", 0) == 0) {
                EXPECT_EQ(std::count(line.begin(), line.end(), '"'), 2) << line;
            }
        }
    }
}

// ---- Over-long values ----

// The value of the line that starts with start, and the whole line with its line feed.
std::string LineStartingWith(const std::string& header, const std::string& start)
{
    const size_t at = ("\n" + header).find("\n" + start);
    if (at == std::string::npos) return {};
    return header.substr(at, header.find('\n', at) + 1 - at);
}

TEST(OwnerLongValues, PasswordIsCutToTheLineBetweenCharacters)
{
    std::string password = "x";
    for (int i = 0; i < 300; ++i) password += "\xE3\x81\x82"; // あ
    const std::string options = kFixedClient + Key("JBAManageTypeListTicketKey", "2") +
                                Key("JBAUserPasswordTextEditTicket", password);
    // In Shift_JIS each あ is two bytes: 1 + 113 * 2 bytes fit the 228 left for the value.
    std::string sjis = "x";
    for (int i = 0; i < 113; ++i) sjis += "\x82\xA0";
    const std::string line = LineStartingWith(Header(RunJob(kRX42, options)), "@PJL SET JOBATTR=\"@JOEP=");
    EXPECT_EQ(line, Attr("JOEP=" + sjis));
    EXPECT_EQ(line.size(), 253u);

    // A 2048-byte field of plain text fills the line exactly.
    const std::string plain = kFixedClient + Key("JBAManageTypeListTicketKey", "2") +
                              Key("JBAUserPasswordTextEditTicket", std::string(2047, 'p'));
    const std::string full = LineStartingWith(Header(RunJob(kKZ63, plain)), "@PJL SET JOBATTR=\"@JOEP=");
    EXPECT_EQ(full, Attr("JOEP=" + std::string(228, 'p')));
    EXPECT_EQ(full.size(), 254u);
}

TEST(OwnerLongValues, HugeCupsUserIsCutBetweenCharacters)
{
    std::string user = "x";
    for (int i = 0; i < 900; ++i) user += "\xE3\x81\x82";
    // UTF-8 printer: 1 + 75 * 3 bytes fit the 228 left for the value.
    std::string expected = "x";
    for (int i = 0; i < 75; ++i) expected += "\xE3\x81\x82";
    const std::string job = RunJob(kKZ63, kFixedClient, user);
    ExpectOnlyOurLines(job, kSmuggled);
    EXPECT_EQ(LineStartingWith(Header(job), "@PJL SET JOBATTR=\"@JOAU="), Attr("JOAU=" + expected));

    const std::string ascii = RunJob(kRX42, kFixedClient, std::string(3000, 'u'));
    EXPECT_EQ(LineStartingWith(Header(ascii), "@PJL SET JOBATTR=\"@JOAU="),
              Attr("JOAU=" + std::string(228, 'u')));
}

} // namespace
