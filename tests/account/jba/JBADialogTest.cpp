// The Job Accounting pane from a person's printdialog script to the owner
// block that spoolwrap writes for the job options the dialog hands on.
#include <algorithm>

#include <gtest/gtest.h>

#include "panelkit/KVTCipherText.h"
#include "tests/account/PrintTypeDialogRun.h"
#include "tests/support/ScopedEnv.h"

namespace {

using namespace printtype_test;
using testing_support::ScopedEnv;

const std::string kKZ63 = ShippedPPD("quorvel-kz63-color-mfp.ppd");

std::string Key(const std::string& name) { return "com.lumeral.vrk.printsettings." + name; }

std::vector<std::string> Matching(const std::vector<std::string>& lines, const std::string& part)
{
    std::vector<std::string> found;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
                 [&](const std::string& line) { return line.find(part) != std::string::npos; });
    return found;
}

// The machine's identity fixed for the dialog and the filter alike.
struct FixedIdentity {
    ScopedEnv addresses{"QV_HOST_ADDRESSES", "127.0.1.1,192.168.0.5"};
    ScopedEnv host{"QV_HOST_NAME", "office-mac"};
    ScopedEnv computer{"QV_COMPUTER_NAME", "Office Mac"};
    ScopedEnv now{"QV_NOW", "2026-12-24T09:05:07.700"};
};

TEST(JBADialog, SecurePrintWithAccountingReachesTheOwnerBlock)
{
    FixedIdentity identity;
    PrintTypeDialog dialog;
    const DialogResult result = dialog.Run(kKZ63, "panel printtype\n"
                                                  "choose 101 \"Job Type Secure\"\n"
                                                  "type 1022 alice\ntype 1026 1234\n"
                                                  "press @SetupWndOKButton\n"
                                                  "panel accounting\npress 1002\n"
                                                  "choose 3006 \"JBA Input Name\"\n"
                                                  "type 3007 acct01\ntype 3009 s3cr3t1\npress 3001\n"
                                                  "print\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const auto options = result.Options();
    EXPECT_EQ(options.at(Key("JBAManageTypeListTicketKey")), "2");
    EXPECT_EQ(options.at(Key("JBAIPAddressStringTicket")), "IC0A80005");
    EXPECT_EQ(options.at(Key("JBAPllrPrintTimeTicketKey")), "09:05:07");
    EXPECT_EQ(options.at(Key("JBAUserPasswordTextEditTicket")), EncipherTicketText("s3cr3t1"));

    const std::vector<std::string> header = dialog.PrinterHeader(kKZ63, result.options);
    const std::vector<std::string> expected = {"@PJL COMMENT DATE=12/24/2026",
                                               "@PJL COMMENT TIME=09:05:07",
                                               "@PJL SET JOBATTR=\"@CNAM=Office Mac\"",
                                               "@PJL SET JOBATTR=\"@JOAU=acct01\"",
                                               "@PJL SET JOBATTR=\"@JOEP=" + *EncipherTicketText("s3cr3t1") +
                                                   "\"",
                                               "@PJL SET HOLD=STORE",
                                               "@PJL SET HOLDTYPE=PRIVATE",
                                               "@PJL SET USERNAME=\"alice\""};
    for (const std::string& line : expected)
        EXPECT_EQ(std::count(header.begin(), header.end(), line), 1) << line;
    const std::vector<std::string> hoad = Matching(header, "@HOAD=");
    ASSERT_EQ(hoad.size(), 1u);
    EXPECT_EQ(hoad[0].find("@HOAD=I7F"), std::string::npos) << hoad[0];
}

TEST(JBADialog, InputAtPrintTimeCancelRefusesOkWritesTwoOwnerBlocks)
{
    FixedIdentity identity;
    PrintTypeDialog dialog;
    const std::string settings = "panel accounting\npress 1002\nradio 3017\npress 3001\nprint\n";
    const DialogResult cancelled = dialog.Run(kKZ63, settings + "press 4002\n");
    EXPECT_EQ(cancelled.status, 1) << cancelled.err;
    EXPECT_TRUE(cancelled.options.empty());

    const DialogResult printed =
        dialog.Run(kKZ63, settings + "type 4006 acct7\ntype 4008 pw 12\npress 4001\n");
    ASSERT_EQ(printed.status, 0) << printed.err;
    const std::vector<std::string> owners = Matching(dialog.PrinterHeader(kKZ63, printed.options), "@JOAU=");
    ASSERT_EQ(owners.size(), 2u);
    EXPECT_EQ(owners[0], "@PJL SET JOBATTR=\"@JOAU=acct7\"");
    const std::vector<std::string> passwords =
        Matching(dialog.PrinterHeader(kKZ63, printed.options), "@JOEP=");
    ASSERT_EQ(passwords.size(), 2u);
    EXPECT_EQ(passwords[0], "@PJL SET JOBATTR=\"@JOEP=" + *EncipherTicketText("pw 12") + "\"");
}

TEST(JBADialog, FileDestinationCarriesNoAccountingKeys)
{
    FixedIdentity identity;
    PrintTypeDialog dialog;
    const DialogResult result = dialog.Run(kKZ63, "print\n", {"--destination-type", "file"});
    ASSERT_EQ(result.status, 0) << result.err;
    for (const auto& [key, value] : result.Options()) EXPECT_EQ(key.find("JBA"), std::string::npos) << key;
}

} // namespace
