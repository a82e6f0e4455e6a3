// The Print Type pane as a person uses it through printdialog, and what the
// printer then receives from spoolwrap.
#include "tests/account/PrintTypeDialogRun.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace printtype_test;

namespace {

const std::string kKZ63 = ShippedPPD("quorvel-kz63-color-mfp.ppd"); // mailbox 100, passcode minimum 4
const std::string kRX42 = ShippedPPD("quorvel-rx42-mfp.ppd");       // product type 2 (Default02)
const std::string kWT74 = ShippedPPD("quorvel-wt74-printer.ppd");   // no hard disk, no mailbox

constexpr const char* kPrefix = "com.lumeral.vrk.printsettings.";

std::string Key(const std::string& name) { return kPrefix + name; }

bool HasLine(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool HasLineStarting(const std::vector<std::string>& lines, const std::string& start)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

const char* const kSecureScript = "panel printtype\n"
                                  "choose 101 \"Job Type Secure\"\n"
                                  "type 1022 alice\n"
                                  "type 1026 123\n"
                                  "press @SetupWndOKButton\n"
                                  "type 1026 1234\n"
                                  "choose 1024 #2\n"
                                  "type 1025 /etc\n"
                                  "press @SetupWndOKButton\n"
                                  "print\n";

// "1234" XORed with the hold key "dmrk" is "U_A_", whose Base64 is this.
constexpr const char* kCipher1234 = "VV9BXw==";

} // namespace

TEST(PrintTypeDialog, SecurePrintJobIsHeldWithItsPasscodeAndASecondRunKeepsIt)
{
    PrintTypeDialog dialog;
    const DialogResult first = dialog.Run(kKZ63, kSecureScript);
    ASSERT_EQ(first.status, 0) << first.err;
    // 123 is below the printer's minimum of 4: refused, "[n]" replaced, the window stays open.
    EXPECT_EQ(first.AlertTexts(),
              std::vector<std::string>{"The passcode must have 4 to 12 digits (0 to 9)."});
    const auto options = first.Options();
    EXPECT_EQ(options.at(Key("PrintTypeTicketKey")), "2");
    EXPECT_EQ(options.at(Key("PrintTypeUserNameTicketKey")), "alice");
    EXPECT_EQ(options.at(Key("PrintTypePasswordTicketKey")), kCipher1234);
    EXPECT_EQ(options.at(Key("DocumentNameTypeTicketKey")), "2");
    EXPECT_EQ(options.at(Key("DocumentNameTicketKey")), "/47/101/116/99");
    EXPECT_EQ(options.at(Key("PrintTypeProductTypeTicketKey")), "0");
    EXPECT_EQ(SummaryText(first.Pane(), "Passcode"), "\uFF65\uFF65\uFF65\uFF65");

    const std::vector<std::string> header = dialog.PrinterHeader(kKZ63, first.options);
    EXPECT_TRUE(HasLine(header, "@PJL SET HOLD=STORE"));
    EXPECT_TRUE(HasLine(header, "@PJL SET HOLDTYPE=PRIVATE"));
    EXPECT_TRUE(HasLine(header, std::string("@PJL SET HOLDKEY=\"") + kCipher1234 + "\""));
    EXPECT_TRUE(HasLine(header, "@PJL SET USERNAME=\"alice\""));
    EXPECT_TRUE(HasLine(header, "@PJL SET JOBNAME=\"/etc\""));

    // The next dialog restores the job from the last used settings, passcode included.
    const DialogResult second = dialog.Run(kKZ63, "print\n");
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.Options().at(Key("PrintTypeTicketKey")), "2");
    EXPECT_EQ(second.Options().at(Key("PrintTypePasswordTicketKey")), kCipher1234);
    EXPECT_TRUE(HasLine(dialog.PrinterHeader(kKZ63, second.options),
                        std::string("@PJL SET HOLDKEY=\"") + kCipher1234 + "\""));
}

TEST(PrintTypeDialog, SampleAndMailboxPrint)
{
    PrintTypeDialog dialog;
    const DialogResult sample = dialog.Run(kKZ63, "panel printtype\nchoose 101 \"Job Type Sample\"\n"
                                                  "type 1012 bob\npress @SetupWndOKButton\nprint\n");
    ASSERT_EQ(sample.status, 0) << sample.err;
    EXPECT_EQ(sample.Options().at(Key("PrintTypeTicketKey")), "3");
    EXPECT_TRUE(HasLine(dialog.PrinterHeader(kKZ63, sample.options), "@PJL SET HOLD=PROOF"));

    // Mailbox print sits at menu position 3 but is value 5: its setup button
    // stays enabled and its window opens.
    const DialogResult mailbox = dialog.Run(kKZ63, "panel printtype\nchoose 101 \"Job Type MBN\"\n"
                                                   "type 1041 0\npress @SetupWndOKButton\n"
                                                   "type 1041 101\npress @SetupWndOKButton\n"
                                                   "type 1041 099\ntype 1042 5678\npress @SetupWndOKButton\n"
                                                   "dump\nprint\n");
    ASSERT_EQ(mailbox.status, 0) << mailbox.err;
    const std::string refused = "Enter a mailbox number from 1 to 100 (digits only).";
    EXPECT_EQ(mailbox.AlertTexts(), (std::vector<std::string>{refused, refused}));
    const auto options = mailbox.Options();
    EXPECT_EQ(options.at(Key("PrintTypeTicketKey")), "5");
    EXPECT_EQ(options.at(Key("PrintTypeMBNTicketKey")), "99");
    // "5678" XOR "dmrk" is "QVEL".
    EXPECT_EQ(options.at(Key("PrintTypeMBNPasswordTicketKey")), "UVtFUw==");
    const nlohmann::json* setup = Control(mailbox.Pane()["controls"], 103);
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE((*setup)["enabled"].get<bool>());
    const std::vector<std::string> header = dialog.PrinterHeader(kKZ63, mailbox.options);
    EXPECT_FALSE(HasLineStarting(header, "@PJL SET HOLD"));
}

TEST(PrintTypeDialog, CancelOnANeverFilledSecureWindowReturnsToNormalPrinting)
{
    PrintTypeDialog dialog;
    const DialogResult run =
        dialog.Run(kKZ63, "panel printtype\nhelp\nchoose 101 \"Job Type Secure\"\n"
                          "press @PrintTypeHelpBtn\npress @SetupWndCancelButton\nprint\n");
    ASSERT_EQ(run.status, 0) << run.err;
    // The pane's help and the window's help button open the same page.
    std::vector<std::string> pages;
    for (const nlohmann::json& event : run.dump["log"])
        if (event["event"] == "help") pages.push_back(event["page"]);
    EXPECT_EQ(pages, std::vector<std::string>(2, "SelectJobType_Standard.htm"));
    EXPECT_EQ(run.Options().at(Key("PrintTypeTicketKey")), "1");
    EXPECT_EQ(Control(run.Pane()["controls"], 101)->at("selected"), 0);
    EXPECT_FALSE((*Control(run.Pane()["controls"], 103))["enabled"].get<bool>());
}

TEST(PrintTypeDialog, ProductType2TakesHalfwidthKatakanaAndRefusesLatin1)
{
    PrintTypeDialog dialog;
    const DialogResult kana =
        dialog.Run(kRX42, "panel printtype\nchoose 101 \"Job Type Sample\"\n"
                          "type 1012 \uFF71\uFF72\uFF73\npress @SetupWndOKButton\nprint\n");
    ASSERT_EQ(kana.status, 0) << kana.err;
    EXPECT_EQ(kana.Options().at(Key("PrintTypeUserNameTicketKey")), "\uFF71\uFF72\uFF73");
    EXPECT_EQ(kana.Options().at(Key("PrintTypeProductTypeTicketKey")), "2");
    EXPECT_EQ(kana.Options().at(Key("DocumentNameTypeTicketKey")), "1");

    // é cannot be typed (a beep), so the ID stays empty and OK refuses it.
    const DialogResult latin =
        PrintTypeDialog().Run(kRX42, "panel printtype\nchoose 101 \"Job Type Sample\"\n"
                                     "type 1012 \u00E9\npress @SetupWndOKButton\n"
                                     "press @SetupWndCancelButton\nprint\n");
    ASSERT_EQ(latin.status, 0) << latin.err;
    const auto& log = latin.dump["log"];
    EXPECT_TRUE(
        std::any_of(log.begin(), log.end(), [](const nlohmann::json& e) { return e["event"] == "beep"; }));
    EXPECT_EQ(latin.AlertTexts(), std::vector<std::string>{"Enter a user ID of 1 to 8 characters."});
    EXPECT_EQ(latin.Options().at(Key("PrintTypeTicketKey")), "1");
}

TEST(PrintTypeDialog, TheHardDiskDecidesWhetherThePrinterCanHoldJobs)
{
    struct Case {
        std::vector<std::string> args;
        bool listEnabled;
        bool setupEnabled;
        std::string written;
    };
    // The WT74 has no hard disk and no mailbox; a restored mailbox print is
    // shown as normal printing even with a hard disk.
    const Case cases[] = {
        {{"-o", Key("PrintTypeTicketKey") + "=2"}, false, false, "1"},
        {{"-o", "QVHardDisk=True", "-o", Key("PrintTypeTicketKey") + "=2"}, true, true, "2"},
        {{"-o", "QVHardDisk=True", "-o", Key("PrintTypeTicketKey") + "=5"}, true, false, "1"},
    };
    for (const Case& c : cases) {
        PrintTypeDialog dialog;
        const DialogResult run = dialog.Run(kWT74, "print\n", c.args);
        ASSERT_EQ(run.status, 0) << run.err;
        const nlohmann::json& controls = run.Pane()["controls"];
        for (const auto& [tag, enabled] :
             {std::pair{101, c.listEnabled}, {102, c.listEnabled}, {103, c.setupEnabled}}) {
            ASSERT_NE(Control(controls, tag), nullptr);
            EXPECT_EQ((*Control(controls, tag))["enabled"].get<bool>(), enabled)
                << tag << " " << c.args.back();
        }
        EXPECT_EQ((*Control(controls, 101))["items"].size(), 3u);
        EXPECT_EQ(run.Options().at(Key("PrintTypeTicketKey")), c.written);
    }
}

TEST(PrintTypeDialog, VersionTextMarksAnUnreadableCustomisationFile)
{
    PrintTypeDialog dialog;
    const std::string readable = dialog.Dir().Write("custom.cdf", "x");
    const std::pair<std::string, std::string> cases[] = {
        {kKZ63, "ver." QV_PROJECT_VERSION},
        {dialog.EditedPPD(kKZ63, {}, "*QVXCDFSetting: \"" + readable + "\"\n"), "ver." QV_PROJECT_VERSION},
        {dialog.EditedPPD(kKZ63, {}, "*QVXCDFSetting: \"" + dialog.Dir().file("missing.cdf") + "\"\n"),
         "ver." QV_PROJECT_VERSION "."},
    };
    for (const auto& [ppd, text] : cases) {
        const DialogResult run = dialog.Run(ppd, "");
        ASSERT_EQ(run.status, 0) << run.err;
        const nlohmann::json& controls = run.Pane()["controls"];
        const auto version = std::find_if(controls.begin(), controls.end(), [](const nlohmann::json& c) {
            return c["class"] == "VersionStringSText";
        });
        ASSERT_NE(version, controls.end());
        EXPECT_EQ((*version)["title"], text) << ppd;
    }
}

TEST(PrintTypeDialog, PanesFollowThePrintersAttributes)
{
    PrintTypeDialog dialog;
    const std::string withoutPrintType = dialog.EditedPPD(kKZ63, {"*QVXPrintTypeSettings"}, "");
    const DialogResult run = dialog.Run(withoutPrintType, "");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.Pane().empty());
    // Without the pane the job carries no print-type key at all.
    EXPECT_EQ(run.Options().count(Key("PrintTypeTicketKey")), 0u);
}

TEST(PrintTypeDialog, PrintingWithoutOpeningThePaneWritesEveryKey)
{
    PrintTypeDialog dialog;
    const DialogResult run = dialog.Run(kKZ63, "", {"-o", Key("PrintTypeUserNameTicketKey") + "=carol"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto options = run.Options();
    for (const char* name :
         {"PrintTypeProductTypeTicketKey", "DocumentNameTypeTicketKey", "DocumentNameTicketKey",
          "PrintTypeUserNameTicketKey", "PrintTypeTicketKey", "PrintTypePasswordTicketKey",
          "PrintTypeMBNTicketKey", "PrintTypeMBNPasswordTicketKey"})
        EXPECT_EQ(options.count(Key(name)), 1u) << name;
    EXPECT_EQ(options.at(Key("PrintTypeUserNameTicketKey")), "carol");
}

TEST(PrintTypeDialog, RestoredDelayedPrintIsShownAndKeptUntilChanged)
{
    PrintTypeDialog dialog;
    const std::vector<std::string> delayed = {"-o", Key("PrintTypeTicketKey") + "=4"};
    const DialogResult kept =
        dialog.Run(kKZ63, "panel printtype\npress 103\npress @SetupWndOKButton\ndump\nprint\n", delayed);
    ASSERT_EQ(kept.status, 0) << kept.err;
    const nlohmann::json& list = *Control(kept.Pane()["controls"], 101);
    ASSERT_EQ(list["items"].size(), 5u);
    EXPECT_EQ(list["items"][4]["key"], "Job Type Delayed");
    EXPECT_FALSE(list["items"][4]["enabled"].get<bool>());
    EXPECT_EQ(list["selected"], 4);
    EXPECT_EQ(SummaryText(kept.Pane(), "Print Type"), "Delayed Print");
    EXPECT_EQ(kept.Options().at(Key("PrintTypeTicketKey")), "4");

    const DialogResult changed =
        dialog.Run(kKZ63, "panel printtype\nchoose 101 \"Job Type None\"\nprint\n", delayed);
    ASSERT_EQ(changed.status, 0) << changed.err;
    EXPECT_EQ(changed.Options().at(Key("PrintTypeTicketKey")), "1");
    EXPECT_EQ((*Control(changed.Pane()["controls"], 101))["items"].size(), 4u);
}

TEST(PrintTypeDialog, RestoredTextIsDecodedAsTheFilterDoesAndBounded)
{
    std::string longName;
    for (int i = 0; i < 400; ++i) longName += "/65";
    struct Case {
        std::string stored;
        std::string shown;
    };
    const Case cases[] = {
        {"/65/66/256/67", "AB"},           // a code of 256 or more ends the text
        {longName, std::string(255, 'A')}, // at most 255 bytes
        // 254 bytes, then a two-byte character that would pass the 255th: cut before it
        {std::string(254, 'x') + "\xC3\xA9", std::string(254, 'x')},
    };
    for (const Case& c : cases) {
        PrintTypeDialog dialog;
        const DialogResult run = dialog.Run(kKZ63, "",
                                            {"-o", Key("DocumentNameTypeTicketKey") + "=2", "-o",
                                             Key("DocumentNameTicketKey") + "=" + c.stored});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.Options().at(Key("DocumentNameTicketKey")), c.shown) << c.stored.substr(0, 20);
    }
}
