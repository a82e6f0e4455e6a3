// The job option string: every value comes back from cupsParseOptions byte
// for byte, PPD choices come first, and a print setting never overrides the
// PPD choice of the same name.
#include <gtest/gtest.h>

#include <cups/cups.h>

#include "host/JobOptions.h"

namespace {

TEST(JobOptionsTest, CupsParsesEveryValueBackByteForByte)
{
    platform::PrintSettings choices;
    choices.SetValue("Duplex", "DuplexNoTumble", false);
    platform::PrintSettings settings;
    const std::vector<std::pair<std::string, std::string>> values = {
        {"com.lumeral.vrk.printsettings.A", "it's a \"b\\c\" d"},
        {"com.lumeral.vrk.printsettings.B", ""},
        {"com.lumeral.vrk.printsettings.C", "\\'\\"},
        {"com.lumeral.vrk.printsettings.D", "{braces} and, commas\ttab\nline"},
        {"com.lumeral.vrk.printsettings.E", "/97/44/98"},
        {"Duplex", "None"}, // left to the PPD choice
    };
    for (const auto& [key, value] : values) settings.SetValue(key, value, false);
    settings.SetValue("bad key", "x", false); // cannot be carried

    const std::string options = host::JobOptionString(choices, settings);
    EXPECT_EQ(options.rfind("Duplex='DuplexNoTumble' ", 0), 0u) << options;
    EXPECT_EQ(options.find("bad key"), std::string::npos) << options;
    cups_option_t* parsed = nullptr;
    const int count = cupsParseOptions(options.c_str(), 0, &parsed);
    EXPECT_EQ(count, 6);
    EXPECT_STREQ(cupsGetOption("Duplex", count, parsed), "DuplexNoTumble");
    for (size_t i = 0; i + 1 < values.size(); ++i) {
        const char* back = cupsGetOption(values[i].first.c_str(), count, parsed);
        ASSERT_NE(back, nullptr) << values[i].first;
        EXPECT_EQ(std::string(back), values[i].second) << values[i].first;
    }
    cupsFreeOptions(count, parsed);
}

TEST(JobOptionsTest, OptionNamesAnOptionStringCanCarry)
{
    EXPECT_TRUE(host::IsOptionName("com.lumeral.vrk.printsettings.PrintTypeTicketKey"));
    for (const char* bad : {"", "a b", "a=b", "a'b", "a\"b", "a\\b", "a\tb", "a\x7f"})
        EXPECT_FALSE(host::IsOptionName(bad)) << bad;
}

} // namespace
