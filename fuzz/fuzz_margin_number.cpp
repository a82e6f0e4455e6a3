// The number rules of the four margin fields (IsNumberValid and the stepper
// sync): a text the check accepts stands for a value in the field's range,
// every value in range shows as a text the check accepts and reads back the
// same, and the hidden unit's field gets a text its own check accepts.
#include "FuzzSupport.h"

#include "features/windows/MarginFieldRules.h"

namespace {

constexpr MarginField kFields[] = {MarginField::TabMM, MarginField::TabInch, MarginField::BookletMM,
                                   MarginField::BookletInch};

MarginField Partner(MarginField field)
{
    switch (field) {
    case MarginField::TabMM: return MarginField::TabInch;
    case MarginField::TabInch: return MarginField::TabMM;
    case MarginField::BookletMM: return MarginField::BookletInch;
    case MarginField::BookletInch: break;
    }
    return MarginField::BookletMM;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const uint8_t control = in.Byte();
    const int32_t stepped =
        static_cast<int32_t>(static_cast<uint32_t>(in.Byte()) << 24 | static_cast<uint32_t>(in.Byte()) << 16 |
                             static_cast<uint32_t>(in.Byte()) << 8 | in.Byte());
    const std::string_view text = in.Rest();
    const MarginField field = kFields[control % 4];
    const MarginFieldFormat& format = FormatOfMarginField(field);

    const bool filtered = IsMarginNumberValid(field, text, true);
    const bool unfiltered = IsMarginNumberValid(field, text, false);
    if (filtered) FUZZ_CHECK(unfiltered);
    const int32_t scaled = ScaledValueOfMarginText(field, text);
    if (filtered) {
        FUZZ_CHECK(scaled >= format.minimum && scaled <= format.maximum);
        const std::string hidden = ConvertedMarginText(Partner(field), text);
        FUZZ_CHECK(IsMarginNumberValid(Partner(field), hidden));
    }
    (void)ConvertedMarginText(field, text);

    // A stepper value, in range or not, shows as a text within the field's length.
    const std::string shown = MarginTextOfScaledValue(field, stepped);
    FUZZ_CHECK(shown.size() <= static_cast<size_t>(format.maxLength));
    const int32_t inRange = format.minimum + static_cast<int32_t>(static_cast<uint32_t>(stepped) %
                                                                  (format.maximum - format.minimum + 1));
    const std::string inRangeText = MarginTextOfScaledValue(field, inRange);
    FUZZ_CHECK(IsMarginNumberValid(field, inRangeText));
    FUZZ_CHECK(ScaledValueOfMarginText(field, inRangeText) == inRange);
    return 0;
}
