// The number-in-sequence and offset-stacking fields: range bounds and forms.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "features/windows/CountFieldRules.h"
#include "features/windows/MarginFieldRules.h"
#include "platform/Bundle.h"

namespace {

TEST(CountFieldRules, RangesAndForms)
{
    const struct {
        CountField field;
        const char* text;
        bool valid;
    } cases[] = {
        {CountField::NumInSequence, "0", false},
        {CountField::NumInSequence, "1", true},
        {CountField::NumInSequence, "254", true},
        {CountField::NumInSequence, "255", false},
        {CountField::NumInSequence, "", false},
        {CountField::NumInSequence, "1a", false},
        {CountField::NumInSequence, "4294967297", false},
        {CountField::OffsetPages, "1", false},
        {CountField::OffsetPages, "2", true},
        {CountField::OffsetPages, "65000", true},
        {CountField::OffsetPages, "65001", false},
        {CountField::OffsetCopies, "9999", true},
        {CountField::OffsetCopies, "10000", false},
        {CountField::OffsetCopies, "002", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsCountNumberValid(c.field, c.text), c.valid) << c.text;
    EXPECT_EQ(CountValueOfText("254"), 254);
    EXPECT_EQ(CountTextOfValue(CountField::NumInSequence, 3), "3");
    EXPECT_EQ(CountTextOfValue(CountField::OffsetCopies, 65000), "6500") << "cut to four characters";
}

TEST(CountFieldRules, EveryRefusalHasAnEnglishText)
{
    std::optional<platform::Bundle> bundle = platform::Bundle::Open(QV_FEATUREPANEL_BUNDLE);
    ASSERT_TRUE(bundle.has_value());
    std::vector<std::string> keys = {"Message22c", "Message22d"};
    for (CountField f : {CountField::NumInSequence, CountField::OffsetPages, CountField::OffsetCopies})
        keys.emplace_back(FormatOfCountField(f).messageKey);
    for (MarginField f :
         {MarginField::TabMM, MarginField::TabInch, MarginField::BookletMM, MarginField::BookletInch})
        keys.emplace_back(FormatOfMarginField(f).messageKey);
    for (const std::string& key : keys) {
        const std::string text = bundle->LocalizedString(key, "", "Localizable");
        EXPECT_NE(text, key) << key << " has no English text";
        EXPECT_NE(text.find_first_of("0123456789"), std::string::npos) << key << " names no bound: " << text;
    }
}

} // namespace
