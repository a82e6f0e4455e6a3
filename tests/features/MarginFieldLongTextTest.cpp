// The margin fields' number rules on texts no field lets a person type but a
// restored or pasted value can hold: numbers of many digits, of either sign,
// past the float range. Each is refused or cut to the field's range, never
// converted past what an integer holds.
#include <gtest/gtest.h>

#include <string>

#include "features/windows/MarginFieldRules.h"

namespace {

TEST(MarginFieldLongTextTest, HugeNumbersAreRefusedAndConvertToTheFieldsEnds)
{
    struct Case {
        MarginField field;
        const char* text;
        int32_t scaled;     // ScaledValueOfMarginText
        const char* hidden; // ConvertedMarginText of the partner field
    };
    const Case cases[] = {
        {MarginField::TabMM, "99999999999", INT32_MAX, "0.59"},
        {MarginField::TabInch, "99999999999", INT32_MAX, "15.0"},
        {MarginField::BookletMM, "99999999999", INT32_MAX, "1.0"},
        {MarginField::BookletInch, "99999999999", INT32_MAX, "25"},
        {MarginField::BookletMM, "-99999999999", INT32_MIN, "0.0"},
        {MarginField::BookletInch, "-1e300", INT32_MIN, "0"},
        {MarginField::TabInch, "3e38", INT32_MAX, "15.0"},
        {MarginField::TabMM, "1e300", INT32_MAX, "0.59"},
    };
    const auto partner = [](MarginField field) {
        switch (field) {
        case MarginField::TabMM: return MarginField::TabInch;
        case MarginField::TabInch: return MarginField::TabMM;
        case MarginField::BookletMM: return MarginField::BookletInch;
        case MarginField::BookletInch: break;
        }
        return MarginField::BookletMM;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text).substr(0, 20));
        EXPECT_FALSE(IsMarginNumberValid(c.field, c.text));
        EXPECT_FALSE(IsMarginNumberValid(c.field, c.text, false));
        EXPECT_EQ(ScaledValueOfMarginText(c.field, c.text), c.scaled);
        EXPECT_EQ(ConvertedMarginText(partner(c.field), c.text), c.hidden);
    }
}

} // namespace
