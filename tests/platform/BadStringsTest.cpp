// Localisation tables and property lists that are damaged: the readers answer
// "not a table" or take the values as they are, and never stop the process.
#include "platform/PlistHandle.h"
#include "platform/StringsTable.h"

#include <gtest/gtest.h>

#include <plist/plist.h>

#include <string>

namespace {

using platform::ParseStringsTable;

TEST(BadStringsTable, PlistStringHoldingAZeroByteIsReadNotFatal)
{
    // Found by fuzz_strings_table: libplist's string reader asserted on a
    // value with a zero byte inside, which aborted the dialog.
    const std::string bytes = std::string("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>"
                                          "<key>a</key><string>b#\x01") +
                              std::string(6, '\0') +
                              "\x11</string><key>c</key><string>d</string></dict></plist>";
    const auto table = ParseStringsTable(bytes);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->at("c"), "d");
    EXPECT_EQ(table->at("a").substr(0, 3), "b#\x01");
}

TEST(BadStringsTable, PlistStringValueKeepsEveryByte)
{
    plist_t node = plist_new_string("x");
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(platform::PlistStringValue(node), "x");
    plist_free(node);
    EXPECT_EQ(platform::PlistStringValue(nullptr), "");
}

TEST(BadStringsTable, DamagedTablesAreRefused)
{
    EXPECT_FALSE(ParseStringsTable("\"unterminated = \"x\";").has_value());
    EXPECT_FALSE(ParseStringsTable("\"k\" = ;").has_value());
    EXPECT_FALSE(ParseStringsTable("<?xml version=\"1.0\"?><plist><array/></plist>").has_value());
    EXPECT_FALSE(ParseStringsTable(std::string("\xff\xfe\x22", 3)).has_value()); // odd UTF-16 length
}

} // namespace
