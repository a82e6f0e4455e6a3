#include "panelkit/TextEditFormatter.h"

#include "panelkit/DisplayLength.h"

TextEditFormatter* TextEditFormatter::initWithFilter(const TextEditFilterData* filter, uint32_t maxLength,
                                                     platform::HostServices* services)
{
    FilterDataPtr = filter;
    maxlength = maxLength;
    hostServices = services;
    return this;
}

bool TextEditFormatter::isPartialStringValid(std::u16string_view partialString,
                                             std::u16string* newEditingString,
                                             std::u16string* errorDescription) const
{
    if (validateInput(partialString, FilterDataPtr) &&
        static_cast<uint32_t>(GetStringLength(partialString)) <= maxlength) {
        if (newEditingString != nullptr) newEditingString->assign(partialString);
        return true;
    }
    if (errorDescription != nullptr) *errorDescription = u"String too long.";
    if (hostServices != nullptr) hostServices->Beep();
    return false;
}

bool TextEditFormatter::getObjectValue(std::any* object, std::u16string_view string,
                                       std::u16string* /*errorDescription*/) const
{
    if (object != nullptr) *object = std::u16string(string);
    return true;
}

std::optional<std::u16string> TextEditFormatter::stringForObjectValue(const std::any& object) const
{
    if (const auto* text = std::any_cast<std::u16string>(&object)) return *text;
    return std::nullopt;
}
