// The separator page list: the check of the typed text and its stored and
// shown forms.
#include <gtest/gtest.h>

#include <string>

#include "features/windows/SeparatorPageList.h"

namespace {

std::string PageRun(int count)
{
    std::string text;
    for (int page = 2; page < 2 + count; ++page) text += (text.empty() ? "" : ",") + std::to_string(page);
    return text;
}

TEST(SeparatorPageList, PageInputCheck)
{
    const struct {
        std::string text;
        PageInputResult result;
    } cases[] = {
        {"10, 3,25", PageInputValid},     {"5,5", PageInputValid},
        {"2,9999", PageInputValid},       {"00010", PageInputValid},
        {",3", PageInputBadList},         {"3,", PageInputBadList},
        {"3,,4", PageInputBadList},       {"3, ,4", PageInputBadList},
        {"1,3", PageInputBadList},        {"10000", PageInputBadList},
        {"", PageInputBadList},           {"   ", PageInputBadList},
        {"3;4", PageInputBadList},        {"123456789012", PageInputBadList},
        {"4294967298", PageInputBadList}, // wraps to 2 in 32 bits
        {PageRun(20), PageInputValid},    {PageRun(21), PageInputTooManyPages},
    };
    for (const auto& c : cases) EXPECT_EQ(IsPageInputValid(c.text), c.result) << '"' << c.text << '"';
}

TEST(SeparatorPageList, StoredAndShownForms)
{
    EXPECT_EQ(StoredPageList("10, 3,25"), "3 10 25");
    EXPECT_EQ(ShownPageList("3 10 25"), "3,10,25");
    EXPECT_EQ(StoredPageList("5,5"), "5 5");
    EXPECT_EQ(StoredPageList("00010,2"), "2 10");
    EXPECT_EQ(StoredPageList(""), "");
    EXPECT_EQ(ShownPageList(""), "");
}

} // namespace
