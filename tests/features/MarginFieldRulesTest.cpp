// The margin fields' number rules: accepted forms at the range bounds, the
// stepper sync both ways and the unit conversion of the hidden field.
#include <gtest/gtest.h>

#include "features/windows/MarginFieldRules.h"

namespace {

struct TextCase {
    MarginField field;
    const char* text;
    bool valid;
};

TEST(MarginFieldRules, NumberCheckFormsAndRanges)
{
    const TextCase cases[] = {
        {MarginField::TabMM, "15.0", true},       {MarginField::TabMM, "15.1", false},
        {MarginField::TabMM, "12.70", false},     {MarginField::TabMM, "15", true},
        {MarginField::TabMM, "16", false},        {MarginField::TabMM, ".5", false},
        {MarginField::TabMM, "5.", false},        {MarginField::TabMM, "1.2.3", false},
        {MarginField::TabMM, "1,2", false},       {MarginField::TabMM, "99999999999999999999", false},
        {MarginField::TabInch, "0.5", false},     {MarginField::TabInch, "0.50", true},
        {MarginField::TabInch, "0.59", true},     {MarginField::TabInch, "0.60", false},
        {MarginField::TabInch, "1", false},       {MarginField::TabInch, "0", true},
        {MarginField::BookletMM, "25", true},     {MarginField::BookletMM, "26", false},
        {MarginField::BookletMM, "", true},       {MarginField::BookletMM, "1.0", false},
        {MarginField::BookletMM, "007", true},    {MarginField::BookletInch, "1.0", true},
        {MarginField::BookletInch, "1.1", false}, {MarginField::BookletInch, "0.25", false},
        {MarginField::BookletInch, "1", true},    {MarginField::BookletInch, "2", false},
    };
    for (const TextCase& c : cases) EXPECT_EQ(IsMarginNumberValid(c.field, c.text), c.valid) << c.text;
    // The formatter's pass leaves characters to the input filter; forms still count.
    EXPECT_FALSE(IsMarginNumberValid(MarginField::TabMM, "12.", false));
}

TEST(MarginFieldRules, StepperFollowsTextAndTextFollowsStepper)
{
    EXPECT_EQ(ScaledValueOfMarginText(MarginField::TabMM, "12.7"), 127);
    EXPECT_EQ(ScaledValueOfMarginText(MarginField::TabInch, "0.29"), 29);
    EXPECT_EQ(ScaledValueOfMarginText(MarginField::TabInch, "0.59"), 59);
    EXPECT_EQ(ScaledValueOfMarginText(MarginField::BookletInch, "0.3"), 3);
    EXPECT_EQ(ScaledValueOfMarginText(MarginField::BookletMM, "12"), 12);

    EXPECT_EQ(MarginTextOfScaledValue(MarginField::TabMM, 127), "12.7");
    EXPECT_EQ(MarginTextOfScaledValue(MarginField::TabInch, 50), "0.50");
    EXPECT_EQ(MarginTextOfScaledValue(MarginField::TabInch, 5), "0.05");
    EXPECT_EQ(MarginTextOfScaledValue(MarginField::BookletInch, 10), "1.0");
    EXPECT_EQ(MarginTextOfScaledValue(MarginField::BookletMM, 25), "25");
    EXPECT_EQ(MarginTextOfScaledValue(MarginField::BookletMM, 100), "10") << "cut to two characters";
}

TEST(MarginFieldRules, HiddenUnitConversion)
{
    EXPECT_EQ(ConvertedMarginText(MarginField::TabInch, "12.7"), "0.50");
    EXPECT_EQ(ConvertedMarginText(MarginField::TabMM, "0.59"), "15.0");
    EXPECT_EQ(ConvertedMarginText(MarginField::TabInch, "15.0"), "0.59");
    EXPECT_EQ(ConvertedMarginText(MarginField::BookletInch, "25"), "1.0");
    EXPECT_EQ(ConvertedMarginText(MarginField::BookletMM, "0.3"), "8");
    EXPECT_EQ(ConvertedMarginText(MarginField::BookletMM, "1.0"), "25");
    EXPECT_EQ(ConvertedMarginText(MarginField::BookletInch, "0"), "0.0");
}

TEST(MarginFieldRules, BookletMillimetresTravelInHalves)
{
    EXPECT_EQ(BookletMMTicketValue(12), 24);
    EXPECT_EQ(BookletMMFromTicketValue(25), 12);
    EXPECT_EQ(BookletMMFromTicketValue(24), 12);
}

} // namespace
