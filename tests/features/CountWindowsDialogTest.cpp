// The separator, number-in-sequence and offset windows through printdialog:
// a person's script on the KZ63, and the job options the dialog hands CUPS.
#include <gtest/gtest.h>

#include "DialogRun.h"

using dialog_test::DialogRunner;

TEST(CountWindowsDialogScript, EveryKeyOfTheWindowsReachesTheJobOptions)
{
    const DialogRunner dialog;
    const testing_support::ProcessResult run =
        dialog.Run({"--script", "-", "--options"}, "panel features\n"
                                                   "page 3\n"
                                                   "choose QVIntSheet 1stTray\n"
                                                   "type 402 10, 3,25\n"
                                                   "press 404\n"
                                                   "page 8\n"
                                                   "check QVTabNumberInSequence on\n"
                                                   "press 111\n"
                                                   "type 612 12\n"
                                                   "step 613 up\n"
                                                   "press 617\n"
                                                   "choose QVJog Pages\n"
                                                   "type 602 300\n"
                                                   "step 603 down\n"
                                                   "press 604\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string options = run.out.substr(0, run.out.find('\n'));
    const std::string prefix = "com.lumeral.vrk.printsettings.";
    // The offset-per-copy window was not opened: its keys carry its defaults.
    for (const std::string& expected :
         {prefix + "SeparatorPageTicket='3 10 25'", prefix + "NumInSequenceTextEditTicket='13'",
          prefix + "NumInSequenceLArrowTicket='13'", prefix + "OffsetStackingPagesTextEditTicket='299'",
          prefix + "OffsetStackingPagesLArrowTicket='299'", prefix + "OffsetStackingUnitsTextEditTicket='2'",
          prefix + "OffsetStackingUnitsLArrowTicket='2'", std::string("QVIntSheet='1stTray'"),
          std::string("QVJog='Pages'")})
        EXPECT_NE(options.find(" " + expected), std::string::npos) << expected;
}

TEST(CountWindowsDialogScript, TwentyOnePagesAreRefusedAndCancellingWithoutAListTurnsTheSeparatorOff)
{
    const DialogRunner dialog;
    const testing_support::ProcessResult run = dialog.Run(
        {"--script", "-", "--dump"}, "panel features\n"
                                     "page 3\n"
                                     "choose QVIntSheet 1stTray\n"
                                     "type 402 2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22\n"
                                     "press 404\n"
                                     "press 405\n"
                                     "print\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json snapshot = dialog_test::LastJson(run.out);
    std::vector<std::string> alerts;
    for (const nlohmann::json& event : snapshot["log"])
        if (event["event"] == "alert") alerts.push_back(event["key"].get<std::string>());
    EXPECT_EQ(alerts, (std::vector<std::string>{"Message22d", "Message22c"}));
    const std::string options = snapshot["options"].get<std::string>();
    EXPECT_NE(options.find(" QVIntSheet='None'"), std::string::npos);
    EXPECT_NE(options.find(" com.lumeral.vrk.printsettings.SeparatorPageTicket=''"), std::string::npos);
}
