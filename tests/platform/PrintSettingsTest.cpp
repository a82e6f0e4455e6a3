#include "platform/PrintSettings.h"
#include "platform/PrintSession.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(PrintSettings, StatusCodesMatchThePrintingManager)
{
    PrintSettings settings;
    std::string value = "untouched";
    EXPECT_EQ(settings.GetValue("com.lumeral.vrk.printsettings.Missing", &value), -30891);
    EXPECT_EQ(value, "untouched");
    EXPECT_EQ(settings.GetValue("k", nullptr), -50);
    EXPECT_EQ(settings.SetValue("", "v", false), -50);
}

TEST(PrintSettings, ReplacingAValueKeepsItsPlaceAndTakesTheNewLock)
{
    PrintSettings settings;
    ASSERT_EQ(settings.SetValue("a", "1", true), 0);
    ASSERT_EQ(settings.SetValue("b", "2", false), 0);
    ASSERT_EQ(settings.SetValue("a", "3", false), 0);
    ASSERT_EQ(settings.Entries().size(), 2u);
    EXPECT_EQ(settings.Entries()[0].key, "a");
    EXPECT_EQ(settings.Entries()[0].value, "3");
    EXPECT_FALSE(settings.IsLocked("a"));
    std::string value;
    EXPECT_EQ(settings.GetValue("b", &value), 0);
    EXPECT_EQ(value, "2");
    EXPECT_EQ(settings.RemoveValue("a"), 0);
    EXPECT_EQ(settings.RemoveValue("a"), -30891);
}

TEST(PrintSession, PrinterDestinationAndData)
{
    PrintSession session;
    EXPECT_EQ(session.GetCurrentPrinter(), nullptr);
    EXPECT_EQ(session.GetDestinationType(), DestinationType::Printer);
    session.SetCurrentPrinter(Printer("KZ63_Office"));
    ASSERT_NE(session.GetCurrentPrinter(), nullptr);
    EXPECT_EQ(session.GetCurrentPrinter()->GetID(), "KZ63_Office");
    session.SetDestinationType(DestinationType::Preview);
    EXPECT_EQ(session.GetDestinationType(), DestinationType::Preview);
    session.SetData("n", 7LL);
    ASSERT_NE(session.GetData("n"), nullptr);
    EXPECT_EQ(std::get<long long>(*session.GetData("n")), 7);
    EXPECT_EQ(session.GetData("other"), nullptr);
}

} // namespace
} // namespace platform
