// PrintTypeFormatter on every Print Type field definition: a keystroke's
// text stands exactly when its characters pass the field and it fits the
// field's display length; a refusal says why and keeps the text as it was.
#include "FuzzSupport.h"
#include "FieldDefinitions.h"

#include "account/printtype/PrintTypeFormatter.h"
#include "panelkit/DisplayLength.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const uint8_t pick = in.Byte();
    const uint8_t limit = in.Byte();
    const std::u16string text = fuzz::Utf16Units(in.Rest());
    const fuzz::FieldDefinition& field = fuzz::kFieldDefinitions[pick % fuzz::kFieldDefinitionCount];
    // The field's own maximum, or any other a window could give.
    const uint32_t maxLength = (pick & 0x80) != 0 ? limit : field.lengths->maxLength;

    PrintTypeFormatter formatter;
    formatter.initWithFilter(field.filter, maxLength, nullptr);
    std::u16string editing = u"unchanged";
    std::u16string error;
    const bool accepted = formatter.isPartialStringValid(text, &editing, &error);
    const bool expected = fuzz::UnitsInRanges(text, field.filter->wordFilter) &&
                          static_cast<uint32_t>(GetStringLength(text)) <= maxLength;
    FUZZ_CHECK(accepted == expected);
    if (accepted) {
        FUZZ_CHECK(editing == text && error.empty());
        // What stands can be cut to its own length without change.
        FUZZ_CHECK(GetShortenString(text, static_cast<int>(maxLength)) == text);
    } else {
        FUZZ_CHECK(editing == u"unchanged" && error == u"String too long.");
    }
    std::any object;
    FUZZ_CHECK(formatter.getObjectValue(&object, text, nullptr));
    const std::optional<std::u16string> shown = formatter.stringForObjectValue(object);
    FUZZ_CHECK(shown && *shown == text);
    return 0;
}
