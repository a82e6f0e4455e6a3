#include "features/windows/PFInchMMTextEditFormatter.h"

#include "features/windows/MarginFieldRules.h"
#include "features/windows/PFInchMMTextEditCtrl.h"
#include "platform/TextEncoding.h"

namespace {

// What the field's OnRawKeyUp receives of an accepted text.
constexpr std::size_t kRawKeyTextLength = 5;

} // namespace

PFInchMMTextEditFormatter* PFInchMMTextEditFormatter::initWithFilter(const TextEditFilterData* filter,
                                                                     const InchMMEditValueRange* valueRange,
                                                                     uint32_t maxLength,
                                                                     PFInchMMTextEditCtrl* brother,
                                                                     platform::HostServices* services)
{
    TextEditFormatter::initWithFilter(filter, maxLength, services);
    editValueRangeDataPtr = valueRange;
    BrotherContrl = brother;
    return this;
}

bool PFInchMMTextEditFormatter::getObjectValue(std::any* object, std::u16string_view string,
                                               std::u16string* errorDescription) const
{
    TextEditFormatter::getObjectValue(object, string, errorDescription);
    const std::string text = platform::Utf16ToUtf8(string);
    const bool accepted = IsNumberValid(text);
    if (accepted && text != lastString) {
        lastString = text;
        if (BrotherContrl != nullptr)
            BrotherContrl->OnRawKeyUp(std::string_view(text).substr(0, kRawKeyTextLength));
    }
    if (BrotherContrl != nullptr)
        BrotherContrl->KeepUIText(accepted ? std::string_view(text) : std::string_view());
    return true;
}

bool PFInchMMTextEditFormatter::IsNumberValid(std::string_view text) const
{
    return BrotherContrl != nullptr && BrotherContrl->IsNumberValid(text);
}

bool PFTabMMTextEditFormatter::IsNumberValid(std::string_view text) const
{
    return IsMarginNumberValid(MarginField::TabMM, text, false);
}

bool PFTabInchTextEditFormatter::IsNumberValid(std::string_view text) const
{
    return IsMarginNumberValid(MarginField::TabInch, text, false);
}

bool PFBookletMMTextEditFormatter::IsNumberValid(std::string_view text) const
{
    return IsMarginNumberValid(MarginField::BookletMM, text, false);
}

bool PFBookletInchTextEditFormatter::IsNumberValid(std::string_view text) const
{
    return IsMarginNumberValid(MarginField::BookletInch, text, false);
}
