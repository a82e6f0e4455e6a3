// The Job Accounting pane in the headless print dialog: the mode list and its
// administrator rules, printing with and without the input window, the
// settings windows' checks and rules, and what reaches the print settings.
#include <unistd.h>

#include <gtest/gtest.h>

#include "account/jba/JBAInputWindow.h"
#include "account/jba/JBAListCtrl.h"
#include "account/jba/JBASettingsWindow.h"
#include "host/headless/PersonActions.h"
#include "panelkit/KVTCipherText.h"
#include "platform/PrintSettingsKeys.h"
#include "tests/account/jba/JbaPaneHarness.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace {

using jbatest::ChooseIn;
using jbatest::ClickOn;
using jbatest::JbaPaneHarness;
using jbatest::TypeInto;
using testing_support::ScopedEnv;

const std::string kPrinterID = "TestPrinter";
const std::string kKeyPrefix = "com.lumeral.vrk.printsettings.";

// A user database of the test's own naming this process's user "tester",
// in the administrators' group or not.
class Users {
public:
    explicit Users(bool admin)
        : passwd_("QV_PASSWD_FILE", dir_.file("passwd")), group_("QV_GROUP_FILE", dir_.file("group")),
          adminGroup_("QV_ADMIN_GROUP", "qvadmin"), login_("QV_LOGIN_NAME", "tester")
    {
        testing_support::WriteFile(dir_.file("passwd"),
                                   "tester:x:" + std::to_string(getuid()) + ":5000::/tmp:/bin/sh\n");
        testing_support::WriteFile(dir_.file("group"),
                                   std::string("qvadmin:x:80:") + (admin ? "tester" : "someoneelse") + "\n");
    }

private:
    testing_support::TempDir dir_;
    ScopedEnv passwd_;
    ScopedEnv group_;
    ScopedEnv adminGroup_;
    ScopedEnv login_;
};

platform::ui::Widget* PaneWidget(KJOBACCOUNTINGPDE& pane, const char* outlet)
{
    platform::ui::View* view = pane.panelView();
    return view != nullptr ? view->widgetForOutlet(outlet) : nullptr;
}

// Opens the current mode's settings window and runs the step in it.
void InSettingsWindow(JbaPaneHarness& h, jbatest::QueuedSteps::Step step)
{
    h.Steps().Push(std::move(step));
    platform::ui::Widget* button = PaneWidget(*h.Pane(), "jbaDetailedSetting");
    ASSERT_NE(button, nullptr);
    ASSERT_EQ(host::Click(*button), host::ActionOutcome::Done);
    EXPECT_EQ(h.Steps().Pending(), 0u);
}

void TurnOnInputAtPrintTime(JbaPaneHarness& h)
{
    InSettingsWindow(h, [](platform::ui::Window& w) {
        EXPECT_TRUE(ClickOn(w, "InputRadio"));
        EXPECT_TRUE(ClickOn(w, "OKButton"));
    });
    ASSERT_TRUE(h.Pane()->getbInputWndVisible());
}

TEST(JobAccountingPane, FirstPaneWithItsWindowsAndTheModeListDisabled)
{
    Users users(true);
    JbaPaneHarness h;
    ASSERT_NE(h.Pane(), nullptr);
    EXPECT_EQ(h.Panes().size(), 2u); // then the Print Type pane
    EXPECT_EQ(h.Pane()->getAccountMode(), 1);
    EXPECT_NE(h.Pane()->getjbaInfoAdminWnd(), nullptr);
    EXPECT_NE(h.Pane()->getjbaInfoWnd(), nullptr);
    EXPECT_NE(h.Pane()->getjbaInputWnd(), nullptr);
    platform::ui::Widget* list = PaneWidget(*h.Pane(), "jobAcctTypeList");
    ASSERT_NE(list, nullptr);
    // The mode comes from the print settings on this platform, even for an administrator.
    EXPECT_FALSE(list->isEnabled());
    EXPECT_EQ(h.Pane()->panelName(), "Job Accounting");
}

TEST(JobAccountingPane, PrintWithoutInputWindowGoesAheadAndStampsTheJob)
{
    Users users(true);
    ScopedEnv name("QV_COMPUTER_NAME", "Office\xE2\x80\x99s Mac");
    JbaPaneHarness h;
    ASSERT_NE(h.Pane(), nullptr);
    EXPECT_TRUE(h.Pane()->shouldPrint());
    EXPECT_EQ(h.Pane()->getJobStatus(), kJBAJobStatusPrint);
    EXPECT_EQ(h.Setting(printsettings::JBAManageTypeListTicketKey), "2");
    EXPECT_EQ(h.Setting(printsettings::JBAMacHostNameStringTicket), "Office___s Mac");
    EXPECT_EQ(h.Setting(printsettings::JBALoginTextEditTicket), "tester");
    EXPECT_EQ(h.Setting(printsettings::JBAUserInputRadioBtnTicket), "0");
    EXPECT_EQ(h.Setting(printsettings::JBAPllrPrintDateTicketKey).size(), 10u);
}

TEST(JobAccountingPane, NoAccountingForPreviewFileOrFax)
{
    Users users(true);
    for (platform::DestinationType type :
         {platform::DestinationType::File, platform::DestinationType::Preview,
          platform::DestinationType::Fax}) {
        JbaPaneHarness h;
        ASSERT_NE(h.Pane(), nullptr);
        TurnOnInputAtPrintTime(h);
        h.Host().Session().SetDestinationType(type);
        EXPECT_TRUE(h.Pane()->shouldPrint());
        EXPECT_EQ(h.Pane()->saveValuesAndReturnError(), 0);
        EXPECT_EQ(h.Steps().Pending(), 0u);
        for (const char* key :
             {printsettings::JBAManageTypeListTicketKey, printsettings::JBAMacHostNameStringTicket,
              printsettings::JBAUserInputRadioBtnTicket})
            EXPECT_EQ(h.Setting(key), "") << key;
    }
}

TEST(JobAccountingPane, InputWindowAtPrintTimeCancelRefusesOkPrints)
{
    Users users(true);
    JbaPaneHarness h;
    ASSERT_NE(h.Pane(), nullptr);
    TurnOnInputAtPrintTime(h);

    h.Steps().Push([](platform::ui::Window& w) { EXPECT_TRUE(ClickOn(w, "CancelButton")); });
    EXPECT_FALSE(h.Pane()->shouldPrint());
    EXPECT_EQ(h.Pane()->getJobStatus(), kJBAJobStatusCancel);
    EXPECT_EQ(h.Setting(printsettings::JBAInputUserIDTextEditTicket), "");

    h.Steps().Push([](platform::ui::Window& w) {
        EXPECT_TRUE(TypeInto(w, "UserID", "acct7"));
        EXPECT_TRUE(TypeInto(w, "Password", "pa ss"));
        EXPECT_TRUE(ClickOn(w, "OKButton"));
    });
    EXPECT_TRUE(h.Pane()->shouldPrint());
    EXPECT_EQ(h.Setting(printsettings::JBAInputUserIDTextEditTicket), "acct7");
    EXPECT_EQ(h.Setting(printsettings::JBAInputUserPasswordTextEditTicket), EncipherTicketText("pa ss"));
    EXPECT_EQ(h.Setting(printsettings::JBAUserInputRadioBtnTicket), "1");
    // The typed password is kept enciphered under its reference key as well.
    EXPECT_EQ(h.Setting(kPrinterID + kKeyPrefix + "JBAInputUserPasswordTextEditReference"),
              EncipherTicketText("pa ss"));
}

TEST(JobAccountingPane, PasswordLengthsInEveryWindow)
{
    Users users(true);
    JbaPaneHarness h;
    ASSERT_NE(h.Pane(), nullptr);
    struct Case {
        const char* password;
        bool accepted;
    } cases[] = {{"abc", false}, {"ab c", true}, {"    ", true}, {"~!@#$%^&*() ", true}};
    for (const Case& c : cases) {
        InSettingsWindow(h, [&](platform::ui::Window& w) {
            EXPECT_TRUE(TypeInto(w, "Password", c.password));
            EXPECT_TRUE(ClickOn(w, "OKButton"));
            EXPECT_EQ(w.isOpen(), !c.accepted) << c.password;
            if (w.isOpen()) {
                EXPECT_TRUE(ClickOn(w, "CancelButton"));
            }
        });
    }
    EXPECT_EQ(h.Steps().AlertKeys(), std::vector<std::string>{"Warning33"});

    TurnOnInputAtPrintTime(h);
    for (const Case& c : cases) {
        h.Steps().Push([&](platform::ui::Window& w) {
            EXPECT_TRUE(TypeInto(w, "UserID", "u1"));
            EXPECT_TRUE(TypeInto(w, "Password", c.password));
            EXPECT_TRUE(ClickOn(w, "OKButton"));
            if (w.isOpen()) {
                EXPECT_TRUE(ClickOn(w, "CancelButton"));
            }
        });
        EXPECT_EQ(h.Pane()->shouldPrint(), c.accepted) << c.password;
    }
    EXPECT_EQ(h.Steps().AlertKeys(), (std::vector<std::string>{"Warning33", "Warning33"}));
}

TEST(JobAccountingPane, SharedWindowPasswordRefusedForAnAdministrator)
{
    Users users(true);
    JbaPaneHarness h;
    ASSERT_NE(h.Pane(), nullptr);
    h.Host().Settings().SetValue(kPrinterID + kKeyPrefix + "JBAManageTypeListReference", "1", false);
    ASSERT_EQ(h.Pane()->restoreValuesAndReturnError(), 0);
    ASSERT_EQ(h.Pane()->getAccountMode(), 0);
    InSettingsWindow(h, [](platform::ui::Window& w) {
        EXPECT_TRUE(TypeInto(w, "Password", "abc"));
        EXPECT_TRUE(ClickOn(w, "OKButton"));
        EXPECT_TRUE(w.isOpen());
        EXPECT_TRUE(TypeInto(w, "Password", "abcd"));
        EXPECT_TRUE(ClickOn(w, "OKButton"));
        EXPECT_FALSE(w.isOpen());
    });
    EXPECT_TRUE(h.Pane()->shouldPrint());
    EXPECT_EQ(h.Setting(printsettings::JBAManageTypeListTicketKey), "1");
    EXPECT_EQ(h.Setting(printsettings::JBAAdminUserPasswordTextEditTicket), EncipherTicketText("abcd"));
    EXPECT_EQ(h.Setting(kPrinterID + kKeyPrefix + "JBAAdminUserPasswordTextEditReference"),
              EncipherTicketText("abcd"));
}

TEST(JobAccountingPane, SwitchingTheUserIDSourceEmptiesThePassword)
{
    Users users(true);
    JbaPaneHarness h;
    ASSERT_NE(h.Pane(), nullptr);
    InSettingsWindow(h, [](platform::ui::Window& w) {
        platform::ui::Widget* userID = w.contentView().widgetForOutlet("UserID");
        platform::ui::Widget* login = w.contentView().widgetForOutlet("LoginName");
        ASSERT_TRUE(userID != nullptr && login != nullptr);
        EXPECT_TRUE(userID->isHidden());
        EXPECT_FALSE(login->isEnabled());
        EXPECT_EQ(login->stringValue(), "tester");
        EXPECT_TRUE(TypeInto(w, "Password", "secret1"));
        EXPECT_TRUE(ChooseIn(w, "UserIDList", 1));
        EXPECT_EQ(w.contentView().widgetForOutlet("Password")->stringValue(), "");
        EXPECT_FALSE(userID->isHidden());
        EXPECT_TRUE(login->isHidden());
        EXPECT_TRUE(TypeInto(w, "UserID", "acct9"));
        EXPECT_TRUE(TypeInto(w, "Password", "secret2"));
        EXPECT_TRUE(ChooseIn(w, "UserIDList", 0));
        EXPECT_EQ(w.contentView().widgetForOutlet("Password")->stringValue(), "");
        EXPECT_TRUE(ClickOn(w, "CancelButton"));
    });
}

TEST(JobAccountingPane, NonAdministratorCannotChangeTheSharedSettings)
{
    Users users(false);
    JbaPaneHarness h;
    ASSERT_NE(h.Pane(), nullptr);
    h.Host().Settings().SetValue(kPrinterID + kKeyPrefix + "JBAManageTypeListReference", "1", false);
    ASSERT_EQ(h.Pane()->restoreValuesAndReturnError(), 0);
    ASSERT_EQ(h.Pane()->getAccountMode(), 0);
    EXPECT_FALSE(PaneWidget(*h.Pane(), "jobAcctTypeList")->isEnabled());
    InSettingsWindow(h, [](platform::ui::Window& w) {
        for (const char* outlet : {"InputRadio", "JobInfoRadio", "RestoreButton"})
            EXPECT_FALSE(ClickOn(w, outlet)) << outlet;
        EXPECT_FALSE(TypeInto(w, "Password", "abcd"));
        EXPECT_TRUE(ClickOn(w, "OKButton"));
    });
    EXPECT_TRUE(h.Pane()->shouldPrint());
    EXPECT_EQ(h.Setting(kPrinterID + kKeyPrefix + "JBAAdminUserInputRadioBtnReference"), "");
    EXPECT_EQ(h.Setting(kPrinterID + kKeyPrefix + "JBAAdminUserPasswordTextEditReference"), "");
}

TEST(JobAccountingPane, StoredPasswordComesBackInANewDialog)
{
    Users users(true);
    platform::PrintSettings saved;
    {
        JbaPaneHarness h;
        ASSERT_NE(h.Pane(), nullptr);
        InSettingsWindow(h, [](platform::ui::Window& w) {
            EXPECT_TRUE(TypeInto(w, "Password", "kept pw"));
            EXPECT_TRUE(ClickOn(w, "OKButton"));
        });
        EXPECT_EQ(h.Pane()->saveValuesAndReturnError(), 0);
        saved = h.Host().Settings();
    }
    JbaPaneHarness again;
    ASSERT_NE(again.Pane(), nullptr);
    again.Host().Settings() = saved;
    ASSERT_EQ(again.Pane()->restoreValuesAndReturnError(), 0);
    InSettingsWindow(again, [](platform::ui::Window& w) {
        EXPECT_EQ(w.contentView().widgetForOutlet("Password")->stringValue(), "kept pw");
        EXPECT_TRUE(ClickOn(w, "CancelButton"));
    });
}

TEST(JobAccountingPane, LoginNameOutsidePrintableAsciiIsSentAsUnknownUser)
{
    Users users(true);
    ScopedEnv login("QV_LOGIN_NAME", "j\xC3\xBCrgen");
    JbaPaneHarness h;
    ASSERT_NE(h.Pane(), nullptr);
    EXPECT_TRUE(h.Pane()->shouldPrint());
    EXPECT_EQ(h.Setting(printsettings::JBALoginTextEditTicket), "UnknownUser");
}

// The per-printer cache keeps passwords and every input-window value
// enciphered and gives back the clear text; other values stay as typed.
TEST(JobAccountingPane, CacheKeepsSecretsAndInputValuesEnciphered)
{
    Users users(true);
    testing_support::TempDir support;
    ScopedEnv folder("QV_APPLICATION_SUPPORT", support.path());
    JbaPaneHarness h;
    ASSERT_NE(h.Pane(), nullptr);
    TurnOnInputAtPrintTime(h);
    h.Steps().Push([](platform::ui::Window& w) {
        EXPECT_TRUE(TypeInto(w, "UserID", "acct7"));
        EXPECT_TRUE(TypeInto(w, "Password", "pw 12"));
        EXPECT_TRUE(ClickOn(w, "OKButton"));
    });
    ASSERT_TRUE(h.Pane()->shouldPrint());
    struct Case {
        int32_t tag;
        std::string cached;
        std::string shown;
    } cases[] = {{4006, *EncipherTicketText("acct7"), "acct7"},
                 {4008, *EncipherTicketText("pw 12"), "pw 12"}};
    for (const Case& c : cases) {
        const int32_t tag = c.tag;
        BaseControl* field = h.Pane()->GetPanelControl(&tag);
        ASSERT_NE(field, nullptr) << c.tag;
        ASSERT_TRUE(field->SetValueToPreference()) << c.tag;
        const std::string key = kPrinterID + field->GetAccessInfo()->prefKey;
        EXPECT_EQ(field->RestoreFromCacheForKey(key, platform::PreferenceUser::Current).value_or(""),
                  c.cached)
            << c.tag;
        field->SetControlValueToDefault();
        EXPECT_TRUE(field->GetValueFromPreference()) << c.tag;
        EXPECT_EQ(std::get<std::string>(field->ControlStoredValue()), c.shown) << c.tag;
    }
    // A hidden field (the typed user ID while the login name is the source) keeps nothing.
    const int32_t hiddenTag = 3007;
    BaseControl* hidden = h.Pane()->GetPanelControl(&hiddenTag);
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(hidden->SetValueToPreference());
    EXPECT_FALSE(hidden->RestoreFromCacheForKey(kPrinterID + hidden->GetAccessInfo()->prefKey,
                                                platform::PreferenceUser::Current));
}

TEST(JobAccountingPane, SummaryOfTheChosenModesWindow)
{
    Users users(true);
    JbaPaneHarness h;
    ASSERT_NE(h.Pane(), nullptr);
    InSettingsWindow(h, [](platform::ui::Window& w) {
        EXPECT_TRUE(TypeInto(w, "Password", "abcd"));
        EXPECT_TRUE(ClickOn(w, "OKButton"));
    });
    std::map<std::string, std::string> summary;
    std::vector<std::string> order;
    h.Pane()->summaryInfo(summary, order);
    EXPECT_EQ(order, (std::vector<std::string>{"Accounting Mode", "Accounting Details",
                                               "User ID from:", "User ID", "Accounting Password"}));
    EXPECT_EQ(summary["Accounting Mode"], "My own settings");
    EXPECT_EQ(summary["Accounting Details"], "Use these details for every job");
    EXPECT_EQ(summary["User ID"], "tester");
    EXPECT_EQ(summary["Accounting Password"], "\uFF65\uFF65\uFF65\uFF65");

    // With input at print time only the radio button's line remains of the window.
    TurnOnInputAtPrintTime(h);
    summary.clear();
    order.clear();
    h.Pane()->summaryInfo(summary, order);
    EXPECT_EQ(order, (std::vector<std::string>{"Accounting Mode", "Accounting Details"}));
    EXPECT_EQ(summary["Accounting Details"], "Enter the details when printing");
}

TEST(JobAccountingPane, EnterAtPrintTimeWaitsForAUsableUserID)
{
    Users users(true);
    JbaPaneHarness h;
    ASSERT_NE(h.Pane(), nullptr);
    InSettingsWindow(h, [](platform::ui::Window& w) {
        EXPECT_TRUE(ChooseIn(w, "UserIDList", 1));
        EXPECT_TRUE(TypeInto(w, "UserID", "   "));
        EXPECT_TRUE(ClickOn(w, "InputRadio"));
        // Refused: both buttons show what they showed before.
        EXPECT_EQ(w.contentView().widgetForOutlet("InputRadio")->intValue(), 0);
        EXPECT_EQ(w.contentView().widgetForOutlet("JobInfoRadio")->intValue(), 1);
        EXPECT_TRUE(TypeInto(w, "UserID", "acct3"));
        EXPECT_TRUE(ClickOn(w, "InputRadio"));
        EXPECT_EQ(w.contentView().widgetForOutlet("InputRadio")->intValue(), 1);
        EXPECT_EQ(w.contentView().widgetForOutlet("JobInfoRadio")->intValue(), 0);
        EXPECT_FALSE(w.contentView().widgetForOutlet("UserID")->isEnabled());
        EXPECT_TRUE(ClickOn(w, "OKButton"));
    });
    EXPECT_EQ(h.Steps().AlertKeys(), std::vector<std::string>{"Warning32"});
    EXPECT_TRUE(h.Pane()->getbInputWndVisible());
}

} // namespace
