// The window's printer chooser on a private cupsd with two queues of the
// driver: choosing the other queue with the keyboard builds the panels afresh
// for its PPD (the bundles loaded again), so printing then gives exactly the
// job options the headless dialog gives for that queue.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "DialogRun.h"
#include "PrivateCupsd.h"
#include "WindowRun.h"

namespace {

using gtk_test::Control;
using gtk_test::Gone;
using gtk_test::Named;

// A printer nobody listens to: nothing is sent in these tests.
constexpr const char* kDevice = "socket://127.0.0.1:9";

class WindowPrinters : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(chmod(root_.path().c_str(), 0755), 0);
        driver_ = InstallDriver(root_.file("stage"));
        ASSERT_TRUE(driver_.ok) << driver_.log;
        cupsd_ = std::make_unique<PrivateCupsd>(root_.path(),
                                                PrivateCupsd::Options{driver_.filter, driver_.ppdFolder});
        ASSERT_TRUE(cupsd_->running()) << cupsd_->startLog();
        ASSERT_EQ(cupsd_->AddQueue("kz63", "Quorvel/quorvel-kz63-color-mfp.ppd", kDevice), "");
        ASSERT_EQ(cupsd_->AddQueue("wt74", "Quorvel/quorvel-wt74-printer.ppd", kDevice), "");
    }
    void TearDown() override { cupsd_.reset(); }

    std::map<std::string, std::string> Environment() const
    {
        std::map<std::string, std::string> env = cupsd_->ClientEnv();
        env.insert({{"QV_NOW", "2026-01-02T03:04:05"},
                    {"QV_HOST_NAME", "printhost"},
                    {"QV_COMPUTER_NAME", "Office Mac"},
                    {"QV_HOST_ADDRESSES", "192.0.2.7"}});
        return env;
    }

    testing_support::TempDir root_;
    InstalledDriver driver_;
    std::unique_ptr<PrivateCupsd> cupsd_;
};

} // namespace

TEST_F(WindowPrinters, ChoosingAnotherQueueBuildsItsPanelsAfreshAndPrintsItsOptions)
{
    const dialog_test::DialogRunner runner;
    gtk_test::WindowRun window(runner, {"--dest", "kz63", "--options"}, Environment());
    // The KZ63's Features panel, shown.
    ASSERT_TRUE(window.ClickUntil(Named("pane:Printer Features"), Control({{"class", "PFGroupList"}})));
    // The chooser's list opens on the KZ63; the WT74 is the next queue.
    ASSERT_TRUE(window.ClickOnce(Named("printer")));
    std::this_thread::sleep_for(std::chrono::seconds(1));
    window.Key("Down");
    window.Key("Return");
    // The panels were dropped with their printer: the window shows Copies & Pages again.
    ASSERT_TRUE(window.WaitFor(Gone(Control({{"class", "PFGroupList"}}))));
    ASSERT_TRUE(window.ClickUntil(Named("pane:Printer Features"), Control({{"class", "PFGroupList"}})));
    ASSERT_TRUE(window.ClickOnce(Named("print")));
    const testing_support::ProcessResult& run = window.Finish();
    ASSERT_EQ(run.status, 0) << run.err;

    const dialog_test::DialogRunner headless;
    const testing_support::ProcessResult wt74 =
        headless.Run({"--dest", "wt74", "--options"}, "", Environment());
    ASSERT_EQ(wt74.status, 0) << wt74.err;
    const testing_support::ProcessResult kz63 =
        headless.Run({"--dest", "kz63", "--options"}, "", Environment());
    ASSERT_EQ(kz63.status, 0) << kz63.err;
    EXPECT_NE(wt74.out, kz63.out);
    EXPECT_EQ(run.out, wt74.out);
}
